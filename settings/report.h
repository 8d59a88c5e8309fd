#pragma once
// The report a user pastes into a support thread: Velmora's and Windows'
// versions, the driver key and how it was found, the card facts and every
// setting as the window shows it and as it is stored, for the Glide values
// what Glide takes instead in the tips' own words, and what Apply would
// still change. Built from the same controls, keys and help as the window,
// so that it says what the window says; the shell only puts it on the
// clipboard. Plain text for a newsgroup, a forum or Notepad: printable
// ASCII, lines of at most kReportWidth characters, each ending in CR LF.
#include <cstddef>

#include "app/form1.h"
#include "settings/help.h"

namespace velmora {

inline constexpr std::size_t kReportWidth = 72;

struct WindowsVersion {
    WindowsFamily family;
    unsigned major, minor, build;
};

struct Date {
    int year, month, day;
};

// What only the shell knows.
struct ReportSource {
    const char* version;  // Velmora's
    WindowsVersion windows;
    Date today;
    Text driverKey;
    DriverKeyFound found;
};

// Reads the settings' values from the store as they are now; writes nothing.
Text buildReport(const ReportSource& source, RegistryStore& store, const Form1Controls& ui, const HelpBook& help);

}  // namespace velmora

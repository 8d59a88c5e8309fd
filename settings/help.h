#pragma once
// What each control of the main window does, in the user's words, and when
// the driver takes it up: one row per control that shows or sets something.
// Only what a public source says of the driver is claimed; where no public
// reader of a value is known, a row says what the control stores and no more.
// The window only shows these texts, as tips and as the warning colour of a
// caption whose value something else decides.
#include <cstddef>

#include "driver/glide_overrides.h"

namespace velmora {

struct ControlHelp {
    enum Extra { Nothing, DriverKey };
    const char* control;     // its name in the control table
    const char* what;        // what it does; one line
    const char* when;        // when it takes effect, or nullptr where no public source says
    const char* glideValue;  // the Glide value it sets, or nullptr
    Extra extra = Nothing;   // DriverKey: the tip names the key it was read from
    const char* more = nullptr;  // a limit worth knowing, where the tip has room for it
};

struct HelpRows {
    const ControlHelp* first;
    std::size_t count;
    const ControlHelp* begin() const { return first; }
    const ControlHelp* end() const { return first + count; }
    // nullptr when the control has no help.
    const ControlHelp* find(const char* control) const;
};

HelpRows helpRows();

// Whether one line of a tip fits the screen, measured in the tip's font.
class LineFit {
public:
    virtual ~LineFit() = default;
    virtual bool fits(const Text& line) const = 0;
};

class HelpBook {
public:
    HelpBook(WindowsFamily family, Text driverKey);

    // Looks where Glide looks before Velmora's value, for each Glide value
    // of the table. Run once at start, after the load sequence; it reads
    // and never writes.
    void findOverrides(RegistryStore& store, Environment& environment);

    // A box or frame whose Glide value the driver will not take from Velmora.
    bool marked(const char* control) const;
    // The control's tip: several lines where the tooltip wraps; where it
    // shows one line only, the line that matters most, at most 100
    // characters. Empty without help.
    Text help(const char* control, bool oneLine) const;
    // The one line, with a value shortened until the line fits.
    Text help(const char* control, const LineFit& fit) const;
    // What Glide takes for the control's Glide value instead of Velmora's,
    // in the tip's words: the source it reads first, or on the NT family
    // that it does not read Velmora's value at all. Empty where Velmora's
    // value is what Glide reads, and for a control without a Glide value.
    Text glideNote(const char* control) const;

private:
    Text compose(const char* control, const LineFit* oneLine) const;  // nullptr: every line
    const GlideOverride* overrideOf(const ControlHelp& row) const;

    WindowsFamily family_;
    Text driverKey_;
    struct Found {
        const char* glideValue;
        GlideOverride override_;
    };
    Vec<Found> overrides_;
};

}  // namespace velmora

#pragma once
// The About box's lookup of the System Information tool: where it looks in
// the registry, how it turns the bytes it reads into text, and the order in
// which it tries. The system is reached through one small interface: Win32 in
// the program, a fake in the unit tests.
#include <cstddef>
#include <cstdint>

#include "registry/store.h"

namespace velmora::about {

// The root key as the lookup passes it: the 32-bit predefined handle value.
constexpr std::uint32_t kLocalMachine = 0x80000002u;

// Data that does not fit this buffer counts as missing.
constexpr std::size_t kValueBufferSize = 1024;

constexpr const char* kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kInfoValue = "PATH";
constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kLocationValue = "MSINFO";
constexpr const char* kProgramFile = "\\MSINFO32.EXE";

constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";
constexpr const char* kAppTitle = "Velmora";

class SysInfoSystem {
public:
    virtual ~SysInfoSystem() = default;
    // The value's type and data, read with a buffer of `capacity` bytes from a
    // key opened for reading only. False when the key cannot be opened, the
    // value is missing or its data does not fit.
    virtual bool queryValue(std::uint32_t root, const Text& key, const Text& name, std::size_t capacity,
                            StoredValue& out) = 0;
    // True only for a normal file: folders, hidden and system files are not found.
    virtual bool normalFileExists(const Text& path) = 0;
    // Starts the program whose whole path is `path` in a normal window that
    // takes the focus, without waiting.
    virtual Status startProgram(const Text& path) = 0;
    // A message with an OK button only and no icon; returns when closed.
    virtual void showMessage(const Text& text, const Text& caption) = 0;
};

// Reads one value as text into keyVal: REG_SZ as its text, which ends at its
// first zero byte; REG_DWORD as a decimal number, a last zero byte dropped
// first; any other type leaves keyVal as it was. `found` is false, with keyVal
// emptied, when the value cannot be read. A value with no data at all fails
// with error 5, a REG_DWORD beyond 32 bits with error 6.
Status GetKeyValue(SysInfoSystem& sys, std::uint32_t keyRoot, const Text& keyName, const Text& subKeyRef,
                   Text& keyVal, bool& found);

// Starts the tool from "PATH", else from the "MSINFO" folder when it holds the
// program; every failure ends in the one message.
void StartSysInfo(SysInfoSystem& sys);

}  // namespace velmora::about

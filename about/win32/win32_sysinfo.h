#pragma once
// The lookup's system on Windows: advapi32 reads, the file search, program
// start and the message box.
#include <windows.h>

#include "about/sysinfo.h"

namespace velmora {

class Win32SysInfo : public about::SysInfoSystem {
public:
    // The message box is owned by `owner`, the About dialog.
    explicit Win32SysInfo(HWND owner) : owner_(owner) {}

    bool queryValue(std::uint32_t root, const Text& key, const Text& name, std::size_t capacity,
                    StoredValue& out) override;
    bool normalFileExists(const Text& path) override;
    Status startProgram(const Text& path) override;
    void showMessage(const Text& text, const Text& caption) override;

private:
    HWND owner_;
};

}  // namespace velmora

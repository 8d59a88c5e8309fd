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

    std::optional<StoredValue> queryValue(std::uint32_t root, const std::string& key, const std::string& name,
                                          std::size_t capacity) override;
    bool normalFileExists(const std::string& path) override;
    void startProgram(const std::string& path) override;
    void showMessage(const std::string& text, const std::string& caption) override;

private:
    HWND owner_;
};

}  // namespace velmora

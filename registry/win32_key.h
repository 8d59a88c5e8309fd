#pragma once
// An open registry key with one owner: closed once, and never a predefined
// root, which is not ours to close.
#include <windows.h>

#include <utility>

namespace velmora {

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    ~RegKey()
    {
        if (h_) RegCloseKey(h_);
    }
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

}  // namespace velmora

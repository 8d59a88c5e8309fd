#pragma once
// Owners for GDI objects: each deletes what it holds, once.
#include <windows.h>

#include <utility>

namespace velmora {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept
    {
        std::swap(h_, o.h_);
        return *this;
    }
    ~GdiObject()
    {
        if (h_) DeleteObject(h_);
    }
    Handle get() const { return h_; }

private:
    Handle h_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;

}  // namespace velmora

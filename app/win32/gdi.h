#pragma once
// Owners for GDI objects: each deletes what it holds, once.
#include <windows.h>

#include <utility>

#include "app/layout.h"

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

// The screen's dots per inch, by which twips become pixels.
inline int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The windows' font, "MS Sans Serif" 8.25 point at this DPI, regular or bold.
// Raster precision: where an outline font of the same name exists too (as
// under Wine), the bitmap face that Windows 98 has is the one meant.
inline Font designFont(layout::Font weight, int dpi)
{
    return Font(CreateFontA(-layout::fontPixelHeight(dpi), 0, 0, 0,
                            weight == layout::Font::Bold ? layout::kBoldWeight : layout::kRegularWeight, FALSE, FALSE,
                            FALSE, ANSI_CHARSET, OUT_RASTER_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, layout::kFontFace));
}

}  // namespace velmora

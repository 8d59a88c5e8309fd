#pragma once
// What Glide really takes for each value Velmora writes under the driver's
// Glide key, found as Glide finds it (glide3x/h3/minihwc/minihwc.c,
// hwcGetenv; Glide 2 reads the five FX_GLIDE_ values through the same lookup,
// glide2x/h3/glide/src/gpci.c): the program's environment first, then a text
// value in HKEY_CURRENT_USER at its key, then HKEY_LOCAL_MACHINE at the same
// key; a value of any other kind than text it passes over as absent. On
// Windows 95 and 98 that key is the display driver's key plus "\Glide", the
// one Velmora writes; on the NT family Glide reads a key of its own instead.
#include <cstdint>

#include "driver/environment.h"
#include "registry/store.h"

namespace velmora {

inline constexpr char kGlideSubkey[] = "Glide";

// The Glide options shown as check boxes. Glide counts FX_GLIDE_NO_SPLASH
// and FX_GLIDE_LOD_DITHER by their presence and reads the other three as
// numbers, -1 when absent (glide3x/h3/glide3/src/gpci.c,
// _GlideInitEnvironment: atol).
inline constexpr char kGlideSwapInterval[] = "FX_GLIDE_SWAPINTERVAL";
inline constexpr char kGlideNoSplash[] = "FX_GLIDE_NO_SPLASH";
inline constexpr char kGlideLodDither[] = "FX_GLIDE_LOD_DITHER";
inline constexpr char kGlideAllocColor[] = "FX_GLIDE_ALLOC_COLOR";
inline constexpr char kGlideTmuMemSize[] = "FX_GLIDE_TMU_MEMSIZE";

// What Apply stores for a checked box whose value Glide reads as a number.
inline constexpr std::int16_t kSwapIntervalChecked = 0;  // never wait for the vertical retrace
inline constexpr std::int16_t kAllocColorChecked = 3;    // three colour buffers
inline constexpr std::int16_t kTmuMemSizeChecked = 2;    // 2 MB per texture unit

// hwcGetenv reads the registry into a buffer of this many bytes.
inline constexpr std::size_t kGlideBufferSize = 255;

enum class WindowsFamily { Win9x, NT };

// A number-valued text as Glide reads it (atol: leading blanks, a sign,
// digits up to the first other character; no digits read as 0).
struct GlideNumber {
    bool read = false;      // the name is one Glide reads as a number
    bool tooLarge = false;  // beyond a 32-bit long, where atol's result is not defined
    long value = 0;
    std::int16_t checked = 0;  // what the checked box stands for
    bool differs() const { return read && (tooLarge || value != checked); }
};

struct GlideOverride {
    enum Source {
        None,         // Glide takes Velmora's own value as the box means it, or finds none
        Environment,  // set in the program's environment
        CurrentUser,  // text in HKEY_CURRENT_USER
        IgnoredKind,  // Velmora's value is of a kind Glide passes over
        TooLong,      // Velmora's text does not fit Glide's buffer
        Hidden,       // a short value of another kind in HKEY_CURRENT_USER left too small a buffer for Velmora's text
        OwnNumber,    // Glide reads Velmora's own text as another number than its box stands for
    };
    Source source = None;
    Text text;                           // what Glide takes, up to its first zero byte (Environment, CurrentUser, OwnNumber)
    std::uint32_t kind = regtype::None;  // IgnoredKind: Velmora's value's; Hidden: HKEY_CURRENT_USER's value's
    std::size_t size = 0;                // Hidden: the bytes HKEY_CURRENT_USER's value left Glide's buffer
    GlideNumber number;                  // what Glide makes of text
};

// What decides the Glide value `name` before, or instead of, Velmora's own
// value under the driver key's Glide key. Never fails: what cannot be read
// does not count.
GlideOverride findGlideOverride(RegistryStore& store, Environment& environment, const Text& driverKey,
                                const char* name, WindowsFamily family);

// At most this many characters of a value are shown; control characters show as '?'.
inline constexpr std::size_t kShownValueLength = 40;
Text shownValue(const Text& value, std::size_t most = kShownValueLength);

}  // namespace velmora

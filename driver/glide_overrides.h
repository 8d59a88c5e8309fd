#pragma once
// Where Glide finds a setting before it reaches the value Velmora writes.
// Glide looks a name up in the program's environment first, then as a text
// value in HKEY_CURRENT_USER at its key, then in HKEY_LOCAL_MACHINE at the
// same key; a value of any other kind than text it passes over as absent. On
// Windows 95 and 98 that key is the display driver's key plus "\Glide", the
// one Velmora writes; on the NT family Glide reads a key of its own instead.
#include <cstdint>

#include "driver/environment.h"
#include "registry/store.h"

namespace velmora {

inline constexpr char kGlideSubkey[] = "Glide";

enum class WindowsFamily { Win9x, NT };

struct GlideOverride {
    enum Source { None, Environment, CurrentUser, IgnoredKind };
    Source source = None;
    Text value;                          // Environment, CurrentUser: as text, fit for one line
    std::uint32_t kind = regtype::None;  // IgnoredKind: the kind Velmora's own key holds
};

// What decides the Glide value `name` before, or instead of, Velmora's own
// value under the driver key's Glide key. Never fails: what cannot be read
// does not count.
GlideOverride findGlideOverride(RegistryStore& store, Environment& environment, const Text& driverKey,
                                const char* name, WindowsFamily family);

// At most this many characters of a value are shown; control characters show as '?'.
inline constexpr std::size_t kShownValueLength = 40;
Text shownValue(const char* data, std::size_t size);

}  // namespace velmora

#pragma once
// Where the main window's values live: a hive code and a key path. The card's
// keys all hang below its display driver's key, which the window decides once
// at start (driver/driver_key.h).
#include <cstdint>

#include "registry/store.h"

namespace velmora {

// Both names stand under the Direct3D key and under the Glide key, as separate values.
inline constexpr char kOverlayModeName[] = "SSTH3_OVERLAYMODE";
inline constexpr char kAlphaDitherModeName[] = "SSTH3_ALPHADITHERMODE";

struct SettingKey {
    std::int32_t rootKey;
    const char* path;              // nullptr: the display driver's key
    const char* subkey = nullptr;  // below path, when given

    Text keyPath(const Text& driverKey) const
    {
        Text key;
        if (path)
            key += path;
        else
            key += driverKey;
        if (subkey) (key += '\\') += subkey;
        return key;
    }
};

}  // namespace velmora

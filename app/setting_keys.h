#pragma once
// Where the main window's values live: a hive code and a key path. The card's
// keys all hang below the display driver's key of adapter instance 0000.
#include <cstdint>

#include "registry/store.h"

namespace velmora {

inline constexpr char kDriverKeyPath[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

// Both names stand under the Direct3D key and under the Glide key, as separate values.
inline constexpr char kOverlayModeName[] = "SSTH3_OVERLAYMODE";
inline constexpr char kAlphaDitherModeName[] = "SSTH3_ALPHADITHERMODE";

struct SettingKey {
    std::int32_t rootKey;
    const char* path;
    const char* subkey = nullptr;  // below path, when given

    Text keyPath() const { return subkey ? Text(path) + "\\" + subkey : Text(path); }
};

}  // namespace velmora

#pragma once
// Where the main window's values live: a hive code and a key path. The card's
// keys all hang below its display driver's key, which the window decides once
// at start (driver/driver_key.h).
#include <cstdint>

#include "driver/glide_overrides.h"
#include "registry/store.h"

namespace velmora {

// The values of the Overclock, DirectX Options and Windows Options tabs.
inline constexpr char kGrxclock[] = "Grxclock";
inline constexpr char kCheckClk[] = "CheckClk";
inline constexpr char kD3DSwapInterval[] = "SSTH3_SWAPINTERVAL";
inline constexpr char kAntiAlias[] = "SSTH3_ANTIALIAS";
inline constexpr char kAdvanced[] = "Advanced";
inline constexpr char kRefreshRate[] = "RefreshRate";

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

// The keys of the four settings tabs: three below the driver key, and the
// Windows display settings of the current hardware profile.
inline constexpr SettingKey kClockKey{hive::LocalMachine, nullptr, "DEFAULT"};
inline constexpr SettingKey kDirect3DKey{hive::LocalMachine, nullptr, "D3D"};
inline constexpr SettingKey kGlideOptionsKey{hive::LocalMachine, nullptr, kGlideSubkey};
inline constexpr SettingKey kDesktopKey{hive::CurrentConfig, "Display\\Settings"};

}  // namespace velmora

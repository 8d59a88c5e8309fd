#include "driver/glide_overrides.h"

namespace velmora {

Text shownValue(const char* data, std::size_t size)
{
    std::size_t n = 0;
    while (n < size && data[n] != 0) ++n;  // text ends at its first zero byte
    const bool cut = n > kShownValueLength;
    Text shown;
    for (std::size_t i = 0; i < (cut ? kShownValueLength - 3 : n); ++i)
        shown += static_cast<unsigned char>(data[i]) < 0x20 ? '?' : data[i];
    return cut ? shown + "..." : shown;
}

GlideOverride findGlideOverride(RegistryStore& store, Environment& environment, const Text& driverKey,
                                const char* name, WindowsFamily family)
{
    GlideOverride found;
    Text set;
    if (environment.get(name, set)) {
        found.source = GlideOverride::Environment;
        found.value = shownValue(set.c_str(), set.size());
        return found;
    }
    // On the NT family Glide reads neither this key nor its copy in HKEY_CURRENT_USER.
    if (family == WindowsFamily::NT) return found;
    const Text glideKey = driverKey + "\\" + kGlideSubkey;
    StoredValue stored;
    if (store.read(hive::CurrentUser, glideKey, name, stored).ok() && stored.type == regtype::Sz) {
        found.source = GlideOverride::CurrentUser;
        found.value = shownValue(reinterpret_cast<const char*>(stored.data.data()), stored.data.size());
        return found;
    }
    if (store.read(hive::LocalMachine, glideKey, name, stored).ok() && stored.type != regtype::Sz) {
        found.source = GlideOverride::IgnoredKind;
        found.kind = stored.type;
    }
    return found;
}

}  // namespace velmora

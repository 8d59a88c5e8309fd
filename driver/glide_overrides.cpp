#include "driver/glide_overrides.h"

namespace velmora {
namespace {

struct NumberValued {
    const char* name;
    std::int16_t checked;
};
const NumberValued kNumberValued[] = {
    {kGlideSwapInterval, kSwapIntervalChecked},
    {kGlideAllocColor, kAllocColorChecked},
    {kGlideTmuMemSize, kTmuMemSizeChecked},
};

// As the C library's atol reads it; Glide's long is 32 bits.
GlideNumber numberOf(const char* name, const Text& text)
{
    GlideNumber n;
    for (const NumberValued& v : kNumberValued)
        if (sameText(v.name, name)) n.read = true, n.checked = v.checked;
    if (!n.read) return n;
    const char* p = text.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9' && !n.tooLarge; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        n.tooLarge = magnitude > (negative ? 2147483648LL : 2147483647LL);
    }
    n.value = n.tooLarge ? 0 : static_cast<long>(negative ? -magnitude : magnitude);
    return n;
}

Text textOf(const StoredValue& v)
{
    std::size_t n = 0;
    while (n < v.data.size() && v.data[n] != 0) ++n;
    return Text(reinterpret_cast<const char*>(v.data.data()), n);
}

GlideOverride taken(GlideOverride::Source source, const char* name, const Text& text)
{
    GlideOverride found;
    found.source = source;
    found.text = text;
    found.number = numberOf(name, text);
    return found;
}

}  // namespace

Text shownValue(const Text& value, std::size_t most)
{
    std::size_t n = 0;
    while (n < value.size() && value[n] != 0) ++n;  // text ends at its first zero byte
    const bool cut = n > most;
    Text shown;
    for (std::size_t i = 0; i < (cut ? most - 3 : n); ++i)
        shown += static_cast<unsigned char>(value[i]) < 0x20 ? '?' : value[i];
    return cut ? shown + "..." : shown;
}

GlideOverride findGlideOverride(RegistryStore& store, Environment& environment, const Text& driverKey,
                                const char* name, WindowsFamily family)
{
    Text set;
    if (environment.get(name, set)) return taken(GlideOverride::Environment, name, set);
    // On the NT family Glide reads neither this key nor its copy in HKEY_CURRENT_USER.
    if (family == WindowsFamily::NT) return {};

    // hwcGetenv sets its buffer's size once; each read leaves there the size
    // of the value it found, or the size a value too long would need, and
    // the next read gets no more room than that.
    const Text glideKey = driverKey + "\\" + kGlideSubkey;
    std::size_t room = kGlideBufferSize;
    StoredValue user;
    std::uint32_t userKind = regtype::None;
    if (store.read(hive::CurrentUser, glideKey, name, user).ok()) {
        if (user.data.size() <= room && user.type == regtype::Sz)
            return taken(GlideOverride::CurrentUser, name, textOf(user));
        room = user.data.size();
        userKind = user.type;
    }
    StoredValue own;
    if (!store.read(hive::LocalMachine, glideKey, name, own).ok()) return {};
    GlideOverride found;
    if (own.data.size() > kGlideBufferSize) {
        found.source = GlideOverride::TooLong;
    } else if (own.data.size() > room) {
        found.source = GlideOverride::Hidden;
        found.kind = userKind;
        found.size = room;
    } else if (own.type != regtype::Sz) {
        found.source = GlideOverride::IgnoredKind;
        found.kind = own.type;
    } else if (const GlideOverride read = taken(GlideOverride::OwnNumber, name, textOf(own)); read.number.differs()) {
        return read;
    }
    return found;
}

}  // namespace velmora

#include "registry/win32_store.h"

#include <windows.h>

#include "registry/errors.h"
#include "registry/win32_key.h"

namespace velmora {
namespace {

std::string systemMessage(LONG code)
{
    char buf[256] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(code), 0, buf, sizeof buf, nullptr);
    while (n > 0 && (buf[n - 1] == '\r' || buf[n - 1] == '\n' || buf[n - 1] == ' ')) buf[--n] = 0;
    return n ? std::string(buf, n) : "error " + std::to_string(code);
}

void check(LONG code)
{
    if (code != ERROR_SUCCESS) throw registryError(static_cast<std::uint32_t>(code), systemMessage(code));
}

HKEY rootOf(std::int32_t hive)
{
    switch (hive) {
    case hive::LocalMachine: return HKEY_LOCAL_MACHINE;
    case hive::CurrentConfig: return HKEY_CURRENT_CONFIG;
    default: throw invalidProcedureCall();
    }
}

}  // namespace

StoredValue Win32Store::read(std::int32_t hive, const std::string& key, const std::string& name)
{
    RegKey k;
    check(RegOpenKeyExA(rootOf(hive), key.c_str(), 0, KEY_QUERY_VALUE, k.out()));
    // One query fits the usual small value; a larger one is asked again at
    // its size (which may have grown in between).
    StoredValue sv;
    sv.data.resize(256);
    for (;;) {
        DWORD type = 0, size = static_cast<DWORD>(sv.data.size());
        const LONG rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, sv.data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            sv.data.resize(size);
            continue;
        }
        check(rc);
        sv.type = type;
        sv.data.resize(size);
        return sv;
    }
}

void Win32Store::write(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v)
{
    RegKey k;
    DWORD disposition = 0;
    check(RegCreateKeyExA(rootOf(hive), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          k.out(), &disposition));
    check(RegSetValueExA(k.get(), name.c_str(), 0, v.type, v.data.empty() ? nullptr : v.data.data(),
                         static_cast<DWORD>(v.data.size())));
}

void Win32Store::remove(std::int32_t hive, const std::string& key, const std::string& name)
{
    RegKey k;
    LONG rc = RegOpenKeyExA(rootOf(hive), key.c_str(), 0, KEY_SET_VALUE, k.out());
    if (rc == ERROR_FILE_NOT_FOUND) return;
    check(rc);
    rc = RegDeleteValueA(k.get(), name.c_str());
    if (rc != ERROR_FILE_NOT_FOUND) check(rc);
}

}  // namespace velmora

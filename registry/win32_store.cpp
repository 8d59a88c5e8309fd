#include "registry/win32_store.h"

#include <windows.h>

#include "registry/win32_key.h"

namespace velmora {
namespace {

Status check(LONG code) { return code == ERROR_SUCCESS ? Status() : registryError(static_cast<std::uint32_t>(code)); }

Status rootOf(std::int32_t hive, HKEY& root)
{
    switch (hive) {
    case hive::CurrentUser: root = HKEY_CURRENT_USER; return {};
    case hive::LocalMachine: root = HKEY_LOCAL_MACHINE; return {};
    case hive::CurrentConfig: root = HKEY_CURRENT_CONFIG; return {};
    case hive::DynData: root = HKEY_DYN_DATA; return {};
    default: return invalidProcedureCall();
    }
}

}  // namespace

Status Win32Store::read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out)
{
    HKEY root;
    VELMORA_TRY(rootOf(hive, root));
    RegKey k;
    VELMORA_TRY(check(RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, k.out())));
    return check(queryGrowing(
        [&](std::uint8_t* buffer, std::uint32_t& size, std::uint32_t& type) {
            DWORD dwSize = size, dwType = 0;
            const LONG rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, &dwType, buffer, &dwSize);
            size = dwSize;
            type = dwType;
            return rc;
        },
        out));
}

Status Win32Store::write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v)
{
    HKEY root;
    VELMORA_TRY(rootOf(hive, root));
    RegKey k;
    DWORD disposition = 0;
    VELMORA_TRY(check(RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                      nullptr, k.out(), &disposition)));
    return check(RegSetValueExA(k.get(), name.c_str(), 0, v.type, v.data.empty() ? nullptr : v.data.data(),
                                static_cast<DWORD>(v.data.size())));
}

Status Win32Store::remove(std::int32_t hive, const Text& key, const Text& name)
{
    HKEY root;
    VELMORA_TRY(rootOf(hive, root));
    RegKey k;
    LONG rc = RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, k.out());
    if (rc == ERROR_FILE_NOT_FOUND) return {};
    VELMORA_TRY(check(rc));
    rc = RegDeleteValueA(k.get(), name.c_str());
    return rc == ERROR_FILE_NOT_FOUND ? Status() : check(rc);
}

Status Win32Store::subkeys(std::int32_t hive, const Text& key, Vec<Text>& names)
{
    HKEY root;
    VELMORA_TRY(rootOf(hive, root));
    RegKey k;
    VELMORA_TRY(check(RegOpenKeyExA(root, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, k.out())));
    return check(listNames(
        [&](std::uint32_t index, char* name, std::uint32_t& size) {
            DWORD dwSize = size;
            const LONG rc = RegEnumKeyExA(k.get(), index, name, &dwSize, nullptr, nullptr, nullptr, nullptr);
            size = dwSize;
            return rc;
        },
        names));
}

bool Win32Store::hasKey(std::int32_t hive, const Text& key)
{
    HKEY root;
    RegKey k;
    return rootOf(hive, root).ok() && RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, k.out()) == ERROR_SUCCESS;
}

}  // namespace velmora

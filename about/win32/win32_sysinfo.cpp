#include "about/win32/win32_sysinfo.h"

#include "registry/win32_key.h"

namespace velmora {
namespace {

// The 32-bit root handle value as the system's handle: sign-extended, as the
// predefined keys are on 64-bit Windows.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

bool Win32SysInfo::queryValue(std::uint32_t root, const Text& key, const Text& name, std::size_t capacity,
                              StoredValue& out)
{
    // Read access only: the lookup writes nothing, and a user without write
    // rights must still find the tool.
    RegKey k;
    if (RegOpenKeyExA(rootHandle(root), key.c_str(), 0, KEY_QUERY_VALUE, k.out()) != ERROR_SUCCESS) return false;
    out.data.resize(capacity);
    DWORD type = 0, size = static_cast<DWORD>(capacity);
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, out.data.data(), &size) != ERROR_SUCCESS) return false;
    out.type = type;
    out.data.resize(size);
    return true;
}

bool Win32SysInfo::normalFileExists(const Text& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    const DWORD notNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool exists = false;
    do {
        exists = (found.dwFileAttributes & notNormal) == 0;
    } while (!exists && FindNextFileA(search, &found));
    FindClose(search);
    return exists;
}

Status Win32SysInfo::startProgram(const Text& path)
{
    // Quoted, the whole path is the program: "C:\Program Files\x.exe" cannot
    // start C:\Program.exe. A quote inside would end it early.
    if (path.empty() || path.contains('"')) return invalidProcedureCall();
    Text commandLine = "\"" + path + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return {err::FileNotFound, "File not found"};
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return {};
}

void Win32SysInfo::showMessage(const Text& text, const Text& caption)
{
    MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace velmora

#include "about/win32/win32_sysinfo.h"

#include <utility>
#include <vector>

#include "registry/errors.h"
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

std::optional<StoredValue> Win32SysInfo::queryValue(std::uint32_t root, const std::string& key,
                                                    const std::string& name, std::size_t capacity)
{
    // Read access only: the lookup writes nothing, and a user without write
    // rights must still find the tool.
    RegKey k;
    if (RegOpenKeyExA(rootHandle(root), key.c_str(), 0, KEY_QUERY_VALUE, k.out()) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> buf(capacity);
    DWORD type = 0, size = static_cast<DWORD>(capacity);
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, buf.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return StoredValue{type, Bytes(buf.begin(), buf.begin() + size)};
}

bool Win32SysInfo::normalFileExists(const std::string& path)
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

void Win32SysInfo::startProgram(const std::string& path)
{
    // Quoted, the whole path is the program: "C:\Program Files\x.exe" cannot
    // start C:\Program.exe. A quote inside would end it early.
    if (path.empty() || path.find('"') != std::string::npos) throw invalidProcedureCall();
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        throw RuntimeError(53, "File not found");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

void Win32SysInfo::showMessage(const std::string& text, const std::string& caption)
{
    MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace velmora

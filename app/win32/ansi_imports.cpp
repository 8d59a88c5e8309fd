// The MinGW runtime linked into the program calls three wide-character
// kernel32 functions, which Windows 98 exports only as stubs that fail:
// libgcc's mutexes create their semaphores with CreateSemaphoreW, and the C
// runtime looks msvcrt.dll and advapi32.dll up with GetModuleHandleW and
// LoadLibraryW. Their import slots are defined here, pointing at ANSI
// forwarders; the linker resolves the runtime's references to these before
// it would pull kernel32's, so the program imports only the ANSI calls.
// This object must be linked as an object, not from an archive.
#include <windows.h>

// Windows 98 rejects the larger structures of later versions (cbSize checks).
#if WINVER > 0x0400 || _WIN32_WINNT > 0x0400 || _WIN32_WINDOWS > 0x0410 || _WIN32_IE > 0x0500
#error "Velmcfg targets Windows 98: WINVER 0x0400, _WIN32_WINDOWS 0x0410, _WIN32_IE 0x0500"
#endif

namespace {

// The ANSI form of a name from the runtime, or false if it does not convert.
bool toAnsi(LPCWSTR wide, char (&ansi)[MAX_PATH])
{
    return WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, MAX_PATH, nullptr, nullptr) != 0;
}

HANDLE WINAPI createSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum, LPCWSTR name)
{
    if (!name) return CreateSemaphoreA(security, initial, maximum, nullptr);
    char ansi[MAX_PATH];
    return toAnsi(name, ansi) ? CreateSemaphoreA(security, initial, maximum, ansi) : nullptr;
}

HMODULE WINAPI getModuleHandle(LPCWSTR name)
{
    if (!name) return GetModuleHandleA(nullptr);
    char ansi[MAX_PATH];
    return toAnsi(name, ansi) ? GetModuleHandleA(ansi) : nullptr;
}

HMODULE WINAPI loadLibrary(LPCWSTR name)
{
    char ansi[MAX_PATH];
    if (!name || !toAnsi(name, ansi)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return LoadLibraryA(ansi);
}

}  // namespace

// An import slot's symbol is "__imp_" and the function's decorated name.
#ifdef __i386__
#define VELMORA_IMPORT_SLOT(name, argBytes) "__imp__" #name "@" #argBytes
#else
#define VELMORA_IMPORT_SLOT(name, argBytes) "__imp_" #name
#endif

extern "C" {
extern decltype(&CreateSemaphoreW) const velmoraCreateSemaphoreW asm(VELMORA_IMPORT_SLOT(CreateSemaphoreW, 16));
extern decltype(&GetModuleHandleW) const velmoraGetModuleHandleW asm(VELMORA_IMPORT_SLOT(GetModuleHandleW, 4));
extern decltype(&LoadLibraryW) const velmoraLoadLibraryW asm(VELMORA_IMPORT_SLOT(LoadLibraryW, 4));

decltype(&CreateSemaphoreW) const velmoraCreateSemaphoreW = createSemaphore;
decltype(&GetModuleHandleW) const velmoraGetModuleHandleW = getModuleHandle;
decltype(&LoadLibraryW) const velmoraLoadLibraryW = loadLibrary;
}

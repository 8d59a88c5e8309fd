// The runtime's wide kernel32 calls land in the ANSI forwarders linked into
// this driver as into Velmcfg.exe, and keep their meaning there.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

// True if code at this address belongs to this program rather than a DLL.
bool inThisProgram(const void* code)
{
    MEMORY_BASIC_INFORMATION info = {};
    return VirtualQuery(code, &info, sizeof info) == sizeof info &&
           info.AllocationBase == static_cast<void*>(GetModuleHandleA(nullptr));
}

}  // namespace

TEST(AnsiImports, WideKernelCallsResolveToTheForwarders)
{
    // Through the import slot, as the runtime's dllimport calls read it.
    EXPECT_TRUE(inThisProgram(reinterpret_cast<const void*>(&CreateSemaphoreW)));
    EXPECT_TRUE(inThisProgram(reinterpret_cast<const void*>(&GetModuleHandleW)));
    EXPECT_TRUE(inThisProgram(reinterpret_cast<const void*>(&LoadLibraryW)));
    EXPECT_FALSE(inThisProgram(reinterpret_cast<const void*>(&CreateSemaphoreA)));
}

TEST(AnsiImports, ForwardersFindAndNameTheSameObjects)
{
    EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleA(nullptr));
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_EQ(kernel, GetModuleHandleA("KERNEL32.DLL"));

    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    EXPECT_EQ(comctl, GetModuleHandleA("comctl32.dll"));
    FreeLibrary(comctl);
    EXPECT_EQ(LoadLibraryW(L"no-such-library-velmora.dll"), nullptr);

    // A named semaphore is found again under its ANSI name, with its count.
    HANDLE created = CreateSemaphoreW(nullptr, 1, 3, L"velmora ansi imports");
    ASSERT_NE(created, nullptr);
    HANDLE opened = OpenSemaphoreA(SEMAPHORE_ALL_ACCESS, FALSE, "velmora ansi imports");
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(WaitForSingleObject(opened, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(created, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    LONG previous = -1;
    EXPECT_TRUE(ReleaseSemaphore(created, 3, &previous));
    EXPECT_EQ(previous, 0);
    EXPECT_FALSE(ReleaseSemaphore(opened, 1, nullptr));  // above the maximum of 3
    CloseHandle(opened);
    CloseHandle(created);

    HANDLE unnamed = CreateSemaphoreW(nullptr, 0, 1, nullptr);
    ASSERT_NE(unnamed, nullptr);
    CloseHandle(unnamed);
}

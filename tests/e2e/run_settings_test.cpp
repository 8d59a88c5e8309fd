// The prefix is set up as the test command says for this run, so that the
// Windows 98 run and the 120 DPI run cannot quietly test the defaults.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string setting(const char* name)
{
    char value[32] = {};
    return GetEnvironmentVariableA(name, value, sizeof value) > 0 ? value : "";
}

}  // namespace

TEST(RunSettings, WindowsReportsTheVersionThisRunAskedFor)
{
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    ASSERT_TRUE(GetVersionExA(&v));
    const DWORD packed = GetVersion();
    if (setting("VELMORA_WINDOWS") == "98") {
        EXPECT_EQ(v.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
        EXPECT_EQ(v.dwMajorVersion, 4u);
        EXPECT_EQ(v.dwMinorVersion, 10u);
        EXPECT_NE(packed & 0x80000000u, 0u);  // how older programs tell Windows 9x apart
        EXPECT_EQ(LOBYTE(LOWORD(packed)), 4);
        EXPECT_EQ(HIBYTE(LOWORD(packed)), 10);
    } else {
        EXPECT_EQ(v.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
        EXPECT_EQ(packed & 0x80000000u, 0u);
    }
}

TEST(RunSettings, ScreenHasTheDpiThisRunAskedFor)
{
    const std::string asked = setting("VELMORA_DPI");
    HDC screen = GetDC(nullptr);
    const int x = GetDeviceCaps(screen, LOGPIXELSX), y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(y, asked.empty() ? 96 : std::stoi(asked));
    EXPECT_EQ(x, y);
}

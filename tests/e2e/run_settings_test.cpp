// The prefix is set up as the test command says for this run, so that the
// Windows 98 run and the 120 DPI run cannot quietly test the defaults.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness.h"

TEST(RunSettings, WindowsReportsTheVersionAndTheScreenTheDpiThisRunAskedFor)
{
    char windows[8] = {}, dpi[8] = "96";
    GetEnvironmentVariableA("VELMORA_WINDOWS", windows, sizeof windows);
    GetEnvironmentVariableA("VELMORA_DPI", dpi, sizeof dpi);
    const DWORD v = GetVersion();
    // The top bit is how programs tell Windows 9x apart; 4.10 is Windows 98.
    if (std::string(windows) == "98")
        EXPECT_EQ(v & 0x8000FFFFu, 0x80000A04u);
    else
        EXPECT_EQ(v & 0x80000000u, 0u);
    EXPECT_EQ(e2e::screenDpi(), std::stoi(dpi));
}

// A machine where Windows did not file the Voodoo3's driver as Display\0000:
// an old card's driver there, the Voodoo3's under a later number, both
// recorded in Enum\PCI as Windows records devices, and HKEY_DYN_DATA naming
// the devices present. The window shows the Voodoo3's facts and "Apply"
// writes only into its key.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const std::string kVoodoo3 = "Enum\\PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\";

struct DriverKeyTest : ::testing::Test {
    void SetUp() override
    {
        resetRegistry();
        putText(LM, kDriver, "DriverDesc", "S3 Trio64V+");  // the old card, never read again
        putText(LM, kDriver + "\\DEFAULT", "Grxclock", "60");
        putText(LM, kD3D, "SSTH3_OVERLAYMODE", "3");
        putText(LM, "Enum\\PCI\\VEN_5333&DEV_8811\\BUS_00&DEV_08&FUNC_00", "Driver", "Display\\0000");
        for (const char* n : {"0001", "0002"}) {
            putText(LM, kClass + "\\" + n, "DriverDesc", std::string("Voodoo3 3000 AGP #") + n);
            putText(LM, kClass + "\\" + n + "\\DEFAULT", "Grxclock", "166");
            putText(LM, kVoodoo3 + "BUS_0" + n[3] + "&DEV_00&FUNC_00", "Driver", std::string("Display\\") + n);
        }
    }
    void TearDown() override { resetRegistry(); }

    // The old card's key, every value and subkey, as exported.
    static std::vector<std::string> oldCard()
    {
        std::vector<std::string> lines = exportKeys(), out;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                     [](const std::string& l) { return l.find(kDriver) != std::string::npos; });
        return out;
    }
};

}  // namespace

TEST_F(DriverKeyTest, ARecordedVoodoo3AtDisplay0001IsShownAndWrittenAndTheOldCardLeftByteForByte)
{
    const auto before = oldCard();
    App app;
    EXPECT_EQ(app.text("Label11"), "Voodoo3 3000 AGP #0001");
    EXPECT_EQ(app.text("Label23"), "166");
    EXPECT_EQ(app.checked("Option3"), BST_UNCHECKED);  // the old card's overlay mode is not the Voodoo3's
    app.key("Slider1", VK_END);
    app.click("Command1");
    EXPECT_EQ(stored(LM, kClass + "\\0001\\DEFAULT", "Grxclock"), sz("250"));
    EXPECT_EQ(stored(LM, kClass + "\\0001\\D3D", "SSTH3_OVERLAYMODE"), sz("1"));
    EXPECT_EQ(stored(LM, kClass + "\\0002\\DEFAULT", "Grxclock"), sz("166"));
    EXPECT_EQ(oldCard(), before);
}

TEST_F(DriverKeyTest, TheVoodoo3PresentNowComesFirst)
{
    putText(HKEY_DYN_DATA, "Config Manager\\Enum\\C29A3B10", "HardWareKey", kVoodoo3.substr(5) + "BUS_02&DEV_00&FUNC_00");
    App app;
    EXPECT_EQ(app.text("Label11"), "Voodoo3 3000 AGP #0002");
}

// An old card's driver at Display\0000 and two Voodoo3 drivers after it, as
// Windows records them in Enum\PCI, and then one present in HKEY_DYN_DATA:
// the window shows the Voodoo3's facts and "Apply" writes only into its key.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

using namespace e2e;

TEST(DriverKeyTest, TheVoodoo3PresentNowElseTheFirstRecordedOneAndTheOldCardLeftByteForByte)
{
    resetRegistry();
    importFixture("old-card.reg");
    auto oldCard = [] {
        std::vector<std::string> lines;
        for (const std::string& line : exportKeys())
            if (line.find(kDriver) != std::string::npos) lines.push_back(line);
        return lines;
    };
    const auto before = oldCard();
    {
        App app;
        EXPECT_EQ(app.text("Label11"), "Voodoo3 #1");
        app.showTab(2);
        EXPECT_EQ(app.checked("Option3"), BST_UNCHECKED);  // the old card's overlay mode is not the Voodoo3's
        app.showTab(1);
        app.key("Slider1", VK_END);
        app.click("Command1");
    }
    EXPECT_EQ(stored(LM, kClass + "\\0001\\DEFAULT", "Grxclock"), sz("250"));
    EXPECT_EQ(stored(LM, kClass + "\\0001\\D3D", "SSTH3_OVERLAYMODE"), sz("1"));
    EXPECT_EQ(stored(LM, kClass + "\\0002\\DEFAULT", "Grxclock"), "absent");
    EXPECT_EQ(oldCard(), before);

    putText(HKEY_DYN_DATA, "Config Manager\\Enum\\C29A3B10", "HardWareKey", "PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_02&DEV_00&FUNC_00");
    EXPECT_EQ(App().text("Label11"), "Voodoo3 #2");
    resetRegistry();
}

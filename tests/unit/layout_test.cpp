// The main window's control table as the window is built from it: every
// control reachable by a unique ID, inside its container, in the tab order.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/layout.h"

using namespace velmora::layout;

TEST(Layout, IdsAreUniqueAndEveryControlLiesInsideItsContainer)
{
    std::set<int> ids;
    for (const Control& c : controls()) {
        // 1 and 2 arrive for Enter and Esc; WM_COMMAND carries 16 bits.
        EXPECT_TRUE(ids.insert(c.id).second && c.id > 2 && c.id < 0xFFFF) << c.name;
        int width = kClientWidth, height = kClientHeight;
        if (std::string(c.container) != kWindowName) {
            const Control* container = find(c.container);
            ASSERT_NE(container, nullptr) << c.name;
            width = container->rect.width;
            height = container->rect.height;
        }
        EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right() <= width && c.rect.bottom() <= height)
            << c.name;
    }
}

TEST(Layout, TabOrderAndTabsFollowTheTabIndexes)
{
    std::string order;
    for (const Control* c : tabOrder()) order += std::string(c->name) + " ";
    EXPECT_EQ(order.substr(0, 41), "SSTab1 Command1 Command2 Command3 Frame1 ");
    std::string overclock;
    for (const Control* c : onTab(1)) overclock += std::string(c->name) + " ";
    EXPECT_EQ(overclock, "Frame2 Label21 Label22 Label23 Slider1 Check1 Image1 Image4 ");
    EXPECT_EQ(tabOf(get("Option9")), 3);
    EXPECT_EQ(tabOf(get("Command1")), kNotOnTab);
}

TEST(Layout, TwipsBecomePixelsEdgeByEdge)
{
    EXPECT_EQ(toPixels(6255, 96), 417);
    EXPECT_EQ(toPixels(6255, 120), 521);
    EXPECT_EQ(toPixels(-23, 96), -2);
    const Pixels p = toPixels(Twips{1200, 480, 1095, 195}, 120);
    EXPECT_EQ(p.left + p.width, toPixels(1200 + 1095, 120));
    EXPECT_EQ(fontPixelHeight(96), 11);
    EXPECT_EQ(fontPixelHeight(120), 14);
    const Pixels abs = absolutePixels(get("Option2"), 96);
    EXPECT_EQ(abs.left, toPixels(120 + 960 + 120 + 1200, 96));
}

// A control whose window is not made yet holds what it is given under the same rules, and hands it over.
#include <gtest/gtest.h>

#include "tests/support/doubles.h"

using namespace velmora;

TEST(Controls, AValueGivenBeforeTheWindowIsHeldUnderTheSameRulesAndHandedOverWhenItIsMade)
{
    MemoryLabel label;
    MemoryCheckBox box;
    MemorySlider slider;
    OptionFrame frame;
    MemoryOptionButton first, second;
    first.join(frame), second.join(frame);
    ASSERT_TRUE(label.setCaption("Unknown").ok() && box.setValue(CheckBox::Grayed).ok() && slider.setValue(250).ok());
    ASSERT_TRUE(first.setValue(true).ok() && second.setValue(true).ok());
    EXPECT_EQ(box.setValue(3).number(), 380);
    EXPECT_EQ(slider.setValue(142).number(), 380);
    EXPECT_EQ(str(label.caption()) + " " + std::to_string(box.value()) + " " + std::to_string(slider.value()) + " " +
                  std::to_string(first.value()) + std::to_string(second.value()),
              "Unknown 2 250 01");
    EXPECT_EQ(label.shown + box.shown + slider.shown + first.shown + second.shown, "014300");  // no window yet

    for (Control* c : std::initializer_list<Control*>{&label, &box, &slider, &first, &second}) ASSERT_TRUE(c->handOver().ok());
    EXPECT_EQ(label.shown + " " + box.shown + " " + slider.shown + " " + first.shown + second.shown, "Unknown 2 250 01");
    // From now on the window is the only copy: what a user changes there is the value.
    ASSERT_TRUE(box.change("1").ok() && first.show("1").ok());
    EXPECT_EQ(std::to_string(box.value()) + std::to_string(first.value()) + second.shown, "110");
    EXPECT_EQ(box.setValue(3).number(), 380);

    // A window that refuses the value held fails its making.
    MemoryCheckBox refusing;
    ASSERT_TRUE(refusing.setValue(CheckBox::Checked).ok());
    refusing.refuse = true;
    EXPECT_EQ(refusing.handOver().number(), 380);
}

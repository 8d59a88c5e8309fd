#include <gtest/gtest.h>

#include "app/memory_controls.h"
#include "registry/errors.h"
#include "registry/procedure.h"

using namespace velmora;

namespace {
bool refusedAs380(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number() == err::InvalidPropertyValue;
    }
    return false;
}
}  // namespace

TEST(Controls, CheckBoxTakesOnlyItsThreeStates)
{
    MemoryCheckBox box;
    for (std::int32_t v : {1, 2, 0}) {
        box.setValue(v);
        EXPECT_EQ(box.value(), v);
    }
    box.setValue(2);
    for (std::int32_t v : {3, -1, 256})
        EXPECT_TRUE(refusedAs380([&] { box.setValue(v); })) << v;
    EXPECT_EQ(box.value(), 2);
}

TEST(Controls, SelectingAnOptionClearsOnlyItsOwnFrame)
{
    OptionFrame a, b;
    MemoryOptionButton a1(a), a2(a), a3(a), b1(b);
    b1.setValue(true);
    a1.setValue(true);
    a3.setValue(true);
    EXPECT_FALSE(a1.value());
    EXPECT_FALSE(a2.value());
    EXPECT_TRUE(a3.value());
    EXPECT_TRUE(b1.value());
    a3.setValue(false);
    EXPECT_FALSE(a3.value());
}

TEST(Controls, SliderRefusesPositionsOutsideItsRange)
{
    MemorySlider slider(143, 250, 143);
    slider.setValue(250);
    EXPECT_TRUE(refusedAs380([&] { slider.setValue(251); }));
    EXPECT_TRUE(refusedAs380([&] { slider.setValue(142); }));
    EXPECT_EQ(slider.value(), 250);
    slider.setValue(143);
    EXPECT_EQ(slider.value(), 143);
}

TEST(TrapFrame, FailureSkipsTheRestAndRunsTheFallback)
{
    std::vector<std::string> steps;
    runTrapped(
        [&] {
            steps.push_back("first");
            throw typeMismatch();
            steps.push_back("never");  // NOLINT: unreachable on purpose
        },
        [&] { steps.push_back("fallback"); });
    runTrapped([&] { steps.push_back("clean"); }, [&] { steps.push_back("not run"); });
    runTrapped([&] { throw overflow(); });  // a writer ends quietly
    EXPECT_EQ(steps, (std::vector<std::string>{"first", "fallback", "clean"}));
}

TEST(TrapFrame, FailureInsideTheFallbackEscapesWithItsNumber)
{
    MemoryLabel label;
    label.refuse = true;
    try {
        runTrapped([] { throw typeMismatch(); }, [&] { label.setCaption("Unknown"); });
        FAIL() << "the fallback's failure was swallowed";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::InvalidPropertyValue);
        EXPECT_EQ(e.description(), "Invalid property value");
    }
}

// The real program under Wine: it starts, shows its window, and ends when
// closed, with the registry exactly as before.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

struct AppTest : ::testing::Test {
    void SetUp() override { e2e::resetRegistry(); }
    void TearDown() override { e2e::resetRegistry(); }
};

}  // namespace

TEST_F(AppTest, StartsAndClosesWritingNothing)
{
    for (const char* fixture : {"", "demo.reg"}) {
        e2e::resetRegistry();
        if (*fixture) e2e::applyFixture(fixture);
        const auto before = e2e::exportKeys();
        e2e::App app;
        EXPECT_TRUE(IsWindowVisible(app.window()));
        EXPECT_EQ(app.close(), 0u);
        EXPECT_EQ(e2e::exportKeys(), before) << fixture;
    }
}

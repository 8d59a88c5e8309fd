// Where the About box opens: over the main window, inside the desktop that
// every monitor makes up, and on the primary screen where Windows knows none.
#include <gtest/gtest.h>

#include <tuple>

#include "about/about_layout.h"

using namespace velmora;

TEST(AboutPlace, CentredOverTheWindowInsideTheDesktopOfEveryMonitorElseThePrimaryScreen)
{
    using P = velmora::layout::Pixels;
    const struct {
        P owner, desktop;
        int left, top;
    } cases[] = {
        {{1500, 100, 400, 450}, {0, 0, 2048, 768}, 1550, 225},      // on the second monitor
        {{1900, 600, 400, 450}, {0, 0, 2048, 768}, 1748, 568},      // at its far edge
        {{-1000, -300, 400, 450}, {-1024, 0, 2048, 768}, -950, 0},  // a monitor left of the primary one
        {{100, 50, 100, 100}, {0, 0, 200, 150}, 0, 0},              // larger than the desktop
        {{900, 600, 400, 450}, {}, 724, 568},                       // none on Windows 95
    };
    for (const auto& c : cases) {
        const P at = about::layout::placeOver(c.owner, 300, 200, c.desktop, {0, 0, 1024, 768});
        EXPECT_EQ(std::make_tuple(at.left, at.top, at.width, at.height), std::make_tuple(c.left, c.top, 300, 200))
            << c.owner.left;
    }
}

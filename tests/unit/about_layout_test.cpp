// The About box opens over the main window, inside the work area of the screen showing most of it, or the nearest.
#include <gtest/gtest.h>

#include <tuple>

#include "about/about_layout.h"

using namespace velmora;

TEST(AboutPlace, CentredOverTheWindowInsideTheWorkAreaOfTheScreenShowingMostOfIt)
{
    using P = velmora::layout::Pixels;
    using S = about::layout::Screen;
    // The primary screen with its taskbar at the bottom, a shorter one right of it, one left of it.
    const S three[] = {{{0, 0, 1024, 768}, {0, 0, 1024, 740}},
                       {{1024, 0, 800, 600}, {1024, 0, 800, 600}},
                       {{-1024, 0, 1024, 768}, {-1024, 0, 1024, 768}}};
    const S left[] = {{{0, 0, 800, 600}, {60, 0, 740, 600}}};  // one screen, its taskbar at the left
    const S small[] = {{{0, 0, 200, 150}, {0, 0, 200, 120}}};
    const struct {
        const S* screens;
        std::size_t count;
        P owner;
        int left, top;
    } cases[] = {
        {three, 3, {1300, 400, 400, 450}, 1350, 400},  // low on the shorter screen: above its bottom
        {three, 3, {1300, 900, 400, 450}, 1350, 400},  // below every screen: on the nearest
        {three, 3, {900, 100, 400, 450}, 1024, 225},   // mostly on the shorter screen
        {three, 3, {600, 500, 400, 450}, 650, 540},    // low on the primary: above its taskbar
        {three, 3, {-1000, -300, 400, 450}, -950, 0},  // on the screen left of the primary
        {left, 1, {-100, 100, 400, 450}, 60, 225},     // right of a taskbar at the left
        {small, 1, {100, 50, 100, 100}, 0, 0},         // larger than the work area: its top left corner
    };
    for (const auto& c : cases) {
        const P at = about::layout::placeOver(c.owner, 300, 200, {c.screens, c.count});
        EXPECT_EQ(std::make_tuple(at.left, at.top, at.width, at.height), std::make_tuple(c.left, c.top, 300, 200))
            << c.owner.left << "," << c.owner.top;
    }
}

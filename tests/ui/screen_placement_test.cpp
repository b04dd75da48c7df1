// Centring a secondary window over the main window, and keeping it on the screen.
#include "ui/screen_placement.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

TEST(CentredOver, SharesTheOwnersCentre) {
    // Owner 1000 x 700 at (100, 50): centre (600, 400); a 400 x 300 window goes to (400, 250).
    const WindowPosition p = centredOver({100, 50, 1000, 700}, 400, 300, {1920, 1080});
    EXPECT_EQ(p.left, 400);
    EXPECT_EQ(p.top, 250);
    // A window larger than its owner still shares its centre: 600 - 550, 400 - 350.
    const WindowPosition wide = centredOver({100, 50, 1000, 700}, 1100, 700, {1920, 1080});
    EXPECT_EQ(wide.left, 50);
    EXPECT_EQ(wide.top, 50);
    // Centred, it would start above the screen (400 - 450 = -50): it starts at its top instead.
    const WindowPosition tall = centredOver({100, 50, 1000, 700}, 1100, 900, {1920, 1080});
    EXPECT_EQ(tall.top, 0);
}

TEST(CentredOver, StaysInsideTheScreen) {
    // An owner near the right and bottom edges: the window moves back just far enough.
    const WindowPosition p = centredOver({1500, 800, 400, 250}, 600, 400, {1920, 1080});
    EXPECT_EQ(p.left, 1920 - 600);
    EXPECT_EQ(p.top, 1080 - 400);
    // An owner partly off the left and top edges.
    const WindowPosition q = centredOver({-300, -200, 400, 300}, 300, 200, {1920, 1080});
    EXPECT_EQ(q.left, 0);
    EXPECT_EQ(q.top, 0);
    // A window larger than the screen keeps its top-left corner on it.
    const WindowPosition big = centredOver({0, 0, 800, 600}, 2500, 1500, {1920, 1080});
    EXPECT_EQ(big.left, 0);
    EXPECT_EQ(big.top, 0);
}

} // namespace
} // namespace pmsect

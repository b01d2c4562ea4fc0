#include "persist/screen_fit.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(KeepOnScreen, WindowsOverTheFarEdgesComeBackAndTooLargeOnesGoToZero) {
    // A 616 x 460 window on a 1024 x 738 screen area.
    EXPECT_EQ(keepOnScreen({10, 20}, 616, 460, 1024, 738), std::nullopt);
    EXPECT_EQ(keepOnScreen({408, 278}, 616, 460, 1024, 738), std::nullopt); // exactly fits
    EXPECT_EQ(keepOnScreen({409, 20}, 616, 460, 1024, 738), (WindowPosition{408, 20}));
    EXPECT_EQ(keepOnScreen({10, 700}, 616, 460, 1024, 738), (WindowPosition{10, 278}));
    EXPECT_EQ(keepOnScreen({900, 900}, 616, 460, 1024, 738), (WindowPosition{408, 278}));
    EXPECT_EQ(keepOnScreen({50, 50}, 616, 460, 600, 400), (WindowPosition{0, 0}));
    // Past the near edge is not the program's business.
    EXPECT_EQ(keepOnScreen({-30, -5}, 616, 460, 1024, 738), std::nullopt);
    EXPECT_EQ(keepOnScreen({-30, 500}, 616, 460, 1024, 738), (WindowPosition{-30, 278}));
}

} // namespace
} // namespace quintaro

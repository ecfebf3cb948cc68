#include "gui/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

const QRect Screen1080{0, 0, 1920, 1050}; // a 1080-pixel screen less its panel
const QSize LogSize{960, 700};

TEST(WindowPlacement, BesideTheMainWindowWhereThereIsRoomInsideTheScreen)
{
    // Room on the right.
    EXPECT_EQ(placeBeside({100, 100, 600, 300}, Screen1080, LogSize), QRect(708, 100, 960, 700));
    // None on the right, some on the left.
    EXPECT_EQ(placeBeside({1200, 500, 600, 300}, Screen1080, LogSize), QRect(232, 350, 960, 700));
    // Neither: centred, over it.
    EXPECT_EQ(placeBeside({500, 0, 900, 300}, Screen1080, LogSize), QRect(480, 175, 960, 700));
}

// Too wide for either side: narrowed on the side with more room, as far as the window allows,
// and over the main window only when even that does not fit.
TEST(WindowPlacement, NarrowerBesideTheMainWindowRatherThanOverIt)
{
    const QRect main{600, 0, 900, 300}; // 412 free on the right, 592 on the left
    EXPECT_EQ(placeBeside(main, Screen1080, LogSize, std::nullopt, {400, 300}), QRect(0, 0, 592, 700));
    EXPECT_EQ(placeBeside({100, 0, 900, 300}, Screen1080, LogSize, std::nullopt, {400, 300}),
              QRect(1008, 0, 912, 700));
    EXPECT_EQ(placeBeside(main, Screen1080, LogSize, std::nullopt, {600, 300}), QRect(480, 175, 960, 700));
    // A remembered size below the least comes back at the least.
    EXPECT_EQ(placeBeside(main, Screen1080, LogSize, QRect(10, 10, 100, 100), {400, 300}),
              QRect(10, 10, 400, 300));
}

TEST(WindowPlacement, NeverLargerThanTheScreenNorPartlyOffIt)
{
    // 200 per cent on a 1080-pixel screen: 960 x 540 logical pixels, less a panel.
    const QRect small{0, 0, 960, 510};
    const QRect placed = placeBeside({0, 0, 480, 200}, small, LogSize);
    EXPECT_TRUE(small.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    EXPECT_EQ(placed.size(), QSize(960, 510));

    // A second screen to the right: the area has an offset.
    const QRect second{1920, 0, 1280, 1000};
    EXPECT_TRUE(second.contains(placeBeside({1920, 0, 600, 300}, second, LogSize)));
}

TEST(WindowPlacement, ARememberedPlaceAndSizeComeBackInsideTheScreen)
{
    EXPECT_EQ(placeBeside({100, 100, 600, 300}, Screen1080, LogSize, QRect(50, 60, 800, 500)),
              QRect(50, 60, 800, 500));
    // Remembered on a screen that is gone or larger: brought inside this one.
    EXPECT_EQ(placeBeside({100, 100, 600, 300}, Screen1080, LogSize, QRect(2500, 900, 800, 500)),
              QRect(1120, 550, 800, 500));
    EXPECT_EQ(placeBeside({100, 100, 600, 300}, Screen1080, LogSize, QRect(-50, -40, 3000, 2000)),
              Screen1080);
}

} // namespace

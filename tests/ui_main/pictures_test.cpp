#include "resources/tray_pictures.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tarnivel {
namespace {

// The rule the 36 tray pictures follow, written out pixel by pixel.
std::uint32_t expectedTrayPixel(int dl, int ul, int x, int y)
{
    if (x == 0)
        return 0x00000000;
    if (y % 3 == 0 || x == 1 || x == 8 || x == 15)
        return 0xFF000000;
    const int segmentFromBottom = (14 - y) / 3; // rows 13-14 -> 0, ..., rows 1-2 -> 4
    if (x <= 7)
        return segmentFromBottom < dl ? 0xFFFF0000 : 0xFF800000;
    return segmentFromBottom < ul ? 0xFF00FF00 : 0xFF008000;
}

TEST(TrayPictures, EveryPictureFollowsThePixelRule)
{
    for (int dl = 0; dl < kTrayLevelCount; ++dl)
        for (int ul = 0; ul < kTrayLevelCount; ++ul) {
            const Picture picture = trayPicture(dl, ul);
            ASSERT_EQ(picture.pixels.size(), 256u);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_EQ(picture.at(x, y), expectedTrayPixel(dl, ul, x, y))
                        << "d" << dl << "u" << ul << " at " << x << "," << y;
        }
    EXPECT_THROW(trayPicture(6, 0), std::out_of_range);
    EXPECT_THROW(trayPicture(0, -1), std::out_of_range);
}

} // namespace
} // namespace tarnivel

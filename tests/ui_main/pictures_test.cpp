#include "resources/app_icon.h"
#include "resources/tray_pictures.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace tarnivel {
namespace {

// The rule the 36 tray pictures follow, written out pixel by pixel.
std::uint32_t expectedTrayPixel(int dl, int ul, int x, int y)
{
    if (x == 0)
        return 0x00000000;
    if (y % 3 == 0 || (x < 2 || x == 8 || x == 15))
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
            ASSERT_EQ(picture.width, 16);
            ASSERT_EQ(picture.height, 16);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_EQ(picture.at(x, y), expectedTrayPixel(dl, ul, x, y))
                        << "d" << dl << "u" << ul << " at " << x << "," << y;
        }
    EXPECT_THROW(trayPicture(6, 0), std::out_of_range);
    EXPECT_THROW(trayPicture(0, -1), std::out_of_range);
}

TEST(AppIcon, ScreenWithGridAndAnUnbrokenTrace)
{
    for (const int size : {16, 32}) {
        const Picture icon = appIconPicture(size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        const int k = size / 16;
        const int left = k, right = size - 1 - k, top = 2 * k, bottom = 12 * k - 1 - k;
        std::set<std::uint32_t> inside;
        for (int x = left; x <= right; ++x) {
            int white = 0;
            for (int y = top; y <= bottom; ++y) {
                inside.insert(icon.at(x, y));
                white += icon.at(x, y) == 0xFFFFFFFF;
            }
            EXPECT_GT(white, 0) << "trace broken in column " << x << " at " << size;
        }
        EXPECT_EQ(inside, (std::set<std::uint32_t>{0xFF000000, 0xFF008000, 0xFFFFFFFF}));
        EXPECT_EQ(icon.at(0, top), 0xFFC0C0C0) << "grey frame";
        EXPECT_EQ(icon.at(0, 0), 0x00000000) << "transparent corner";
    }
    EXPECT_THROW(appIconPicture(24), std::invalid_argument);
}

} // namespace
} // namespace tarnivel

#include "resources/app_icon.h"
#include "resources/ico_file.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tarnivel {
namespace {

// Reads the pictures back the way Windows does: directory, then per image the bitmap header,
// the bottom-up BGRA rows and the AND mask, which must agree with the alpha channel.
std::vector<Picture> readIco(const std::vector<std::uint8_t>& bytes)
{
    const auto le = [&bytes](std::size_t at, int size) {
        std::size_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
        return value;
    };
    EXPECT_EQ(le(0, 4), 0x10000u); // reserved, then type 1: icons
    const std::size_t count = le(4, 2);
    std::vector<Picture> pictures;
    std::size_t end = 6 + 16 * count;
    for (std::size_t entry = 6; entry < 6 + 16 * count; entry += 16) {
        const std::size_t size = bytes.at(entry) == 0 ? 256 : bytes.at(entry);
        EXPECT_EQ(bytes.at(entry + 1), bytes.at(entry));
        EXPECT_EQ(le(entry + 4, 4), 32u << 16 | 1); // one plane of 32 bits
        const std::size_t at = le(entry + 12, 4);
        EXPECT_EQ(at, end) << "images follow each other without gaps";
        end = at + le(entry + 8, 4);
        EXPECT_EQ(le(at, 4), 40u);
        EXPECT_EQ(le(at + 4, 4), size);
        EXPECT_EQ(le(at + 8, 4), 2 * size); // colour and mask rows
        EXPECT_EQ(le(at + 14, 2), 32u);
        const auto side = static_cast<int>(size);
        Picture picture(side, side, 0);
        const std::size_t pixels = at + 40, mask = pixels + 4 * size * size;
        const std::size_t stride = (size + 31) / 32 * 4;
        EXPECT_EQ(mask + stride * size, end);
        for (std::size_t row = 0; row < size; ++row) // bottom-up
            for (std::size_t x = 0; x < size; ++x) {
                std::uint32_t& p =
                    picture.at(static_cast<int>(x), side - 1 - static_cast<int>(row));
                p = static_cast<std::uint32_t>(le(pixels + 4 * (row * size + x), 4));
                const bool masked = bytes.at(mask + row * stride + x / 8) & (0x80 >> x % 8);
                EXPECT_EQ(masked, p >> 24 == 0) << x << ',' << row;
            }
        pictures.push_back(picture);
    }
    EXPECT_EQ(end, bytes.size());
    return pictures;
}

TEST(IcoFile, PicturesReadBackUnchangedAndWhatAnIconCannotHoldIsRefused)
{
    Picture corners(2, 2, kTransparent); // every corner different: flips and swaps show
    corners.pixels = {0xFF112233, 0x80445566, 0x01778899, kTransparent};
    Picture large(256, 256, kBlack);
    large.at(255, 0) = kTransparent;
    const std::vector<std::vector<Picture>> cases = {
        {corners}, {appIconPicture(16), appIconPicture(32)}, {large, corners}, {}};
    for (const auto& pictures : cases) {
        const auto readBack = readIco(icoFile(pictures));
        ASSERT_EQ(readBack.size(), pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i)
            EXPECT_EQ(readBack[i].pixels, pictures[i].pixels) << "picture " << i;
    }
    for (const Picture& picture : {Picture(2, 3, 0), Picture(0, 0, 0), Picture(257, 257, 0)})
        EXPECT_THROW(icoFile(std::vector{picture}), std::invalid_argument) << picture.width;
}

} // namespace
} // namespace tarnivel

#include "resources/app_icon.h"
#include "resources/ico_file.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tarnivel {
namespace {

std::uint32_t le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

// Reads the pictures back the way Windows does: directory, then per image the bitmap header,
// the bottom-up BGRA rows and the AND mask, which must agree with the alpha channel.
std::vector<Picture> readIco(const std::vector<std::uint8_t>& bytes)
{
    EXPECT_EQ(le(bytes, 0, 2), 0u);
    EXPECT_EQ(le(bytes, 2, 2), 1u);
    const std::uint32_t count = le(bytes, 4, 2);
    std::vector<Picture> pictures;
    std::size_t end = 6 + 16 * count;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = bytes.at(entry) == 0 ? 256 : bytes.at(entry);
        EXPECT_EQ(bytes.at(entry + 1), bytes.at(entry));
        EXPECT_EQ(le(bytes, entry + 4, 2), 1u);
        EXPECT_EQ(le(bytes, entry + 6, 2), 32u);
        const std::uint32_t length = le(bytes, entry + 8, 4);
        const std::size_t at = le(bytes, entry + 12, 4);
        EXPECT_EQ(at, end) << "images follow each other without gaps";
        end = at + length;

        EXPECT_EQ(le(bytes, at, 4), 40u);
        EXPECT_EQ(le(bytes, at + 4, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(le(bytes, at + 8, 4), 2u * static_cast<std::uint32_t>(size));
        EXPECT_EQ(le(bytes, at + 14, 2), 32u);
        Picture picture(size, size, 0);
        const std::size_t pixels = at + 40;
        const std::size_t mask = pixels + 4 * picture.pixels.size();
        const std::size_t stride = (static_cast<std::size_t>(size) + 31) / 32 * 4;
        EXPECT_EQ(mask + stride * static_cast<std::size_t>(size), end);
        for (int y = 0; y < size; ++y) {
            const auto row = static_cast<std::size_t>(size - 1 - y);
            for (int x = 0; x < size; ++x) {
                const auto column = static_cast<std::size_t>(x);
                picture.at(x, y) =
                    le(bytes, pixels + 4 * (row * static_cast<std::size_t>(size) + column), 4);
                const bool masked = bytes.at(mask + row * stride + column / 8) & (0x80 >> x % 8);
                EXPECT_EQ(masked, picture.at(x, y) >> 24 == 0) << x << ',' << y;
            }
        }
        pictures.push_back(picture);
    }
    EXPECT_EQ(end, bytes.size());
    return pictures;
}

TEST(IcoFile, PicturesReadBackUnchanged)
{
    Picture corners(2, 2, kTransparent); // every corner different: flips and swaps show
    corners.at(0, 0) = 0xFF112233;
    corners.at(1, 0) = 0x80445566;
    corners.at(0, 1) = 0x01778899;
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
}

TEST(IcoFile, RefusesPicturesAnIconCannotHold)
{
    for (const Picture& picture : {Picture(2, 3, 0), Picture(0, 0, 0), Picture(257, 257, 0)}) {
        const Picture one[] = {picture};
        EXPECT_THROW(icoFile(one), std::invalid_argument) << picture.width << 'x' << picture.height;
    }
}

} // namespace
} // namespace tarnivel

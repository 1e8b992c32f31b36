#include "resources/ico_file.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tarnivel;

// A 2 x 2 picture with every corner different (flips and swaps show) and a transparent 1 x 1 one,
// as Windows reads them: the directory, then per image a bitmap header whose height counts the
// colour and the mask rows, the BGRA rows bottom-up, and the AND mask rows (set where alpha is 0)
// padded to 32 bits. Bytes kept dense by hand.
// clang-format off
TEST(IcoFile, HoldsEachPictureAsABitmapWithItsMaskAndRefusesWhatAnIconCannotHold)
{
    Picture corners(2, 2, kTransparent);
    corners.pixels = {0xFF112233, 0x80445566, 0x01778899, kTransparent};
    const std::vector<std::uint8_t> expected = {
        0, 0, 1, 0, 2, 0,                                   // reserved, an icon file, two images
        2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 38, 0, 0, 0,  // 2 x 2, one plane, 32 bits: 64 at 38
        1, 1, 0, 0, 1, 0, 32, 0, 48, 0, 0, 0, 102, 0, 0, 0, // 1 x 1: 48 bytes at 102
        40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 24, 0, 0, 0, // 2 x (2 + 2)
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x99, 0x88, 0x77, 0x01, 0, 0, 0, 0, 0x33, 0x22, 0x11, 0xFF, 0x66, 0x55, 0x44, 0x80,
        0x40, 0, 0, 0, 0, 0, 0, 0,
        40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 8, 0, 0, 0,  // 1 x (1 + 1)
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0x80, 0, 0, 0};
    EXPECT_EQ(icoFile(std::vector{corners, Picture(1, 1, kTransparent)}), expected);
    EXPECT_EQ(icoFile(std::vector{Picture(256, 256, kBlack)}).at(6), 0); // 256 is written as 0
    const auto big = icoFile(std::vector{Picture(32, 32, kTransparent)}); // mask rows of 32 bits
    EXPECT_EQ(std::pair(big.size(), big.back()), std::pair(std::size_t{4286}, std::uint8_t{0xFF}));
    for (const Picture& picture : {Picture(2, 3, 0), Picture(0, 0, 0), Picture(257, 257, 0)})
        EXPECT_THROW(icoFile(std::vector{picture}), std::invalid_argument) << picture.width;
}
// clang-format on

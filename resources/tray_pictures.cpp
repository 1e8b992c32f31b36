#include "resources/tray_pictures.h"

#include <stdexcept>

namespace tarnivel {

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kDarkRed = 0xFF800000;
constexpr std::uint32_t kGreen = 0xFF00FF00;

constexpr int kSegments = 5;
constexpr int kSegmentRows = 2;
constexpr int kLowestSegmentTop = 13; // segments on rows 1-2, 4-5, 7-8, 10-11, 13-14

void drawColumn(Picture& picture, int firstX, int lit, std::uint32_t on, std::uint32_t off)
{
    for (int segment = 0; segment < kSegments; ++segment) { // segment 0 is the lowest
        const int top = kLowestSegmentTop - 3 * segment;
        const std::uint32_t colour = segment < lit ? on : off;
        for (int y = top; y < top + kSegmentRows; ++y)
            for (int x = firstX; x < firstX + 6; ++x)
                picture.at(x, y) = colour;
    }
}

} // namespace

Picture trayPicture(int dlLevel, int ulLevel)
{
    if (dlLevel < 0 || dlLevel >= kTrayLevelCount || ulLevel < 0 || ulLevel >= kTrayLevelCount)
        throw std::out_of_range("tray levels run from 0 to 5");
    Picture picture(kTrayPictureSize, kTrayPictureSize, kBlack);
    for (int y = 0; y < kTrayPictureSize; ++y)
        picture.at(0, y) = kTransparent;
    drawColumn(picture, 2, dlLevel, kRed, kDarkRed);
    drawColumn(picture, 9, ulLevel, kGreen, kDarkGreen);
    return picture;
}

} // namespace tarnivel

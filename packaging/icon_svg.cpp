#include "packaging/icon_svg.h"

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

namespace tarnivel {

namespace {

struct Rect {
    int x, y, width, height;
    std::uint32_t colour;
};

std::string rectElement(const Rect& r)
{
    char text[160];
    const unsigned alpha = r.colour >> 24;
    const int length = std::snprintf(text, sizeof text,
                                     R"(<rect x="%d" y="%d" width="%d" height="%d" fill="#%06X")",
                                     r.x, r.y, r.width, r.height, r.colour & 0xFFFFFFu);
    std::string element(text, static_cast<std::size_t>(length));
    if (alpha != 255) {
        std::snprintf(text, sizeof text, R"( fill-opacity="%.3f")", alpha / 255.0);
        element += text;
    }
    return element + "/>\n";
}

} // namespace

std::string pictureToSvg(const Picture& picture)
{
    std::vector<Rect> rects;
    // Rectangles that reach down to the previous row, by their run (x, width, colour).
    std::map<std::tuple<int, int, std::uint32_t>, std::size_t> open;
    for (int y = 0; y < picture.height; ++y) {
        std::map<std::tuple<int, int, std::uint32_t>, std::size_t> stillOpen;
        for (int x = 0; x < picture.width;) {
            const std::uint32_t colour = picture.at(x, y);
            int end = x + 1;
            while (end < picture.width && picture.at(end, y) == colour)
                ++end;
            if (colour >> 24 != 0) {
                const auto run = std::make_tuple(x, end - x, colour);
                if (const auto above = open.find(run); above != open.end()) {
                    ++rects[above->second].height;
                    stillOpen.emplace(run, above->second);
                } else {
                    stillOpen.emplace(run, rects.size());
                    rects.push_back({x, y, end - x, 1, colour});
                }
            }
            x = end;
        }
        open = std::move(stillOpen);
    }

    char header[200];
    std::snprintf(header, sizeof header,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\" shape-rendering=\"crispEdges\">\n",
                  picture.width, picture.height, picture.width, picture.height);
    std::string svg = header;
    for (const Rect& r : rects)
        svg += rectElement(r);
    return svg + "</svg>\n";
}

} // namespace tarnivel

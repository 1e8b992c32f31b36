#include "resources/ico_file.h"

#include <stdexcept>

namespace tarnivel {

namespace {

class LittleEndian {
public:
    explicit LittleEndian(std::vector<std::uint8_t>& out) : m_out(out) {}
    void u8(std::uint32_t value) { m_out.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value)
    {
        u8(value & 0xFF);
        u8(value >> 8 & 0xFF);
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }

private:
    std::vector<std::uint8_t>& m_out;
};

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Bytes of one mask row: one bit per pixel, rows padded to 32 bits.
std::uint32_t maskStride(int width)
{
    return static_cast<std::uint32_t>((width + 31) / 32 * 4);
}

std::uint32_t imageSize(const Picture& picture)
{
    const auto pixels = static_cast<std::uint32_t>(picture.pixels.size());
    return kInfoHeaderSize + 4 * pixels +
           maskStride(picture.width) * static_cast<std::uint32_t>(picture.height);
}

} // namespace

std::vector<std::uint8_t> icoFile(std::span<const Picture> pictures)
{
    for (const Picture& picture : pictures) {
        if (picture.width != picture.height || picture.width < 1 || picture.width > 256)
            throw std::invalid_argument("icon pictures are square, 1 to 256 pixels");
    }
    std::vector<std::uint8_t> bytes;
    LittleEndian out(bytes);
    const auto count = static_cast<std::uint32_t>(pictures.size());
    out.u16(0); // reserved
    out.u16(1); // an icon, not a cursor
    out.u16(count);

    std::uint32_t offset = kDirectorySize + kEntrySize * count;
    for (const Picture& picture : pictures) {
        out.u8(static_cast<std::uint32_t>(picture.width) & 0xFF); // 256 is written as 0
        out.u8(static_cast<std::uint32_t>(picture.height) & 0xFF);
        out.u8(0);   // no palette
        out.u8(0);   // reserved
        out.u16(1);  // planes
        out.u16(32); // bits per pixel
        out.u32(imageSize(picture));
        out.u32(offset);
        offset += imageSize(picture);
    }

    for (const Picture& picture : pictures) {
        const auto width = static_cast<std::uint32_t>(picture.width);
        const auto height = static_cast<std::uint32_t>(picture.height);
        // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
        out.u32(kInfoHeaderSize);
        out.u32(width);
        out.u32(2 * height);
        out.u16(1);
        out.u16(32);
        out.u32(0); // BI_RGB
        out.u32(imageSize(picture) - kInfoHeaderSize);
        out.u32(0);
        out.u32(0);
        out.u32(0);
        out.u32(0);
        // Rows from the bottom up; 0xAARRGGBB goes out as B, G, R, A.
        for (int y = picture.height - 1; y >= 0; --y) {
            for (int x = 0; x < picture.width; ++x)
                out.u32(picture.at(x, y));
        }
        for (int y = picture.height - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskStride(picture.width), 0);
            for (int x = 0; x < picture.width; ++x) {
                if ((picture.at(x, y) >> 24) == 0)
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> x % 8);
            }
            bytes.insert(bytes.end(), row.begin(), row.end());
        }
    }
    return bytes;
}

} // namespace tarnivel

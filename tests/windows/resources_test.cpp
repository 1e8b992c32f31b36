// The program's resource script, linked into this test: icon and version as Windows reads them.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// Read through the resource functions alone: user32's icon loading waits for a desktop window,
// which Wine without a display gives only after a long timeout.
std::vector<unsigned char> resource(unsigned id, LPCSTR type)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {};
    const auto* data =
        static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    return {data, data + SizeofResource(nullptr, found)};
}

unsigned le(const std::vector<unsigned char>& bytes, std::size_t at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

TEST(ProgramResources, IconGroupHoldsBothSizesAs32BitImages)
{
    const auto group = resource(1, RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    EXPECT_EQ(le(group, 2, 2), 1u); // icons
    ASSERT_EQ(le(group, 4, 2), 2u);
    for (unsigned i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 14 * i; // packed GRPICONDIRENTRY
        const unsigned size = 16u << i;
        EXPECT_EQ(le(group, entry, 1), size);
        EXPECT_EQ(le(group, entry + 1, 1), size);
        EXPECT_EQ(le(group, entry + 6, 2), 32u);
        const auto image = resource(le(group, entry + 12, 2), RT_ICON);
        ASSERT_EQ(image.size(), le(group, entry + 8, 4)) << size;
        EXPECT_EQ(le(image, 4, 4), size);     // BITMAPINFOHEADER width
        EXPECT_EQ(le(image, 8, 4), 2 * size); // colour and mask rows
        EXPECT_EQ(le(image, 14, 2), 32u);
    }
}

TEST(ProgramResources, VersionNamesTheProgram)
{
    wchar_t path[MAX_PATH * 4];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH * 4), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"ProductName", L"Tarnivel"},
        {L"OriginalFilename", L"Tarnivel.exe"},
        {L"FileVersion", TARNIVEL_VERSION_TEXT},
    };
    for (const auto& [key, expected] : strings) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + key;
        void* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(data.data(), query.c_str(), &text, &length)) << key;
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(text)), expected);
    }
}

} // namespace

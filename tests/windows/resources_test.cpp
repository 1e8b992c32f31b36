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

// The bytes of each image are the icon file's own (tested where it is made).
TEST(ProgramResources, IconGroupHoldsBothSizesAs32BitImages)
{
    const auto group = resource(1, RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    ASSERT_EQ(le(group, 4, 2), 2u);
    for (unsigned i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 14 * i; // packed GRPICONDIRENTRY
        const unsigned size = 16u << i;
        EXPECT_EQ(le(group, entry, 1), size);
        EXPECT_EQ(le(group, entry + 1, 1), size);
        EXPECT_EQ(le(group, entry + 6, 2), 32u);
        const auto image = resource(le(group, entry + 12, 2), RT_ICON);
        ASSERT_EQ(image.size(), le(group, entry + 8, 4)) << size;
    }
}

// Windows reads the version from the string table the translation names: the build's version.
TEST(ProgramResources, VersionIsTheBuildsOwn)
{
    wchar_t path[MAX_PATH * 4];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH * 4), 0u);
    std::vector<char> data(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_TRUE(!data.empty() &&
                GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()));
    void* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueW(data.data(), L"\\StringFileInfo\\040904b0\\FileVersion", &text, &length));
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(text)), TARNIVEL_VERSION_TEXT);
}

} // namespace

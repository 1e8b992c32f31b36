// The program's resource script, linked into this test: the icon (its images are the icon file's
// own, tested where it is made) and the version as Windows reads them.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// Windows reads the version from the string table the translation names: the build's version.
TEST(ProgramResources, IconAndTheBuildsVersion)
{
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);
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

// The program's resource script, linked into this test: icon and version as Windows reads them.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

TEST(ProgramResources, IconAtBothSizes)
{
    for (const int size : {16, 32}) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size,
                                 size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
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

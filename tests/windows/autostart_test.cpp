#include "ui/settings/autostart.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace tarnivel {
namespace {

// A name of its own, so that running the tests on a real desktop leaves the user's entry alone.
constexpr const char* kName = "Tarnivel autostart test";
constexpr const wchar_t* kWideName = L"Tarnivel autostart test";
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RawValue {
    DWORD type = REG_NONE;
    std::wstring text; // the data as UTF-16, without the terminating NUL
    bool operator==(const RawValue&) const = default;
};

// The value as the registry holds it; REG_NONE and no text when there is none.
RawValue readValue(const wchar_t* name)
{
    RawValue value;
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    RegGetValueW(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                 data.data(), &size);
    value.text.assign(data.data(), size / sizeof(wchar_t));
    if (!value.text.empty() && value.text.back() == L'\0')
        value.text.pop_back();
    return value;
}

class RunKey : public testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kWideName); }
};

TEST_F(RunKey, RoundTripWithBlanksQuotesAndLettersOutsideTheAnsiCodePage)
{
    // Each step, then whether the value is there and what the registry holds.
    const std::filesystem::path program =
        L"C:\\Program Files\\T\u00e4rnivel \u03a9's\\Tarnivel.exe";
    const std::filesystem::path moved = L"D:\\\u65b0\u3057\u3044\\Tarnivel.exe";
    struct Step {
        const char* what;
        const std::filesystem::path* sProgram;
        bool bAdd;
        RawValue expected;
    };
    const Step steps[] = {
        {"delete when there is none", &program, false, {}},
        {"write",
         &program,
         true,
         {REG_SZ, L"\"C:\\Program Files\\T\u00e4rnivel \u03a9's\\Tarnivel.exe\""}},
        {"write again from a moved folder",
         &moved,
         true,
         {REG_SZ, L"\"D:\\\u65b0\u3057\u3044\\Tarnivel.exe\""}},
        {"delete", &program, false, {}},
        {"delete again", &program, false, {}},
    };
    for (const Step& step : steps) {
        SetRunKey(kName, *step.sProgram, step.bAdd);
        EXPECT_EQ(IsInRunKey(kName), step.expected.type != REG_NONE) << step.what;
        EXPECT_TRUE(readValue(kWideName) == step.expected) << step.what;
    }
}

TEST_F(RunKey, AValueOfAnyTypeOrDataCounts)
{
    const DWORD number = 7;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kWideName, REG_DWORD, &number,
                              static_cast<DWORD>(sizeof number)),
              ERROR_SUCCESS);
    EXPECT_TRUE(IsInRunKey(kName));
    SetRunKey(kName, L"C:\\Tarnivel.exe", false);
    EXPECT_FALSE(IsInRunKey(kName));
}

TEST_F(RunKey, NamesAreUtf8AndBadTextIsIgnored)
{
    const char* utf8 = "T\xc3\xa4rnivel autostart test";
    const wchar_t* wide = L"T\u00e4rnivel autostart test";
    SetRunKey(utf8, L"C:\\Tarnivel.exe", true);
    EXPECT_TRUE(IsInRunKey(utf8));
    EXPECT_EQ(readValue(wide).type, static_cast<DWORD>(REG_SZ));
    SetRunKey(utf8, L"C:\\Tarnivel.exe", false);
    EXPECT_EQ(readValue(wide).type, static_cast<DWORD>(REG_NONE));

    const char* broken = "Tarnivel \xff";
    SetRunKey(broken, L"C:\\Tarnivel.exe", true);
    EXPECT_FALSE(IsInRunKey(broken));
}

} // namespace
} // namespace tarnivel

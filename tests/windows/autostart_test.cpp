#include "ui/settings/autostart.h"

#include <functional>
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
    std::vector<wchar_t> data(4096, L'\0');
    auto size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     data.data(), &size) != ERROR_SUCCESS)
        return {};
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

// Each step, then what the registry holds; IsInRunKey tells whether it holds a value of any
// type and data.
TEST_F(RunKey, RoundTripWithBlanksQuotesAndLettersOutsideTheAnsiCodePage)
{
    const std::filesystem::path program =
        L"C:\\Program Files\\T\u00e4rnivel \u03a9's\\Tarnivel.exe";
    const std::filesystem::path moved = L"D:\\\u65b0\u3057\u3044\\Tarnivel.exe";
    const auto set = [](const std::filesystem::path& path, bool add) {
        return [&path, add] {
            SetRunKey(kName, path, add);
        };
    };
    const DWORD number = 7;
    const auto setNumber = [&number] {
        RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kWideName, REG_DWORD, &number, sizeof number);
    };
    const std::pair<std::function<void()>, RawValue> steps[] = {
        {set(program, false), {}}, // delete when there is none
        {set(program, true),
         {REG_SZ, L"\"C:\\Program Files\\T\u00e4rnivel \u03a9's\\Tarnivel.exe\""}},
        {set(moved, true), {REG_SZ, L"\"D:\\\u65b0\u3057\u3044\\Tarnivel.exe\""}},
        {set(program, false), {}},
        {set(program, false), {}}, // delete again, silently
        {setNumber, {REG_DWORD, L"\x07"}},
        {set(program, false), {}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(IsInRunKey(kName), steps[i].second.type != REG_NONE) << "step " << i;
        EXPECT_TRUE(readValue(kWideName) == steps[i].second) << "step " << i;
    }
}

TEST_F(RunKey, NamesAreUtf8AndBadTextIsIgnored)
{
    const char* utf8 = "T\xc3\xa4rnivel autostart test";
    SetRunKey(utf8, L"C:\\Tarnivel.exe", true);
    EXPECT_TRUE(IsInRunKey(utf8));
    EXPECT_EQ(readValue(L"T\u00e4rnivel autostart test").type, static_cast<DWORD>(REG_SZ));
    SetRunKey(utf8, L"C:\\Tarnivel.exe", false);
    EXPECT_FALSE(IsInRunKey(utf8));

    const char* broken = "Tarnivel \xff";
    SetRunKey(broken, L"C:\\Tarnivel.exe", true);
    EXPECT_FALSE(IsInRunKey(broken));
}

} // namespace
} // namespace tarnivel

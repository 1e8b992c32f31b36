#include "ui/settings/autostart.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <windows.h>

namespace tarnivel {
namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// What the registry holds under the name: the text of a string, else its type or "none".
std::wstring stored(const wchar_t* name)
{
    DWORD type = REG_NONE;
    wchar_t data[512] = {};
    auto size = static_cast<DWORD>(sizeof data);
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                     &size) != ERROR_SUCCESS)
        return L"none";
    return type == REG_SZ ? data : L"type " + std::to_wstring(type);
}

// A name of its own, so that running the tests on a real desktop leaves the user's entry alone;
// in UTF-8, like the paths, with letters outside the ANSI code page. Each step: the path, add or
// remove, then what the registry holds; a value of any type counts as registered.
TEST(RunKey, HoldsTheQuotedPathUnderAUtf8NameUntilRemoved)
{
    const char* name = "T\xc3\xa4rnivel autostart test";
    const wchar_t* wideName = L"T\u00e4rnivel autostart test";
    const std::wstring program = L"C:\\Program Files\\T\u00e4rnivel \u03a9's\\Tarnivel.exe";
    const std::wstring moved = L"D:\\\u65b0\u3057\u3044\\Tarnivel.exe";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, wideName);
    const std::tuple<std::wstring, bool, std::wstring> steps[] = {
        {program, false, L"none"}, // remove when there is none
        {program, true, L'"' + program + L'"'},
        {moved, true, L'"' + moved + L'"'},
        {L"", true, L'"' + moved + L'"'}, // no program file to name: kept
        {program, false, L"none"},
        {program, false, L"none"}, // remove again, silently
    };
    for (const auto& [path, add, expected] : steps) {
        SetRunKey(name, path, add);
        EXPECT_EQ(IsInRunKey(name), expected != L"none") << path << add;
        EXPECT_EQ(stored(wideName), expected) << path << add;
    }
    const DWORD number = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, wideName, REG_DWORD, &number, sizeof number);
    EXPECT_TRUE(IsInRunKey(name));
    SetRunKey(name, program, false);
    EXPECT_EQ(stored(wideName), L"none");
    // A name that is not UTF-8 stands for nothing.
    SetRunKey("Tarnivel \xff", program, true);
    EXPECT_FALSE(IsInRunKey("Tarnivel \xff"));
}

} // namespace
} // namespace tarnivel

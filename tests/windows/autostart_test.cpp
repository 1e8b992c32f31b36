#include "ui/settings/autostart.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>
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
// remove, then what the registry holds; a value of any type counts as registered, unless Task
// Manager's Startup tab has switched it off by a value of the same name under StartupApproved\Run
// (first byte 3 off, 2 on). Adding the entry again switches it on, for Windows to start it.
TEST(RunKey, HoldsTheQuotedPathUnderAUtf8NameUntilRemovedOrSwitchedOff)
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
    const wchar_t* approved =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
    const std::tuple<DWORD, std::vector<BYTE>, bool> switches[] = {
        {REG_BINARY, {3, 0, 0, 0, 0x20, 0x5b, 0x41, 0x9f, 0x6a, 0x2b, 0xda, 0x01}, false},
        {REG_BINARY, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},
        {REG_BINARY, {7, 0, 0, 0}, false}, // other odd bytes: off too
        {REG_BINARY, {}, true},
        {REG_DWORD, {3, 0, 0, 0}, true}, // not Task Manager's kind of value
    };
    for (const auto& [type, data, on] : switches) {
        RegSetKeyValueW(HKEY_CURRENT_USER, approved, wideName, type, data.data(),
                        static_cast<DWORD>(data.size()));
        EXPECT_EQ(IsInRunKey(name), on) << (data.empty() ? -1 : data[0] + 0);
        SetRunKey(name, program, true);
        EXPECT_TRUE(IsInRunKey(name) &&
                    RegGetValueW(HKEY_CURRENT_USER, approved, wideName, RRF_RT_ANY, nullptr,
                                 nullptr, nullptr) != ERROR_SUCCESS);
    }
    SetRunKey(name, program, false);
    EXPECT_EQ(stored(wideName), L"none");
    // A name that is not UTF-8 stands for nothing.
    SetRunKey("Tarnivel \xff", program, true);
    EXPECT_FALSE(IsInRunKey("Tarnivel \xff"));
}

} // namespace
} // namespace tarnivel

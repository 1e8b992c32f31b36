// Start with the session on Windows: a value under the current user's Run key whose data is the
// quoted full path of the program, unless Task Manager's Startup tab has switched it off.
// Wide-character registry calls throughout, so folder names outside the ANSI code page survive.
#include "ui/settings/autostart.h"

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>
#include <windows.h>

namespace tarnivel {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Task Manager switches a Run value off or on again by a value of the same name here, and leaves
// the Run value as it is.
constexpr const wchar_t* kApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

struct KeyClose {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyClose>;

// The value name in UTF-16; nothing for text that is not UTF-8.
std::optional<std::wstring> wide(std::string_view text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, out.data(), length);
    return out;
}

Key openKey(const wchar_t* path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return Key(key);
}

// The approval value Task Manager writes is binary, its first byte 2 for on and 3 for off (a time
// stamp follows). Of other first bytes, the odd ones count as off as well, since off is what 3
// sets apart from 2; a value of another type or without data switches nothing.
bool switchedOff(DWORD type, const std::vector<BYTE>& data)
{
    return type == REG_BINARY && !data.empty() && (data.front() & 1) != 0;
}

bool switchedOffInTaskManager(const std::wstring& name)
{
    const Key key = openKey(kApprovedKey, KEY_QUERY_VALUE);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!key ||
        RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::vector<BYTE> data(size);
    return RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data.data(), &size) ==
               ERROR_SUCCESS &&
           switchedOff(type, data);
}

} // namespace

bool IsInRunKey(std::string_view sValueName)
{
    const auto name = wide(sValueName);
    if (!name)
        return false;
    const Key key = openKey(kRunKey, KEY_QUERY_VALUE);
    // Any type and any data count: only whether the value exists is asked. A value switched off
    // in Task Manager starts nothing, so it counts as none, as it does for the box.
    return key &&
           RegQueryValueExW(key.get(), name->c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           !switchedOffInTaskManager(*name);
}

void SetRunKey(std::string_view sValueName, const std::filesystem::path& sProgram, bool bAdd)
{
    const auto name = wide(sValueName);
    if (!name)
        return;
    if (!bAdd) {
        // Removing needs no key to be created; a value or key that is not there is no error.
        if (const Key key = openKey(kRunKey, KEY_SET_VALUE))
            RegDeleteValueW(key.get(), name->c_str());
        return;
    }
    // Without a program file to name, the value would start nothing: keep what is there.
    if (sProgram.empty())
        return;

    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return;
    const Key key(created);
    // The shell splits the command line at blanks unless the path is quoted; a Windows file name
    // cannot hold a double quote, so the quotes are unambiguous.
    const std::wstring command = L'"' + sProgram.native() + L'"';
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key.get(), name->c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(command.c_str()), bytes);
    // Without Task Manager's value the entry is on: Windows starts it at the next logon again.
    if (const Key approved = openKey(kApprovedKey, KEY_SET_VALUE))
        RegDeleteValueW(approved.get(), name->c_str());
}

} // namespace tarnivel

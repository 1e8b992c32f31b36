// Start with the session on Windows: a value under the current user's Run key whose data is the
// quoted full path of the program. Wide-character registry calls throughout, so folder names
// outside the ANSI code page survive.
#include "ui/settings/autostart.h"

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <windows.h>

namespace tarnivel {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

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

Key openRunKey(REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return Key(key);
}

} // namespace

bool IsInRunKey(std::string_view sValueName)
{
    const auto name = wide(sValueName);
    if (!name)
        return false;
    const Key key = openRunKey(KEY_QUERY_VALUE);
    // Any type and any data count: only whether the value exists is asked.
    return key && RegQueryValueExW(key.get(), name->c_str(), nullptr, nullptr, nullptr, nullptr) ==
                      ERROR_SUCCESS;
}

void SetRunKey(std::string_view sValueName, const std::filesystem::path& sProgram, bool bAdd)
{
    const auto name = wide(sValueName);
    if (!name)
        return;
    if (!bAdd) {
        // Removing needs no key to be created; a value or key that is not there is no error.
        if (const Key key = openRunKey(KEY_SET_VALUE))
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
}

} // namespace tarnivel

// The user's temporary folder, and a name of the user's own for each logon session: the same user
// may be logged on at the console and over Remote Desktop at once. The socket is a named pipe whose
// name holds the folder and that name.
#include "app/instance_place.h"
#include "app/startup.h"

#include <QDir>

#include <memory>
#include <string>
#include <vector>
// sddl.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <sddl.h>
// clang-format on

namespace tarnivel {

namespace {

struct HandleClose {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// The SID as text ("S-1-5-21-..."); empty when the token cannot tell.
std::string userSid(HANDLE token)
{
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<std::byte> user(size);
    wchar_t* text = nullptr;
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text))
        return {};
    const std::string sid = QString::fromWCharArray(text).toStdString();
    LocalFree(text);
    return sid;
}

} // namespace

InstancePlace sessionInstancePlace()
{
    HANDLE raw = nullptr;
    std::string sid;
    std::uint64_t logonSession = 0;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        const std::unique_ptr<void, HandleClose> token(raw);
        sid = userSid(raw);
        TOKEN_STATISTICS statistics = {};
        DWORD size = 0;
        if (GetTokenInformation(raw, TokenStatistics, &statistics, sizeof statistics, &size))
            logonSession =
                (std::uint64_t{static_cast<DWORD>(statistics.AuthenticationId.HighPart)} << 32) |
                statistics.AuthenticationId.LowPart;
    }
    return {QDir::tempPath(), QString::fromStdString(userInstanceName(sid, logonSession))};
}

} // namespace tarnivel

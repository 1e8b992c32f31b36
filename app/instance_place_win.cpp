// The user's temporary folder, one name per logon session: the same user may be logged on at the
// console and over Remote Desktop at once. The socket is a named pipe whose name holds the folder.
#include "app/instance_place.h"

#include <QDir>

#include <windows.h>

namespace tarnivel {

InstancePlace sessionInstancePlace()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return {QDir::tempPath(), QStringLiteral("tarnivel-session-%1").arg(session)};
}

} // namespace tarnivel

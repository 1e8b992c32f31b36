#pragma once

#include <QString>

namespace tarnivel {

// Where the one meter of this user session keeps its lock and socket (a folder private to the
// user; empty when there is none), and the name it claims there. One implementation per
// platform, chosen by the build.
struct InstancePlace {
    QString folder;
    QString name;
};
InstancePlace sessionInstancePlace();

} // namespace tarnivel

#pragma once

#include <QString>

#include <string_view>

namespace tarnivel {

// The cores speak UTF-8 in std::string_view; the windows show QString.
inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The user's decimal separator where it is one ASCII character (the cores format in bytes),
// else '.'.
char localeDecimalPoint();

// Gives a control the name that the program's description uses for it; tests find it by it.
template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace tarnivel

#include "ui/common/qt_text.h"

#include <QLocale>

namespace tarnivel {

char localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 0x80 ? point.front().toLatin1() : '.';
}

} // namespace tarnivel

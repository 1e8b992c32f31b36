#pragma once

#include <QString>
#include <QUrl>

namespace tarnivel {

// The program's two links, shown by the settings dialog's About page and by the first-run
// wizard. Their targets are set when the program is built (TARNIVEL_HOME_PAGE and
// TARNIVEL_CONTACT in CMake): without a home page the link opens the user guide that comes
// with the program; without a contact address the mail link is disabled.
struct Link {
    QString text;
    QUrl target; // empty: no target
};

Link homePageLink();

// The user guide as HTML: beside the program in programFolder (as the Windows installer and zip
// put it), installed with it (<prefix>/bin and <prefix>/share/doc/tarnivel), or the copy in the
// build folder when the program runs from there; empty when there is none. Every desktop opens
// HTML in its browser.
QUrl userGuide(const QString& programFolder);
Link contactLink();

} // namespace tarnivel

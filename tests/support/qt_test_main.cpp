// GoogleTest entry for the widget tests: a QApplication on the offscreen platform, C locale.
// Wine hands no QT_* variable to Windows programs: the defaults are set here.
#include <QApplication>
#include <QLocale>
#include <QStyleHints>

#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TARNIVEL_TEST_FONTS
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", TARNIVEL_TEST_FONTS);
#endif
    QApplication app(argc, argv);
    // A focused text box shows its cursor steadily: a picture of it is the same at any moment.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

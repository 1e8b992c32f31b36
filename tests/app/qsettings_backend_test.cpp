#include "app/qsettings_backend.h"
#include "app/startup.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class QSettingsBackendTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir m_dir;
};

TEST_F(QSettingsBackendTest, WrittenSettingsLoadFromTheFileInANewRun)
{
    {
        QSettingsBackend store(iniPath());
        SaveMaxValue(store, 1);
        WriteSetting(store, kAppName, kSection, "RunBefore", "1");
        writeWindowSettings(store, LiveSettings{12345678.f, 255, 65280, -16777216, 65535, false,
                                                200, 1935.f, 1230.f, true});
    }
    const QByteArray file = readAll(iniPath());
    EXPECT_TRUE(file.startsWith("[Settings]\n")) << file.constData();
    EXPECT_TRUE(file.contains("\nMaxValue=1.234568E+07\n")) << file.constData();
    EXPECT_TRUE(file.contains("\nBackColour=-16777216\n")) << file.constData();

    QSettingsBackend store(iniPath());
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Meter);
    const WindowSettings expected{12345680, 255, 65280, -16777216, 65535, 1935, 1230, false, 200};
    EXPECT_EQ(readWindowSettings(store), expected);
}

TEST_F(QSettingsBackendTest, LineBreaksInAValueCannotAddKeys)
{
    const std::string text = "0\nRunBefore=1\r\\n";
    {
        QSettingsBackend store(iniPath());
        store.setValue(kAppName, kSection, "Note", text);
    }
    QSettingsBackend store(iniPath());
    EXPECT_EQ(store.value(kAppName, kSection, "Note"), text);
    EXPECT_EQ(store.value(kAppName, kSection, "RunBefore"), std::nullopt);
}

TEST_F(QSettingsBackendTest, JunkInTheFileReadsAsDefaults)
{
    // Hand-edited or damaged: lists, QSettings' @ forms, quotes, binary bytes, broken lines.
    static constexpr char kJunk[] = "garbage before any section\n"
                                    "[Settings\n"
                                    "[Settings]\n"
                                    "RunBefore=maybe\n"
                                    "MaxValue=1, 2, 3\n"
                                    "DLColour=@ByteArray(\\0\\x1)\n"
                                    "ULColour=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x2)\n"
                                    "BackColour=@Rect(1 2 3 4)\n"
                                    "OverlapColour=\"12\"\n"
                                    "Width=\xff\xfe\x01\n"
                                    "=17\n"
                                    "Height\n"
                                    "Opacity=300\n"
                                    "Float=1,\n";
    writeFile(iniPath(), QByteArray(kJunk, sizeof kJunk - 1) + QByteArray(300, '\0'));

    QSettingsBackend store(iniPath());
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Wizard);
    WindowSettings expected;
    expected.Float = false; // "1," is not "1"
    EXPECT_EQ(readWindowSettings(store), expected);
}

} // namespace
} // namespace tarnivel

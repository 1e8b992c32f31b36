#include "app/qsettings_backend.h"

#include "app/user_store.h"

#include <QFileDevice>
#include <QLockFile>

namespace tarnivel {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString keyPath(std::string_view section, std::string_view key)
{
    return fromUtf8(section) + QLatin1Char('/') + fromUtf8(key);
}

// Backslash, line feed and carriage return escaped keep every value on its line.
QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString unescaped(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar next = text[++i];
        plain += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                 : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                            : next;
    }
    return plain;
}

// "[Section]" lines and "Key=value" lines; anything else, such as a damaged line, is skipped.
bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QString section;
    while (!device.atEnd()) {
        const QString line = QString::fromUtf8(device.readLine()).trimmed();
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == QLatin1String("General"))
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        if (equals < 0 || key.isEmpty())
            continue;
        const QString value = unescaped(QStringView(line).mid(equals + 1).trimmed());
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, value);
    }
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray text;
    QString section;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString keySection = slash < 0 ? QString() : it.key().left(slash);
        if (it == map.cbegin() || keySection != section) {
            section = keySection;
            text += '[' + (section.isEmpty() ? QByteArray("General") : section.toUtf8()) + "]\n";
        }
        text +=
            it.key().mid(slash + 1).toUtf8() + '=' + escaped(it.value().toString()).toUtf8() + '\n';
    }
    // A full disk shows as a short write or as a failed flush. Qt's own INI writer and
    // QSaveFile::commit() (seen with Qt 6.4) overlook both and would replace the good file
    // with a truncated one; a false result here makes QSettings discard the new file instead.
    auto* file = qobject_cast<QFileDevice*>(&device);
    return device.write(text) == text.size() && (file == nullptr || file->flush());
}

// INI files written through the checked writer above; the same file names as QSettings' INI.
QSettings::Format checkedIniFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readIni, writeIni);
    return format;
}

std::unique_ptr<QSettings> openStore(const QString& iniFilePath)
{
    if (!iniFilePath.isEmpty())
        return std::make_unique<QSettings>(iniFilePath, checkedIniFormat());
    return openUserStore(fromUtf8(kAppName), checkedIniFormat());
}

} // namespace

QSettingsBackend::QSettingsBackend(const QString& iniFilePath) : m_settings(openStore(iniFilePath))
{}

QSettingsBackend::~QSettingsBackend() = default;

std::optional<std::string> QSettingsBackend::value(std::string_view /*app*/,
                                                   std::string_view section, std::string_view key)
{
    // The registry can hold numbers, lists and binary data under our names; only plain text
    // is a stored value, anything else reads as absent and so as the default.
    const QVariant stored = m_settings->value(keyPath(section, key));
    if (stored.typeId() != QMetaType::QString)
        return std::nullopt;
    return stored.toString().toStdString();
}

void QSettingsBackend::setValue(std::string_view /*app*/, std::string_view section,
                                std::string_view key, std::string_view text)
{
    m_settings->setValue(keyPath(section, key), fromUtf8(text));
}

void QSettingsBackend::flush()
{
    // A store killed between creating its lock file and writing its owner into it leaves a lock
    // that names nobody, which QSettings would wait half a minute for before it takes it as
    // stale: at Exit or at logout, where the session may not wait that long. Such a lock is
    // taken here once it is a few seconds old. A younger one may be a live writer's between
    // those two steps (a meter on another display), and a live writer's lock stays whatever its
    // age: Qt removes no lock file that its owner holds locked.
    if (m_settings->format() != QSettings::NativeFormat) {
        QLockFile lock(m_settings->fileName() + QStringLiteral(".lock"));
        lock.setStaleLockTime(3000);
        if (lock.tryLock(5000))
            lock.unlock();
    }
    // Files are replaced whole (QSaveFile) or not at all; a failure is not reported and the
    // run goes on with the values it has.
    m_settings->sync();
}

} // namespace tarnivel

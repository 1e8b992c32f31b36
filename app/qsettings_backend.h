#pragma once

#include "app/settings.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace tarnivel {

// The settings store on QSettings. An empty path opens the user's own store (openUserStore: the
// registry on Windows, an INI file under the user's configuration folder elsewhere); a path
// opens that INI file, which is how tests keep away from the real store. Sections are QSettings
// groups. The store belongs to the one application, so the application argument selects nothing.
class QSettingsBackend final : public SettingsBackend {
public:
    explicit QSettingsBackend(const QString& iniFilePath = {});
    ~QSettingsBackend() override;
    Q_DISABLE_COPY_MOVE(QSettingsBackend)

    std::optional<std::string> value(std::string_view app, std::string_view section,
                                     std::string_view key) override;
    void setValue(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view text) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tarnivel

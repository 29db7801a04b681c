#include "HostSettings.h"

#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace spreadsheet {

namespace {

const QString defaultPathKey = QStringLiteral("Tabulka/DefaultFilePath");

std::unique_ptr<QSettings> openSettings(const QString& iniFile) {
    if (iniFile.isEmpty()) {
        return std::make_unique<QSettings>(QStringLiteral("Mechik"), QStringLiteral("Tabulka"));
    }
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

}  // namespace

HostSettings::HostSettings() = default;

HostSettings::HostSettings(QString iniFile) : iniFile_(std::move(iniFile)) {}

HostSettings HostSettings::inMemory() {
    HostSettings settings;
    settings.memory_ = std::make_shared<QString>();
    return settings;
}

QString HostSettings::defaultFilePath() const {
    const QString stored =
        memory_ ? *memory_ : openSettings(iniFile_)->value(defaultPathKey).toString();
    if (!stored.isEmpty()) {
        return stored;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void HostSettings::setDefaultFilePath(const QString& path) {
    if (memory_) {
        *memory_ = path;
        return;
    }
    const auto settings = openSettings(iniFile_);
    settings->setValue(defaultPathKey, path);
    settings->sync();
}

}  // namespace spreadsheet

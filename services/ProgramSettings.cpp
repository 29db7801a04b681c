#include "ProgramSettings.h"

#include <QSettings>

#include <memory>

namespace services {

namespace {

const QString Key = QStringLiteral("Index");
const QString ListKey = QStringLiteral("Seznam");

std::unique_ptr<QSettings> open(const QString& iniFile) {
    if (!iniFile.isEmpty()) {
        return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    }
#ifdef Q_OS_WIN
    // Where the program this one replaces kept them, so a player's choices carry over.
    return std::make_unique<QSettings>(QStringLiteral("VB and VBA Program Settings"),
                                       QStringLiteral("Mechik"));
#else
    return std::make_unique<QSettings>(QStringLiteral("Mechik"), QStringLiteral("Mechik"));
#endif
}

}  // namespace

ProgramSettings::ProgramSettings() = default;

ProgramSettings::ProgramSettings(QString iniFile) : iniFile_(std::move(iniFile)) {}

QString ProgramSettings::index(const QString& section) const {
    return open(iniFile_)->value(section + u'/' + Key).toString();
}

void ProgramSettings::setIndex(const QString& section, int value) {
    const auto settings = open(iniFile_);
    settings->setValue(section + u'/' + Key, QString::number(value));
    settings->sync();
}

QStringList ProgramSettings::list(const QString& section) const {
    return open(iniFile_)->value(section + u'/' + ListKey).toStringList();
}

void ProgramSettings::setList(const QString& section, const QStringList& values) {
    const auto settings = open(iniFile_);
    settings->setValue(section + u'/' + ListKey, values);
    settings->sync();
}

}  // namespace services

#include "UserTuningDatabase.h"

#include "DeliveredTunings.h"
#include "services/ProgramPaths.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningCorrections.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tunings {

void bringUpToDate(const QString& copy, const QString& shipped,
                   services::ProgramSettings& settings) {
    try {
        tones::correctTuningDatabase(copy);
        QStringList known = settings.list(services::ProgramSettings::DodanaLadeni);
        const QStringList before = known;
        addDeliveredTunings(copy, shipped, known);
        if (known != before) {
            settings.setList(services::ProgramSettings::DodanaLadeni, known);
        }
    } catch (const spreadsheet::SpreadsheetError&) {
    }
}

QString tuningDatabaseForUser() {
    const QString shipped = services::shippedTuningDatabase();
    if (services::programFilesBesideExecutable()) {
        return shipped;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = QDir(userFolder).filePath(QFileInfo(shipped).fileName());
    if (!QFileInfo::exists(copy) && QDir().mkpath(userFolder) && QFile::copy(shipped, copy)) {
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    if (!QFileInfo::exists(copy)) {
        return shipped;
    }
    services::ProgramSettings settings;
    bringUpToDate(copy, shipped, settings);
    return copy;
}

}  // namespace tunings

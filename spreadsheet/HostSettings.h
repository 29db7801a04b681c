#pragma once

#include <QString>

namespace spreadsheet {

// Where the host keeps what it remembers across runs (its default folder), apart from the
// program's own settings. Tests give it a file of their own.
class HostSettings {
public:
    HostSettings();  // the user's settings
    explicit HostSettings(QString iniFile);

    QString defaultFilePath() const;
    void setDefaultFilePath(const QString& path);

private:
    QString iniFile_;
};

}  // namespace spreadsheet

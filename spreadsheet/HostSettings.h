#pragma once

#include <QString>

#include <memory>

namespace spreadsheet {

// Where the host keeps what it remembers across runs (its default folder), apart from the
// program's own settings. Tests give it a file of their own.
class HostSettings {
public:
    HostSettings();  // the user's settings
    explicit HostSettings(QString iniFile);
    // Kept only as long as a copy of it lives: a command-line run must neither read nor change
    // the player's own folder, and writing a file for nothing costs it time.
    static HostSettings inMemory();

    QString defaultFilePath() const;
    void setDefaultFilePath(const QString& path);

private:
    QString iniFile_;
    std::shared_ptr<QString> memory_;
};

}  // namespace spreadsheet

#pragma once

#include <QString>

#include <optional>

namespace spreadsheet {

// Lets the host ask the user for a file to open without knowing any widget: the program hands
// it a dialog, tests a scripted answer.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // `filterName` e.g. "Excel Files", `patterns` e.g. "*.xls". Nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(const QString& title,
                                                    const QString& startFolder,
                                                    const QString& filterName,
                                                    const QString& patterns) = 0;
    // Where to save: `suggested` is a full path to start from. Nothing when the user cancels,
    // and from a chooser that offers no such dialog.
    virtual std::optional<QString> chooseFileToSave(const QString& title, const QString& suggested,
                                                    const QString& filterName,
                                                    const QString& patterns) {
        (void)title, (void)suggested, (void)filterName, (void)patterns;
        return std::nullopt;
    }
};

}  // namespace spreadsheet

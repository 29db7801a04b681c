#pragma once

#include "Dialogs.h"
#include "spreadsheet/FileChooser.h"

class QWidget;

namespace app {

// The program's messages and questions as Qt dialogs over the main window.
class QtDialogs : public Dialogs, public spreadsheet::FileChooser {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override;
    std::optional<QString> chooseFileToOpen(const QString& title, const QString& startFolder,
                                            const QString& filterName,
                                            const QString& patterns) override;
    std::optional<QString> chooseFileToSave(const QString& title, const QString& suggested,
                                            const QString& filterName,
                                            const QString& patterns) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace app

#pragma once

#include "services/Dialogs.h"
#include "spreadsheet/FileChooser.h"

class QWidget;

namespace views {

// The program's messages and questions as Qt dialogs over the main window.
class QtDialogs : public services::Dialogs, public spreadsheet::FileChooser {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    services::MessageAnswer message(const QString& title, const QString& text,
                                    services::MessageIcon icon,
                                    services::MessageButtons buttons) override;
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

}  // namespace views

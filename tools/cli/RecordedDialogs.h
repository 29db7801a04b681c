#pragma once

#include "app/Dialogs.h"

#include <utility>
#include <vector>

namespace tools {

// What the window would have said, kept for printing; OK/Cancel questions get `okAnswer`,
// Yes/No questions "no", Yes/No/Cancel ones "cancel".
class RecordedDialogs : public app::Dialogs {
public:
    std::vector<std::pair<QString, QString>> shown;  // title, text
    bool okAnswer = false;

    app::MessageAnswer message(const QString& title, const QString& text, app::MessageIcon,
                               app::MessageButtons buttons) override {
        shown.emplace_back(title.isEmpty() ? app::ProgramTitle : title, text);
        switch (buttons) {
            case app::MessageButtons::YesNo:
                return app::MessageAnswer::No;
            case app::MessageButtons::YesNoCancel:
                return app::MessageAnswer::Cancel;
            case app::MessageButtons::OkCancel:
                return okAnswer ? app::MessageAnswer::Ok : app::MessageAnswer::Cancel;
            case app::MessageButtons::Ok:
                break;
        }
        return app::MessageAnswer::Ok;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

}  // namespace tools

#pragma once

#include "services/Dialogs.h"

#include <utility>
#include <vector>

namespace tools {

// What the window would have said, kept for printing; OK/Cancel questions get `okAnswer`,
// Yes/No questions "no", Yes/No/Cancel ones "cancel".
class RecordedDialogs : public services::Dialogs {
public:
    std::vector<std::pair<QString, QString>> shown;  // title, text
    bool okAnswer = false;

    services::MessageAnswer message(const QString& title, const QString& text,
                                    services::MessageIcon,
                                    services::MessageButtons buttons) override {
        shown.emplace_back(title.isEmpty() ? services::ProgramTitle : title, text);
        switch (buttons) {
            case services::MessageButtons::YesNo:
                return services::MessageAnswer::No;
            case services::MessageButtons::YesNoCancel:
                return services::MessageAnswer::Cancel;
            case services::MessageButtons::OkCancel:
                return okAnswer ? services::MessageAnswer::Ok : services::MessageAnswer::Cancel;
            case services::MessageButtons::Ok:
                break;
        }
        return services::MessageAnswer::Ok;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

}  // namespace tools

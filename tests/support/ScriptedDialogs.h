#pragma once

#include "QtPrinters.h"
#include "services/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

// Answers the program's questions from a queue and records every message, so a test reads
// like the user's story: what he was told, what he answered, what followed.
class ScriptedDialogs : public services::Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        services::MessageIcon icon;
        services::MessageButtons buttons;
        bool operator==(const Message&) const = default;
    };
    std::vector<Message> messages;
    std::deque<services::MessageAnswer> answers;  // for OK/Cancel and Yes/No questions
    std::deque<std::optional<QString>> inputs;    // for input boxes
    // Runs while a message is on the screen, as the events a real message box lets through.
    std::function<void()> whileShown;

    services::MessageAnswer message(const QString& title, const QString& text,
                                    services::MessageIcon icon,
                                    services::MessageButtons buttons) override {
        messages.push_back({title.isEmpty() ? services::ProgramTitle : title, text, icon, buttons});
        if (whileShown) {
            whileShown();
        }
        if (buttons == services::MessageButtons::Ok) {
            return services::MessageAnswer::Ok;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "an unexpected question: " << text.toStdString();
            return buttons == services::MessageButtons::YesNo ? services::MessageAnswer::No
                                                              : services::MessageAnswer::Cancel;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString&) override {
        messages.push_back(
            {title, prompt, services::MessageIcon::None, services::MessageButtons::OkCancel});
        if (inputs.empty()) {
            ADD_FAILURE() << "an unexpected input box: " << prompt.toStdString();
            return std::nullopt;
        }
        std::optional<QString> input;
        input.swap(inputs.front());
        inputs.pop_front();
        return input;
    }

    QStringList titles() const {
        QStringList shown;
        for (const auto& m : messages) {
            shown << m.title;
        }
        return shown;
    }

    // The texts shown so far, and forget them.
    std::vector<Message> take() { return std::exchange(messages, {}); }
};

inline void PrintTo(const ScriptedDialogs::Message& m, std::ostream* out) {
    *out << "[" << m.title.toStdString() << "] " << m.text.toStdString() << " (icon "
         << static_cast<int>(m.icon) << ")";
}

}  // namespace testing_support

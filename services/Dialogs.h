#pragma once

#include <QString>

#include <optional>

// Every message box and question of the program goes through this interface: the program
// hands its windows and controllers the Qt implementation, tests a scripted one that records
// each message word for word.
namespace services {

// The program's title: a message box given no title of its own shows it.
inline const QString ProgramTitle = QStringLiteral("Knoflovka");

enum class MessageIcon { None, Critical, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; `title` empty shows ProgramTitle.
    virtual MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& defaultText = {}) = 0;
};

}  // namespace services

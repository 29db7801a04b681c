#pragma once

#include "support/ScriptedDialogs.h"

#include <vector>

// The messages a test expects the player to be told, each with its icon and an OK button.
namespace said {

using Message = testing_support::ScriptedDialogs::Message;
using Messages = std::vector<Message>;

inline Message critical(const QString& title, const QString& text) {
    return {title, text, services::MessageIcon::Critical, services::MessageButtons::Ok};
}
inline Message exclamation(const QString& title, const QString& text) {
    return {title, text, services::MessageIcon::Exclamation, services::MessageButtons::Ok};
}
inline Message information(const QString& title, const QString& text) {
    return {title, text, services::MessageIcon::Information, services::MessageButtons::Ok};
}

}  // namespace said

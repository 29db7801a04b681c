#pragma once

#include <QString>

#include <exception>

namespace melody {

// A melody that cannot be imported: a file that cannot be read, or a tune the tuning cannot
// play. The message is Czech and complete, for the player.
class ImportError : public std::exception {
public:
    explicit ImportError(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "melody import refused"; }

private:
    QString message_;
};

}  // namespace melody

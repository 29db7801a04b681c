#pragma once

#include <exception>
#include <functional>

namespace services {

class Dialogs;

// Every command of the windows runs through here. A failure its own handler did not trap ends
// the command, never the program: the player gets the unexpected-error message with the
// failure's number and the song stays open as it is. While a command runs, or a message of it
// waits for the player, a tick of the automatic player is dropped, so that it cannot step the
// song in the middle of a command.
class CommandGuard {
public:
    explicit CommandGuard(Dialogs& dialogs);

    // Runs before each outermost command, as part of it: what the player is still typing
    // elsewhere becomes part of the song before a command reads or ends it.
    std::function<void()> beforeCommand;
    // Runs after each outermost command, guarded as the command itself.
    std::function<void()> afterCommand;
    // True while the player is in the middle of an input a timer's step must not cut short;
    // such a step is dropped.
    std::function<bool()> holdsTicks;

    // A command started from within another runs as part of it.
    void run(const std::function<void()>& command);
    // A timer's step: run as a command unless one is in progress; false when dropped.
    bool tick(const std::function<void()>& step);
    bool busy() const { return depth_ > 0; }

private:
    void runTrapped(const std::function<void()>& command);

    Dialogs& dialogs_;
    int depth_ = 0;
};

// The number the unexpected-error message names for a failure: the host's and the program's
// own numbers as they are, 51 for anything else.
int errorNumberOf(const std::exception_ptr& failure);

}  // namespace services

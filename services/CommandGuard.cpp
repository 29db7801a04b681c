#include "CommandGuard.h"

#include "CommonMessages.h"
#include "VbError.h"
#include "spreadsheet/SpreadsheetError.h"

namespace services {

namespace {

class Depth {
public:
    explicit Depth(int& depth) : depth_(depth) { ++depth_; }
    ~Depth() { --depth_; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    int& depth_;
};

}  // namespace

int errorNumberOf(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const spreadsheet::SpreadsheetError& error) {
        return error.number();
    } catch (const VbError& error) {
        return error.number;
    } catch (...) {
        return InternalError;
    }
}

CommandGuard::CommandGuard(Dialogs& dialogs) : dialogs_(dialogs) {}

void CommandGuard::runTrapped(const std::function<void()>& command) {
    try {
        command();
    } catch (...) {
        const int number = errorNumberOf(std::current_exception());
        try {
            showUnexpectedError(dialogs_, number);
        } catch (...) {  // nothing more can be said; the program goes on
        }
    }
}

void CommandGuard::run(const std::function<void()>& command) {
    {
        const Depth depth(depth_);
        if (depth_ == 1 && beforeCommand) {
            runTrapped(beforeCommand);
        }
        runTrapped(command);
    }
    if (depth_ == 0 && afterCommand) {
        const Depth depth(depth_);
        runTrapped(afterCommand);
    }
}

bool CommandGuard::tick(const std::function<void()>& step) {
    if (busy() || (holdsTicks && holdsTicks())) {
        return false;
    }
    run(step);
    return true;
}

}  // namespace services

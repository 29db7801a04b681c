// No failure ends the program: whatever a command did not foresee is the unexpected-error
// message, the program and its song go on, and no timer tick runs inside a command.
#include "support/ProgramFixture.h"

#include "auxwin/frmKonverze.h"
#include "services/CommandGuard.h"
#include "services/Contact.h"
#include "services/VbError.h"

#include <QPushButton>

#include <stdexcept>

using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

ScriptedDialogs::Message unexpected(int number) {
    return {"Neočekávaná chyba !",
            "Volejte firmu " + services::ContactLine +
                QStringLiteral(" a sdělte číslo chyby %1").arg(number),
            MessageIcon::Critical, services::MessageButtons::Ok};
}

}  // namespace

TEST(CommandGuard, AFailureNobodyForesawIsToldWithItsNumberAndTheNextCommandRuns) {
    ScriptedDialogs dialogs;
    services::CommandGuard guard(dialogs);
    int after = 0;
    guard.afterCommand = [&after] { ++after; };
    guard.run([] { throw std::out_of_range("no such row"); });
    guard.run([] { throw services::VbError{services::NoSuchControlArrayElement}; });
    guard.run([] { throw spreadsheet::SpreadsheetError(1004, QStringLiteral("mimo list")); });
    bool ran = false;
    guard.run([&ran] { ran = true; });
    EXPECT_EQ(dialogs.messages, (std::vector<ScriptedDialogs::Message>{
                                    unexpected(51), unexpected(340), unexpected(1004)}));
    EXPECT_TRUE(ran);
    EXPECT_EQ(after, 4);
    EXPECT_FALSE(guard.busy());
}

TEST(CommandGuard, ATickDuringACommandIsDroppedACommandWithinACommandRuns) {
    ScriptedDialogs dialogs;
    services::CommandGuard guard(dialogs);
    int after = 0;
    guard.afterCommand = [&after] { ++after; };
    int ticks = 0;
    bool inner = false;
    guard.run([&] {
        EXPECT_TRUE(guard.busy());
        EXPECT_FALSE(guard.tick([&ticks] { ++ticks; }));
        guard.run([&inner] { inner = true; });
    });
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(inner);
    EXPECT_EQ(after, 1);  // once, after the outermost command
    EXPECT_TRUE(guard.tick([&ticks] { ++ticks; }));
    EXPECT_EQ(ticks, 1);
}

using GuardedWindows = testing_support::ShownProgramFixture;

// The user closed the spreadsheet behind the program's back: the file dialogs cannot be asked
// for, and the window that hid itself for the dialog comes back.
TEST_F(GuardedWindows, AFailedFilePickShowsTheWindowAgain) {
    host().quit();
    c().cmdEdit->click();
    EXPECT_EQ(dialogs.messages, std::vector<ScriptedDialogs::Message>{unexpected(91)});
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GuardedWindows, AFailedFilePickInTheConversionWindowShowsItAgain) {
    auto* window = auxwin::mnuKonverze_Click(form->connection(), dialogs, *form, form->guard());
    ASSERT_TRUE(window);
    host().quit();
    window->cmdVyberPisen->click();
    EXPECT_EQ(dialogs.messages, std::vector<ScriptedDialogs::Message>{unexpected(91)});
    EXPECT_TRUE(window->isVisible());
    window->cmdKonec->click();
    EXPECT_TRUE(form->isVisible());
}

#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace services {
class Dialogs;
}

// The about box, and a message to the author prepared in the player's mail program.
namespace auxwin {

void cmdOPrg_Click(services::Dialogs& dialogs);

// The mailto address handed to the mail program, as the program has always written it.
QString authorMailAddress();
// `openUrl` hands the address to the desktop (QDesktopServices in the program) and says
// whether a mail program took it; when none did, the player is given the address to write to.
// The message names the real working folder.
void mnuMailAutorovi_Click(services::Dialogs& dialogs, const QString& workingFolder,
                           const std::function<bool(const QUrl&)>& openUrl);

}  // namespace auxwin

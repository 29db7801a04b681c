#pragma once

#include <QString>

namespace services {
class Dialogs;
}
namespace spreadsheet {
class Application;
}

namespace songs {

// A workbook holding what Mechík cannot save (drawings, charts, macros) is never written
// over: the player is asked whether to go on in a copy beside it, which keeps everything
// else. True when the active workbook can be worked on (it held nothing of the kind, or it is
// the copy now); false when the player declined or the copy could not be made, and the
// workbook is closed.
bool continueInCopyIfNeeded(spreadsheet::Application& host, services::Dialogs& dialogs);

// "Polka – kopie.xls" beside "Polka.xls", or "Polka – kopie (2).xls" and so on when taken.
QString copyPathFor(const QString& original);

}  // namespace songs

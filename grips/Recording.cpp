#include "Recording.h"

#include "Navigation.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/KeyboardView.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongLayout.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/ToneLookup.h"
#include "tones/TuningSelection.h"
#include "tones/TuningSheetLayout.h"

namespace grips {

using keyboard::Side;

namespace {

constexpr int MaxButtonsPerHand = 7;

}  // namespace

Recording::Recording(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                     keyboard::KeyboardView& keyboard, tones::TuningSelection& tuning,
                     Navigation& navigation, std::function<keyboard::Numbering()> numbering)
    : connection_(connection),
      dialogs_(dialogs),
      keyboard_(keyboard),
      tuning_(tuning),
      navigation_(navigation),
      numbering_(std::move(numbering)) {}

// As the sentence's subject: "Knoflík 5 ve vnější řadě", "Basový knoflík 11".
QString Recording::buttonName(bool treble, int button) const {
    QString name = treble ? keyboard::trebleButtonName(button, numbering_())
                          : keyboard::bassButtonName(button);
    name[0] = name[0].toUpper();
    return name;
}

void Recording::cmdTlak_Click() {
    RecordPush = true;
    RecordGrip();
}

void Recording::cmdTah_Click() {
    RecordPush = false;
    RecordGrip();
}

// B..I and M..T of the current row, to put back as they were (numbers stay numbers) when a
// grip cannot be written whole.
std::vector<spreadsheet::CellValue> Recording::rowBefore() {
    auto& host = *connection_.SpreadsheetApplication;
    std::vector<spreadsheet::CellValue> cells;
    for (int i = 0; i <= songs::DirectionOffset; ++i) {
        cells.push_back(host.activeCell().offset(0, i).value());
    }
    for (int i = 0; i <= songs::BassColumns; ++i) {
        cells.push_back(host.activeCell().offset(0, songs::BassOffset + i).value());
    }
    return cells;
}

void Recording::restoreRow(const std::vector<spreadsheet::CellValue>& cells) {
    auto& host = *connection_.SpreadsheetApplication;
    host.activateWindow(connection_.SongWorkbookName);
    songs::SelectGripCell(host);
    size_t k = 0;
    for (int i = 0; i <= songs::DirectionOffset; ++i) {
        host.activeCell().offset(0, i).setValue(cells[k++]);
    }
    for (int i = 0; i <= songs::BassColumns; ++i) {
        host.activeCell().offset(0, songs::BassOffset + i).setValue(cells[k++]);
    }
}

void Recording::RecordGrip() {
    auto& host = *connection_.SpreadsheetApplication;
    std::vector<spreadsheet::CellValue> before;
    try {
        host.activateWindow(connection_.SongWorkbookName);
        songs::SelectGripCell(host);
        if (!tuning_.SelectSongTuning()) {
            return;
        }
        before = rowBefore();
        host.activeCell().range(QStringLiteral("A1:H1")).clearContents();
        const int treble = writeButtons(true);
        const bool bass = RecordBassGrip();
        songs::SelectGripCell(host);
        if (treble == 0 && !bass) {
            return;
        }
        host.activeCell()
            .offset(0, songs::DirectionOffset)
            .setValue(spreadsheet::CellValue(RecordPush ? songs::Push : songs::Pull));
        navigation_.advanceAfterWriting();
    } catch (const MissingButton& missing) {
        restoreRow(before);
        dialogs_.message(QStringLiteral("Hmat nebyl zapsán."), missing.text,
                         services::MessageIcon::Critical);
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
    }
}

bool Recording::RecordBassGrip() {
    auto& host = *connection_.SpreadsheetApplication;
    host.range(QStringLiteral("M%1").arg(host.activeCell().row())).select();
    host.activeCell().range(QStringLiteral("A1:H1")).clearContents();
    return writeButtons(false) > 0;
}

// The tones of the marked buttons of one hand, in button order, packed from the active cell
// rightwards. Returns how many were written.
int Recording::writeButtons(bool treble) {
    auto& host = *connection_.SpreadsheetApplication;
    const Side side = treble ? Side::Treble : Side::Bass;
    const int count = treble ? keyboard::TrebleButtonCount : keyboard::BassButtonCount;
    int written = 0;
    for (int button = 1; button <= count; ++button) {
        if (!keyboard_.isMarked(side, button)) {
            continue;
        }
        if (written == MaxButtonsPerHand) {
            if (treble) {
                dialogs_.message(QStringLiteral("Diagnóza mnohoprstost."),
                                 QStringLiteral("Páč asi nemáte více než sedm prstů na pravé "
                                                "ruce, program se Vám na zápis dalších knoflíků "
                                                "se vší úctou u tohoto hmatu vykašle. Sťěžovat si "
                                                "můžete u ") +
                                     services::ContactLine,
                                 services::MessageIcon::Critical);
            } else {
                dialogs_.message(QStringLiteral("Sdělení pro mutanty."),
                                 QStringLiteral("Spočítejte si prosím prsty na levé ruce a pokud "
                                                "jich máte více než sedm, volejte odbornou "
                                                "pomoc: ") +
                                     services::ContactLine,
                                 services::MessageIcon::Critical);
            }
            break;
        }
        const QString tone = toneOfButton(treble, button);
        host.activateWindow(connection_.SongWorkbookName);
        if (tone.isEmpty()) {
            dialogs_.message(
                QStringLiteral("Knoflík bez tónu."),
                QStringLiteral("%1 nedává v ladění %2 při %3 měchu žádný tón, proto nebyl zapsán.")
                    .arg(buttonName(treble, button), host.activeSheet().name(),
                         RecordPush ? QStringLiteral("tlačení") : QStringLiteral("tažení")),
                services::MessageIcon::Exclamation);
            continue;
        }
        host.activeCell().setValue(spreadsheet::CellValue(tone));
        host.activeCell().offset(0, 1).select();
        ++written;
    }
    return written;
}

// The button's tone for the chosen direction in the song's tuning, looked up by its whole
// number in column A.
QString Recording::toneOfButton(bool treble, int button) {
    auto& host = *connection_.SpreadsheetApplication;
    host.activateWindow(connection_.TuningWorkbookName);
    const QString tuning = host.activeSheet().name();
    const tones::KeyboardSide side =
        treble ? tones::KeyboardSide::Treble : tones::KeyboardSide::Bass;
    host.range(tones::buttonNumberRange(side)).select();
    if (!tones::findWholeCell(host, QString::number(button))) {
        throw MissingButton{QStringLiteral("%1 v ladění %2 chybí, hmat proto nebyl zapsán.")
                                .arg(buttonName(treble, button), tuning)};
    }
    const tones::Bellows bellows = RecordPush ? tones::Bellows::Push : tones::Bellows::Pull;
    return host.activeCell().offset(0, tones::columnsBackToButton(side, bellows)).text();
}

}  // namespace grips

#include "ShowCommand.h"

#include "CliMessages.h"
#include "RecordedDialogs.h"
#include "ScratchHost.h"

#include "grips/DirectionColour.h"
#include "grips/GripDisplay.h"
#include "grips/GripReader.h"
#include "grips/GripText.h"
#include "grips/StaffState.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/KeyboardView.h"
#include "services/CommandGuard.h"
#include "services/Dialogs.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningSelection.h"

#include <QFileInfo>

namespace tools {

namespace {

// What the window shows as text and colour is not printed.
class UnseenGripText : public grips::GripText {
public:
    void showSyllable(int, const QString&) override {}
    void showCaptions(bool) override {}
    void showTrebleLine(const QString&) override {}
    void showBassLine(const QString&) override {}
};

class UnseenDirection : public grips::DirectionColour {
public:
    void showDirection(grips::ShownDirection) override {}
};

QString escapeLineBreaks(QString text) {
    return text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
}

QString describeButtons(const keyboard::KeyboardView& keys, keyboard::Side side) {
    const bool treble = side == keyboard::Side::Treble;
    const int count = treble ? keyboard::TrebleButtonCount : keyboard::BassButtonCount;
    const int rest = treble ? keyboard::TrebleRestPicture : keyboard::BassRestPicture;
    QString out;
    for (int n = 1; n <= count; ++n) {
        if (keys.pictureOf(side, n) != rest) {
            out += QStringLiteral("%1\t%2\t%3\n")
                       .arg(treble ? QStringLiteral("Obr") : QStringLiteral("ObrBas"))
                       .arg(n)
                       .arg(keys.pictureOf(side, n));
        }
    }
    return out;
}

QString describe(const keyboard::KeyboardView& keys, const grips::StaffState& staff,
                 const RecordedDialogs& dialogs) {
    QString out =
        describeButtons(keys, keyboard::Side::Treble) + describeButtons(keys, keyboard::Side::Bass);
    const std::pair<const char*, grips::StaffSign> images[] = {
        {"imgNota", grips::StaffSign::Note},
        {"imgBecko", grips::StaffSign::Flat},
        {"imgKrizek", grips::StaffSign::Sharp}};
    for (const auto& [name, sign] : images) {
        for (int i = 0; i < tones::StaffAccidentals::SlotCount; ++i) {
            if (staff.isShown(sign, i)) {
                out += QStringLiteral("%1\t%2\t%3\n")
                           .arg(QString::fromLatin1(name))
                           .arg(i)
                           .arg(staff.shownTop(sign, i));
            }
        }
    }
    for (const auto& [title, text] : dialogs.shown) {
        out += QStringLiteral("msg\t") + escapeLineBreaks(title) + u'\t' + escapeLineBreaks(text) +
               u'\n';
    }
    return out;
}

}  // namespace

int showGrip(const QString& songPath, int row, bool push, const QString& tuningDatabase,
             QString& output, QString& error) {
    RecordedDialogs dialogs;
    ScratchHost scratch;
    if (!scratch.start(tuningDatabase, QFileInfo(songPath).absolutePath(), nullptr, error)) {
        return 1;
    }
    auto& connection = scratch.connection;
    auto& host = *connection.SpreadsheetApplication;
    try {
        host.openWorkbook(songPath);
    } catch (const spreadsheet::SpreadsheetError& e) {
        error = e.description();
        return 1;
    }
    connection.SongWorkbookName = host.activeWorkbook().name();

    keyboard::KeyboardState keys;
    grips::StaffState staff;
    UnseenGripText text;
    UnseenDirection direction;
    tones::TuningSelection tuning(connection, dialogs, [](const QString&) {});
    grips::GripDisplay display(text, connection, keys, staff);
    grips::GripReader reader(connection, dialogs, keys, staff, display, text, direction, tuning);
    // A failure nobody foresaw is one more message, as the window would show it.
    services::CommandGuard guard(dialogs);
    guard.run([&] {
        host.range(QStringLiteral("B%1").arg(row)).select();
        if (push) {
            reader.cmdReadTlak_Click();
        } else {
            reader.cmdReadTah_Click();
        }
    });
    output = describe(keys, staff, dialogs);
    // The song is only looked at: the host ends with it unsaved.
    return 0;
}

}  // namespace tools

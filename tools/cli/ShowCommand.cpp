#include "ShowCommand.h"

#include "CliMessages.h"
#include "RecordedDialogs.h"

#include "app/Form1.h"
#include "keyboard/Keyboard.h"
#include "services/CommandGuard.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/GripReader.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

namespace tools {

namespace {

QString escapeLineBreaks(QString text) {
    return text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
}

QString describe(app::Form1& form, const RecordedDialogs& dialogs) {
    QString out;
    auto& keys = form.keyboard();
    for (int n = 1; n <= 37; ++n) {
        if (keys.pictureOf(keyboard::Side::Treble, n) != 101) {
            out += QStringLiteral("Obr\t%1\t%2\n")
                       .arg(n)
                       .arg(keys.pictureOf(keyboard::Side::Treble, n));
        }
    }
    for (int n = 1; n <= 12; ++n) {
        if (keys.pictureOf(keyboard::Side::Bass, n) != 107) {
            out += QStringLiteral("ObrBas\t%1\t%2\n")
                       .arg(n)
                       .arg(keys.pictureOf(keyboard::Side::Bass, n));
        }
    }
    const auto& staff = form.staff();
    const std::pair<const char*, const std::array<views::TwipPicture*, 5>*> images[] = {
        {"imgNota", &staff.imgNota},
        {"imgBecko", &staff.imgBecko},
        {"imgKrizek", &staff.imgKrizek}};
    for (const auto& [name, pictures] : images) {
        for (int i = 0; i < 5; ++i) {
            const views::TwipPicture* picture = (*pictures)[static_cast<size_t>(i)];
            if (!picture->isHidden()) {
                out += QStringLiteral("%1\t%2\t%3\n")
                           .arg(QString::fromLatin1(name))
                           .arg(i)
                           .arg(picture->twipTop());
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
    // Nothing of the player's own settings or folders is used or changed.
    QTemporaryDir scratch;
    RecordedDialogs dialogs;
    services::ProgramSettings settings(scratch.filePath(QStringLiteral("mechik.ini")));
    const services::ProgramEnvironment environment{
        QFileInfo(tuningDatabase).absolutePath(), scratch.path(),
        scratch.filePath(QStringLiteral("host.ini")), tuningDatabase};
    app::Form1 form(environment, dialogs, settings, nullptr);
    if (!form.Form_Load()) {
        error = dialogs.shown.empty() ? DatabaseNotOpened
                                      : dialogs.shown.back().second.replace(QStringLiteral("\r\n"),
                                                                            QStringLiteral(" "));
        return 1;
    }
    auto& connection = form.connection();
    auto& host = *connection.SpreadsheetApplication;
    try {
        host.openWorkbook(songPath);
    } catch (const spreadsheet::SpreadsheetError& e) {
        error = e.description();
        form.close();
        return 1;
    }
    connection.SongWorkbookName = host.activeWorkbook().name();
    // A failure nobody foresaw is one more message, as the window would show it.
    services::CommandGuard guard(dialogs);
    guard.run([&] {
        host.range(QStringLiteral("B%1").arg(row)).select();
        if (push) {
            form.reader().cmdReadTlak_Click();
        } else {
            form.reader().cmdReadTah_Click();
        }
    });
    output = describe(form, dialogs);
    // The song is only looked at: it is closed unsaved before the window ends.
    host.workbook(connection.SongWorkbookName).close();
    form.close();
    return 0;
}

}  // namespace tools

#include "GripReader.h"

#include "DirectionColour.h"
#include "GripDisplay.h"
#include "GripText.h"
#include "StaffView.h"
#include "keyboard/KeyboardView.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetConnection.h"
#include "services/VbError.h"
#include "songs/SongLayout.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/ToneLookup.h"
#include "tones/TuningSelection.h"
#include "tones/TuningSheetLayout.h"
#include "tones/clsNoty.h"

namespace grips {

using tones::findWholeCell;
using tones::KeyboardSide;
using tones::TuningReach;

namespace {

const QString NoSuchTone = QStringLiteral("Neexistující tón.");

struct Lookup {
    int first;  // picture of the first button; further buttons take first + 1
    int bassFirst;
    const char* directionText;
};

Lookup lookupFor(Bellows bellows) {
    if (bellows == Bellows::Pull) {
        return {103, 109, " při tažení měchu na této knoflovce neexistuje !"};
    }
    return {105, 111, " při tlačení měchu na této knoflovce neexistuje !"};
}

constexpr int StaffPictureCount = 5;

// The grip's display stops here; what was drawn so far stays.
struct StopDisplay {};

}  // namespace

GripReader::GripReader(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                       keyboard::KeyboardView& keyboard, StaffView& staff, GripDisplay& display,
                       GripText& text, DirectionColour& direction, tones::TuningSelection& tuning)
    : connection_(connection),
      dialogs_(dialogs),
      keyboard_(keyboard),
      staff_(staff),
      display_(display),
      text_(text),
      direction_(direction),
      tuning_(tuning) {}

void GripReader::read(Bellows bellows) {
    readTreble(bellows);
    readBass(bellows);
    // A display that stopped half-way may have left the tuning database active; a song that
    // is gone has been reported already.
    if (!connection_.ActivateSongWindow()) {
        return;
    }
    try {
        songs::SelectGripCell(*connection_.SpreadsheetApplication);
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
        return;
    }
    if (onGripLit) {
        onGripLit(connection_.SpreadsheetApplication->activeCell().row());
    }
}

bool GripReader::showByItsDirection() {
    auto& host = *connection_.SpreadsheetApplication;
    const QString direction = host.activeCell().offset(0, songs::DirectionOffset).text();
    if (direction == songs::Push) {
        cmdReadTlak_Click();
        direction_.showDirection(ShownDirection::Push);
        return true;
    }
    if (direction == songs::Pull) {
        cmdReadTah_Click();
        direction_.showDirection(ShownDirection::Pull);
        return true;
    }
    return false;
}

void GripReader::readTreble(Bellows bellows) {
    display_.ReleaseTreble();
    display_.ReleaseBass();
    direction_.showDirection(ShownDirection::Rest);
    auto& host = *connection_.SpreadsheetApplication;
    try {
        host.activateWindow(connection_.SongWorkbookName);
    } catch (const spreadsheet::SpreadsheetError&) {
        services::showHostGone(dialogs_, QStringLiteral("Soubor nelze aktivovat !"));
        return;
    }
    try {
        walkTreble(bellows);
    } catch (const StopDisplay&) {
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
    } catch (const services::VbError& error) {  // a tuning row whose number is no button of ours
        services::showUnexpectedError(dialogs_, error.number);
    }
}

void GripReader::walkTreble(Bellows bellows) {
    auto& host = *connection_.SpreadsheetApplication;
    songs::SelectGripCell(host);
    display_.ShowGripText();
    if (host.activeCell().value().isEmpty() || !tuning_.SelectSongTuning()) {
        return;
    }
    int notes = 0;
    int accidentals = 0;
    while (!host.activeCell().value().isEmpty()) {
        const QString tone = host.activeCell().text();
        if (tone == songs::Push || tone == songs::Pull) {
            dialogs_.message(QStringLiteral("Kolik máte prstů ?"),
                             QStringLiteral("Maximální počet současně stisknutých knoflíků je "
                                            "sedm.\r\nPřípadné další zapsané tóny v tomto hmatu "
                                            "budou ignorovány."),
                             services::MessageIcon::Exclamation);
            return;
        }
        showTone(bellows, tone, notes, accidentals);
        host.activateWindow(connection_.SongWorkbookName);
        host.activeCell().offset(0, 1).select();
    }
}

// Looks the tone up (or its other spelling), colours its buttons and draws it; false when the
// tuning has neither spelling.
bool GripReader::showTone(Bellows bellows, const QString& tone, int& notes, int& accidentals) {
    auto& host = *connection_.SpreadsheetApplication;
    const Lookup lookup = lookupFor(bellows);
    tones::clsNoty noty(dialogs_);
    QString shown = tone;
    connection_.ActivateTuningWindow(dialogs_);
    host.range(toneRange(KeyboardSide::Treble, bellows, TuningReach::Shown)).select();
    if (!findWholeCell(host, tone)) {
        const QString alternative = noty.AlternativeToneName(tone);
        if (alternative == QStringLiteral("nejde")) {
            missing(NoSuchTone,
                    QStringLiteral("Tón ") + tone + QString::fromUtf8(lookup.directionText) +
                        QStringLiteral("\rNeregistruji pro tento tón ani žádné alternativní "
                                       "pojmenování."));
            return false;
        }
        if (!findWholeCell(host, alternative)) {
            missing(NoSuchTone, QStringLiteral("Tón ") + tone +
                                    QStringLiteral(" ani jeho alternativní název ") + alternative +
                                    QString::fromUtf8(lookup.directionText));
            return false;
        }
        shown = alternative;
    }
    markButtons(true, bellows);

    const QString place = noty.ZobrazNotu(shown);
    QString offset = place;
    if (!place.isEmpty() && !place[0].isDigit()) {
        offset = place.mid(1);
        // Five signs are all the staff has: a sixth tone is refused just below in any case.
        if (accidentals < StaffPictureCount && (place[0] == u'b' || place[0] == u'k')) {
            const StaffSign sign = place[0] == u'b' ? StaffSign::Flat : StaffSign::Sharp;
            staff_.showAt(sign, accidentals, staff_.shownTop(sign, accidentals) - offset.toInt());
            ++accidentals;
        } else if (place[0] != u'b' && place[0] != u'k') {
            dialogs_.message(services::ProgramTitle, QStringLiteral("Neznámý půltón"),
                             services::MessageIcon::None);
        }
    }
    if (notes == StaffPictureCount) {
        dialogs_.message(QStringLiteral("Mnohoprstost !"),
                         QStringLiteral("Maximální počet současně stisknutých knoflíků pravou "
                                        "rukou je pět.\rJe to podle počtu prstů na pravé ruce.\r"
                                        "Jestliže jste víceprstý mutant, kontaktujte prosím "
                                        "autora a bude\rpro Vás zdarma vyrobena specielní verze "
                                        "Mechíka."),
                         services::MessageIcon::Critical);
        throw StopDisplay{};
    }
    staff_.showAt(StaffSign::Note, notes, staff_.shownTop(StaffSign::Note, notes) - offset.toInt());
    ++notes;
    return true;
}

// The active cell is the first exact hit: its button gets the first picture; three more
// searches give other buttons of the same tone the further picture.
void GripReader::markButtons(bool treble, Bellows bellows) {
    auto& host = *connection_.SpreadsheetApplication;
    const Lookup lookup = lookupFor(bellows);
    const int back =
        columnsBackToButton(treble ? KeyboardSide::Treble : KeyboardSide::Bass, bellows);
    const keyboard::Side side = treble ? keyboard::Side::Treble : keyboard::Side::Bass;
    const int firstPicture = treble ? lookup.first : lookup.bassFirst;
    const QString value = host.activeCell().text();
    const int first = host.activeCell().offset(0, -back).value().numberValue();
    keyboard_.setPicture(side, first, firstPicture);
    for (int i = 0; i < 3; ++i) {
        if (!findWholeCell(host, value)) {
            break;
        }
        const int button = host.activeCell().offset(0, -back).value().numberValue();
        if (button != first) {
            keyboard_.setPicture(side, button, firstPicture + 1);
        }
    }
}

void GripReader::readBass(Bellows bellows) {
    try {
        walkBass(bellows);
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
    } catch (const services::VbError& error) {
        services::showUnexpectedError(dialogs_, error.number);
    }
}

void GripReader::walkBass(Bellows bellows) {
    auto& host = *connection_.SpreadsheetApplication;
    const Lookup lookup = lookupFor(bellows);
    host.activateWindow(connection_.SongWorkbookName);
    host.range(QStringLiteral("M%1").arg(host.activeCell().row())).select();
    QString line;
    for (int i = 0; i < 8; ++i) {
        line += host.activeCell().offset(0, i).text() + u' ';
    }
    text_.showBassLine(line);
    if (host.activeCell().value().isEmpty() || !tuning_.SelectSongTuning()) {
        return;
    }
    while (!host.activeCell().value().isEmpty()) {
        const QString bass = host.activeCell().text();
        connection_.ActivateTuningWindow(dialogs_);
        host.range(toneRange(KeyboardSide::Bass, bellows, TuningReach::Shown)).select();
        if (findWholeCell(host, bass)) {
            markButtons(false, bellows);
        } else {
            missing(QStringLiteral("Neexistující bas."),
                    QStringLiteral("Basový tón ") + bass + QString::fromUtf8(lookup.directionText));
        }
        host.activateWindow(connection_.SongWorkbookName);
        host.activeCell().offset(0, 1).select();
    }
}

void GripReader::missing(const QString& title, const QString& text) {
    dialogs_.message(title, text, services::MessageIcon::Critical);
}

}  // namespace grips

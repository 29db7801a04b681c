// What a player types for a button's tone: stored in the database's own form, or refused with
// a message that says what is wrong with it.
#include "tunings/ToneEntry.h"

#include "music/Pitch.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tunings::checkBassEntry;
using tunings::checkTrebleEntry;

TEST(ToneEntry, TonesAreStoredInTheDatabasesForm) {
    const std::pair<const char*, const char*> treble[] = {
        {"cis1", "cis1,"}, {" es2 ", "es2,"},  {"as", "as,"},    {"b1,", "b1,"}, {"c", "c,"},
        {"g4", "g4,"},     {"his3,", "his3,"}, {"hes,", "hes,"}, {"  ", ""}};
    for (const auto& [typed, stored] : treble) {
        EXPECT_EQ(checkTrebleEntry(QString::fromUtf8(typed)).text, QString::fromUtf8(stored))
            << typed;
        EXPECT_EQ(checkTrebleEntry(QString::fromUtf8(typed)).problem, QString()) << typed;
    }
    for (const char* typed :
         {"C", "Fis", "B", "H", "Es", "As", "Des", "(C)", "(Am)", "(Fism)", ""}) {
        EXPECT_EQ(checkBassEntry(QString::fromUtf8(typed)).text, QString::fromUtf8(typed));
        EXPECT_EQ(checkBassEntry(QString::fromUtf8(typed)).problem, QString()) << typed;
    }
    EXPECT_EQ(checkBassEntry(" (G) ").text, "(G)");
}

TEST(ToneEntry, EachWrongEntrySaysWhatIsWrong) {
    const std::pair<const char*, const char*> treble[] = {
        {"Cis1",
         "„Cis1“ není tón: tóny diskantu se píší malým písmenem (c, d, e, f, g, a, h, b); "
         "velkým se píší basy."},
        {"x1,", "„x1,“ není tón: tón začíná malým písmenem c, d, e, f, g, a, h nebo b."},
        {"bes1", "„bes1“ není tón: po b už „is“ ani „es“ nenásleduje (b je samo snížené h)."},
        {"aes1,", "„aes1,“ není tón: po a smí následovat jen „is“ nebo „s“."},
        {"ds1", "„ds1“ není tón: po d smí následovat jen „is“ nebo „es“."},
        {"c5,", "„c5,“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice)."},
        {"c1,,", "„c1,,“ není tón: za čárkou už nic být nesmí."},
        {"c12,",
         "„c12,“ není tón: tón se píše písmenem, případně „is“ nebo „es“, číslicí oktávy 1 "
         "až 4 a čárkou, např. „cis1,“."},
        // Written as the grammar allows, but below or above the staff.
        {"ces,", "„ces,“ nelze zapsat: leží mimo rozsah osnovy (c, až g4,)."},
        {"gis4", "„gis4“ nelze zapsat: leží mimo rozsah osnovy (c, až g4,)."},
    };
    for (const auto& [typed, message] : treble) {
        EXPECT_EQ(checkTrebleEntry(QString::fromUtf8(typed)).problem, QString::fromUtf8(message))
            << typed;
        EXPECT_EQ(checkTrebleEntry(QString::fromUtf8(typed)).text, QString()) << typed;
    }
    const std::pair<const char*, const char*> bass[] = {
        {"c",
         "basy se píší velkým písmenem (C, D, E, F, G, A, H, B); malým se píší tóny diskantu."},
        {"X", "bas začíná velkým písmenem C, D, E, F, G, A, H nebo B."},
        {"(C", "akord se píše celý v závorkách: „(C)“ dur, „(Cm)“ moll."},
        {"((C))", "akord se píše celý v závorkách: „(C)“ dur, „(Cm)“ moll."},
        {"Bes", "po B už „is“ ani „es“ nenásleduje (B je samo snížené H)."},
        {"Ees", "po E smí následovat jen „is“ nebo „s“."},
        {"Cm", "mollový akord se píše v závorkách, např. „(Am)“."},
        {"(D7)",
         "bas je jednotlivý tón („C“, „Fis“, „B“), akord dur („(C)“) nebo moll („(Cm)“); jiné "
         "akordy program nezná."},
    };
    for (const auto& [typed, reason] : bass) {
        const QString text = QString::fromUtf8(typed);
        EXPECT_EQ(checkBassEntry(text).problem,
                  QStringLiteral("„%1“ není bas: %2").arg(text, QString::fromUtf8(reason)));
        EXPECT_EQ(checkBassEntry(text).text, QString()) << typed;
    }
}

// Whatever is stored sounds: the check and the pitch mapping agree on every short text.
TEST(ToneEntry, EveryStoredEntryHasAPitch) {
    const QString alphabet = "cdefgahbCDEFGAHBis,m()1459";
    for (const QChar a : alphabet) {
        for (const QChar b : alphabet) {
            for (const QChar c : alphabet) {
                const QString typed = QString(a) + b + c;
                const auto treble = checkTrebleEntry(typed);
                const auto pitch = music::tonePitch(treble.text);
                EXPECT_EQ(treble.problem.isEmpty(),
                          pitch && !music::toneNameOfPitch(*pitch).isEmpty())
                    << typed.toStdString();
                const auto bass = checkBassEntry(typed);
                EXPECT_EQ(bass.problem.isEmpty(), music::parseBass(bass.text).has_value())
                    << typed.toStdString();
            }
        }
    }
}

#include "tones/StaffPositionTable.h"
#include "tones/clsNoty.h"

#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using services::MessageButtons;
using services::MessageIcon;
using testing_support::ScriptedDialogs;
using tones::clsNoty;
using tones::PicturePlace;
using Messages = std::vector<ScriptedDialogs::Message>;

namespace {

ScriptedDialogs::Message shown(const QString& title, const QString& text, MessageIcon icon) {
    return {title, text, icon, MessageButtons::Ok};
}

const QString Unexpected = QStringLiteral("Neočekávaná hodnota !");
const auto UnknownTone =
    shown(QStringLiteral("Knoflovka"), QStringLiteral("Neznámý tón !"), MessageIcon::Critical);
const auto SecondChar = shown(QStringLiteral("druhý znak tónu"), Unexpected, MessageIcon::Critical);
const auto ThirdChar = shown(QStringLiteral("třetí znak tónu"), Unexpected, MessageIcon::Critical);
const auto FourthChar =
    shown(QStringLiteral("čtvrtý znak tónu"), Unexpected, MessageIcon::Critical);

// The staff with its accidental pictures parked away from every note, as when none is placed.
// Signs stand at the staff's Left unless a test moves them beside it.
struct Staff : tones::StaffAccidentals {
    std::array<PicturePlace, 5> flats{{{3240, 0}, {3240, 0}, {3240, 0}, {3240, 0}, {3240, 0}}};
    std::array<PicturePlace, 5> sharps{{{3150, 0}, {3150, 0}, {3150, 0}, {3150, 0}, {3150, 0}}};
    PicturePlace flat(int slot) const override { return flats.at(slot); }
    PicturePlace sharp(int slot) const override { return sharps.at(slot); }
};

class Tones : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    clsNoty noty{dialogs};
    Staff staff;
};

}  // namespace

TEST_F(Tones, PlacesNaturalAndAlteredTonesWithTheirMarker) {
    // "c1" and the like: a name may end right after its octave digit
    const std::vector<std::pair<QString, QString>> cases{
        {"c,", "0"},       {"h,", "360"},      {"g4,", "1920"},    {"c1,", "420"},
        {"b,", "b360"},    {"b1,", "b780"},    {"cis,", "k0"},     {"cis1,", "k420"},
        {"dis1,", "k480"}, {"his2,", "k1200"}, {"des1,", "b480"},  {"es1,", "b540"},
        {"as1,", "b720"},  {"ces,", "b0"},     {"fes3,", "b1440"}, {"as,", "b300"},
        {"c1", "420"},     {"cis1", "k420"},   {"es2", "b960"}};
    for (const auto& [name, place] : cases) {
        EXPECT_EQ(noty.ZobrazNotu(name), place) << name.toStdString();
    }
    EXPECT_EQ(dialogs.take(), Messages{});
}

TEST_F(Tones, EveryStaffPlaceLiesWhereItsNameSays) {
    const auto positions = tones::staffPositions();
    ASSERT_EQ(positions.size(), 33u);
    for (const auto& p : positions) {
        const QString name = QString::fromUtf16(p.name);
        EXPECT_TRUE(tones::isToneName(name)) << name.toStdString();
        EXPECT_EQ(tones::staffPositionName(p.top), name);
        EXPECT_EQ(noty.ZobrazNotu(name), QString::number(7340 - p.top)) << name.toStdString();
    }
    for (int top : {7400, 7339, 6921, 5360, 0, -7340}) {
        EXPECT_EQ(tones::staffPositionName(top), QString()) << top;
    }
    EXPECT_EQ(dialogs.take(), Messages{});
}

// Each bad or missing character is reported by its position, and the name is read on.
TEST_F(Tones, ReportsEachBadOrMissingCharacterAndReadsOn) {
    const std::vector<std::tuple<QString, QString, Messages>> cases{
        {"c5,", "0", {SecondChar}},
        {"x1,", "420", {UnknownTone}},
        {"C,", "0", {UnknownTone}},
        {"cisx", QString(), {FourthChar}},
        {"cix2,", "k840", {ThirdChar}},  // a bad third character still lets the fourth end the name
        {"c0,", "0", {SecondChar}},
        {"", QString(), {UnknownTone, SecondChar, ThirdChar, FourthChar}},
        {"c", QString(), {SecondChar, ThirdChar, FourthChar}},
        {"ci", QString(), {ThirdChar, FourthChar}},
        {"cis", QString(), {FourthChar}}};
    for (const auto& [name, place, messages] : cases) {
        EXPECT_EQ(noty.ZobrazNotu(name), place) << name.toStdString();
        EXPECT_EQ(dialogs.take(), messages) << name.toStdString();
    }
}

TEST_F(Tones, GivesTheEnharmonicSpellingInTheSameOctave) {
    // "cis5,": any digit before the comma is taken for the octave
    const std::vector<std::pair<QString, QString>> cases{
        {"cis1,", "des1,"}, {"des1,", "cis1,"}, {"dis,", "es,"},   {"es1,", "dis1,"},
        {"fes,", "e,"},     {"e2,", "fes2,"},   {"eis3,", "f3,"},  {"f,", "eis,"},
        {"fis4,", "ges4,"}, {"ges1,", "fis1,"}, {"gis2,", "as2,"}, {"as,", "gis,"},
        {"ais,", "b,"},     {"b1,", "ais1,"},   {"cis5,", "des5,"}};
    for (const auto& [name, alternative] : cases) {
        EXPECT_EQ(noty.AlternativeToneName(name), alternative) << name.toStdString();
    }
    for (const QString name :
         {"c1,", "d,", "g2,", "a,", "h3,", "ces,", "his1,", "", ",", "1,", "x", "cis", "e22,"}) {
        EXPECT_EQ(noty.AlternativeToneName(name), "nejde") << name.toStdString();
    }
    EXPECT_EQ(dialogs.take(), Messages{});
}

TEST_F(Tones, ReadsPlainNotesOffTheStaffAndOnlyAccidentalsInTheirPlaces) {
    EXPECT_EQ(noty.StaffNoteName(7340, staff), "c,");
    EXPECT_EQ(noty.StaffNoteName(5420, staff), "g4,");
    // pictures near the note but not at its accidental places do nothing
    staff.flats[0].top = 6920 - 110;
    staff.sharps[0].top = 6920 - 140;
    staff.flats[1].top = 6920 - 141;
    staff.sharps[1].top = 6920 - 109;
    EXPECT_EQ(noty.StaffNoteName(6920, staff), "c1,");
    // not a note place: nothing, and no message
    EXPECT_EQ(noty.StaffNoteName(6921, staff), QString());
    EXPECT_EQ(dialogs.take(), Messages{});

    // Resting beside the staff, at the Top of their release place, signs mark no note: a flat
    // at 5760 would otherwise turn the f3 at 5900 into e3.
    staff = Staff{};
    staff.flats[0] = {2280, 5760};
    staff.sharps[0] = {1680, 5790};
    EXPECT_EQ(noty.StaffNoteName(5900, staff), QStringLiteral("f3,"));
    staff.flats[0].left = 3240;
    EXPECT_EQ(noty.StaffNoteName(5900, staff), QStringLiteral("e3,"));
}

// A flat stands 140 twips above its note, a sharp 110; tones no tuning has are moved or refused.
TEST_F(Tones, AppliesAnAccidentalStandingAboveTheNote) {
    const QString notInTuning =
        QStringLiteral("Nota %1 se nevyskytuje v žádném ladění u knoflovek.");
    const auto moved = [&](const char* title, const char* tone, const char* written,
                           MessageIcon icon) {
        return Messages{
            shown(QString::fromUtf8(title),
                  notInTuning.arg(QLatin1String(tone)) +
                      QStringLiteral(" Bude zapsáno, jako %1.").arg(QLatin1String(written)),
                  icon)};
    };
    const auto refused = [&](const char* title, const char* tone, const char* correction) {
        return Messages{shown(QString::fromUtf8(title),
                              notInTuning.arg(QLatin1String(tone)) +
                                  QStringLiteral("\rNota nebude zapsána ! ") +
                                  QString::fromUtf8(correction),
                              MessageIcon::Critical)};
    };
    const char* flatMoved = "Béčko úprava.";
    const char* sharpWrong = "Křížek na nesprávném místě !";
    struct Case {
        bool flat;
        int top;
        QString name;
        Messages messages;
    };
    const std::vector<Case> cases{
        {true, 6440, "des2,", {}},
        {true, 7220, "es,", {}},
        {true, 6620, "as1,", {}},
        {true, 6560, "b1,", {}},
        {true, 6980, "b,", {}},
        {true, 6920, QString(),
         refused("Béčko na nesprávném místě !", "ces",
                 "Opravte na h. (poslední tón předcházející oktávy)")},
        {true, 6740, "e1,", moved(flatMoved, "fes", "e", MessageIcon::Exclamation)},
        {true, 5840, "fis3,", moved(flatMoved, "ges", "fis", MessageIcon::Information)},
        {false, 6920, "cis1,", {}},
        {false, 7280, "dis,", {}},
        {false, 6320, "fis2,", {}},
        {false, 5840, "gis3,", {}},
        {false, 7040, "ais,", {}},
        {false, 5540, "f4,", moved(sharpWrong, "eis", "f", MessageIcon::Exclamation)},
        {false, 6560, QString(),
         refused(sharpWrong, "his", "Opravte na c. (začátek vyšší oktávy)")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        staff = Staff{};
        if (c.flat) {
            staff.flats[2].top = c.top - 140;
        } else {
            staff.sharps[4].top = c.top - 110;
        }
        EXPECT_EQ(noty.StaffNoteName(c.top, staff), c.name);
        EXPECT_EQ(dialogs.take(), c.messages);
    }
}

TEST_F(Tones, OnlyTheFirstMatchingAccidentalCounts) {
    // same slot: the flat wins
    staff.flats[1].top = 6440 - 140;
    staff.sharps[1].top = 6440 - 110;
    EXPECT_EQ(noty.StaffNoteName(6440, staff), "des2,");
    // a sharp in a lower slot beats a flat in a higher one
    staff.sharps[0].top = 6440 - 110;
    EXPECT_EQ(noty.StaffNoteName(6440, staff), "dis2,");
    // the winning sharp on h refuses the note even though a flat would have made it b
    staff = Staff{};
    staff.sharps[0].top = 6560 - 110;
    staff.flats[3].top = 6560 - 140;
    EXPECT_EQ(noty.StaffNoteName(6560, staff), QString());
    const auto messages = dialogs.take();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Křížek na nesprávném místě !"));
}

TEST(ToneNames, AcceptsTheGrammarAndNothingElse) {
    for (const QString name : {"c,", "h,", "b,", "g4,", "c1,", "cis1,", "des1,", "es1,", "as2,",
                               "b1,", "eis,", "his3,", "ces,", "fes2,", "ges,", "ais1,", "e,"}) {
        EXPECT_TRUE(tones::isToneName(name)) << name.toStdString();
    }
    for (const QString name :
         {"",     ",",    "c",   "c1",  "x,",  "C,",  "c5,", "c0,",    "c12,", "bis,", "bes,",
          "ees,", "aes,", "cs,", "ds,", "c,,", "c, ", " c,", "cis1,x", "ci,",  "ciss,"}) {
        EXPECT_FALSE(tones::isToneName(name)) << name.toStdString();
    }
}

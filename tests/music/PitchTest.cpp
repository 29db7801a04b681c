// The one pitch mapping of tone and bass names, on the edge names and on every name the
// delivered tuning database holds.
#include "music/Pitch.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using music::BassSound;

// Texts that are no tone name have no pitch.
TEST(Pitch, TrebleNamesFollowTheStaffOctaves) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"c,", 48},    {"c1,", 60},   {"h,", 59},    {"ces1,", 59}, {"his,", 60}, {"b1,", 70},
        {"cis1,", 61}, {"des1,", 61}, {"es,", 51},   {"as2,", 80},  {"g4,", 103}, {"e3,", 88},
        {"", {}},      {"c", {}},     {"c5,", {}},   {"x1,", {}},   {"C1,", {}},  {"bes1,", {}},
        {"cis1", {}},  {"Tlak", {}},  {"cis1,,", {}}};
    for (const auto& [name, pitch] : cases) {
        EXPECT_EQ(music::tonePitch(QString::fromUtf8(name)), pitch) << name;
    }
}

TEST(Pitch, ToneNamesOfPitchesAreSpelledAsTheTablesSpellThem) {
    const std::pair<int, const char*> cases[] = {{48, "c,"},   {61, "cis1,"}, {63, "es1,"},
                                                 {68, "as1,"}, {70, "b1,"},   {103, "g4,"},
                                                 {47, ""},     {104, ""}};
    for (const auto& [pitch, name] : cases) {
        EXPECT_EQ(music::toneNameOfPitch(pitch), QString::fromUtf8(name)) << pitch;
    }
    for (int pitch = music::LowestStaffPitch; pitch <= music::HighestStaffPitch; ++pitch) {
        EXPECT_EQ(music::tonePitch(music::toneNameOfPitch(pitch)), pitch);
    }
}

TEST(Pitch, BassesAreSingleNotesOrChords) {
    // Roots wrap into their range by pitch class (Ces, His).
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"C", {36}},   {"(C)", {48, 52, 55}}, {"(Cm)", {48, 51, 55}}, {"(Hm)", {59, 62, 66}},
        {"B", {46}},   {"H", {47}},           {"Es", {39}},           {"(As)", {56, 60, 63}},
        {"Des", {37}}, {"Cis", {37}},         {"Ces", {47}},          {"His", {36}}};
    for (const auto& [text, pitches] : cases) {
        const auto bass = music::parseBass(QString::fromUtf8(text));
        ASSERT_TRUE(bass) << text;
        EXPECT_EQ(bass->pitches(), pitches) << text;
    }
    for (const char* text : {"(D7)", "Cm", "c", "", "()", "(C", "Ces1", "X", "(Cmm)"}) {
        EXPECT_FALSE(music::parseBass(QString::fromUtf8(text))) << text;
    }
}

TEST(Pitch, BassNamesRoundTrip) {
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        for (auto kind :
             {BassSound::Kind::Single, BassSound::Kind::Major, BassSound::Kind::Minor}) {
            const auto parsed = music::parseBass(music::bassNameOf(pitchClass, kind));
            ASSERT_TRUE(parsed);
            EXPECT_EQ(parsed->root, pitchClass);
            EXPECT_EQ(parsed->kind, kind);
        }
    }
    EXPECT_EQ(music::bassNameOf(3, BassSound::Kind::Minor), QStringLiteral("(Esm)"));
}

TEST(Pitch, EveryNameOfTheDeliveredDatabaseSoundsInRange) {
    const auto data = spreadsheet::xls::readXlsFile(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"));
    int tones = 0;
    int basses = 0;
    for (const auto& sheet : data.sheets) {
        sheet->forEachCell([&](spreadsheet::CellAddress cell, const spreadsheet::CellValue& value) {
            if (cell.row == 1 || cell.column == 1) {
                return;  // titles and button numbers
            }
            SCOPED_TRACE(sheet->name().toStdString() + " " + cell.toA1().toStdString());
            if (cell.column <= 3) {
                const auto pitch = music::tonePitch(value.text());
                ASSERT_TRUE(pitch) << value.text().toStdString();
                EXPECT_GE(*pitch, music::LowestStaffPitch);
                EXPECT_LE(*pitch, music::HighestStaffPitch);
                ++tones;
            } else {
                const auto bass = music::parseBass(value.text());
                ASSERT_TRUE(bass) << value.text().toStdString();
                for (int pitch : bass->pitches()) {
                    EXPECT_GE(pitch, 36);
                    EXPECT_LE(pitch, 66);
                }
                ++basses;
            }
        });
    }
    EXPECT_GT(tones, 500);
    EXPECT_GT(basses, 150);
}

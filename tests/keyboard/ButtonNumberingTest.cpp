// The numbers beside the keyboard in both numberings, and which buttons each model has.
#include "keyboard/ButtonNumbering.h"
#include "keyboard/InstrumentModel.h"

#include <QStringList>

#include <gtest/gtest.h>

using keyboard::InstrumentModel;
using keyboard::Numbering;
using keyboard::TrebleColumn;

TEST(ButtonNumbering, LabelCaptionsAndTopsOfBothNumberings) {
    const QStringList standard{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                               "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    const QStringList trizonia{"1", "A", "B", "2", "3", "4",  "5", "6", "7", "8", "9",  "10", "11",
                               "1", "B", "2", "3", "4", "5s", "6", "7", "8", "9", "10", "11"};
    for (int k = 0; k < 25; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(keyboard::numberLabelCaption(k, Numbering::Standard), standard[k]);
        EXPECT_EQ(keyboard::numberLabelCaption(k, Numbering::Trizonia), trizonia[k]);
    }
    EXPECT_EQ(keyboard::numberLabelTop(0, Numbering::Standard), 7560);
    EXPECT_EQ(keyboard::numberLabelTop(12, Numbering::Trizonia), 7440 - 7200);
    EXPECT_EQ(keyboard::numberLabelTop(13, Numbering::Standard), 6720);
    EXPECT_EQ(keyboard::numberLabelTop(24, Numbering::Trizonia), 6840 - 6600);
}

TEST(ButtonNumbering, AButtonReadsAsTheLabelLevelWithIt) {
    struct Case {
        int button;
        TrebleColumn column;
        const char* standard;
        const char* trizonia;
    };
    for (const Case c :
         {Case{37, TrebleColumn::Outer, "1", "1"}, Case{36, TrebleColumn::Outer, "2", "A"},
          Case{35, TrebleColumn::Outer, "3", "B"}, Case{25, TrebleColumn::Outer, "13", "11"},
          Case{12, TrebleColumn::Inner, "1", "1"}, Case{11, TrebleColumn::Inner, "2", "B"},
          Case{7, TrebleColumn::Inner, "6", "5s"}, Case{1, TrebleColumn::Inner, "12", "11"},
          Case{24, TrebleColumn::Middle, "1", "1"}, Case{13, TrebleColumn::Middle, "12", "12"}}) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(keyboard::trebleColumnOf(c.button), c.column);
        EXPECT_EQ(keyboard::shownButtonNumber(c.button, Numbering::Standard), c.standard);
        EXPECT_EQ(keyboard::shownButtonNumber(c.button, Numbering::Trizonia), c.trizonia);
    }
    EXPECT_EQ(keyboard::numberLabelOf(37), 0);
    EXPECT_EQ(keyboard::numberLabelOf(1), 24);
    EXPECT_EQ(keyboard::numberLabelOf(18), -1);
}

TEST(InstrumentModel, TheButtonsAndColumnsEachModelHas) {
    const auto has = [](InstrumentModel model) {
        std::vector<int> buttons;
        for (int b = 0; b <= 38; ++b) {
            if (keyboard::hasTrebleButton(model, b)) {
                buttons.push_back(b);
            }
        }
        return buttons;
    };
    EXPECT_EQ(has(InstrumentModel::Full).size(), 37u);
    EXPECT_EQ(has(InstrumentModel::TwoRow),
              (std::vector<int>{3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14,
                                15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
    EXPECT_EQ(has(InstrumentModel::Club),
              (std::vector<int>{4,  5,  6,  7,  8,  9,  10, 14, 15, 16, 17, 18, 19, 20, 21,
                                22, 23, 24, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37}));
    const std::vector<TrebleColumn> three{TrebleColumn::Outer, TrebleColumn::Middle,
                                          TrebleColumn::Inner};
    EXPECT_EQ(keyboard::trebleColumnsOf(InstrumentModel::Full), three);
    EXPECT_EQ(keyboard::trebleColumnsOf(InstrumentModel::Club), three);
    EXPECT_EQ(keyboard::trebleColumnsOf(InstrumentModel::TwoRow),
              (std::vector<TrebleColumn>{TrebleColumn::Middle, TrebleColumn::Inner}));
}

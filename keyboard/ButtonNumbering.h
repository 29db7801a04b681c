#pragma once

#include <QString>

// The numbers a player reads beside the treble buttons, in both numberings. The window's
// number labels and the printed tablature take them from here, so they always agree.
namespace keyboard {

// The stored "Znaceni" index.
enum class Numbering { Standard = 0, Trizonia = 1 };

// The three upright treble columns; the outer one is farthest from the player's palm.
enum class TrebleColumn { Inner, Middle, Outer };

// Image1..Image12 inner, Image13..Image24 middle, Image25..Image37 outer.
TrebleColumn trebleColumnOf(int button);

// The caption of number label lblCisKnofl(index), 0..24: 0..12 beside the outer column and
// 13..24 beside the inner one, each counted from the bottom.
QString numberLabelCaption(int index, Numbering numbering);
// The label's Top in twips; the Trizonia captions sit a little higher on the outer column and
// lower on the inner one.
int numberLabelTop(int index, Numbering numbering);

// The label beside a treble button: outer button b has label 37 - b, inner button b label
// 25 - b; nothing for the middle column, which has no labels.
int numberLabelOf(int button);

// A treble button's place in its column counted from the bottom (the chin end), from 1.
int placeFromBottom(int button);

// A treble button's number as the player reads it: its label's caption; the middle column
// counts 1..12 from the bottom in either numbering.
QString shownButtonNumber(int button, Numbering numbering);

// A bass button's number as the player reads it: the fixed caption beside it.
QString shownBassNumber(int button);

// A button as messages name it, the way the player finds it on the keyboard: its row and the
// number beside it, "knoflík 5 ve vnější řadě", "knoflík 2 v prostřední řadě", "basový
// knoflík 11". Lower case, for the middle of a sentence.
QString trebleButtonName(int button, Numbering numbering);
QString bassButtonName(int button);

// "Základní značení", "Značení Trizonia 56": the menu's own names.
QString numberingName(Numbering numbering);

}  // namespace keyboard

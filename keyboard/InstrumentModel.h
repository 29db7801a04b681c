#pragma once

#include "ButtonNumbering.h"

#include <QString>

#include <vector>

// Which treble buttons each instrument model has. The window lays bars across the ones a model
// lacks; print leaves out a column the model does not have at all.
namespace keyboard {

// The stored "TypHarm" index.
enum class InstrumentModel { Full = 0, TwoRow = 1, Club = 2 };

// The two-row model lacks the whole outer column, Image13, Image1 and Image2; the Club model
// Image25, Image13, Image1..Image3, Image11 and Image12.
bool hasTrebleButton(InstrumentModel model, int button);

// Where the window lays its bars for the model (none for the full keyboard): the bars of
// KeyboardGeometry's table, some at another height than designed.
struct BarPlace {
    int index;  // cmdZabrana(index)
    int left;
    int top;
    int height;
};
std::vector<BarPlace> barsOf(InstrumentModel model);

// The treble columns the model has any button of, outer first: the order of a tablature's
// lines from the top.
std::vector<TrebleColumn> trebleColumnsOf(InstrumentModel model);

// "Dvouřadovka", "Model Club" as the menu names them; empty for the full keyboard.
QString modelName(InstrumentModel model);

// "vnější řada", "prostřední řada", "vnitřní řada".
QString trebleColumnName(TrebleColumn column);

}  // namespace keyboard

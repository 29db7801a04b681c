#pragma once

#include <QString>

namespace keyboard {

// The program's string table 101..125: the captions of the Trizonia 56 numbering, label k
// taking string 101 + k. Empty for any other id.
QString resourceString(int id);

}  // namespace keyboard

#pragma once

#include <QString>

// Failures of the program's own steps that its handlers tell apart by number, as they do the
// spreadsheet host's: 6 overflow, 13 type mismatch, 340 no such element of a control array
// (a keyboard button that does not exist), 51 an internal error (any other failure).
namespace services {

struct VbError {
    int number;
};

inline constexpr int Overflow = 6;
inline constexpr int TypeMismatch = 13;
inline constexpr int NoSuchControlArrayElement = 340;
inline constexpr int InternalError = 51;

// A stored setting as a whole number 0..255: the empty or non-numeric text is a type
// mismatch, a number outside the range an overflow.
int toSmallNumber(const QString& text);

}  // namespace services

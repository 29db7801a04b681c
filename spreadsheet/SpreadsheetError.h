#pragma once

#include <QString>

#include <exception>
#include <string>

namespace spreadsheet {

// The error numbers the program tells apart, as its handlers expect them.
enum ErrorNumber : int {
    TypeMismatch = 13,
    SubscriptOutOfRange = 9,    // no window or sheet of that name or index
    ObjectGone = 91,            // a closed workbook, a quit application, a search with no result
    FileOrCellOperation = 1004  // a file that cannot be read or written, an invalid name or address
};

class SpreadsheetError : public std::exception {
public:
    SpreadsheetError(int number, QString description)
        : number_(number),
          description_(std::move(description)),
          utf8_(description_.toStdString()) {}

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    int number_;
    QString description_;
    std::string utf8_;
};

[[noreturn]] inline void throwObjectGone() {
    throw SpreadsheetError(ObjectGone,
                           QStringLiteral("Objekt již neexistuje: sešit byl zavřen nebo tabulkový "
                                          "procesor ukončen."));
}

}  // namespace spreadsheet

#pragma once

#include <QString>

#include <stdexcept>

namespace spreadsheet::xls {

// A file that is no readable Excel 97-2003 workbook. The reason is Czech, for the user.
class XlsFormatError : public std::runtime_error {
public:
    explicit XlsFormatError(QString reason)
        : std::runtime_error(reason.toStdString()), reason_(std::move(reason)) {}
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

[[noreturn]] inline void throwDamaged() {
    throw XlsFormatError(QStringLiteral("soubor je poškozený nebo neúplný."));
}

}  // namespace spreadsheet::xls

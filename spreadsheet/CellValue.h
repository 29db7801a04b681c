#pragma once

#include <QString>

#include <cstdint>

namespace spreadsheet {

// What one cell holds. The General-format text is kept beside a number, because searching
// compares cell texts and a search must not format numbers over and over.
class CellValue {
public:
    enum class Type { Empty, Text, Number, Boolean, Error };

    CellValue() = default;
    CellValue(const QString& text);  // NOLINT: a text is the everyday value of a cell
    CellValue(const char* text) : CellValue(QString::fromUtf8(text)) {}  // NOLINT

    static CellValue number(double value);
    static CellValue boolean(bool value);
    static CellValue error(std::uint8_t code);

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isText() const { return type_ == Type::Text; }
    bool isNumber() const { return type_ == Type::Number; }
    bool isBoolean() const { return type_ == Type::Boolean; }
    bool isError() const { return type_ == Type::Error; }

    // The cell as a spreadsheet shows it in General format: numbers without trailing zeros and
    // with '.' as decimal separator, TRUE/FALSE, error codes such as "#N/A".
    const QString& text() const { return text_; }
    double numberValue() const { return number_; }
    bool booleanValue() const { return number_ != 0; }
    std::uint8_t errorCode() const { return static_cast<std::uint8_t>(number_); }

    bool operator==(const CellValue& other) const;

    static QString formatGeneral(double value);
    static QString errorText(std::uint8_t code);

private:
    Type type_ = Type::Empty;
    double number_ = 0;
    QString text_;
};

}  // namespace spreadsheet

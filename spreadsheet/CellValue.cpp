#include "CellValue.h"

#include <cmath>

namespace spreadsheet {

CellValue::CellValue(const QString& text) {
    // Assigning the empty text leaves a cell empty, as in every spreadsheet.
    if (!text.isEmpty()) {
        type_ = Type::Text;
        text_ = text;
    }
}

CellValue CellValue::number(double value) {
    CellValue v;
    v.type_ = Type::Number;
    v.number_ = value;
    v.text_ = formatGeneral(value);
    return v;
}

CellValue CellValue::boolean(bool value) {
    CellValue v;
    v.type_ = Type::Boolean;
    v.number_ = value ? 1 : 0;
    v.text_ = value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return v;
}

CellValue CellValue::error(std::uint8_t code) {
    CellValue v;
    v.type_ = Type::Error;
    v.number_ = code;
    v.text_ = errorText(code);
    return v;
}

bool CellValue::operator==(const CellValue& other) const {
    if (type_ != other.type_) {
        return false;
    }
    if (type_ == Type::Text) {
        return text_ == other.text_;
    }
    return number_ == other.number_;
}

QString CellValue::formatGeneral(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("#NUM!");
    }
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return QString::number(static_cast<long long>(value));
    }
    // QString::number ignores the user's locale, so the separator is always '.'.
    return QString::number(value, 'G', 15);
}

QString CellValue::errorText(std::uint8_t code) {
    switch (code) {
        case 0x00:
            return QStringLiteral("#NULL!");
        case 0x07:
            return QStringLiteral("#DIV/0!");
        case 0x0F:
            return QStringLiteral("#VALUE!");
        case 0x17:
            return QStringLiteral("#REF!");
        case 0x1D:
            return QStringLiteral("#NAME?");
        case 0x24:
            return QStringLiteral("#NUM!");
        case 0x2A:
            return QStringLiteral("#N/A");
        default:
            return QStringLiteral("#N/A");
    }
}

}  // namespace spreadsheet

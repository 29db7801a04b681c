#include "CellAddress.h"

namespace spreadsheet {

std::optional<CellAddress> CellAddress::parse(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == u'$') {
        ++i;
    }
    int column = 0;
    const qsizetype lettersStart = i;
    while (i < n && i - lettersStart < 3) {
        const char16_t c = text[i].toUpper().unicode();
        if (c < u'A' || c > u'Z') {
            break;
        }
        column = column * 26 + (c - u'A' + 1);
        ++i;
    }
    if (i == lettersStart) {
        return std::nullopt;
    }
    if (i < n && text[i] == u'$') {
        ++i;
    }
    int row = 0;
    const qsizetype digitsStart = i;
    while (i < n && text[i] >= u'0' && text[i] <= u'9' && i - digitsStart < 6) {
        row = row * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i == digitsStart || i != n) {
        return std::nullopt;
    }
    CellAddress address{row, column};
    if (!address.isValid()) {
        return std::nullopt;
    }
    return address;
}

QString CellAddress::columnName(int column) {
    QString name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.prepend(QChar(u'A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

QString CellAddress::toA1() const {
    return columnName(column) + QString::number(row);
}

QString CellAddress::toAbsolute() const {
    return u'$' + columnName(column) + u'$' + QString::number(row);
}

std::optional<CellRect> CellRect::parse(QStringView text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        const auto cell = CellAddress::parse(text);
        if (!cell) {
            return std::nullopt;
        }
        return single(*cell);
    }
    const auto a = CellAddress::parse(text.left(colon));
    const auto b = CellAddress::parse(text.mid(colon + 1));
    if (!a || !b) {
        return std::nullopt;
    }
    // "B9:A1" names the same cells as "A1:B9".
    return CellRect{{std::min(a->row, b->row), std::min(a->column, b->column)},
                    {std::max(a->row, b->row), std::max(a->column, b->column)}};
}

QString CellRect::toAbsolute() const {
    if (isSingleCell()) {
        return first.toAbsolute();
    }
    return first.toAbsolute() + u':' + last.toAbsolute();
}

}  // namespace spreadsheet

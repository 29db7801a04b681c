#include "Fraction.h"

#include <limits>

namespace melody {

namespace {

__int128 gcd(__int128 a, __int128 b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const __int128 rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

bool fits(__int128 value) {
    return value >= std::numeric_limits<std::int64_t>::min() + 1 &&
           value <= std::numeric_limits<std::int64_t>::max();
}

std::optional<std::int64_t> digitsValue(QStringView digits) {
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) {
        throw Overflow();
    }
    *this = reduced(numerator, denominator);
}

Fraction Fraction::reduced(__int128 numerator, __int128 denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const __int128 divisor = gcd(numerator, denominator);
    if (divisor > 1) {
        numerator /= divisor;
        denominator /= divisor;
    }
    if (!fits(numerator) || !fits(denominator)) {
        throw Overflow();
    }
    Fraction result;
    result.numerator_ = static_cast<std::int64_t>(numerator);
    result.denominator_ = static_cast<std::int64_t>(denominator);
    return result;
}

std::optional<Fraction> Fraction::fromDecimal(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView part = point < 0 ? QStringView() : text.mid(point + 1);
    if ((whole.isEmpty() && part.isEmpty()) || whole.size() > 9 || part.size() > 9) {
        return std::nullopt;
    }
    const auto wholeValue = digitsValue(whole);
    const auto partValue = digitsValue(part);
    if (!wholeValue || !partValue) {
        return std::nullopt;
    }
    std::int64_t scale = 1;
    for (qsizetype i = 0; i < part.size(); ++i) {
        scale *= 10;
    }
    const std::int64_t numerator = *wholeValue * scale + *partValue;
    return Fraction(negative ? -numerator : numerator, scale);
}

Fraction operator+(Fraction a, Fraction b) {
    return Fraction::reduced(
        __int128(a.numerator_) * b.denominator_ + __int128(b.numerator_) * a.denominator_,
        __int128(a.denominator_) * b.denominator_);
}

Fraction operator-(Fraction a, Fraction b) {
    return a + Fraction(-b.numerator_, b.denominator_);
}

Fraction operator*(Fraction a, Fraction b) {
    return Fraction::reduced(__int128(a.numerator_) * b.numerator_,
                             __int128(a.denominator_) * b.denominator_);
}

Fraction operator/(Fraction a, Fraction b) {
    if (b.numerator_ == 0) {
        throw Fraction::Overflow();
    }
    return Fraction::reduced(__int128(a.numerator_) * b.denominator_,
                             __int128(a.denominator_) * b.numerator_);
}

bool operator<(Fraction a, Fraction b) {
    return __int128(a.numerator_) * b.denominator_ < __int128(b.numerator_) * a.denominator_;
}

}  // namespace melody

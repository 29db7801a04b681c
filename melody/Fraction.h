#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace melody {

// Musical time as an exact fraction of quarter notes: triplets and changing divisions add up
// without rounding, so notes that start together compare equal.
class Fraction {
public:
    // Thrown when a file's durations need more than 64 bits to add up.
    struct Overflow : std::overflow_error {
        Overflow() : std::overflow_error("fraction overflow") {}
    };

    Fraction() = default;
    Fraction(std::int64_t numerator, std::int64_t denominator = 1);

    std::int64_t numerator() const { return numerator_; }
    std::int64_t denominator() const { return denominator_; }
    double toDouble() const { return double(numerator_) / double(denominator_); }

    // "12", "0.5", "+3.25": a decimal of at most 9 whole and 9 fractional digits.
    static std::optional<Fraction> fromDecimal(QStringView text);

    friend Fraction operator+(Fraction a, Fraction b);
    friend Fraction operator-(Fraction a, Fraction b);
    friend Fraction operator*(Fraction a, Fraction b);
    friend Fraction operator/(Fraction a, Fraction b);  // b must not be zero
    friend bool operator==(Fraction a, Fraction b) {
        return a.numerator_ == b.numerator_ && a.denominator_ == b.denominator_;
    }
    friend bool operator<(Fraction a, Fraction b);
    friend bool operator>(Fraction a, Fraction b) { return b < a; }

private:
    static Fraction reduced(__int128 numerator, __int128 denominator);

    std::int64_t numerator_ = 0;
    std::int64_t denominator_ = 1;  // always positive; the fraction is in lowest terms
};

}  // namespace melody

// Every conversion between an Extended and text that the program shows or
// reads: the grid's "#,0", the entry field's and the label's patterns and
// format strings, and correctly rounded reading of decimal text.
//
// All output follows one rule: the value is first reduced to 18 significant
// decimal digits (to nearest, ties to even), then rounded to the places shown
// with halves away from zero; a negative value that rounds to zero at the
// places shown loses its sign; "." is the decimal point and "," the thousands
// separator, never taken from any locale.  Magnitudes of 10^18 and more (after
// the 18-digit reduction) switch to an exponent form.
//
// The work is done on the exact binary parts of the value, so the same code
// serves long double and the Boost type alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/Extended.h"

namespace kalvio {

// A finite value as significand x 2^exponent, exactly; or a special value.
struct BinaryParts {
    enum class Kind { Finite, Infinity, NaN };
    Kind kind = Kind::Finite;
    bool negative = false;         // also set for a negative zero
    std::uint64_t significand = 0; // 0 for a zero
    int exponent = 0;
};

// A finite non-zero value comes out normalised: the top bit of the
// significand is set, so each value has one set of parts (subnormals get an
// exponent below the normal range).  A zero has significand 0 and exponent 0.
template <class E> BinaryParts ToParts(const E &value); // exact
// Exact for every value the type holds.  Parts finer or larger than the type
// are rounded to nearest, ties to even, or become an infinity; the Boost type
// has no subnormals and flushes them to a signed zero, as its arithmetic does.
template <class E> E FromParts(const BinaryParts &parts);

template <> BinaryParts ToParts<long double>(const long double &value);
template <> BinaryParts ToParts<double>(const double &value);
template <> BinaryParts ToParts<BoostExtended>(const BoostExtended &value);
template <> long double FromParts<long double>(const BinaryParts &parts);
template <> BoostExtended FromParts<BoostExtended>(const BinaryParts &parts);

// The picture patterns.
enum class NumberPattern {
    Grouped0,  // "#,0": whole number, thousands separators
    Plain14,   // "0.##############": up to 14 decimals, no separators
    Grouped14, // ",0.##############": up to 14 decimals, separators
};

namespace numbertext {

// Picture patterns.  At 10^18 and above: "d.dddE19" style with up to 15
// significant digits (halves away from zero), trailing zeros and a bare point
// dropped, no grouping, no exponent sign.
std::string FormatPattern(const BinaryParts &value, NumberPattern pattern);

// printf-like fixed formats with exactly `precision` decimals (0..18):
//   grouped = true  gives "%*.*n" / "%1.*n" (thousands separators),
//   grouped = false gives "%*.*f" / "%1.*f" / "%-*.*f".
// The text is padded with blanks to `width` characters, on the left, or on
// the right when leftJustify is set ("%-*.*f"); a negative width
// left-justifies too, as in printf, and widths beyond 1024 count as 1024.  A
// precision outside 0..18 is taken as the nearer end.  At 10^18 and above: up
// to 18 significant digits, trailing zeros dropped, "E", the exponent padded
// with zeros to `precision` digits when precision is 1 to 4.  Infinities and
// NaN are "INF", "-INF" and "NAN", in the patterns too.
std::string FormatFixed(const BinaryParts &value, int width, int precision, bool grouped,
                        bool leftJustify = false);

// Reads optional sign, digits with at most one ".", optional exponent
// ("e" or "E", optional sign, digits); at least one digit before the
// exponent.  No blanks, no separators.  The result is the value nearest to
// the exact decimal (ties to even), overflowing to nullopt.  nullopt for any
// other text.
std::optional<BinaryParts> ParseDecimal(std::string_view text);

// The shortest decimal text that ParseDecimal reads back to the same value;
// of several such texts the one nearest the value.  The layout is the one
// JavaScript gives a number: plain digits when the decimal exponent X of the
// first digit is -7 < X < 21 ("172305.06599999999", "0.000001", "1e+21",
// "1.5e-7"), else one digit, the others after a ".", "e", a sign and the
// exponent.  A negative zero is "-0"; the special values are "Infinity",
// "-Infinity" and "NaN", which ParseDecimal does not read.
std::string ShortestText(const BinaryParts &value);

} // namespace numbertext

// Typed conveniences.
template <class E> std::string FormatPattern(const E &value, NumberPattern pattern)
{
    return numbertext::FormatPattern(ToParts(value), pattern);
}
template <class E>
std::string FormatFixed(const E &value, int width, int precision, bool grouped, bool leftJustify = false)
{
    return numbertext::FormatFixed(ToParts(value), width, precision, grouped, leftJustify);
}
template <class E = Extended> std::optional<E> ParseDecimal(std::string_view text)
{
    if (auto parts = numbertext::ParseDecimal(text))
        return FromParts<E>(*parts);
    return std::nullopt;
}
template <class E> std::string ShortestText(const E &value)
{
    return numbertext::ShortestText(ToParts(value));
}

// The Extended nearest to 10^exponent and to 5 x 10^exponent.
template <class E = Extended> E PowerOfTen(int exponent)
{
    return *ParseDecimal<E>("1.0e" + std::to_string(exponent));
}
template <class E = Extended> E FiveTimesPowerOfTen(int exponent)
{
    return *ParseDecimal<E>("5.0e" + std::to_string(exponent));
}

} // namespace kalvio

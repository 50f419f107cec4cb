// Writing values with the picture patterns and the fixed formats: reduce to
// 18 significant digits, round at the places shown, then lay out the text.
#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "numeric/DecimalDigits.h"
#include "numeric/NumberText.h"

namespace kalvio::numbertext {

namespace {

using detail::DecimalDigits;

constexpr int kSignificant = 18;

// Room for a sign, 36 digits, their separators and a point, with some to spare.
using Buffer = std::array<char, 80>;

struct Layout {
    int places = 0;          // decimals after rounding
    bool grouped = false;    // thousands separators in the integer part
    bool trimZeros = false;  // drop trailing zeros of the decimals and a bare point
    int exponentDigits = 15; // significant digits of the exponent form
    int exponentWidth = 0;   // minimum digits of its exponent
};

template <std::size_t N> char *WriteUnsigned(char (&out)[N], std::uint64_t value)
{
    return std::to_chars(out, out + N, value).ptr;
}

std::string SpecialText(const BinaryParts &value)
{
    if (value.kind == BinaryParts::Kind::NaN)
        return "NAN";
    return value.negative ? "-INF" : "INF";
}

// 18 digits D with D x 10^e >= 10^18: "d.dddE<exp>".
std::string ExponentText(bool negative, const DecimalDigits &reduced, const Layout &layout)
{
    auto digits = static_cast<std::uint64_t>(reduced.digits);
    int exponent = reduced.exponent + kSignificant - 1;
    if (layout.exponentDigits < kSignificant) {
        const auto divisor =
            static_cast<std::uint64_t>(detail::PowerOfTen128(kSignificant - layout.exponentDigits));
        const bool up = digits % divisor >= divisor / 2; // halves away from zero
        digits = digits / divisor + (up ? 1 : 0);
        if (digits == static_cast<std::uint64_t>(detail::PowerOfTen128(layout.exponentDigits))) {
            digits /= 10;
            ++exponent;
        }
    }
    char text[24];
    char *end = WriteUnsigned(text, digits);
    while (end - text > 1 && end[-1] == '0')
        --end;
    std::string result;
    result.reserve(32);
    if (negative)
        result += '-';
    result += text[0];
    if (end - text > 1) {
        result += '.';
        result.append(text + 1, end);
    }
    result += 'E';
    char exponentText[8];
    char *exponentEnd = WriteUnsigned(exponentText, static_cast<std::uint64_t>(exponent));
    for (auto n = exponentEnd - exponentText; n < layout.exponentWidth; ++n)
        result += '0';
    result.append(exponentText, exponentEnd);
    return result;
}

// Lays out `units` (the value in units of 10^-places, as digits) with its
// sign, separators and point.
std::string PlainText(bool negative, const char *units, int length, const Layout &layout)
{
    char padded[48];
    if (length <= layout.places) { // at least one integer digit
        const int zeros = layout.places + 1 - length;
        std::fill_n(padded, zeros, '0');
        std::copy_n(units, length, padded + zeros);
        units = padded;
        length = layout.places + 1;
    }
    const bool zero = std::all_of(units, units + length, [](char c) { return c == '0'; });
    const int integerDigits = length - layout.places;
    int decimals = layout.places;
    if (layout.trimZeros) {
        while (decimals > 0 && units[integerDigits + decimals - 1] == '0')
            --decimals;
    }
    Buffer out;
    char *p = out.data();
    if (negative && !zero)
        *p++ = '-';
    for (int i = 0; i < integerDigits; ++i) {
        if (layout.grouped && i > 0 && (integerDigits - i) % 3 == 0)
            *p++ = ',';
        *p++ = units[i];
    }
    if (decimals > 0) {
        *p++ = '.';
        p = std::copy_n(units + integerDigits, decimals, p);
    }
    return std::string(out.data(), p);
}

// Whether |value| < 2^(exponent+64) lies below a quarter unit at `places`
// decimals, so that it shows as zero whatever its digits: 2^limit <= 10^-places / 4.
bool SurelyRoundsToZero(const BinaryParts &value, int places)
{
    // -2 - ceil(places x log2(10)) for places 0..18.
    static constexpr std::array<int, 19> kLimits = {-2,  -6,  -9,  -12, -16, -19, -22, -26, -29, -32,
                                                    -36, -39, -42, -46, -49, -52, -56, -59, -62};
    return value.exponent + 64 <= kLimits[static_cast<std::size_t>(places)];
}

std::string Format(const BinaryParts &value, const Layout &layout)
{
    if (value.kind != BinaryParts::Kind::Finite)
        return SpecialText(value);
    if (value.significand == 0 || SurelyRoundsToZero(value, layout.places))
        return PlainText(false, "0", 1, layout);
    const DecimalDigits reduced = detail::Digits18(value.significand, value.exponent);
    if (reduced.exponent > 0)
        return ExponentText(value.negative, reduced, layout);

    // reduced.digits x 10^exponent; keep the digits down to 10^-places.
    const auto digits = static_cast<std::uint64_t>(reduced.digits);
    const int keep = kSignificant + reduced.exponent + layout.places;
    char units[48];
    int length = 0;
    if (keep >= kSignificant) {
        length = static_cast<int>(WriteUnsigned(units, digits) - units);
        std::fill_n(units + length, keep - kSignificant, '0');
        length = keep;
    } else if (keep <= 0) {
        // Only the first digit can still round up to one unit.
        const bool up = keep == 0 && digits >= 500000000000000000u;
        units[0] = up ? '1' : '0';
        length = 1;
    } else {
        const auto divisor = static_cast<std::uint64_t>(detail::PowerOfTen128(kSignificant - keep));
        const bool up = digits % divisor >= divisor / 2; // halves away from zero
        length = static_cast<int>(WriteUnsigned(units, digits / divisor + (up ? 1 : 0)) - units);
    }
    return PlainText(value.negative, units, length, layout);
}

std::string Pad(std::string text, int width, bool leftJustify)
{
    if (width < 0) { // as printf: a negative width asks for left justification
        leftJustify = true;
        width = width == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -width;
    }
    // No field is ever this wide; a wild width must not become a huge allocation.
    constexpr int kMaxWidth = 1024;
    const auto size = static_cast<std::size_t>(std::min(width, kMaxWidth));
    if (text.size() >= size)
        return text;
    if (leftJustify)
        text.append(size - text.size(), ' ');
    else
        text.insert(0, size - text.size(), ' ');
    return text;
}

} // namespace

std::string FormatPattern(const BinaryParts &value, NumberPattern pattern)
{
    Layout layout;
    switch (pattern) {
    case NumberPattern::Grouped0:
        layout.grouped = true;
        break;
    case NumberPattern::Plain14:
        layout.places = 14;
        layout.trimZeros = true;
        break;
    case NumberPattern::Grouped14:
        layout.places = 14;
        layout.grouped = true;
        layout.trimZeros = true;
        break;
    }
    return Format(value, layout);
}

std::string FormatFixed(const BinaryParts &value, int width, int precision, bool grouped, bool leftJustify)
{
    Layout layout;
    layout.places = std::clamp(precision, 0, 18);
    layout.grouped = grouped;
    layout.exponentDigits = kSignificant;
    layout.exponentWidth = layout.places >= 1 && layout.places <= 4 ? layout.places : 0;
    return Pad(Format(value, layout), width, leftJustify);
}

} // namespace kalvio::numbertext

// The shortest decimal that reads back to the same binary value, for
// machine-readable output of raw figures.
#include <charconv>

#include "numeric/DecimalDigits.h"
#include "numeric/NumberText.h"

namespace kalvio::numbertext {

namespace {

using detail::DecimalDigits;
using detail::Rounding;

// Enough digits for any 64-bit significand to come back unchanged.
constexpr int kMaxDigits = 21;

std::string DigitText(detail::UInt128 digits)
{
    char text[40];
    char *end = text + sizeof text;
    char *p = end;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(digits % 10));
        digits /= 10;
    } while (digits != 0);
    return std::string(p, end);
}

bool ReadsBack(const BinaryParts &value, const DecimalDigits &candidate)
{
    const auto parsed = ParseDecimal(DigitText(candidate.digits) + "e" + std::to_string(candidate.exponent));
    return parsed && parsed->significand == value.significand && parsed->exponent == value.exponent;
}

// digits (no trailing zeros) with the first one standing at 10^firstExponent.
std::string Layout(bool negative, const std::string &digits, int firstExponent)
{
    std::string text = negative ? "-" : "";
    const int k = static_cast<int>(digits.size());
    const int n = firstExponent + 1; // digits before the point
    if (n >= k && n <= 21) {
        text += digits;
        text.append(static_cast<std::size_t>(n - k), '0');
    } else if (n > 0 && n <= 21) {
        text += digits.substr(0, static_cast<std::size_t>(n));
        text += '.';
        text += digits.substr(static_cast<std::size_t>(n));
    } else if (n > -6 && n <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-n), '0');
        text += digits;
    } else {
        text += digits[0];
        if (k > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += firstExponent < 0 ? "e-" : "e+";
        text += std::to_string(firstExponent < 0 ? -firstExponent : firstExponent);
    }
    return text;
}

} // namespace

std::string ShortestText(const BinaryParts &value)
{
    if (value.kind == BinaryParts::Kind::NaN)
        return "NaN";
    if (value.kind == BinaryParts::Kind::Infinity)
        return value.negative ? "-Infinity" : "Infinity";
    if (value.significand == 0)
        return value.negative ? "-0" : "0";
    // Normalise as ParseDecimal does, so the comparison is of like parts.
    BinaryParts target = value;
    while ((target.significand >> 63) == 0) {
        target.significand <<= 1;
        --target.exponent;
    }
    for (int count = 1; count <= kMaxDigits; ++count) {
        // The nearest count-digit decimal is the best candidate; next to a
        // power of two the neighbour on the other side may fit instead.
        const DecimalDigits nearest =
            detail::ExactDigits(target.significand, target.exponent, count, Rounding::NearestEven);
        std::optional<DecimalDigits> found;
        if (ReadsBack(target, nearest)) {
            found = nearest;
        } else {
            for (Rounding r : {Rounding::TowardZero, Rounding::AwayFromZero}) {
                const DecimalDigits other =
                    detail::ExactDigits(target.significand, target.exponent, count, r);
                if ((other.digits != nearest.digits || other.exponent != nearest.exponent) &&
                    ReadsBack(target, other)) {
                    found = other;
                    break;
                }
            }
        }
        if (found) {
            std::string digits = DigitText(found->digits);
            const int first = found->exponent + static_cast<int>(digits.size()) - 1;
            while (digits.size() > 1 && digits.back() == '0')
                digits.pop_back();
            return Layout(value.negative, digits, first);
        }
    }
    // Not reached: 21 digits always read back.
    const DecimalDigits all =
        detail::ExactDigits(target.significand, target.exponent, kMaxDigits, Rounding::NearestEven);
    std::string digits = DigitText(all.digits);
    return Layout(value.negative, digits, all.exponent + kMaxDigits - 1);
}

} // namespace kalvio::numbertext

// The shortest decimal that reads back to the same binary value, for
// machine-readable output of raw figures.
#include <algorithm>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "numeric/NumberText.h"

namespace kalvio::numbertext {

namespace {

using boost::multiprecision::cpp_int;

// The last place of the smallest subnormal of the 80-bit format.
constexpr int kMinUnitExponent = -16445;

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

int DecimalLength(const cpp_int &n)
{
    const auto bits = static_cast<unsigned>(boost::multiprecision::msb(n));
    int estimate = static_cast<int>(static_cast<double>(bits) * 0.30102999566398120) + 1;
    if (n >= boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(estimate)))
        ++estimate;
    return estimate;
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

    // The value as m units of 2^unit, the unit being its true last place
    // (coarser than the normalised significand's for a subnormal).
    std::uint64_t m = value.significand;
    int unit = value.exponent;
    while ((m & 1) == 0 && unit < kMinUnitExponent) {
        m >>= 1;
        ++unit;
    }
    while ((m >> 63) == 0 && unit > kMinUnitExponent) {
        m <<= 1;
        --unit;
    }
    // Every decimal strictly between the midpoints to the neighbours reads
    // back as m; the midpoints themselves do when m is even.  Next to a power
    // of two the neighbour below is half as far.
    const bool lowerHalved = m == (std::uint64_t{1} << 63) && unit > kMinUnitExponent;
    const bool inclusive = (m & 1) == 0;

    // All in integers at the scale 10^scale: the value, and the midpoints.
    cpp_int p = 1;
    int scale = -2;
    if (unit >= 0) {
        p <<= unit;
    } else {
        p = boost::multiprecision::pow(cpp_int(5), static_cast<unsigned>(-unit));
        scale = unit - 2;
    }
    const cpp_int v = cpp_int(m) * 100 * p;
    const cpp_int high = v + 50 * p;
    const cpp_int low = v - (lowerHalved ? 25 : 50) * p;
    auto fits = [&](const cpp_int &candidate) {
        return inclusive ? (candidate >= low && candidate <= high) : (candidate > low && candidate < high);
    };

    // Try ever finer decimal places, from the leading digit of the value.
    const int length = DecimalLength(v);
    cpp_int step = boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(length - 1));
    int stepExponent = length - 1;
    cpp_int quotient;
    cpp_int remainder;
    for (;;) {
        boost::multiprecision::divide_qr(v, step, quotient, remainder);
        // The nearest multiple of the step first, then the one on the other side.
        const bool upFirst = remainder * 2 > step || (remainder * 2 == step && (quotient & 1) != 0);
        const cpp_int first = upFirst ? quotient + 1 : quotient;
        const cpp_int second = upFirst ? quotient : quotient + 1;
        const bool firstFits = fits(first * step);
        const bool secondFits = !firstFits && remainder != 0 && fits(second * step);
        if (firstFits || secondFits || step == 1) {
            std::string digits = (secondFits ? second : first).str();
            const int firstExponent = stepExponent + scale + static_cast<int>(digits.size()) - 1;
            while (digits.size() > 1 && digits.back() == '0')
                digits.pop_back();
            return Layout(value.negative, digits, firstExponent);
        }
        step /= 10;
        --stepExponent;
    }
}

} // namespace kalvio::numbertext

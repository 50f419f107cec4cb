// Exact decimal digits of binary values: a quick 128-bit reduction for the
// amounts the program shows all the time, and a big-integer one for the rest.
#include "numeric/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <boost/multiprecision/cpp_int.hpp>

namespace kalvio::numbertext::detail {

namespace {

using boost::multiprecision::cpp_int;

constexpr std::array<UInt128, 39> MakePowers()
{
    std::array<UInt128, 39> powers{};
    UInt128 p = 1;
    for (auto &entry : powers) {
        entry = p;
        p *= 10;
    }
    return powers;
}
constexpr std::array<UInt128, 39> kPowers = MakePowers();

cpp_int BigPowerOfTen(unsigned n)
{
    return boost::multiprecision::pow(cpp_int(10), n);
}

bool RoundsUp(Rounding rounding, int compareToHalf, bool remainderNonZero, bool odd)
{
    switch (rounding) {
    case Rounding::TowardZero:
        return false;
    case Rounding::AwayFromZero:
        return remainderNonZero;
    case Rounding::NearestEven:
        break;
    }
    return compareToHalf > 0 || (compareToHalf == 0 && odd);
}

} // namespace

UInt128 PowerOfTen128(int n)
{
    return kPowers[static_cast<std::size_t>(n)];
}

int DigitCount(UInt128 x)
{
    int n = 1;
    while (n < 39 && x >= kPowers[static_cast<std::size_t>(n)])
        ++n;
    return n;
}

DecimalDigits ExactDigits(std::uint64_t significand, int exponent, int count, Rounding rounding)
{
    // Scale by 10^t so that `count` digits stand before the point: the digits
    // are floor(significand x 2^exponent x 10^t), the rest decides the rounding.
    const double log10Value =
        (std::log2(static_cast<double>(significand)) + exponent) * 0.30102999566398120; // log10(2)
    int t = count - 1 - static_cast<int>(std::floor(log10Value));
    const UInt128 lowest = kPowers[static_cast<std::size_t>(count - 1)];
    const UInt128 limit = kPowers[static_cast<std::size_t>(count)];
    cpp_int quotient;
    cpp_int remainder;
    cpp_int divisor;
    for (;;) {
        cpp_int dividend = significand;
        divisor = 1;
        if (t >= 0)
            dividend *= BigPowerOfTen(static_cast<unsigned>(t));
        else
            divisor = BigPowerOfTen(static_cast<unsigned>(-t));
        if (exponent >= 0)
            dividend <<= exponent;
        else
            divisor <<= -exponent;
        boost::multiprecision::divide_qr(dividend, divisor, quotient, remainder);
        // The estimate of the logarithm can be one off either way near a power of ten.
        if (quotient >= limit)
            --t;
        else if (quotient < lowest)
            ++t;
        else
            break;
    }
    auto digits = static_cast<UInt128>(quotient);
    const cpp_int twice = remainder * 2;
    const int compareToHalf = twice < divisor ? -1 : (twice == divisor ? 0 : 1);
    if (RoundsUp(rounding, compareToHalf, remainder != 0, (digits & 1) != 0))
        ++digits;
    DecimalDigits result{digits, -t};
    if (digits == limit) {
        result.digits = lowest;
        ++result.exponent;
    }
    return result;
}

std::optional<DecimalDigits> QuickDigits18(std::uint64_t significand, int exponent)
{
    constexpr int kCount = 18;
    if ((significand >> 63) == 0 || exponent < -124 || exponent > 64)
        return std::nullopt;
    UInt128 digits = 0;
    int scale = 0;
    int compareToHalf = 0;
    if (exponent >= 0) {
        // At least 2^63, so 19 digits or more: only digits to drop.
        const UInt128 whole = static_cast<UInt128>(significand) << exponent;
        const int drop = DigitCount(whole) - kCount;
        const UInt128 divisor = kPowers[static_cast<std::size_t>(drop)];
        digits = whole / divisor;
        const UInt128 remainder = whole % divisor;
        const UInt128 half = divisor / 2;
        compareToHalf = remainder < half ? -1 : (remainder == half ? 0 : 1);
        scale = drop;
    } else {
        const int f = -exponent;
        const UInt128 mask = (static_cast<UInt128>(1) << f) - 1;
        const UInt128 half = static_cast<UInt128>(1) << (f - 1);
        const std::uint64_t whole = f < 64 ? significand >> f : 0;
        UInt128 fraction = static_cast<UInt128>(significand) & mask;
        if (whole != 0) {
            const int wholeDigits = DigitCount(whole);
            if (wholeDigits > kCount) {
                const int drop = wholeDigits - kCount;
                const auto divisor = static_cast<std::uint64_t>(kPowers[static_cast<std::size_t>(drop)]);
                digits = whole / divisor;
                const std::uint64_t remainder = whole % divisor;
                const std::uint64_t halfUnit = divisor / 2;
                compareToHalf = remainder < halfUnit ? -1 : (remainder == halfUnit && fraction == 0 ? 0 : 1);
                scale = drop;
            } else {
                // f < 64 and at most 17 more digits: the product stays below 2^121.
                const int more = kCount - wholeDigits;
                const UInt128 product = fraction * kPowers[static_cast<std::size_t>(more)];
                digits =
                    static_cast<UInt128>(whole) * kPowers[static_cast<std::size_t>(more)] + (product >> f);
                fraction = product & mask;
                compareToHalf = fraction < half ? -1 : (fraction == half ? 0 : 1);
                scale = -more;
            }
        } else {
            // Below 1: skip the leading zeros, then take as many digits at a
            // time as the 128 - f bits above the fraction leave room for.
            const int step = std::min(9, (128 - f) * 30102 / 100000); // 10^step <= 2^(128-f)
            int zeros = 0;
            do {
                fraction *= 10;
                ++zeros;
            } while ((fraction >> f) == 0);
            digits = fraction >> f;
            fraction &= mask;
            for (int more = kCount - 1; more > 0;) {
                const int n = more < step ? more : step;
                fraction *= kPowers[static_cast<std::size_t>(n)];
                digits = digits * kPowers[static_cast<std::size_t>(n)] + (fraction >> f);
                fraction &= mask;
                more -= n;
            }
            compareToHalf = fraction < half ? -1 : (fraction == half ? 0 : 1);
            scale = -(zeros + kCount - 1);
        }
    }
    if (compareToHalf > 0 || (compareToHalf == 0 && (digits & 1) != 0))
        ++digits;
    if (digits == kPowers[kCount]) {
        digits = kPowers[kCount - 1];
        ++scale;
    }
    return DecimalDigits{digits, scale};
}

DecimalDigits Digits18(std::uint64_t significand, int exponent)
{
    if (auto quick = QuickDigits18(significand, exponent))
        return *quick;
    return ExactDigits(significand, exponent, 18, Rounding::NearestEven);
}

} // namespace kalvio::numbertext::detail

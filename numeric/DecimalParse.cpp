// Reading decimal text into the nearest 64-bit-significand binary value,
// exactly, whatever the length of the digits or the size of the exponent.
#include <bit>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "numeric/NumberText.h"

namespace kalvio::numbertext {

namespace {

using boost::multiprecision::cpp_int;

// The range of the 80-bit format: significand x 2^exponent with the
// significand's last place at 2^-16445 or above and below 2^16384.
constexpr int kMinUnitExponent = -16445;
constexpr int kMaxUnitExponent = 16383 - 63;

// More significant digits than any halfway point between two neighbours of
// the format has (about 11,500): past this many, only whether a non-zero
// digit follows can matter, and one stand-in digit keeps that.
constexpr std::size_t kMaxDigits = 12000;

// Written exponents are held to this bound, far beyond both ends of the
// range even after any number of leading zeros or dropped digits.
constexpr long long kHugeExponent = 100000000000000000LL;

struct Decimal {
    bool negative = false;
    std::string digits;     // significant digits, no leading zeros
    long long exponent = 0; // value = digits x 10^exponent
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<Decimal> Scan(std::string_view text)
{
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        d.negative = text[i++] == '-';
    bool anyDigit = false;
    bool point = false;
    bool truncatedNonZero = false;
    long long shift = 0; // decimal places consumed after the point
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        anyDigit = true;
        if (d.digits.empty() && c == '0') {
            if (point)
                ++shift;
            continue;
        }
        if (d.digits.size() < kMaxDigits) {
            d.digits += c;
            if (point)
                ++shift;
        } else {
            truncatedNonZero = truncatedNonZero || c != '0';
            if (!point)
                --shift; // a whole-number digit dropped still counts as a place
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            exponentNegative = text[i++] == '-';
        if (i == text.size())
            return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!IsDigit(text[i]))
                return std::nullopt;
            if (exponent < kHugeExponent)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (truncatedNonZero) {
        d.digits += '1';
        ++shift;
    }
    d.exponent = exponent - shift;
    return d;
}

int BitLength(const cpp_int &n)
{
    return n == 0 ? 0 : static_cast<int>(boost::multiprecision::msb(n)) + 1;
}

using UInt128 = unsigned __int128;

int BitLength128(UInt128 n)
{
    const auto high = static_cast<std::uint64_t>(n >> 64);
    if (high != 0)
        return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<std::uint64_t>(n));
}

// n x 2^unit (n != 0, more than 64 bits allowed) rounded to a normalised
// 64-bit significand, nearest, ties to even; `inexact` says whether a
// non-zero rest lies below the last bit of n.
void RoundInto(BinaryParts &parts, UInt128 n, int unit, bool inexact)
{
    const int bits = BitLength128(n);
    if (bits > 64) {
        const int shift = bits - 64;
        auto kept = static_cast<std::uint64_t>(n >> shift);
        const UInt128 rest = n & ((static_cast<UInt128>(1) << shift) - 1);
        const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
        if (rest > half || (rest == half && (inexact || (kept & 1) != 0)))
            ++kept;
        unit += shift;
        if (kept == 0) { // carried out of the top bit
            kept = std::uint64_t{1} << 63;
            ++unit;
        }
        n = kept;
    }
    const auto significand = static_cast<std::uint64_t>(n);
    const int zeros = std::countl_zero(significand);
    parts.significand = significand << zeros;
    parts.exponent = unit - zeros;
}

// Up to 19 digits with a small exponent, in 128-bit integers: the amounts
// and powers of ten the program reads all the time.
bool ReadQuickly(const Decimal &d, BinaryParts &parts)
{
    if (d.digits.size() > 19 || d.exponent > 19 || d.exponent < -27)
        return false;
    std::uint64_t n = 0;
    for (char c : d.digits)
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    if (d.exponent >= 0) {
        UInt128 whole = n;
        for (long long i = 0; i < d.exponent; ++i)
            whole *= 10; // below 10^38
        RoundInto(parts, whole, 0, false);
        return true;
    }
    // n / 10^k = (n / 5^k) x 2^-k, with n moved to the top of 128 bits so
    // that the quotient keeps at least 65 bits.
    const int k = static_cast<int>(-d.exponent);
    std::uint64_t five = 1;
    for (int i = 0; i < k; ++i)
        five *= 5; // 5^27 < 2^63
    const int zeros = std::countl_zero(n);
    const UInt128 numerator = static_cast<UInt128>(n << zeros) << 64;
    RoundInto(parts, numerator / five, -(64 + zeros + k), numerator % five != 0);
    return true;
}

} // namespace

std::optional<BinaryParts> ParseDecimal(std::string_view text)
{
    const auto scanned = Scan(text);
    if (!scanned)
        return std::nullopt;
    const Decimal &d = *scanned;
    BinaryParts parts;
    parts.negative = d.negative;
    if (d.digits.empty())
        return parts;
    if (ReadQuickly(d, parts))
        return parts;
    // The value lies in [10^(magnitude-1), 10^magnitude).
    const long long magnitude = d.exponent + static_cast<long long>(d.digits.size());
    if (magnitude > 4933) // 10^4932 already exceeds the largest value
        return std::nullopt;
    if (magnitude < -4952) // below a quarter of the smallest subnormal
        return parts;

    cpp_int numerator(d.digits);
    cpp_int denominator = 1;
    const cpp_int power = boost::multiprecision::pow(
        cpp_int(10), static_cast<unsigned>(d.exponent < 0 ? -d.exponent : d.exponent));
    if (d.exponent >= 0)
        numerator *= power;
    else
        denominator = power;

    // value in (2^(k-1), 2^(k+1)): try the last place at 2^(k-64), one
    // higher when that leaves 65 bits.
    int unit = BitLength(numerator) - BitLength(denominator) - 64;
    cpp_int quotient;
    cpp_int remainder;
    for (;;) {
        if (unit < kMinUnitExponent)
            unit = kMinUnitExponent;
        cpp_int n = numerator;
        cpp_int m = denominator;
        if (unit < 0)
            n <<= -unit;
        else
            m <<= unit;
        boost::multiprecision::divide_qr(n, m, quotient, remainder);
        if (BitLength(quotient) <= 64) {
            remainder *= 2;
            if (remainder > m || (remainder == m && boost::multiprecision::bit_test(quotient, 0)))
                ++quotient;
            break;
        }
        ++unit;
    }
    if (BitLength(quotient) > 64) { // rounded up to 2^64
        quotient >>= 1;
        ++unit;
    }
    if (unit > kMaxUnitExponent)
        return std::nullopt;
    if (quotient == 0)
        return parts;
    auto significand = static_cast<std::uint64_t>(quotient);
    const int shift = std::countl_zero(significand);
    parts.significand = significand << shift;
    parts.exponent = unit - shift;
    return parts;
}

} // namespace kalvio::numbertext

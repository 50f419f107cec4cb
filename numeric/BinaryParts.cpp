// Taking Extended values apart into their exact binary parts and putting them
// back together, for long double (80-bit x87 layout) and the Boost type.
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "numeric/NumberText.h"

namespace kalvio {

namespace {

// The 80-bit format: the lowest exponent of a normal number's top bit, and
// the exponent of one unit in the last place of the subnormals.
constexpr int kMinTopExponent = -16382;
constexpr int kMaxTopExponent = 16383;
constexpr int kSubnormalUnitExponent = kMinTopExponent - 63;

BinaryParts Normalised(bool negative, std::uint64_t significand, int exponent)
{
    BinaryParts parts;
    parts.negative = negative;
    if (significand == 0)
        return parts;
    const int shift = std::countl_zero(significand);
    parts.significand = significand << shift;
    parts.exponent = exponent - shift;
    return parts;
}

// significand x 2^exponent brought to a 64-bit significand whose last place
// is at least 2^minUnitExponent, rounded to nearest, ties to even.  Returns
// the (possibly unnormalised) significand and its exponent; a carry out of
// the top bit is folded back.
struct Rounded {
    std::uint64_t significand;
    int exponent;
};
Rounded RoundToUnit(std::uint64_t significand, int exponent, int minUnitExponent)
{
    if (exponent >= minUnitExponent)
        return {significand, exponent};
    const int shift = minUnitExponent - exponent;
    if (shift > 64)
        return {0, minUnitExponent};
    const unsigned __int128 wide = significand;
    std::uint64_t kept = shift == 64 ? 0 : significand >> shift;
    const unsigned __int128 rest = wide & ((static_cast<unsigned __int128>(1) << shift) - 1);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept; // cannot wrap: kept < 2^63 after a shift of at least one
    return {kept, minUnitExponent};
}

} // namespace

template <> BinaryParts ToParts<long double>(const long double &value)
{
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        unsigned char bytes[sizeof(long double)];
        std::memcpy(bytes, &value, sizeof bytes);
        std::uint64_t mantissa;
        std::memcpy(&mantissa, bytes, sizeof mantissa);
        const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
        const bool negative = (top & 0x8000u) != 0;
        const int biased = static_cast<int>(top & 0x7FFFu);
        BinaryParts parts;
        parts.negative = negative;
        if (biased == 0x7FFF) {
            parts.kind = (mantissa << 1) == 0 ? BinaryParts::Kind::Infinity : BinaryParts::Kind::NaN;
            return parts;
        }
        if (biased == 0) // subnormal (or pseudo-denormal): no implicit bias step
            return Normalised(negative, mantissa, kSubnormalUnitExponent);
        if ((mantissa >> 63) == 0) { // unnormal: not a valid operand
            parts.kind = BinaryParts::Kind::NaN;
            return parts;
        }
        parts.significand = mantissa;
        parts.exponent = biased - 16383 - 63;
        return parts;
    } else {
        BinaryParts parts;
        parts.negative = std::signbit(value);
        if (std::isnan(value)) {
            parts.kind = BinaryParts::Kind::NaN;
            return parts;
        }
        if (std::isinf(value)) {
            parts.kind = BinaryParts::Kind::Infinity;
            return parts;
        }
        if (value == 0)
            return parts;
        int exponent = 0;
        const long double fraction = std::frexp(std::fabs(value), &exponent);
        parts.significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        parts.exponent = exponent - 64;
        return Normalised(parts.negative, parts.significand, parts.exponent);
    }
}

template <> BinaryParts ToParts<double>(const double &value)
{
    if (std::isnan(value)) {
        BinaryParts parts;
        parts.kind = BinaryParts::Kind::NaN;
        parts.negative = std::signbit(value);
        return parts;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        BinaryParts parts;
        parts.kind = BinaryParts::Kind::Infinity;
        parts.negative = negative;
        return parts;
    }
    if (biased == 0)
        return Normalised(negative, fraction, -1074);
    return Normalised(negative, fraction | (std::uint64_t{1} << 52), biased - 1075);
}

template <> long double FromParts<long double>(const BinaryParts &parts)
{
    constexpr long double infinity = std::numeric_limits<long double>::infinity();
    if (parts.kind == BinaryParts::Kind::NaN)
        return parts.negative ? -std::numeric_limits<long double>::quiet_NaN()
                              : std::numeric_limits<long double>::quiet_NaN();
    if (parts.kind == BinaryParts::Kind::Infinity)
        return parts.negative ? -infinity : infinity;
    const BinaryParts n = Normalised(parts.negative, parts.significand, parts.exponent);
    if (n.significand == 0)
        return parts.negative ? -0.0L : 0.0L;
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        const Rounded r = RoundToUnit(n.significand, n.exponent, kSubnormalUnitExponent);
        if (r.significand == 0)
            return parts.negative ? -0.0L : 0.0L;
        const BinaryParts m = Normalised(parts.negative, r.significand, r.exponent);
        const int top = m.exponent + 63;
        if (top > kMaxTopExponent)
            return parts.negative ? -infinity : infinity;
        std::uint64_t mantissa = m.significand;
        unsigned biased = 0;
        if (top >= kMinTopExponent)
            biased = static_cast<unsigned>(top + 16383);
        else
            mantissa = r.significand; // subnormal: last place at 2^-16445
        unsigned char bytes[sizeof(long double)] = {};
        std::memcpy(bytes, &mantissa, sizeof mantissa);
        const unsigned field = biased | (parts.negative ? 0x8000u : 0u);
        bytes[8] = static_cast<unsigned char>(field & 0xFF);
        bytes[9] = static_cast<unsigned char>(field >> 8);
        long double value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    } else {
        const long double magnitude = std::ldexp(static_cast<long double>(n.significand), n.exponent);
        return parts.negative ? -magnitude : magnitude;
    }
}

template <> BinaryParts ToParts<BoostExtended>(const BoostExtended &value)
{
    using Backend = BoostExtended::backend_type;
    const Backend &b = value.backend();
    BinaryParts parts;
    parts.negative = b.sign();
    switch (b.exponent()) {
    case Backend::exponent_zero:
        return parts;
    case Backend::exponent_infinity:
        parts.kind = BinaryParts::Kind::Infinity;
        return parts;
    case Backend::exponent_nan:
        parts.kind = BinaryParts::Kind::NaN;
        return parts;
    default:
        break;
    }
    std::uint64_t significand = 0;
    boost::multiprecision::default_ops::eval_convert_to(&significand, b.bits());
    return Normalised(parts.negative, significand, static_cast<int>(b.exponent()) - 63);
}

template <> BoostExtended FromParts<BoostExtended>(const BinaryParts &parts)
{
    using Backend = BoostExtended::backend_type;
    BoostExtended value;
    Backend &b = value.backend();
    b.sign() = parts.negative;
    if (parts.kind == BinaryParts::Kind::NaN) {
        b.exponent() = Backend::exponent_nan;
        return value;
    }
    if (parts.kind == BinaryParts::Kind::Infinity) {
        b.exponent() = Backend::exponent_infinity;
        return value;
    }
    const BinaryParts n = Normalised(parts.negative, parts.significand, parts.exponent);
    if (n.significand == 0) {
        b.exponent() = Backend::exponent_zero;
        return value;
    }
    const int top = n.exponent + 63;
    if (top > kMaxTopExponent) {
        b.exponent() = Backend::exponent_infinity;
    } else if (top < kMinTopExponent) {
        b.exponent() = Backend::exponent_zero; // no subnormals in this type
    } else {
        b.bits() = static_cast<boost::multiprecision::limb_type>(n.significand);
        b.exponent() = static_cast<Backend::exponent_type>(top);
    }
    return value;
}

} // namespace kalvio

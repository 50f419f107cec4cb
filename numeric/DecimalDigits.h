// The decimal digits of an exact binary value: the first digits, rounded, and
// where they stand.  Shared by the formatting, the shortest text and the
// tests that hold the quick reduction against the exact one.
#pragma once

#include <cstdint>
#include <optional>

namespace kalvio::numbertext::detail {

using UInt128 = unsigned __int128;

// digits x 10^exponent, with digits having exactly the asked number of digits.
struct DecimalDigits {
    UInt128 digits = 0;
    int exponent = 0;
};

enum class Rounding { NearestEven, TowardZero, AwayFromZero };

// The magnitude significand x 2^exponent (significand != 0) rounded to
// `count` significant digits (1..38), exactly, by big-integer arithmetic.
DecimalDigits ExactDigits(std::uint64_t significand, int exponent, int count, Rounding rounding);

// The same rounded to 18 digits, to nearest, ties to even, with 128-bit
// integers only; nullopt when the value lies outside the range this covers
// (significand with its top bit set and -124 <= exponent <= 64).
std::optional<DecimalDigits> QuickDigits18(std::uint64_t significand, int exponent);

// QuickDigits18 where it applies, else ExactDigits.
DecimalDigits Digits18(std::uint64_t significand, int exponent);

// 10^n for 0 <= n <= 38.
UInt128 PowerOfTen128(int n);

// Number of decimal digits of x (1 for 0).
int DigitCount(UInt128 x);

} // namespace kalvio::numbertext::detail

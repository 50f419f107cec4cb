// Random values: the quick 18-digit reduction against the exact one and the
// standard library, and long double against the Boost type, part for part
// and text for text.
#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

#include "numeric/DecimalDigits.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

using numbertext::detail::DecimalDigits;
using numbertext::detail::Rounding;

class NumberPropertyTest : public testing::Test {
protected:
    std::mt19937_64 random{0x6B616C76696FULL};

    // A significand with its top bit set; often with few bits, so that
    // exact ties of the 18-digit reduction come up.
    std::uint64_t Significand()
    {
        std::uint64_t s = random() | (std::uint64_t{1} << 63);
        if (random() % 3 == 0)
            s &= ~std::uint64_t{0} << (random() % 64);
        return s;
    }
};

void ExpectSameDigits(const DecimalDigits &a, const DecimalDigits &b, std::uint64_t significand, int exponent)
{
    EXPECT_TRUE(a.digits == b.digits && a.exponent == b.exponent)
        << "significand " << significand << " exponent " << exponent;
}

TEST_F(NumberPropertyTest, QuickReductionMatchesTheExactOne)
{
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t significand = Significand();
        const int exponent = static_cast<int>(random() % 189) - 124;
        const auto quick = numbertext::detail::QuickDigits18(significand, exponent);
        ASSERT_TRUE(quick);
        ExpectSameDigits(*quick,
                         numbertext::detail::ExactDigits(significand, exponent, 18, Rounding::NearestEven),
                         significand, exponent);
    }
    EXPECT_FALSE(numbertext::detail::QuickDigits18(std::uint64_t{1} << 63, -125));
    EXPECT_FALSE(numbertext::detail::QuickDigits18(std::uint64_t{1} << 63, 65));
}

TEST_F(NumberPropertyTest, ExactTiesOfTheReductionGoToEven)
{
    // d + 0.5 with 18-digit d: exactly halfway at the 18th digit.
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t d = 100000000000000000u + random() % 900000000000000000u;
        const BinaryParts parts = ToParts(static_cast<long double>(d) + 0.5L);
        const auto quick = numbertext::detail::QuickDigits18(parts.significand, parts.exponent);
        ASSERT_TRUE(quick);
        EXPECT_EQ(static_cast<std::uint64_t>(quick->digits), d + (d & 1));
        EXPECT_EQ(quick->exponent, 0);
    }
}

TEST_F(NumberPropertyTest, ReductionMatchesTheStandardLibrary)
{
    // 17 digits after the point in scientific form are 18 significant ones.
    for (int i = 0; i < 100000; ++i) {
        BinaryParts parts;
        parts.significand = Significand();
        parts.exponent =
            i % 4 == 0 ? static_cast<int>(random() % 32000) - 16000 : static_cast<int>(random() % 200) - 130;
        const long double value = FromParts<long double>(parts);
        char text[64];
        const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 17);
        ASSERT_EQ(result.ec, std::errc());
        const std::string s(text, result.ptr);
        const std::string mantissa = s.substr(0, 1) + s.substr(2, 17);
        const int exponent = std::stoi(s.substr(20));
        const DecimalDigits ours = numbertext::detail::Digits18(parts.significand, parts.exponent);
        EXPECT_EQ(std::to_string(static_cast<std::uint64_t>(ours.digits)), mantissa) << s;
        EXPECT_EQ(ours.exponent + 17, exponent) << s;
    }
}

TEST_F(NumberPropertyTest, LongDoubleAndBoostAgree)
{
    std::uniform_int_distribution<long long> amounts(-999999999999LL, 999999999999LL);
    std::uniform_int_distribution<int> divisors(1, 100000);
    for (int i = 0; i < 20000; ++i) {
        const long long a = amounts(random);
        const int b = divisors(random);
        const int c = divisors(random);
        // The same chain of single roundings in both types.
        long double l = static_cast<long double>(a) / b;
        l = l * c;
        l = l - static_cast<long double>(a) / 7;
        BoostExtended x = BoostExtended(a) / b;
        x = x * c;
        x = x - BoostExtended(a) / 7;
        const BinaryParts lp = ToParts(l);
        const BinaryParts xp = ToParts(x);
        ASSERT_EQ(lp.significand, xp.significand) << a << " " << b << " " << c;
        ASSERT_EQ(lp.exponent, xp.exponent);
        ASSERT_EQ(lp.negative, xp.negative);
        for (NumberPattern pattern :
             {NumberPattern::Grouped0, NumberPattern::Plain14, NumberPattern::Grouped14})
            EXPECT_EQ(FormatPattern(l, pattern), FormatPattern(x, pattern));
        const int precision = i % 19;
        EXPECT_EQ(FormatFixed(l, 1, precision, true), FormatFixed(x, 1, precision, true));
        EXPECT_EQ(ShortestText(l), ShortestText(x));
        // Parts into either type and back are the same value.
        EXPECT_EQ(FromParts<BoostExtended>(lp), x);
        EXPECT_EQ(FromParts<long double>(xp), l);
    }
}

TEST_F(NumberPropertyTest, TextsReadBackWithinHalfAUnit)
{
    // A fixed text read back and written again is the same text.
    for (int i = 0; i < 20000; ++i) {
        BinaryParts parts;
        parts.significand = Significand();
        parts.exponent = static_cast<int>(random() % 110) - 100;
        parts.negative = (random() & 1) != 0;
        const int precision = static_cast<int>(random() % 19);
        const std::string text = numbertext::FormatFixed(parts, 0, precision, false);
        const auto back = numbertext::ParseDecimal(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(numbertext::FormatFixed(*back, 0, precision, false), text);
    }
}

} // namespace
} // namespace kalvio

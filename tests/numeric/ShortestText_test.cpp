// The shortest text that reads back to the same value: its layout, and round
// trips checked against the standard library's own shortest conversion.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/NumberText.h"

namespace kalvio {
namespace {

TEST(ShortestTextTest, Layout)
{
    struct Case {
        long double value;
        const char *expected;
    };
    const Case cases[] = {{0.0L, "0"},
                          {-0.0L, "-0"},
                          {1.0L, "1"},
                          {-2.5L, "-2.5"},
                          {0.1L, "0.1"},
                          {172305.066L, "172305.066"},
                          {1172305.0L, "1172305"},
                          {1e20L, "100000000000000000000"},
                          {1e21L, "1e+21"},
                          {1.5e25L, "1.5e+25"},
                          {0.000001L, "0.000001"},
                          {1.5e-7L, "1.5e-7"},
                          {-1.23e-7L, "-1.23e-7"},
                          {LDBL_MAX, "1.189731495357231765e+4932"},
                          {LDBL_MIN, "3.3621031431120935063e-4932"},
                          {std::numeric_limits<long double>::denorm_min(), "4e-4951"},
                          {std::numeric_limits<long double>::infinity(), "Infinity"},
                          {-std::numeric_limits<long double>::infinity(), "-Infinity"},
                          {std::numeric_limits<long double>::quiet_NaN(), "NaN"}};
    for (const Case &c : cases)
        EXPECT_EQ(ShortestText(c.value), c.expected);
    EXPECT_EQ(ShortestText(BoostExtended(1) / 4), "0.25");
}

TEST(ShortestTextTest, SumsOfDecimalsShowTheirBinaryError)
{
    const long double sum = 0.1L + 0.8L; // not the long double nearest 0.9
    const std::string text = ShortestText(sum);
    EXPECT_EQ(text, "0.90000000000000000003");
    EXPECT_EQ(*ParseDecimal<long double>(text), sum);
}

// Significant digits and decimal exponent of a scientific text "d.ddde+X".
std::pair<std::string, int> DigitsOf(const std::string &text)
{
    std::string digits;
    std::size_t i = 0;
    if (text[i] == '-')
        ++i;
    int exponent = 0;
    int before = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        if (digits.empty() && text[i] == '0') {
            if (point)
                --exponent;
            continue;
        }
        digits += text[i];
        if (!point)
            ++before;
    }
    if (i < text.size())
        exponent += std::stoi(text.substr(i + 1));
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return {digits, exponent + before - 1};
}

TEST(ShortestTextTest, RandomValuesReadBackAndMatchTheStandardLibrary)
{
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> exponents(-16445 - 63, 16320);
    for (int i = 0; i < 3000; ++i) {
        BinaryParts parts;
        parts.significand = random() | (std::uint64_t{1} << 63);
        parts.exponent = i % 3 == 0 ? exponents(random) : static_cast<int>(random() % 160) - 100;
        parts.negative = (random() & 1) != 0;
        const long double value = FromParts<long double>(parts);
        const BinaryParts exact = ToParts(value);
        const std::string text = ShortestText(value);
        const auto back = numbertext::ParseDecimal(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back->significand, exact.significand) << text;
        EXPECT_EQ(back->exponent, exact.exponent) << text;
        EXPECT_EQ(back->negative, exact.negative) << text;

        char reference[64];
        const auto result =
            std::to_chars(reference, reference + sizeof reference, value, std::chars_format::scientific);
        ASSERT_EQ(result.ec, std::errc());
        EXPECT_EQ(DigitsOf(text), DigitsOf(std::string(reference, result.ptr))) << text;
    }
}

} // namespace
} // namespace kalvio

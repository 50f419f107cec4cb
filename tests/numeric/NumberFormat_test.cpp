// The picture patterns and fixed formats on tables of values: rounding of
// the 18-digit reduction, signs of zeros, grouping, padding, exponent forms.
#include <gtest/gtest.h>

#include <string>

#include "numeric/NumberText.h"

namespace kalvio {
namespace {

long double Parse(const char *text)
{
    return *ParseDecimal<long double>(text);
}

struct PatternCase {
    const char *value; // decimal text, read correctly rounded
    NumberPattern pattern;
    const char *expected;
};

class PatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, WritesTheValue)
{
    const PatternCase &c = GetParam();
    EXPECT_EQ(FormatPattern(Parse(c.value), c.pattern), c.expected) << c.value;
    EXPECT_EQ(FormatPattern(*ParseDecimal<BoostExtended>(c.value), c.pattern), c.expected) << c.value;
}

constexpr NumberPattern G0 = NumberPattern::Grouped0;
constexpr NumberPattern P14 = NumberPattern::Plain14;
constexpr NumberPattern G14 = NumberPattern::Grouped14;

INSTANTIATE_TEST_SUITE_P(
    Grouped0, PatternTest,
    testing::Values(
        PatternCase{"0", G0, "0"}, PatternCase{"-0", G0, "0"}, PatternCase{"1", G0, "1"},
        PatternCase{"999", G0, "999"}, PatternCase{"1000", G0, "1,000"}, PatternCase{"-1000", G0, "-1,000"},
        PatternCase{"1234567.5", G0, "1,234,568"}, PatternCase{"500000.5", G0, "500,001"},
        PatternCase{"-2.5", G0, "-3"}, PatternCase{"2.5", G0, "3"}, PatternCase{"0.5", G0, "1"},
        PatternCase{"-0.5", G0, "-1"}, PatternCase{"0.49999999999999999999", G0, "1"}, // reduces to 0.5 first
        PatternCase{"0.4999999999999999", G0, "0"}, PatternCase{"-0.4", G0, "0"},
        PatternCase{"1e-12", G0, "0"}, PatternCase{"-1e-12", G0, "0"}, PatternCase{"1e-4000", G0, "0"},
        PatternCase{"172305.06599999999", G0, "172,305"}, PatternCase{"1172305.066", G0, "1,172,305"},
        PatternCase{"117230.50745685", G0, "117,231"},
        // Ties of the 18-digit reduction go to even, then halves away from zero.
        PatternCase{"12345678901234567.5", G0, "12,345,678,901,234,568"},
        PatternCase{"12345678901234568.5", G0, "12,345,678,901,234,569"},
        PatternCase{"123456789012345678.5", G0, "123,456,789,012,345,678"},
        PatternCase{"-123456789012345678.5", G0, "-123,456,789,012,345,678"},
        PatternCase{"123456789012345677.5", G0, "123,456,789,012,345,678"},
        PatternCase{"12345678901234568.25", G0, "12,345,678,901,234,568"},
        PatternCase{"99999999999999999.5", G0, "100,000,000,000,000,000"},
        PatternCase{"999999999999999999", G0, "999,999,999,999,999,999"},
        PatternCase{"-999999999999999999", G0, "-999,999,999,999,999,999"},
        // 18 nines and a half reduce to 10^18: exponent form.
        PatternCase{"999999999999999999.5", G0, "1E18"},
        PatternCase{"999999999999999999.4", G0, "999,999,999,999,999,999"}, PatternCase{"1e18", G0, "1E18"},
        PatternCase{"-1e18", G0, "-1E18"}, PatternCase{"1.5e20", G0, "1.5E20"},
        PatternCase{"123456789012345678901", G0, "1.23456789012346E20"},
        PatternCase{"999999999999999950000", G0, "1E21"},
        PatternCase{"999999999999999499999", G0, "1E21"}, // 18 digits: ...500
        PatternCase{"999999999999999499000", G0, "9.99999999999999E20"},
        PatternCase{"1234567890123456785", G0, "1.23456789012346E18"}, PatternCase{"1e4000", G0, "1E4000"},
        PatternCase{"-2.5e300", G0, "-2.5E300"}));

INSTANTIATE_TEST_SUITE_P(
    FreeDecimals, PatternTest,
    testing::Values(
        PatternCase{"0", P14, "0"}, PatternCase{"-0", G14, "0"}, PatternCase{"1234567.5", G14, "1,234,567.5"},
        PatternCase{"1234567.5", P14, "1234567.5"}, PatternCase{"-1234567.5", P14, "-1234567.5"},
        PatternCase{"0.3333333333333333333333", P14, "0.33333333333333"},
        PatternCase{"0.6666666666666666666666", P14, "0.66666666666667"},
        PatternCase{"0.000000000000005", P14, "0.00000000000001"},
        PatternCase{"0.0000000000000049999", P14, "0"}, PatternCase{"-0.0000000000000049999", P14, "0"},
        PatternCase{"-0.000000000000005", P14, "-0.00000000000001"}, PatternCase{"0.1", P14, "0.1"},
        PatternCase{"3.5", P14, "3.5"}, PatternCase{"12", P14, "12"}, PatternCase{"99.999", P14, "99.999"},
        PatternCase{"999999999999.99", P14, "999999999999.99"}, PatternCase{"0.999999999999995", P14, "1"},
        PatternCase{"123456.123456789012345", P14, "123456.123456789012"},
        PatternCase{"1234567.0000001", G14, "1,234,567.0000001"}, PatternCase{"1e-30", G14, "0"},
        PatternCase{"1.5e20", P14, "1.5E20"}, PatternCase{"1.5e20", G14, "1.5E20"}));

struct FixedCase {
    const char *value;
    int width;
    int precision;
    bool grouped;
    bool leftJustify;
    const char *expected;
};

class FixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTest, WritesTheValue)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(FormatFixed(Parse(c.value), c.width, c.precision, c.grouped, c.leftJustify), c.expected)
        << c.value;
    EXPECT_EQ(
        FormatFixed(*ParseDecimal<BoostExtended>(c.value), c.width, c.precision, c.grouped, c.leftJustify),
        c.expected)
        << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, FixedTest,
    testing::Values(
        FixedCase{"1234567.5", 1, 0, true, false, "1,234,568"},
        FixedCase{"1234567.5", 1, 0, false, false, "1234568"},
        FixedCase{"1234567.5", 1, 2, true, false, "1,234,567.50"},
        FixedCase{"-1234.5", 1, 0, true, false, "-1,235"}, FixedCase{"0", 1, 2, true, false, "0.00"},
        FixedCase{"-0", 1, 0, false, false, "0"}, FixedCase{"-0.4", 1, 0, true, false, "0"},
        FixedCase{"-0.004", 1, 2, true, false, "0.00"}, FixedCase{"-0.005", 1, 2, true, false, "-0.01"},
        FixedCase{"0.005", 1, 2, true, false, "0.01"}, FixedCase{"3", 1, 3, true, false, "3.000"},
        FixedCase{"3.5", 1, 3, true, false, "3.500"}, FixedCase{"0.4", 1, 0, true, false, "0"},
        FixedCase{"1.0005", 1, 3, false, false, "1.001"}, // 1.00050000000000000 after reduction
        FixedCase{"1e-300", 1, 18, false, false, "0.000000000000000000"},
        FixedCase{"0.123456789012345678901", 1, 18, false, false, "0.123456789012345679"},
        FixedCase{"123456789.123456789", 1, 18, false, false, "123456789.123456789000000000"},
        FixedCase{"123456789.123456789", 1, 40, false, false, "123456789.123456789000000000"},
        FixedCase{"2.5", 1, -3, false, false, "3"},
        // Width pads with blanks, on the right for "%-*.*f".
        FixedCase{"1234", 8, 0, true, false, "   1,234"}, FixedCase{"1234", 8, 0, true, true, "1,234   "},
        FixedCase{"-1.5", 6, 1, false, false, "  -1.5"}, FixedCase{"-1.5", 6, 1, false, true, "-1.5  "},
        FixedCase{"-1.5", -6, 1, false, false, "-1.5  "}, FixedCase{"123456", 3, 0, true, false, "123,456"},
        FixedCase{"0", 0, 0, false, false, "0"}, FixedCase{"-7", 0, 0, false, true, "-7"},
        // Exponent forms: up to 18 digits, exponent padded to the precision when 1..4.
        FixedCase{"1e20", 1, 0, true, false, "1E20"}, FixedCase{"1e20", 1, 3, true, false, "1E020"},
        FixedCase{"1e20", 1, 1, true, false, "1E20"}, FixedCase{"1e20", 1, 4, false, false, "1E0020"},
        FixedCase{"1e20", 1, 5, false, false, "1E20"}, FixedCase{"1e18", 1, 2, true, false, "1E18"},
        FixedCase{"-1.5e20", 1, 2, true, false, "-1.5E20"},
        FixedCase{"123456789012345678901", 1, 0, true, false, "1.23456789012345679E20"},
        FixedCase{"999999999999999999.5", 1, 2, true, false, "1E18"},
        FixedCase{"999999999999999999.25", 1, 2, true, false, "999,999,999,999,999,999.00"},
        FixedCase{"1e20", 8, 3, false, false, "   1E020"}, FixedCase{"1e20", 8, 3, false, true, "1E020   "}));

TEST(FormatSpecialTest, InfinitiesAndNaN)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(FormatPattern(inf, NumberPattern::Grouped0), "INF");
    EXPECT_EQ(FormatPattern(-inf, NumberPattern::Plain14), "-INF");
    EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::quiet_NaN(), 5, 2, true), "  NAN");
}

TEST(FormatFixedTest, AWildWidthStaysBounded)
{
    EXPECT_EQ(FormatFixed(1.0L, 1 << 30, 0, false).size(), 1024u);
    EXPECT_EQ(FormatFixed(1.0L, std::numeric_limits<int>::min(), 0, false).size(), 1024u);
    EXPECT_EQ(FormatFixed(1.0L, std::numeric_limits<int>::min(), 0, false).front(), '1');
}

TEST(FormatArithmeticTest, ThirdsAndTheirSums)
{
    const long double one = 1;
    EXPECT_EQ(FormatPattern(one / 3, NumberPattern::Plain14), "0.33333333333333");
    EXPECT_EQ(FormatPattern(2 * one / 3, NumberPattern::Grouped14), "0.66666666666667");
    const BoostExtended boostOne = 1;
    EXPECT_EQ(FormatPattern(BoostExtended(boostOne / 3), NumberPattern::Plain14), "0.33333333333333");
    EXPECT_EQ(FormatPattern(BoostExtended(2 * boostOne / 3), NumberPattern::Plain14), "0.66666666666667");
    // 0.1 + 0.2 is not 0.3 in binary, but 18 digits hide it.
    EXPECT_EQ(FormatFixed(Parse("0.1") + Parse("0.2"), 1, 18, false), "0.300000000000000000");
}

} // namespace
} // namespace kalvio

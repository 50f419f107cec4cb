// Correctly rounded reading of decimal text: ties at the 65th bit, long
// inputs, the ends of the range and text that is not a number.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "numeric/NumberText.h"

namespace kalvio {
namespace {

using boost::multiprecision::cpp_int;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

std::string Text(const cpp_int &n)
{
    return n.str();
}

// The decimal text of n x 2^-f, exactly.
std::string BinaryFraction(const cpp_int &n, unsigned f)
{
    return Text(n * boost::multiprecision::pow(cpp_int(5), f)) + "e-" + std::to_string(f);
}

long double Read(const std::string &text)
{
    const auto value = ParseDecimal<long double>(text);
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(0);
}

TEST(DecimalParseTest, AgreesWithTheCompilersLiterals)
{
    struct Case {
        const char *text;
        long double value;
    };
    const Case cases[] = {{"1", 1.0L},
                          {"0.1", 0.1L},
                          {"-0.1", -0.1L},
                          {"3.000", 3.0L},
                          {"0.0005", 0.0005L},
                          {"5.0e-15", 5.0e-15L},
                          {"1.0e12", 1.0e12L},
                          {"999999999999", 999999999999.0L},
                          {"172305.066", 172305.066L},
                          {"1e-4000", 1e-4000L},
                          {"1.5e4000", 1.5e4000L},
                          {"3.6451995318824746025e-4951", 3.6451995318824746025e-4951L},
                          {"1.18973149535723176502e4932", LDBL_MAX},
                          {"3.3621031431120935063e-4932", LDBL_MIN},
                          {".5", 0.5L},
                          {"5.", 5.0L},
                          {"+5", 5.0L},
                          {"-.5e-1", -0.05L},
                          {"00012", 12.0L},
                          {"1E3", 1000.0L},
                          {"1e+3", 1000.0L},
                          {"0.000000000000000000000000000001", 1e-30L}};
    for (const Case &c : cases)
        EXPECT_EQ(Read(c.text), c.value) << c.text;
}

TEST(DecimalParseTest, SignedZeros)
{
    EXPECT_FALSE(std::signbit(Read("0")));
    EXPECT_TRUE(std::signbit(Read("-0")));
    EXPECT_TRUE(std::signbit(Read("-0.000e999999999999999999999")));
    EXPECT_EQ(Read("0e-99999999999"), 0.0L);
    EXPECT_TRUE(std::signbit(Read("-1e-5000")));
}

TEST(DecimalParseTest, TiesAtTheSixtyFifthBitGoToEven)
{
    const cpp_int two63 = cpp_int(1) << 63;
    const cpp_int two64 = cpp_int(1) << 64;
    struct Case {
        std::string text;
        std::uint64_t significand;
        int exponent;
    };
    const Case cases[] = {
        {Text(two63) + ".5", kTop, 0},         // tie, even below
        {Text(two63 + 1) + ".5", kTop + 2, 0}, // tie, even above
        {Text(two63) + ".50000000000000000000000000001", kTop + 1, 0},
        {Text(two63) + ".49999999999999999999999999999", kTop, 0},
        {Text(two64 + 1), kTop, 1}, // tie at 2^64 + 1
        {Text(two64 + 3), kTop + 2, 1},
        {Text(two64 + 1) + ".0000000000000000000000001", kTop + 1, 1},
        {Text(two64 - 1) + ".5", kTop, 1}, // rounds up into the next binade
        {Text(two64 - 1) + ".4999999", ~std::uint64_t{0}, 0},
        // 1 + 2^-64 is the tie below 1 + 2^-63.
        {BinaryFraction((cpp_int(1) << 64) + 1, 64), kTop, -63},
        {BinaryFraction((cpp_int(1) << 64) + 3, 64), kTop + 2, -63},
    };
    for (const Case &c : cases) {
        const auto parts = numbertext::ParseDecimal(c.text);
        ASSERT_TRUE(parts) << c.text;
        EXPECT_EQ(parts->significand, c.significand) << c.text;
        EXPECT_EQ(parts->exponent, c.exponent) << c.text;
    }
}

TEST(DecimalParseTest, LongInputs)
{
    const std::string zeros(20000, '0');
    EXPECT_EQ(Read("1" + zeros + "e-20000"), 1.0L);
    EXPECT_EQ(Read("0." + zeros + "1e20001"), 1.0L);
    EXPECT_EQ(Read("1." + zeros + "1"), 1.0L);
    EXPECT_EQ(Read("0.1" + zeros), 0.1L);
    // A tie decided by a digit far past any digit kept in full.
    const cpp_int two64 = cpp_int(1) << 64;
    EXPECT_EQ(Read(Text(two64 + 1) + "." + zeros), 18446744073709551616.0L);
    EXPECT_EQ(Read(Text(two64 + 1) + "." + zeros + "1"), 18446744073709551618.0L);
    EXPECT_EQ(Read(Text(two64 + 1) + zeros + "1e-20001"), 18446744073709551618.0L);
    EXPECT_EQ(Read(Text(two64 + 1) + zeros + "0e-20001"), 18446744073709551616.0L);
    std::string thirds = "0.";
    thirds.append(50000, '3');
    EXPECT_EQ(Read(thirds), 1.0L / 3);
}

TEST(DecimalParseTest, TheTopOfTheRange)
{
    // Halfway between the largest value and 2^16384: ties to even, upwards, so too large.
    const cpp_int halfway = ((cpp_int(1) << 65) - 1) << 16319;
    EXPECT_FALSE(numbertext::ParseDecimal(Text(halfway)));
    EXPECT_EQ(Read(Text(halfway - 1)), LDBL_MAX);
    EXPECT_EQ(Read("-" + Text(halfway - 1)), -LDBL_MAX);
    EXPECT_FALSE(numbertext::ParseDecimal("1.2e4932"));
    EXPECT_FALSE(numbertext::ParseDecimal("-1e5000"));
    EXPECT_FALSE(numbertext::ParseDecimal("1e99999999999999999999999"));
}

TEST(DecimalParseTest, TheBottomOfTheRange)
{
    const long double tiny = std::numeric_limits<long double>::denorm_min();
    EXPECT_EQ(Read(BinaryFraction(1, 16446)), 0.0L);       // half the smallest: tie to zero
    EXPECT_EQ(Read(BinaryFraction(1, 16446) + "1"), 0.0L); // one digit more is a tenth of it
    EXPECT_EQ(Read(BinaryFraction(3, 16447)), tiny);
    EXPECT_EQ(Read(BinaryFraction(3, 16446)), 2 * tiny); // 1.5 units: tie to even
    EXPECT_EQ(Read(BinaryFraction(5, 16446)), 2 * tiny);
    EXPECT_EQ(Read(BinaryFraction((cpp_int(1) << 64) - 1, 16446)), LDBL_MIN);
    EXPECT_EQ(Read("1e-5000"), 0.0L);
    // The Boost type has no subnormals: they read as zero.
    EXPECT_EQ(*ParseDecimal<BoostExtended>(BinaryFraction(3, 16447)), 0);
}

TEST(DecimalParseTest, RejectsMalformedText)
{
    const char *bad[] = {"",      "+",    "-",   ".",   "e5",    "1e",  "1e+", "1.2.3", " 1",    "1 ",
                         "1,000", "0x10", "inf", "nan", "1e5.5", "--1", "+-1", "1d",    "1e--1", "１"};
    for (const char *text : bad)
        EXPECT_FALSE(numbertext::ParseDecimal(text)) << text;
}

TEST(DecimalParseTest, RandomTextsAgreeWithTheStandardLibrary)
{
    // Digit strings of any length and exponents across the whole range,
    // checked against std::from_chars (locale-free, correctly rounded).
    std::mt19937_64 random(1211);
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % (i % 10 == 0 ? 60 : 25));
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2) {
            const int range = i % 5 == 0 ? 9900 : 60;
            text += "e" + std::to_string(static_cast<int>(random() % range) - range / 2);
        }
        long double expected = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto ours = numbertext::ParseDecimal(text);
        if (result.ec == std::errc::result_out_of_range) {
            // Overflow is nullopt; an underflow is a zero or a subnormal.
            if (ours) {
                EXPECT_LT(ours->exponent, -16382 - 63) << text;
            }
            continue;
        }
        ASSERT_EQ(result.ec, std::errc()) << text;
        ASSERT_EQ(result.ptr, text.data() + text.size()) << text;
        ASSERT_TRUE(ours) << text;
        EXPECT_EQ(FromParts<long double>(*ours), expected) << text;
        EXPECT_EQ(ours->negative, text[0] == '-') << text;
    }
}

TEST(DecimalParseTest, ShortTextsReadTheSameAsTheirLongForms)
{
    // Up to 19 digits with a small exponent take a quicker route; the same
    // value written with twenty more zeros takes the general one.
    std::mt19937_64 random(99);
    for (int i = 0; i < 50000; ++i) {
        std::string digits = std::to_string(random() % 10000000000000000000u);
        if (i % 3 == 0)
            digits.resize(1 + random() % digits.size());
        const int exponent = static_cast<int>(random() % 60) - 32;
        const auto quick = numbertext::ParseDecimal(digits + "e" + std::to_string(exponent));
        const auto general =
            numbertext::ParseDecimal(digits + std::string(20, '0') + "e" + std::to_string(exponent - 20));
        ASSERT_TRUE(quick && general) << digits << "e" << exponent;
        EXPECT_EQ(quick->significand, general->significand) << digits << "e" << exponent;
        EXPECT_EQ(quick->exponent, general->exponent) << digits << "e" << exponent;
    }
    // Exact ties in the quick route: 3689348814741910325 x 5 is odd with 65 bits.
    EXPECT_EQ(Read("3689348814741910325e1"), 36893488147419103250.0L);
    EXPECT_EQ(Read("3689348814741910325e1"), 36893488147419103248.0L);
    EXPECT_EQ(Read("3689348814741910327e1"), 36893488147419103272.0L);
}

TEST(DecimalParseTest, GarbageNeverBreaksIt)
{
    // Whatever the text, an answer or nullopt, and a number only for well-formed text.
    const std::string alphabet = "0123456789.eE+- x,";
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        const auto ours = numbertext::ParseDecimal(text);
        if (ours) {
            EXPECT_EQ(text.find_first_of(" x,"), std::string::npos) << text;
            EXPECT_NE(text.find_first_of("0123456789"), std::string::npos) << text;
        }
    }
}

TEST(DecimalParseTest, PowersOfTen)
{
    EXPECT_EQ(PowerOfTen<long double>(0), 1.0L);
    EXPECT_EQ(PowerOfTen<long double>(12), 1e12L);
    EXPECT_EQ(PowerOfTen<long double>(-15), 1e-15L);
    EXPECT_EQ(FiveTimesPowerOfTen<long double>(-4), 5e-4L);
    EXPECT_EQ(FiveTimesPowerOfTen<long double>(-15), 5e-15L);
    EXPECT_EQ(PowerOfTen<BoostExtended>(-15), BoostExtended(1) / BoostExtended("1e15"));
    // Not the product of repeated tenths.
    long double product = 1;
    for (int i = 0; i < 15; ++i)
        product /= 10;
    EXPECT_NE(PowerOfTen<long double>(-15), product);
}

} // namespace
} // namespace kalvio

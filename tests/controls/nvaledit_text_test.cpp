// Reading text as a number the way the entry field reads pasted and
// written-in text, and the full-width mapping beneath it.
#include <gtest/gtest.h>

#include "controls/FullWidth.h"
#include "nvaledit_test_support.h"

namespace kalvio::test {
namespace {

struct ReadCase {
    const char *text;
    char leadingChar;
    std::optional<const char *> value; // nullopt: not a number, read as 0
};

class NValEditTextToValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NValEditTextToValue, Reads)
{
    const ReadCase &c = GetParam();
    NValEditModel m;
    m.setLeadingChar(c.leadingChar);
    const std::optional<Extended> read = m.ReadNumber(c.text);
    if (c.value) {
        ASSERT_TRUE(read.has_value()) << c.text;
        EXPECT_EQ(*read, Dec(*c.value)) << c.text;
        EXPECT_EQ(m.TextToValue(c.text), Dec(*c.value)) << c.text;
    } else {
        EXPECT_FALSE(read.has_value()) << c.text;
        EXPECT_EQ(m.TextToValue(c.text), 0) << c.text;
    }
}

const ReadCase kReads[] = {
    {"", ' ', std::nullopt},
    {"0", ' ', "0"},
    {"1234567", ' ', "1234567"},
    {"1,234,567", ' ', "1234567"},
    {"123,456", ' ', "123456"},
    {"1,234.5", ' ', "1234.5"},
    {"12,34", ' ', std::nullopt},
    {"1234,567", ' ', std::nullopt}, // a first group of four
    {",123", ' ', std::nullopt},
    {"1,23", ' ', std::nullopt},
    {"1.234,5", ' ', std::nullopt}, // separator after the point
    {"1,,234", ' ', std::nullopt},
    // A sign is no digit of the first group: the field's own negative texts read back.
    {"-123,456", ' ', "-123456"},
    {"-1,234", ' ', "-1234"},
    {"+123,456,789", ' ', "123456789"},
    {"-1234,567", ' ', std::nullopt},
    {"-,123", ' ', std::nullopt},
    {"-5", ' ', "-5"},
    {"+5", ' ', "5"},
    {"5-", ' ', std::nullopt},
    {"--5", ' ', std::nullopt},
    {"-", ' ', std::nullopt},
    {"+", ' ', std::nullopt},
    {".", ' ', "0"},
    {"5.", ' ', "5"},
    {".5", ' ', "0.5"},
    {"-.5", ' ', "-0.5"},
    {"1.2.3", ' ', std::nullopt},
    {"12a", ' ', std::nullopt},
    {" 12", ' ', std::nullopt},
    {"12 ", ' ', std::nullopt},
    {"1e5", ' ', std::nullopt},
    {"$12", ' ', "12"},
    {"\\12", ' ', "12"},
    {"$$12", ' ', std::nullopt},
    {"$-1,200", ' ', "-1200"},
    {"$12", '#', std::nullopt},
    {"#12", '#', "12"},
    {"１２３", ' ', "123"},
    {"１，０００，０００", ' ', "1000000"},
    {"－１２．５", ' ', "-12.5"},
    {"＋７", ' ', "7"},
    {"＄１２", ' ', "12"},
    {"＼１２", ' ', "12"},
    {"￥１２", ' ', std::nullopt}, // the full-width yen sign has no half-width form
    {"１２　", ' ', std::nullopt},
    {"一二三", ' ', std::nullopt},
    {"\xff\xfe", ' ', std::nullopt},
    {"12\xc3", ' ', std::nullopt},
    {"0.1", ' ', "0.1"},
    {"00012", ' ', "12"},
    {"-0", ' ', "0"},
    {"123456789012345678901234567890", ' ', "123456789012345678901234567890"},
};

INSTANTIATE_TEST_SUITE_P(Texts, NValEditTextToValue, ::testing::ValuesIn(kReads));

TEST(NValEditTextToValue, ZeroFromTextIsPositive)
{
    NValEditModel m;
    using std::signbit;
    EXPECT_FALSE(signbit(m.TextToValue("-0")));
}

TEST(NValEditTextToValue, HugeDigitStringsAreNoCrash)
{
    NValEditModel m;
    EXPECT_EQ(m.TextToValue(std::string(6000, '9')), 0); // beyond the number type
    EXPECT_EQ(m.TextToValue("0." + std::string(6000, '0') + "1"), 0);
}

TEST(NValEditFullWidth, MapsTheFullWidthAsciiFormsAndTheIdeographicSpace)
{
    EXPECT_EQ(FullWidth::ToHalfWidth(U'！'), U'!');
    EXPECT_EQ(FullWidth::ToHalfWidth(U'～'), U'~');
    EXPECT_EQ(FullWidth::ToHalfWidth(U'\u3000'), U' ');
    EXPECT_EQ(FullWidth::ToHalfWidth(U'\uFF00'), U'\uFF00');
    EXPECT_EQ(FullWidth::ToHalfWidth(U'\uFF5F'), U'\uFF5F');
    EXPECT_EQ(FullWidth::ToHalfWidth(U'あ'), U'あ');
    EXPECT_EQ(FullWidth::ToHalfWidth(std::string("ＡＢＣ　１２３あ")),
              std::optional<std::string>("ABC 123あ"));
    EXPECT_EQ(FullWidth::ToHalfWidth(std::string("\xed\xa0\x80")), std::nullopt); // a surrogate
    EXPECT_EQ(FullWidth::ToHalfWidth(std::string("\xc0\xb1")), std::nullopt);     // overlong "1"
}

} // namespace
} // namespace kalvio::test

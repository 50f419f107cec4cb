// The numeric label's text: the four formats, zero, the leading character, and
// the property corrections, without any widget.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/NValLabelModel.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

Extended Number(const char *text)
{
    return *ParseDecimal<Extended>(text);
}

// One row; an unset column means the text is the same for every setting.
struct TextCase {
    const char *name;
    Extended value;
    std::optional<int> fixDecimal;
    std::optional<bool> putAComma;
    std::optional<bool> zeroDisplay;
    char leadingChar;
    const char *text;
};

std::vector<TextCase> Cases()
{
    const Extended third = Extended(1) / Extended(3);
    const Extended twoThirds = Extended(2) / Extended(3);
    return {
        // The worked examples.
        {"grouped_no_decimals", Number("1234567.5"), 0, true, {}, ' ', "1,234,568"},
        {"plain_no_decimals", Number("1234567.5"), 0, false, {}, ' ', "1234568"},
        {"grouped_two_decimals", Number("1234567.5"), 2, true, {}, ' ', "1,234,567.50"},
        {"grouped_free", Number("1234567.5"), -1, true, {}, ' ', "1,234,567.5"},
        {"plain_free", Number("1234567.5"), -1, false, {}, ' ', "1234567.5"},
        {"negative_half_away", Number("-1234.5"), 0, true, {}, ' ', "-1,235"},
        {"prefix_before_sign", Number("-1234.5"), 0, true, {}, '$', "$-1,235"},
        {"zero_shown", Extended(0), {}, {}, true, ' ', "0"},
        {"zero_empty", Extended(0), {}, {}, false, ' ', ""},
        {"rounds_to_zero_still_digits", Number("0.4"), 0, {}, false, ' ', "0"},
        {"third_free", third, -1, {}, {}, ' ', "0.33333333333333"},
        {"two_thirds_free", twoThirds, -1, {}, {}, ' ', "0.66666666666667"},
        {"exponent_fixed0", PowerOfTen(20), 0, {}, {}, ' ', "1E20"},
        {"exponent_padded", PowerOfTen(20), 3, {}, {}, ' ', "1E020"},
        {"exponent_free", Number("1.5e20"), -1, {}, {}, ' ', "1.5E20"},
        // Signs, rounding and the leading character.
        {"negative_rounds_to_zero_loses_sign", Number("-0.4"), 0, {}, {}, ' ', "0"},
        {"negative_rounds_to_zero_decimals", Number("-0.004"), 2, {}, {}, ' ', "0.00"},
        {"half_up", Number("2.5"), 0, {}, {}, ' ', "3"},
        {"half_down_negative", Number("-2.5"), 0, {}, {}, ' ', "-3"},
        {"prefix_grouped", Number("1234567.5"), 0, true, {}, '$', "$1,234,568"},
        {"prefix_not_on_zero", Extended(0), {}, {}, true, '$', "0"},
        {"prefix_on_rounded_zero", Number("-0.4"), 0, {}, {}, '$', "$0"},
        {"negative_zero_shown", -Extended(0), {}, {}, true, '$', "0"},
        {"negative_zero_empty", -Extended(0), {}, {}, false, '$', ""},
        {"ampersand_kept_in_text", Number("5"), 0, {}, {}, '&', "&5"},
        {"half_width_katakana", Number("5"), 0, {}, {}, static_cast<char>(0xB1), "\uFF715"},
        {"lead_byte_alone", Number("5"), 0, {}, {}, static_cast<char>(0x82), "\uFFFD5"},
    };
}

class NValLabelTextCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(NValLabelTextCase, GivesTheText)
{
    const TextCase &c = GetParam();
    const std::vector<int> decimals =
        c.fixDecimal ? std::vector<int>{*c.fixDecimal} : std::vector{-1, 0, 2, 14};
    const std::vector<bool> commas = c.putAComma ? std::vector<bool>{*c.putAComma} : std::vector{false, true};
    const std::vector<bool> zeros =
        c.zeroDisplay ? std::vector<bool>{*c.zeroDisplay} : std::vector{false, true};
    for (int fix : decimals)
        for (bool comma : commas)
            for (bool zero : zeros) {
                NValLabelModel model;
                model.setFixDecimal(fix);
                model.setPutAComma(comma);
                model.setZeroDisplay(zero);
                model.setLeadingChar(c.leadingChar);
                model.setValue(c.value);
                EXPECT_EQ(model.Text(), c.text)
                    << "FixDecimal " << fix << " PutAComma " << comma << " ZeroDisplay " << zero;
                EXPECT_EQ(NValLabelModel::Format(c.value, fix, comma, zero, c.leadingChar), c.text);
            }
}

INSTANTIATE_TEST_SUITE_P(Examples, NValLabelTextCase, ::testing::ValuesIn(Cases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NValLabelModel, StartsWithTheDefaultsAndNoText)
{
    const NValLabelModel model;
    EXPECT_EQ(model.Value(), 0);
    EXPECT_EQ(model.FixDecimal(), -1);
    EXPECT_TRUE(model.PutAComma());
    EXPECT_FALSE(model.ZeroDisplay());
    EXPECT_EQ(model.LeadingChar(), ' ');
    EXPECT_EQ(model.Text(), "");
}

TEST(NValLabelModel, FixDecimalIsClampedAndReformats)
{
    NValLabelModel model;
    model.setValue(Number("1234567.5"));
    EXPECT_TRUE(model.setFixDecimal(15));
    EXPECT_EQ(model.FixDecimal(), 14);
    EXPECT_EQ(model.Text(), "1,234,567.50000000000000");
    EXPECT_TRUE(model.setFixDecimal(-5));
    EXPECT_EQ(model.FixDecimal(), -1);
    EXPECT_EQ(model.Text(), "1,234,567.5");
    model.setFixDecimal(1000000);
    EXPECT_EQ(model.FixDecimal(), 14);
    model.setFixDecimal(-1000000);
    EXPECT_EQ(model.FixDecimal(), -1);
}

TEST(NValLabelModel, ControlCharacterAsLeadingCharIsIgnored)
{
    NValLabelModel model;
    model.setValue(Number("12"));
    ASSERT_TRUE(model.setLeadingChar('$'));
    ASSERT_EQ(model.Text(), "$12");
    for (char ch : {'\0', '\t', '\x1f'}) {
        EXPECT_FALSE(model.setLeadingChar(ch));
        EXPECT_EQ(model.LeadingChar(), '$');
        EXPECT_EQ(model.Text(), "$12");
    }
    // A byte above 127 is a character of the code page, not a control code.
    EXPECT_TRUE(model.setLeadingChar(static_cast<char>(0xDF)));
    EXPECT_EQ(model.LeadingChar(), static_cast<char>(0xDF));
    EXPECT_TRUE(model.setLeadingChar(' '));
    EXPECT_EQ(model.Text(), "12");
}

TEST(NValLabelModel, DisplaySwitchesReformatEvenWhenUnchanged)
{
    NValLabelModel model;
    model.setValue(Number("1234567.5"));
    EXPECT_TRUE(model.setPutAComma(false));
    EXPECT_EQ(model.Text(), "1234567.5");
    EXPECT_FALSE(model.setPutAComma(false)); // formatted again, same text
    EXPECT_EQ(model.Text(), "1234567.5");

    EXPECT_TRUE(model.setValue(0));
    EXPECT_EQ(model.Text(), "");
    EXPECT_TRUE(model.setZeroDisplay(true));
    EXPECT_EQ(model.Text(), "0");
    EXPECT_FALSE(model.setZeroDisplay(true));
    EXPECT_TRUE(model.setZeroDisplay(false));
    EXPECT_EQ(model.Text(), "");
}

TEST(NValLabelModel, ValueIsKeptEvenWhenTheTextDoesNotChange)
{
    NValLabelModel model;
    model.setFixDecimal(0);
    EXPECT_TRUE(model.setValue(Number("1234567.5")));
    EXPECT_FALSE(model.setValue(Number("1234567.6")));
    EXPECT_EQ(model.Text(), "1,234,568");
    EXPECT_EQ(model.Value(), Number("1234567.6"));

    const Extended third = Extended(1) / Extended(3);
    model.setValue(third);
    EXPECT_EQ(model.Text(), "0");
    EXPECT_EQ(model.Value(), third); // never read back from the text
    model.setFixDecimal(-1);
    EXPECT_EQ(model.Text(), "0.33333333333333");
}

} // namespace
} // namespace kalvio

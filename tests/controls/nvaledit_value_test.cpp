// The entry field's number model: the Value setter's corrections, the shown
// text, the other property setters, the negative-number colour, loading and
// the change notification.
#include <gtest/gtest.h>

#include "nvaledit_test_support.h"

namespace kalvio::test {
namespace {

struct SetterCase {
    const char *name;
    FieldSettings field;
    const char *assigned;
    const char *stored;
    const char *text;
    int digitCount;
    int decimalCount;
};

class NValEditValueSetter : public ::testing::TestWithParam<SetterCase> {};

TEST_P(NValEditValueSetter, StoresCorrectsAndShows)
{
    const SetterCase &c = GetParam();
    CountingModel f;
    f.load(c.field);
    f.model.setValue(Dec(c.assigned));
    EXPECT_EQ(f.model.Value(), Dec(c.stored));
    EXPECT_EQ(f.model.Text(), c.text);
    EXPECT_EQ(f.model.DigitCount(), c.digitCount);
    EXPECT_EQ(f.model.DecimalCount(), c.decimalCount);
    EXPECT_EQ(f.model.PointEntered(), c.decimalCount > 0);
    EXPECT_EQ(f.model.Text(), f.model.BuildText(f.model.ShownValue()));
    EXPECT_EQ(f.beeps, 0);
}

const SetterCase kSetterCases[] = {
    {"TooLargeCutToTwelveNines", kPrincipal, "1e15", "999999999999", "999,999,999,999", 12, 0},
    {"JustAboveTheLimitCutToo", kPrincipal, "999999999999.4", "999999999999", "999,999,999,999", 12, 0},
    {"NegativeWithoutPrmtNegativeLosesSign", kPrincipal, "-5", "5", "5", 1, 0},
    {"NegativeWithDecimals", kFree, "-1234.5", "-1234.5", "-1,234.5", 5, 1},
    {"OneMillion", kPrincipal, "1000000", "1000000", "1,000,000", 7, 0},
    {"RateShowsFixedDecimals", kRate, "3", "3", "3.000", 4, 3},
    {"PeriodsZero", kPeriods, "0", "0", "0", 0, 0},
    {"BelowZeroLimitKeptButShownAsZero", kPeriods, "0.3", "0.3", "0", 0, 0},
    {"RateBelowZeroLimit", kRate, "0.0004", "0.0004", "0", 0, 0},
    {"RateAtZeroLimitRoundsUp", kRate, "0.0005", "0.0005", "0.001", 4, 3},
    {"TinyNegativeShowsMinusBeforeZero", kFree, "-0.000000004", "-0.000000004", "-0", 0, 0},
    {"FixedDecimalsRoundTheLastShown", kRate, "3.14159", "3.14159", "3.142", 4, 3},
    {"FreeDecimalsCutToMaxDigits", {5, -1, true}, "3.14159", "3.14159", "3.1416", 5, 4},
    {"CutAtThePointLeavesAWholeNumber", kFree, "123456789.5", "123456789.5", "123,456,790", 9, 0},
    {"RateAboveLimitCut", kRate, "99.9995", "99.999", "99.999", 5, 3},
    {"SmallFreeDecimal", kFree, "0.5", "0.5", "0.5", 2, 1},
    // Rounding that carries into a new integer digit counts that digit.
    {"CarryIntoANewDigitCounts", kPrincipal, "99999.6", "99999.6", "100,000", 6, 0},
    {"CarryWithFixedDecimals", kRate, "9.9996", "9.9996", "10.000", 5, 3},
    {"CarryTakesAFreeDecimal", {3, -1, true}, "9.996", "9.996", "10.0", 3, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, NValEditValueSetter, ::testing::ValuesIn(kSetterCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NValEditValueSetter, NotANumberGivesZero)
{
    CountingModel f;
    f.load(kPrincipal, 7);
    f.model.setValue(std::numeric_limits<Extended>::quiet_NaN());
    EXPECT_EQ(f.model.Value(), 0);
    EXPECT_EQ(f.model.Text(), "0");
}

TEST(NValEditValueSetter, InfinityIsCutToTheLargestNumber)
{
    CountingModel f;
    f.load(kFree);
    f.model.setValue(-std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(f.model.Value(), Dec("-999999999"));
    EXPECT_EQ(f.model.Text(), "-999,999,999");
}

// Every digit and decimal split: a too large number shows all nines, and the
// nines typed by hand read back within the limit.
TEST(NValEditValueSetter, MaxMagnitudeForEverySplit)
{
    for (int m = 1; m <= 15; ++m) {
        for (int fix = -1; fix < m; ++fix) {
            CountingModel f;
            f.load({m, fix, true});
            f.model.setValue(Dec("1e300"));
            const int integers = fix <= 0 ? m : m - fix;
            std::string nines(static_cast<std::size_t>(integers), '9');
            if (fix > 0)
                nines += "." + std::string(static_cast<std::size_t>(fix), '9');
            EXPECT_EQ(f.model.Value(), f.model.MaxMagnitude()) << m << " " << fix;
            EXPECT_LE(Dec(nines.c_str()), f.model.MaxMagnitude()) << m << " " << fix;
            EXPECT_EQ(FormatFixed(f.model.Value(), 0, fix < 0 ? 0 : fix, false), nines) << m << " " << fix;
            EXPECT_EQ(f.model.DigitCount(), m);
        }
    }
}

TEST(NValEditValueSetter, ZeroLimitIsHalfTheFinestDecimal)
{
    CountingModel f;
    f.load(kFree);
    EXPECT_EQ(f.model.ZeroLimit(), Dec("5e-9"));
    f.load(kRate);
    EXPECT_EQ(f.model.ZeroLimit(), Dec("5e-4"));
    EXPECT_EQ(f.model.MaxMagnitude(), Dec("100") - Dec("0.001"));
}

TEST(NValEditShowValue, BlankZeroAndLeadingCharacter)
{
    NValEditModel m;
    m.setLeadingChar('$');
    m.setValue(0);
    EXPECT_EQ(m.Text(), "");
    m.setValue(5);
    EXPECT_EQ(m.Text(), "$5");
    m.setValue(-1200);
    EXPECT_EQ(m.Text(), "$-1,200");
    m.setValue(Dec("0.3"));
    EXPECT_EQ(m.Text(), "$0.3");
    m.setZeroDisplay(true);
    m.setValue(0);
    EXPECT_EQ(m.Text(), "$0");
}

TEST(NValEditShowValue, BlankZeroWithFixedDecimals)
{
    NValEditModel m;
    m.setFixDecimal(0);
    m.setValue(Dec("0.3"));
    EXPECT_EQ(m.Text(), "");
    EXPECT_EQ(m.Value(), Dec("0.3"));
}

TEST(NValEditShowValue, WithoutSeparators)
{
    NValEditModel m;
    m.setPutAComma(false);
    m.setValue(1234567);
    EXPECT_EQ(m.Text(), "1234567");
}

TEST(NValEditShowValue, CaretAtTheEnd)
{
    CountingModel f;
    f.load(kPrincipal, 1234);
    f.model.selectAll();
    f.model.setValue(56789);
    EXPECT_EQ(f.model.SelStart(), 6);
    EXPECT_EQ(f.model.SelLength(), 0);
}

TEST(NValEditProperties, FixDecimalCutsInsteadOfRounding)
{
    const struct {
        const char *held;
        const char *stored;
        const char *text;
    } cases[] = {{"3.14159", "3.14", "3.14"},
                 {"3.149", "3.14", "3.14"},
                 {"-3.149", "-3.14", "-3.14"},
                 {"7", "7", "7.00"}};
    for (const auto &c : cases) {
        CountingModel f;
        f.load(kFree, Dec(c.held));
        f.model.setFixDecimal(2);
        EXPECT_EQ(f.model.Value(), Dec(c.stored)) << c.held;
        EXPECT_EQ(f.model.Text(), c.text) << c.held;
    }
}

TEST(NValEditProperties, FixDecimalZeroCutsToTheWholeNumber)
{
    CountingModel f;
    f.load(kFree, Dec("12.9"));
    f.model.setFixDecimal(0);
    EXPECT_EQ(f.model.Value(), 12);
    EXPECT_EQ(f.model.Text(), "12");
}

TEST(NValEditProperties, FreeDecimalsWaitForTheNextValue)
{
    CountingModel f;
    f.load(kRate, 3);
    f.model.setFixDecimal(-1);
    EXPECT_EQ(f.model.Text(), "3.000");
    f.model.setValue(3);
    EXPECT_EQ(f.model.Text(), "3");
}

TEST(NValEditProperties, FixDecimalBroughtIntoRange)
{
    NValEditModel m;
    m.setFixDecimal(12);
    EXPECT_EQ(m.FixDecimal(), 8);
    m.setFixDecimal(-5);
    EXPECT_EQ(m.FixDecimal(), -1);
}

TEST(NValEditProperties, InvalidMaxDigitsIgnored)
{
    CountingModel f;
    f.load(kRate);
    for (int digits : {0, -1, 16, 3, 2})
        f.model.setMaxDigits(digits);
    EXPECT_EQ(f.model.MaxDigits(), 5);
    f.model.setMaxDigits(4);
    EXPECT_EQ(f.model.MaxDigits(), 4);
}

TEST(NValEditProperties, SmallerMaxDigitsCutsTheNumber)
{
    CountingModel f;
    f.load(kFree, 12345);
    f.model.setMaxDigits(3);
    EXPECT_EQ(f.model.Value(), 999);
    EXPECT_EQ(f.model.Text(), "999");
    f.model.setMaxDigits(9);
    EXPECT_EQ(f.model.Value(), 999);
}

TEST(NValEditProperties, FixedDecimalsCountAsDigits)
{
    CountingModel f;
    f.load(kRate, 12); // "12.000": five digits
    f.model.setMaxDigits(4);
    EXPECT_EQ(f.model.Value(), Dec("9.999"));
}

// An entry longer than a new, smaller limit is put into its final form.
TEST(NValEditProperties, SmallerMaxDigitsEndsALongerEntry)
{
    CountingModel f;
    f.load(kFree);
    for (char ch : std::string("0.50"))
        f.model.keyPress(static_cast<char32_t>(ch));
    EXPECT_EQ(f.model.DigitCount(), 3);
    f.model.setMaxDigits(2);
    EXPECT_EQ(f.model.DigitCount(), 2);
    EXPECT_EQ(f.model.Text(), "0.5");
}

TEST(NValEditProperties, PrmtNegativeOffMakesThePositive)
{
    CountingModel f;
    f.load(kFree, -5);
    f.model.setPrmtNegative(false);
    EXPECT_EQ(f.model.Value(), 5);
    EXPECT_EQ(f.model.Text(), "5");
}

// A lone minus typed on a zero must not survive PrmtNegative going off, or
// the next digit would make a negative number.
TEST(NValEditProperties, PrmtNegativeOffDropsALoneMinus)
{
    CountingModel f;
    f.load(kFree);
    f.model.minusKey();
    EXPECT_EQ(f.model.Text(), "-0");
    f.model.setPrmtNegative(false);
    EXPECT_EQ(f.model.Text(), "0");
    f.model.digit(5);
    EXPECT_EQ(f.model.Value(), 5);
}

TEST(NValEditProperties, LeadingCharBelowSpaceIsNone)
{
    NValEditModel m;
    m.setLeadingChar('\x01');
    EXPECT_EQ(m.LeadingChar(), ' ');
    m.setLeadingChar('\\');
    m.setValue(5);
    EXPECT_EQ(m.Text(), "\\5");
}

constexpr NValEditModel::Color kRed = 0xFFFF0000u;
constexpr NValEditModel::Color kBlue = 0xFF0000FFu;
constexpr NValEditModel::Color kBlack = NValEditModel::kWindowText;

struct ColourModel : CountingModel {
    std::vector<NValEditModel::Color> applied;
    ColourModel()
    {
        NValEditModel::Hooks hooks;
        hooks.fontColor = [this](NValEditModel::Color c) { applied.push_back(c); };
        model.setHooks(std::move(hooks));
        load(kFree);
    }
};

TEST(NValEditFontColour, NegativeNumbersInMinusColor)
{
    ColourModel f;
    f.model.setMinusColor(kRed);
    f.model.setValue(Dec("-1234.5"));
    EXPECT_EQ(f.model.Text(), "-1,234.5");
    EXPECT_EQ(f.model.FontColor(), kRed);
    f.model.setValue(7);
    EXPECT_EQ(f.model.FontColor(), kBlack);
    EXPECT_EQ(f.applied, (std::vector<NValEditModel::Color>{kRed, kBlack}));
    EXPECT_FALSE(f.model.ColorUpdating());
}

TEST(NValEditFontColour, LoneMinusSignShowsInMinusColor)
{
    ColourModel f;
    f.model.setMinusColor(kRed);
    f.model.minusKey();
    EXPECT_EQ(f.model.FontColor(), kRed);
}

TEST(NValEditFontColour, EqualColoursFollowTheFont)
{
    ColourModel f;
    f.model.fontColorChanged(kBlue);
    EXPECT_EQ(f.model.NormalColor(), kBlue);
    EXPECT_EQ(f.model.MinusColor(), kBlue);
    f.model.setValue(-3);
    EXPECT_EQ(f.model.FontColor(), kBlue);
    EXPECT_TRUE(f.applied.empty());
}

TEST(NValEditFontColour, NewFontColourWhileNegativeBecomesTheNormalColour)
{
    ColourModel f;
    f.model.setMinusColor(kRed);
    f.model.setValue(-3);
    f.model.fontColorChanged(kBlue); // from outside, while the number shows red
    EXPECT_EQ(f.model.FontColor(), kRed);
    EXPECT_EQ(f.model.NormalColor(), kBlue);
    EXPECT_FALSE(f.model.ColorUpdating());
    f.model.setValue(5);
    EXPECT_EQ(f.model.FontColor(), kBlue);
}

TEST(NValEditFontColour, NewFontColourWhilePositive)
{
    ColourModel f;
    f.model.setMinusColor(kRed);
    f.model.setValue(5);
    f.model.fontColorChanged(kBlue);
    EXPECT_EQ(f.model.NormalColor(), kBlue);
    EXPECT_EQ(f.model.MinusColor(), kRed);
    f.model.setValue(-5);
    EXPECT_EQ(f.model.FontColor(), kRed);
}

TEST(NValEditLoading, NothingShownAndNoChangeUntilLoaded)
{
    CountingModel f;
    f.model.beginLoading();
    f.model.setMaxDigits(12);
    f.model.setFixDecimal(0);
    f.model.setZeroDisplay(true);
    f.model.setValue(1234);
    EXPECT_EQ(f.model.Text(), "");
    f.model.loaded();
    EXPECT_EQ(f.model.Text(), "1,234");
    EXPECT_EQ(f.changes, 0);
    EXPECT_EQ(f.model.SavedValue(), 1234);
    EXPECT_TRUE(f.model.ParseSetText());
}

TEST(NValEditChange, OnlyOnRealTextChanges)
{
    CountingModel f;
    f.load(kPrincipal, 5);
    f.model.setValue(5);
    EXPECT_EQ(f.changes, 0);
    f.model.setValue(Dec("5.2")); // shows 5 again
    EXPECT_EQ(f.changes, 0);
    f.model.setValue(6);
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(f.model.Modified());
}

TEST(NValEditChange, NoneWhileLoadingAgain)
{
    CountingModel f;
    f.load(kPrincipal, 5);
    f.model.beginLoading();
    f.model.setValue(8);
    EXPECT_EQ(f.model.Text(), "5");
    f.model.loaded();
    EXPECT_EQ(f.model.Text(), "8");
    EXPECT_EQ(f.changes, 0);
}

} // namespace
} // namespace kalvio::test

// The entry field's keystroke state machine, edit commands, focus and mouse
// on the model, driven by scripts of keys with the text expected after each.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "nvaledit_test_support.h"

namespace kalvio::test {
namespace {

// One letter per event: digits, "-" and "." are typed; B Backspace, D Delete,
// E Escape, H Home, T focus by Tab, C focus by a click, O focus lost,
// X Ctrl+X, V Ctrl+V, Z Ctrl+Z, R read-only on.
void play(CountingModel &f, char key)
{
    NValEditModel &m = f.model;
    switch (key) {
    case 'B':
        m.backspace();
        break;
    case 'D':
        m.deleteKey();
        break;
    case 'E':
        m.escape();
        break;
    case 'H':
        m.home();
        break;
    case 'T':
        m.focusIn();
        break;
    case 'C':
        m.mouseActivate();
        m.focusIn();
        m.mouseUp();
        break;
    case 'O':
        m.focusOut();
        break;
    case 'X':
        m.keyPress(24);
        break;
    case 'V':
        m.keyPress(22);
        break;
    case 'Z':
        m.keyPress(26);
        break;
    case 'R':
        m.setReadOnly(true);
        break;
    default:
        m.keyPress(static_cast<char32_t>(key));
        break;
    }
}

std::vector<std::string> split(const std::string &texts)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(texts);
    while (std::getline(in, part, '|'))
        parts.push_back(part);
    if (!texts.empty() && texts.back() == '|')
        parts.emplace_back();
    return parts;
}

struct ScriptCase {
    const char *name;
    FieldSettings field;
    const char *initial;
    const char *keys;
    const char *texts; // the text after each key, "|" between them
    const char *value; // Value at the end
    int beeps;
};

class NValEditKeyScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(NValEditKeyScript, TextAfterEachKey)
{
    const ScriptCase &c = GetParam();
    CountingModel f;
    f.load(c.field, Dec(c.initial));
    const std::vector<std::string> expected = split(c.texts);
    const std::string keys = c.keys;
    ASSERT_EQ(expected.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        play(f, keys[i]);
        EXPECT_EQ(f.model.Text(), expected[i]) << "after key " << i << " '" << keys[i] << "'";
        EXPECT_LE(f.model.DigitCount(), f.model.MaxDigits());
        EXPECT_EQ(f.model.Text(), f.model.BuildText(f.model.ShownValue()));
    }
    EXPECT_EQ(f.model.Value(), Dec(c.value));
    EXPECT_EQ(f.beeps, c.beeps);
}

const ScriptCase kScripts[] = {
    {"PrincipalOneToSeven", kPrincipal, "0", "T1234567", "0|1|12|123|1,234|12,345|123,456|1,234,567",
     "1234567", 0},
    {"PrincipalThirteenthDigitPointAndMinusBeep", kPrincipal, "0", "T1234567890123.-",
     "0|1|12|123|1,234|12,345|123,456|1,234,567|12,345,678|123,456,789|1,234,567,890|12,345,678,901|"
     "123,456,789,012|123,456,789,012|123,456,789,012|123,456,789,012",
     "123456789012", 3},
    {"PrincipalLeadingZerosDoNotCount", kPrincipal, "0", "T0012", "0|0|0|1|12", "12", 0},
    {"RateTwoIntegerDigits", kRate, "0", "T123", "0|1|12|12", "12", 1},
    {"RateThreeDecimals", kRate, "0", "T1.5019", "0|1|1.|1.5|1.50|1.501|1.501", "1.501", 1},
    {"RateFiveDigitsInAll", kRate, "0", "T12.5019", "0|1|12|12.|12.5|12.50|12.501|12.501", "12.501", 1},
    {"RateFixedDecimalsOnLeaving", kRate, "0", "T12.5O", "0|1|12|12.|12.5|12.500", "12.5", 0},
    {"RateSecondPointBeeps", kRate, "0", "T1..", "0|1|1.|1.", "1", 1},
    {"RatePointOnZero", kRate, "0", "T.5", "0|0.|0.5", "0.5", 0},
    {"PeriodsFourthDigitThenBackspace", kPeriods, "0", "T9999B", "0|9|99|999|999|99", "99", 1},
    {"BackspaceThroughAPoint", kFree, "0", "T12.5BBB", "0|1|12|12.|12.5|12.|1|0", "0", 0},
    {"BackspaceOnZeroPoint", kFree, "0", "T0.5BBB", "0|0|0.|0.5|0.|0|0", "0", 0},
    {"DeleteClearsThenEscapeRestores", kPrincipal, "1234", "CDE", "1,234|0|1,234", "1234", 0},
    {"HomeThenDigitReplaces", kPrincipal, "1234", "CH7", "1,234|1,234|7", "7", 0},
    {"ClickKeepsTheNumber", kPrincipal, "1000000", "C5", "1,000,000|10,000,005", "10000005", 0},
    {"TabSelectsSoADigitReplaces", kPrincipal, "1000000", "T5", "1,000,000|5", "5", 0},
    {"MinusOnZeroThenDigit", kFree, "0", "T-5", "0|-0|-5", "-5", 0},
    {"MinusTogglesTheSign", kFree, "0", "T5--", "0|5|-5|5", "5", 0},
    {"PointOverSelectedNegativeKeepsSign", kFree, "-7", "T.5", "-7|-0.|-0.5", "-0.5", 0},
    {"MinusOverSelectionStartsNegative", kFree, "42", "T-3", "42|-0|-3", "-3", 0},
    // Backspace keeps the sign of a number that stays negative, so that the
    // minus key then turns text and Value positive together.
    {"BackspaceKeepsTheSignOfANegative", kFree, "0", "T-12B-", "0|-0|-1|-12|-1|1", "1", 0},
    {"BackspaceToTheLoneMinus", kFree, "0", "T-5B", "0|-0|-5|0", "0", 0},
    {"BackspaceNegativeDecimal", kFree, "0", "T-.5BB", "0|-0|-0.|-0.5|-0.|0", "0", 0},
    {"ReadOnlyIgnoresEditing", kPrincipal, "5", "RC1BDX-.E", "5|5|5|5|5|5|5|5|5", "5", 0},
    {"HiddenDecimalsRoundedBeforeTyping", kPeriods, "12.5", "C4", "13|134", "134", 0},
    // The carry of the shown rounding is a digit: no thirteenth digit after it.
    {"CarriedDigitCountsTowardsMaxDigits", kPrincipal, "99999.6", "C1234567",
     "100,000|1,000,001|10,000,012|100,000,123|1,000,001,234|10,000,012,345|100,000,123,456|100,000,123,456",
     "100000123456", 1},
    {"CarriedDigitAfterBackspace", {3, -1, true}, "9.996", "CBBB1234", "10.0|10.|1|0|1|12|123|123", "123", 1},
    {"EscapeBringsBackTheFocusTimeNumber", kPrincipal, "77", "T123E", "77|1|12|123|77", "77", 0},
    {"FocusLostGivesFinalForm", kFree, "0", "T12.O", "0|1|12|12.|12", "12", 0},
};

INSTANTIATE_TEST_SUITE_P(Scripts, NValEditKeyScript, ::testing::ValuesIn(kScripts),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NValEditKeyState, TypedTrailingZerosCountAsDigits)
{
    CountingModel f;
    f.load(kRate);
    for (char ch : std::string("12.50"))
        f.model.keyPress(static_cast<char32_t>(ch));
    EXPECT_EQ(f.model.DigitCount(), 4);
    EXPECT_EQ(f.model.DecimalCount(), 2);
    EXPECT_EQ(f.model.Value(), Dec("12.5"));
}

TEST(NValEditKeyState, DecimalPointWithoutDecimalsBeepsAndForgetsThePoint)
{
    CountingModel f;
    f.load(kPrincipal, 12);
    f.model.pointKey();
    EXPECT_EQ(f.beeps, 1);
    EXPECT_FALSE(f.model.PointEntered());
    EXPECT_EQ(f.model.Text(), "12");
}

TEST(NValEditKeyState, OtherCharactersSwallowedSilently)
{
    CountingModel f;
    f.load(kPrincipal, 12);
    for (char32_t ch : {U'a', U' ', U'+', U',', U'\b', U'\r', U'\x1b', U'\t', U'\x01', U'\x19', U'１'})
        f.model.keyPress(ch);
    EXPECT_EQ(f.model.Text(), "12");
    EXPECT_EQ(f.beeps, 0);
    EXPECT_EQ(f.changes, 0);
}

TEST(NValEditKeyState, DeleteWithoutDelAllClearNeedsASelection)
{
    CountingModel f;
    f.model.setValue(5);
    f.model.deleteKey();
    EXPECT_EQ(f.model.Value(), 5);
    f.model.home();
    f.model.deleteKey();
    EXPECT_EQ(f.model.Value(), 0);
}

TEST(NValEditKeyState, EachTypedDigitIsOneChange)
{
    CountingModel f;
    f.load(kPrincipal);
    f.model.focusIn();
    for (char ch : std::string("1234"))
        f.model.keyPress(static_cast<char32_t>(ch));
    EXPECT_EQ(f.changes, 4);
}

struct PasteCase {
    const char *name;
    FieldSettings field;
    std::optional<std::string> clipboard;
    const char *value;
    const char *text;
};

class NValEditPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(NValEditPaste, ReplacesTheWholeNumber)
{
    const PasteCase &c = GetParam();
    CountingModel f;
    f.load(c.field, 42);
    f.clipboard = c.clipboard;
    f.model.keyPress(22);
    EXPECT_EQ(f.model.Value(), Dec(c.value));
    EXPECT_EQ(f.model.Text(), c.text);
    EXPECT_EQ(f.beeps, 0);
}

const PasteCase kPastes[] = {
    {"Grouped", kPrincipal, "1,234,567", "1234567", "1,234,567"},
    {"FullWidthDigits", kPrincipal, "１２３", "123", "123"},
    {"FullWidthGrouped", kPrincipal, "１，０００，０００", "1000000", "1,000,000"},
    {"BadGrouping", kPrincipal, "12,34", "0", "0"},
    {"Letters", kPrincipal, "12a", "0", "0"},
    {"EmptyClipboard", kPrincipal, std::nullopt, "0", "0"},
    {"HalfRoundedInTheText", kPeriods, "12.5", "12.5", "13"},
    {"NegativeLosesSignWithoutPrmtNegative", kPrincipal, "-5", "5", "5"},
    {"OwnNegativeTextReadsBack", kFree, "-123,456", "-123456", "-123,456"},
    {"TooLargeCut", kRate, "123.4567", "99.999", "99.999"},
};

INSTANTIATE_TEST_SUITE_P(Clipboard, NValEditPaste, ::testing::ValuesIn(kPastes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NValEditCommands, PasteInReadOnlySwallowed)
{
    CountingModel f;
    f.load(kPrincipal, 42);
    f.clipboard = "7";
    f.model.setReadOnly(true);
    f.model.keyPress(22);
    EXPECT_EQ(f.model.Value(), 42);
}

TEST(NValEditCommands, CutPutsTheShownCharactersOnTheClipboard)
{
    CountingModel f;
    f.load(kPrincipal, 1234567);
    f.model.setSelection(2, 5); // "234,5"
    f.model.keyPress(24);
    EXPECT_EQ(f.clipboard, "234,5");
    EXPECT_EQ(f.model.Value(), 0);
    EXPECT_EQ(f.model.Text(), "0");
}

TEST(NValEditCommands, CutWithNothingSelectedLeavesTheClipboard)
{
    CountingModel f;
    f.load(kPrincipal, 99);
    f.clipboard = "old";
    EXPECT_EQ(f.model.cut(), std::nullopt);
    EXPECT_EQ(f.clipboard, "old");
    EXPECT_EQ(f.model.Value(), 0);
}

TEST(NValEditCommands, CopyInReadOnly)
{
    CountingModel f;
    f.load(kPrincipal, 1234);
    f.model.setReadOnly(true);
    f.model.home();
    f.model.keyPress(3);
    EXPECT_EQ(f.clipboard, "1,234");
    EXPECT_EQ(f.model.Value(), 1234);
}

TEST(NValEditCommands, ClearEmptiesTheField)
{
    CountingModel f;
    f.load(kPrincipal, 1234);
    f.model.selectAll();
    f.model.clear();
    EXPECT_EQ(f.model.Value(), 0);
    EXPECT_EQ(f.model.Text(), "0");
    EXPECT_FALSE(f.model.CanUndo());
}

// With a blank zero the cleared text equals what the field shows for 0, so
// the edit window's undo buffer survives and undo brings the number back.
TEST(NValEditCommands, UndoAfterCutOfABlankZeroField)
{
    CountingModel f;
    f.model.setValue(5);
    f.model.selectAll();
    f.model.cut();
    EXPECT_EQ(f.model.Text(), "");
    ASSERT_TRUE(f.model.CanUndo());
    f.model.undo();
    EXPECT_EQ(f.model.Text(), "5");
    EXPECT_EQ(f.model.Value(), 5);
}

TEST(NValEditCommands, UndoReadsTheShownText)
{
    CountingModel f;
    f.load(kFree, Dec("12.345"));
    f.model.setFixDecimal(-1);
    f.model.keyPress(26);
    EXPECT_EQ(f.model.Value(), Dec("12.345"));
}

TEST(NValEditSetText, FromOutsideReadAsANumber)
{
    CountingModel f;
    f.load(kPrincipal, 5);
    f.model.setTextFromOutside("１，２３４");
    EXPECT_EQ(f.model.Value(), 1234);
    EXPECT_EQ(f.model.Text(), "1,234");
    EXPECT_EQ(f.model.SelStart(), 5);
    f.model.setTextFromOutside("abc");
    EXPECT_EQ(f.model.Value(), 0);
    EXPECT_EQ(f.model.Text(), "0");
}

TEST(NValEditSetText, KeptAsTextBeforeTheFirstShow)
{
    NValEditModel m;
    m.setTextFromOutside("abc");
    EXPECT_EQ(m.Text(), "abc");
    EXPECT_EQ(m.Value(), 0);
}

TEST(NValEditSetText, KeptAsTextWithoutAParentWindow)
{
    CountingModel f;
    f.load(kPrincipal, 5);
    f.model.setTextFromOutside("12", false);
    EXPECT_EQ(f.model.Text(), "12");
    EXPECT_EQ(f.model.Value(), 5);
}

TEST(NValEditFocus, TabSelectsClickDoesNot)
{
    CountingModel f;
    f.load(kPrincipal, 1234);
    f.model.focusIn();
    EXPECT_EQ(f.model.SelStart(), 0);
    EXPECT_EQ(f.model.SelLength(), 5);
    f.model.focusOut();
    EXPECT_EQ(f.model.SelLength(), 0);
    f.model.mouseActivate();
    EXPECT_TRUE(f.model.FocusByMouse());
    f.model.focusIn();
    EXPECT_FALSE(f.model.FocusByMouse());
    EXPECT_EQ(f.model.SelLength(), 0);
}

TEST(NValEditFocus, NoAutoSelect)
{
    CountingModel f;
    f.load(kPrincipal, 1234);
    f.model.setAutoSelect(false);
    f.model.focusIn();
    EXPECT_EQ(f.model.SelLength(), 0);
}

TEST(NValEditMouse, ReleaseKeepsOnlyAWholeSelection)
{
    CountingModel f;
    f.load(kPrincipal, 1234567);
    const struct {
        int start, length, afterStart, afterLength;
    } cases[] = {{2, 3, 9, 0}, {0, 9, 0, 9}, {4, 0, 9, 0}, {0, 8, 9, 0}};
    for (const auto &c : cases) {
        f.model.setSelection(c.start, c.length);
        f.model.mouseUp();
        EXPECT_EQ(f.model.SelStart(), c.afterStart) << c.start << "+" << c.length;
        EXPECT_EQ(f.model.SelLength(), c.afterLength) << c.start << "+" << c.length;
    }
}

TEST(NValEditMouse, DoubleClickSelectionSurvivesItsRelease)
{
    CountingModel f;
    f.load(kPrincipal, 1234567);
    f.model.setSelection(2, 3);
    f.model.doubleClick();
    f.model.mouseUp();
    EXPECT_EQ(f.model.SelStart(), 2);
    EXPECT_EQ(f.model.SelLength(), 3);
    EXPECT_FALSE(f.model.AfterDblClick());
    f.model.keyPress(U'8'); // typing over a partial selection replaces the whole number
    EXPECT_EQ(f.model.Text(), "8");
}

} // namespace
} // namespace kalvio::test

// The numeric entry field's value logic: every property, key, command and
// focus change ends by rebuilding the shown text from the number.
#include "controls/NValEditModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/NValEditNumberReader.h"
#include "controls/NValEditUtf8.h"
#include "numeric/NumberText.h"

namespace kalvio {

namespace {

std::string trimBlanks(std::string s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

// The field's own number texts (no separators, no leading character) read back.
Extended readBack(std::string_view s)
{
    return NValEditNumberReader::Read(s, ' ').value_or(Extended(0));
}

Extended magnitude(Extended x)
{
    using std::abs;
    return abs(x);
}

Extended roundHalfAway(Extended x)
{
    using std::round;
    return round(x);
}

bool isNaN(Extended x)
{
    using std::isnan;
    return isnan(x);
}

std::string plain14(Extended x)
{
    return FormatPattern(x, NumberPattern::Plain14);
}

// Integer digits of x written with the given decimals (a leading zero counts).
int shownIntegerDigits(Extended x, int decimals)
{
    const std::string shown = FormatFixed(x, 0, decimals, false);
    const auto point = shown.find('.');
    return static_cast<int>(point == std::string::npos ? shown.size() : point);
}

} // namespace

NValEditModel::NValEditModel() : NValEditModel(kWindowText)
{
}

NValEditModel::NValEditModel(Color windowText)
    : minusColor_(windowText), normalColor_(windowText), fontColor_(windowText)
{
    updateLimits();
}

void NValEditModel::setHooks(Hooks hooks)
{
    hooks_ = std::move(hooks);
}

// --- properties ------------------------------------------------------------

int NValEditModel::MaxDigits() const
{
    return maxDigits_;
}

void NValEditModel::setMaxDigits(int digits)
{
    if (digits < 1 || digits > 15 || digits <= fixDecimal_)
        return;
    // The digits the current number needs, fixed decimals included.
    std::string s = plain14(magnitude(value_));
    const auto point = s.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(s.size() - point - 1);
    if (point != std::string::npos)
        s.erase(point, 1);
    if (fixDecimal_ > 0 && decimals < fixDecimal_)
        s.append(static_cast<std::size_t>(fixDecimal_ - decimals), '0');
    const int needed = static_cast<int>(s.size());
    maxDigits_ = digits;
    updateLimits();
    // An entry in progress longer than the new limit is put into its final
    // form as well, so the digit count never exceeds MaxDigits.
    if (digits < needed || digits < digitCount_)
        setValue(value_);
    else if (!loading_ && BuildText(shownValue_) != text_)
        showValue(shownValue_); // a just-typed point shows only below MaxDigits
}

bool NValEditModel::PrmtNegative() const
{
    return prmtNegative_;
}

void NValEditModel::setPrmtNegative(bool allowed)
{
    prmtNegative_ = allowed;
    // A lone minus sign typed on a zero goes as well, or the next digit would
    // make the number negative.
    if (!allowed && (value_ < 0 || minusEntered_))
        setValue(value_ < 0 ? Extended(-value_) : Extended(0));
}

int NValEditModel::FixDecimal() const
{
    return fixDecimal_;
}

void NValEditModel::setFixDecimal(int decimals)
{
    if (decimals < -1)
        decimals = -1;
    if (decimals >= maxDigits_)
        decimals = maxDigits_ - 1;
    fixDecimal_ = decimals;
    updateLimits();
    if (decimals == -1)
        return;
    // Cut, not rounded, to the new number of decimals.
    std::string s = plain14(magnitude(value_));
    const auto point = s.find('.');
    if (point != std::string::npos)
        s.resize(std::min(s.size(), point + 1 + static_cast<std::size_t>(decimals)));
    else if (decimals > 0)
        s += "." + std::string(static_cast<std::size_t>(decimals), '0');
    const Extended cut = readBack(s);
    setValue(value_ < 0 ? Extended(-cut) : cut);
}

bool NValEditModel::DelAllClear() const
{
    return delAllClear_;
}

void NValEditModel::setDelAllClear(bool on)
{
    delAllClear_ = on;
}

char NValEditModel::LeadingChar() const
{
    return leadingChar_;
}

void NValEditModel::setLeadingChar(char ch)
{
    // A single-byte character of the text: control characters are no leading
    // character, and bytes beyond ASCII are no character on their own in UTF-8.
    const auto code = static_cast<unsigned char>(ch);
    leadingChar_ = code < 0x20 || code >= 0x80 ? ' ' : ch;
    setValue(value_);
}

bool NValEditModel::ZeroDisplay() const
{
    return zeroDisplay_;
}

void NValEditModel::setZeroDisplay(bool on)
{
    zeroDisplay_ = on;
    storeValue(value_);
}

Extended NValEditModel::Value() const
{
    return value_;
}

// Each limit is one operation on correctly rounded powers of ten.
void NValEditModel::updateLimits()
{
    if (fixDecimal_ == -1) {
        maxMagnitude_ = PowerOfTen<Extended>(maxDigits_) - 1;
        zeroLimit_ = FiveTimesPowerOfTen<Extended>(-maxDigits_);
    } else {
        maxMagnitude_ = PowerOfTen<Extended>(maxDigits_ - fixDecimal_) - PowerOfTen<Extended>(-fixDecimal_);
        zeroLimit_ = FiveTimesPowerOfTen<Extended>(-(fixDecimal_ + 1));
    }
}

Extended NValEditModel::MaxMagnitude() const
{
    return maxMagnitude_;
}

Extended NValEditModel::ZeroLimit() const
{
    return zeroLimit_;
}

void NValEditModel::setValue(Extended v)
{
    if (isNaN(v))
        v = 0; // not a number: the field holds none

    minusEntered_ = false;
    Extended a = v;
    if (v < 0) {
        a = -v;
        if (prmtNegative_)
            minusEntered_ = true;
    }

    if (a < zeroLimit_) {
        digitCount_ = 0;
        decimalCount_ = 0;
        pointEntered_ = false;
        value_ = minusEntered_ ? Extended(-a) : a; // kept, though it shows as zero
        showValue(0);
        return;
    }
    if (a >= maxMagnitude_)
        a = maxMagnitude_;

    // Count the digits; a number more precise than MaxDigits shows fewer decimals.
    std::string s = plain14(a);
    const auto maxLength = static_cast<std::size_t>(maxDigits_) + 1;
    if (s.find('.') != std::string::npos && s.size() > maxLength) {
        s.resize(maxLength);
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    const auto point = s.find('.');
    if (point != std::string::npos) {
        decimalCount_ = fixDecimal_ == -1 ? static_cast<int>(s.size() - point - 1) : fixDecimal_;
        digitCount_ = static_cast<int>(point) + decimalCount_;
    } else {
        decimalCount_ = fixDecimal_ == -1 ? 0 : fixDecimal_;
        digitCount_ = static_cast<int>(s.size()) + decimalCount_;
    }
    // Rounding to the decimals shown may carry into a new integer digit
    // (99999.6 shows as 100,000): count the digits shown, or typing could add
    // one digit too many and go beyond MaxMagnitude. Free decimals give way
    // so that the shown number keeps within MaxDigits.
    digitCount_ = std::max(digitCount_, shownIntegerDigits(a, decimalCount_) + decimalCount_);
    while (digitCount_ > maxDigits_ && decimalCount_ > 0) {
        --decimalCount_;
        digitCount_ = shownIntegerDigits(a, decimalCount_) + decimalCount_;
    }
    pointEntered_ = decimalCount_ > 0;
    storeValue(minusEntered_ ? Extended(-a) : a);
}

bool NValEditModel::PutAComma() const
{
    return putAComma_;
}

void NValEditModel::setPutAComma(bool on)
{
    putAComma_ = on;
    setValue(value_);
}

bool NValEditModel::EnterNext() const
{
    return enterNext_;
}

void NValEditModel::setEnterNext(bool on)
{
    enterNext_ = on;
}

bool NValEditModel::ArrowNext() const
{
    return arrowNext_;
}

void NValEditModel::setArrowNext(bool on)
{
    arrowNext_ = on;
}

NValEditModel::Color NValEditModel::MinusColor() const
{
    return minusColor_;
}

void NValEditModel::setMinusColor(Color color)
{
    minusColor_ = color;
    storeValue(value_);
}

bool NValEditModel::ReadOnly() const
{
    return readOnly_;
}

void NValEditModel::setReadOnly(bool on)
{
    readOnly_ = on;
}

bool NValEditModel::AutoSelect() const
{
    return autoSelect_;
}

void NValEditModel::setAutoSelect(bool on)
{
    autoSelect_ = on;
}

bool NValEditModel::Modified() const
{
    return modified_;
}

void NValEditModel::setModified(bool on)
{
    modified_ = on;
}

// --- loading ---------------------------------------------------------------

void NValEditModel::beginLoading()
{
    loading_ = true;
}

void NValEditModel::loaded()
{
    loading_ = false;
    pointEntered_ = false;
    decimalCount_ = 0;
    digitCount_ = 0;
    minusEntered_ = false;
    focusByMouse_ = false;
    afterDblClick_ = false;
    parseSetText_ = false;
    changeDetached_ = true; // showing the stored number is no change
    setValue(value_);
    changeDetached_ = false;
    savedValue_ = value_;
}

bool NValEditModel::Loading() const
{
    return loading_;
}

// --- text ------------------------------------------------------------------

const std::string &NValEditModel::Text() const
{
    return text_;
}

Extended NValEditModel::TextToValue(std::string_view text) const
{
    return ReadNumber(text).value_or(Extended(0));
}

std::optional<Extended> NValEditModel::ReadNumber(std::string_view text) const
{
    return NValEditNumberReader::Read(text, leadingChar_);
}

void NValEditModel::storeValue(Extended x)
{
    value_ = x;
    showValue(x);
}

std::string NValEditModel::BuildText(Extended x) const
{
    std::string t;
    if (x == 0 && !pointEntered_) {
        t = zeroDisplay_ ? "0" : "";
    } else {
        t = FormatFixed(x, std::max(digitCount_, 0), decimalCount_, putAComma_);
        if (pointEntered_ && decimalCount_ == 0 && digitCount_ < maxDigits_)
            t += '.';
    }
    t = trimBlanks(std::move(t));
    if (minusEntered_ && t.find('-') == std::string::npos)
        t.insert(t.begin(), '-');
    if (leadingChar_ > ' ' && (zeroDisplay_ || x != 0 || minusEntered_ || pointEntered_))
        t.insert(t.begin(), leadingChar_);
    return t;
}

Extended NValEditModel::ShownValue() const
{
    return shownValue_;
}

void NValEditModel::showValue(Extended x)
{
    if (loading_)
        return;
    shownValue_ = x;
    if (minusColor_ != normalColor_) {
        colorUpdating_ = true;
        setFontColor(x < 0 || minusEntered_ ? minusColor_ : normalColor_);
        colorUpdating_ = false;
    }
    if (x == 0 && !pointEntered_) {
        digitCount_ = 0;
        decimalCount_ = 0;
    }
    std::string text = BuildText(x);
    parseSetText_ = false;
    setBaseText(std::move(text));
    parseSetText_ = true;
    selStart_ = textLength();
    selLength_ = 0;
}

void NValEditModel::setBaseText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    undoText_.reset();
    textChanged();
}

void NValEditModel::textChanged()
{
    if (loading_)
        return;
    modified_ = true;
    if (!changeDetached_ && hooks_.changed)
        hooks_.changed();
}

int NValEditModel::textLength() const
{
    return static_cast<int>(NValEditUtf8::DecodeLenient(text_).size());
}

// --- selection -------------------------------------------------------------

int NValEditModel::SelStart() const
{
    return selStart_;
}

int NValEditModel::SelLength() const
{
    return selLength_;
}

void NValEditModel::setSelection(int start, int length)
{
    if (length < 0) {
        start += length;
        length = -length;
    }
    const int total = textLength();
    selStart_ = std::clamp(start, 0, total);
    selLength_ = std::clamp(length, 0, total - selStart_);
}

void NValEditModel::selectAll()
{
    selStart_ = 0;
    selLength_ = textLength();
}

std::string NValEditModel::SelText() const
{
    const std::u32string all = NValEditUtf8::DecodeLenient(text_);
    return NValEditUtf8::Encode(std::u32string_view(all).substr(static_cast<std::size_t>(selStart_),
                                                                static_cast<std::size_t>(selLength_)));
}

bool NValEditModel::CanUndo() const
{
    return undoText_.has_value();
}

void NValEditModel::deleteSelection()
{
    if (selLength_ <= 0)
        return;
    std::u32string all = NValEditUtf8::DecodeLenient(text_);
    all.erase(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
    undoText_ = std::exchange(text_, NValEditUtf8::Encode(all));
    selLength_ = 0;
    textChanged();
}

// --- keys ------------------------------------------------------------------

void NValEditModel::beep() const
{
    if (hooks_.beep)
        hooks_.beep();
}

void NValEditModel::entryReset(bool keepSign)
{
    value_ = 0;
    decimalCount_ = 0;
    pointEntered_ = false;
    digitCount_ = 0;
    if (!keepSign)
        minusEntered_ = false;
}

void NValEditModel::keyPress(char32_t ch)
{
    switch (ch) {
    case 3:
        copy();
        return;
    case 22:
    case 24:
    case 26:
        if (readOnly_)
            return;
        if (ch == 22)
            paste();
        else if (ch == 24)
            cut();
        else
            undo();
        return;
    default:
        break;
    }
    if (readOnly_)
        return;
    if (ch == U'-')
        minusKey();
    else if (ch == U'.')
        pointKey();
    else if (ch >= U'0' && ch <= U'9')
        digit(static_cast<int>(ch - U'0'));
}

void NValEditModel::digit(int d)
{
    if (d < 0 || d > 9)
        return;
    if (selLength_ > 0) {
        entryReset();
        storeValue(0);
    }
    const int oldDigitCount = digitCount_;
    const int oldDecimalCount = decimalCount_;

    Extended n;
    if (!pointEntered_) {
        value_ = roundHalfAway(value_);
        if (value_ == 0 && digitCount_ == 1)
            digitCount_ = 0;
        const bool negative = value_ < 0 || minusEntered_;
        n = value_ * 10;
        n = negative ? Extended(n - d) : Extended(n + d);
    } else {
        const bool negative = value_ < 0 || minusEntered_;
        ++decimalCount_;
        Extended t = d;
        for (int i = 0; i < decimalCount_; ++i)
            t = t / 10;
        n = negative ? Extended(value_ - t) : Extended(value_ + t);
    }
    if (decimalCount_ == 1 && value_ == 0)
        digitCount_ = 2; // the zero before the point and the new decimal
    else
        ++digitCount_;

    if (digitCount_ > maxDigits_) {
        digitCount_ = maxDigits_;
        if (pointEntered_)
            decimalCount_ = oldDecimalCount;
        beep();
        return;
    }
    if (!pointEntered_ && fixDecimal_ >= 0 && digitCount_ > maxDigits_ - fixDecimal_) {
        digitCount_ = maxDigits_ - fixDecimal_;
        beep();
        return;
    }
    if (pointEntered_ && fixDecimal_ >= 0 && decimalCount_ > fixDecimal_) {
        decimalCount_ = fixDecimal_;
        digitCount_ = oldDigitCount;
        beep();
        return;
    }
    // Written and read back, which removes the small errors of the divisions by ten.
    storeValue(readBack(trimBlanks(FormatFixed(n, digitCount_, decimalCount_, false, true))));
}

void NValEditModel::minusKey()
{
    if (!prmtNegative_) {
        beep();
        return;
    }
    if (selLength_ > 0)
        entryReset();
    minusEntered_ = !minusEntered_;
    storeValue(-value_);
}

void NValEditModel::pointKey()
{
    if (fixDecimal_ == 0) {
        pointEntered_ = false;
        decimalCount_ = 0;
        beep();
        return;
    }
    if (selLength_ > 0)
        entryReset(true);
    if (digitCount_ >= maxDigits_) {
        beep();
        return;
    }
    if (digitCount_ == 0)
        digitCount_ = 1;
    if (!pointEntered_)
        pointEntered_ = true;
    else
        beep();
    storeValue(value_);
}

void NValEditModel::backspace()
{
    if (readOnly_)
        return;
    if (selLength_ > 0) {
        entryReset();
        storeValue(0);
    }
    if (digitCount_ <= 0) {
        decimalCount_ = 0;
        pointEntered_ = false;
        digitCount_ = 0;
        minusEntered_ = false;
        storeValue(0);
        return;
    }
    std::string s = trimBlanks(FormatFixed(value_, digitCount_, decimalCount_, false, true));
    if (!s.empty())
        s.pop_back();
    --digitCount_;
    const bool hadDecimals = decimalCount_ > 0;
    if (hadDecimals) {
        --decimalCount_;
    } else {
        decimalCount_ = 0;
        pointEntered_ = false;
    }
    const Extended n = s.empty() || s == "-" ? Extended(0) : readBack(s);
    // The sign stays while the number is still negative, so that the text,
    // Value and the next minus key agree.
    if (!hadDecimals)
        minusEntered_ = n < 0;
    storeValue(n);
}

void NValEditModel::deleteKey()
{
    if (readOnly_)
        return;
    if (selLength_ > 0 || delAllClear_) {
        entryReset();
        storeValue(0);
    }
}

void NValEditModel::escape()
{
    if (!readOnly_)
        setValue(savedValue_);
}

void NValEditModel::home()
{
    selectAll();
}

// --- commands --------------------------------------------------------------

void NValEditModel::paste()
{
    pasteText(hooks_.clipboardText ? hooks_.clipboardText() : std::nullopt);
}

void NValEditModel::pasteText(const std::optional<std::string> &clipboard)
{
    setValue(clipboard ? TextToValue(*clipboard) : Extended(0));
}

std::optional<std::string> NValEditModel::cut()
{
    std::optional<std::string> taken = copy();
    deleteSelection();
    setValue(0);
    return taken;
}

std::optional<std::string> NValEditModel::copy()
{
    if (selLength_ <= 0)
        return std::nullopt;
    std::string taken = SelText();
    if (hooks_.setClipboardText)
        hooks_.setClipboardText(taken);
    return taken;
}

void NValEditModel::clear()
{
    deleteSelection();
    setValue(0);
}

void NValEditModel::undo()
{
    if (undoText_) {
        undoText_ = std::exchange(text_, std::move(*undoText_));
        setSelection(selStart_, selLength_);
        textChanged();
    }
    setValue(TextToValue(text_));
}

void NValEditModel::setTextFromOutside(std::string_view text, bool hasParent)
{
    std::string taken = NValEditUtf8::Encode(NValEditUtf8::DecodeLenient(text));
    undoText_.reset();
    if (taken != text_) {
        text_ = std::move(taken);
        textChanged();
    }
    selStart_ = 0;
    selLength_ = 0;
    if (hasParent && parseSetText_) {
        setValue(TextToValue(text_));
        selStart_ = textLength();
        selLength_ = 0;
    }
}

// --- focus and mouse -------------------------------------------------------

void NValEditModel::mouseActivate()
{
    focusByMouse_ = true;
}

void NValEditModel::focusIn()
{
    savedValue_ = value_;
    if (autoSelect_ && !focusByMouse_)
        selectAll();
    focusByMouse_ = false;
}

void NValEditModel::focusOut()
{
    savedValue_ = value_;
    focusByMouse_ = false;
    setValue(value_); // final form: digits counted again, fixed decimals shown
}

void NValEditModel::doubleClick()
{
    afterDblClick_ = true;
}

void NValEditModel::mouseUp()
{
    if (!afterDblClick_) {
        const int length = textLength();
        if (selStart_ == 0 && selLength_ == length) {
            selStart_ = 0;
            selLength_ = length;
        } else {
            selStart_ = length;
            selLength_ = 0;
        }
    }
    afterDblClick_ = false;
}

// --- font colour -----------------------------------------------------------

void NValEditModel::setFontColor(Color color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    if (hooks_.fontColor)
        hooks_.fontColor(color);
    fontColorChanged(color);
}

void NValEditModel::fontColorChanged(Color color)
{
    fontColor_ = color;
    if (colorUpdating_) {
        colorUpdating_ = false; // our own change
        return;
    }
    const bool negative = value_ < 0 || minusEntered_;
    if (color == normalColor_ && !negative)
        return;
    if (normalColor_ == minusColor_) {
        normalColor_ = color; // negative numbers keep following the font colour
        minusColor_ = color;
        return;
    }
    if (negative) {
        if (color == minusColor_)
            return;
        colorUpdating_ = true;
        setFontColor(minusColor_);
        normalColor_ = color;
        return;
    }
    normalColor_ = color;
}

NValEditModel::Color NValEditModel::FontColor() const
{
    return fontColor_;
}

NValEditModel::Color NValEditModel::NormalColor() const
{
    return normalColor_;
}

bool NValEditModel::ColorUpdating() const
{
    return colorUpdating_;
}

// --- entry state -----------------------------------------------------------

int NValEditModel::DigitCount() const
{
    return digitCount_;
}

int NValEditModel::DecimalCount() const
{
    return decimalCount_;
}

bool NValEditModel::PointEntered() const
{
    return pointEntered_;
}

bool NValEditModel::MinusEntered() const
{
    return minusEntered_;
}

Extended NValEditModel::SavedValue() const
{
    return savedValue_;
}

bool NValEditModel::FocusByMouse() const
{
    return focusByMouse_;
}

bool NValEditModel::AfterDblClick() const
{
    return afterDblClick_;
}

bool NValEditModel::ParseSetText() const
{
    return parseSetText_;
}

} // namespace kalvio

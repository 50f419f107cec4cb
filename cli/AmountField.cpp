// The command line's entry fields.
#include "cli/AmountField.h"

#include <stdexcept>

namespace kalvio {

namespace {

constexpr std::string_view kFullWidthZero = "\xEF\xBC\x90"; // U+FF10
constexpr std::string_view kFullWidthOne = "\xEF\xBC\x91";  // U+FF11

// Every zero digit turned into a one.  The field's reading gives 0 both for a
// spelled-out zero and for text it cannot read; only for the former does the
// same text with ones instead of zeros read as a non-zero number.
std::string ZerosToOnes(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, kFullWidthZero.size()) == kFullWidthZero) {
            out += kFullWidthOne;
            i += kFullWidthZero.size();
        } else {
            out += text[i] == '0' ? '1' : text[i];
            ++i;
        }
    }
    return out;
}

} // namespace

AmountField::AmountField(int maxDigits, int fixDecimal)
{
    // In declaration order, as the window's stored settings apply them.
    model_.setMaxDigits(maxDigits);
    model_.setPrmtNegative(false);
    model_.setFixDecimal(fixDecimal);
    model_.setDelAllClear(true);
    model_.setZeroDisplay(true);
    model_.setPutAComma(true);
    model_.setEnterNext(true);
    model_.setArrowNext(true);
}

AmountField AmountField::Principal()
{
    return AmountField(12, 0);
}

AmountField AmountField::Rate()
{
    return AmountField(5, 3);
}

AmountField AmountField::Periods()
{
    return AmountField(3, 0);
}

Extended AmountField::Read(std::string_view text)
{
    const Extended value = model_.TextToValue(text);
    if (value == 0 && model_.TextToValue(ZerosToOnes(text)) == 0)
        throw std::invalid_argument("\"" + std::string(text) + "\" is not a number");
    if (value < 0)
        throw std::invalid_argument("\"" + std::string(text) + "\" is negative; amounts are zero or more");
    model_.setValue(value);
    return model_.Value();
}

std::string AmountField::Show(Extended value)
{
    model_.setValue(value);
    return model_.Text();
}

} // namespace kalvio

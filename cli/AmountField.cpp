// The command line's entry fields.
#include "cli/AmountField.h"

#include <optional>
#include <stdexcept>

namespace kalvio {

AmountField::AmountField(int maxDigits, int fixDecimal)
{
    // In declaration order, as the window's stored settings apply them.
    model_.beginLoading();
    model_.setMaxDigits(maxDigits);
    model_.setPrmtNegative(false);
    model_.setFixDecimal(fixDecimal);
    model_.setDelAllClear(true);
    model_.setZeroDisplay(true);
    model_.setPutAComma(true);
    model_.setEnterNext(true);
    model_.setArrowNext(true);
    model_.loaded();
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
    const std::optional<Extended> read = model_.ReadNumber(text);
    if (!read)
        throw std::invalid_argument("\"" + std::string(text) + "\" is not a number");
    const Extended value = *read;
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

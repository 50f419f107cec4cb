// One of the window's three entry fields, as kalvio-cli uses it: reads an
// amount typed on the command line the way the field reads pasted text, keeps
// it within the field's limits, and gives the text the field shows.
#pragma once

#include <string>
#include <string_view>

#include "controls/NValEditModel.h"
#include "numeric/Extended.h"

namespace kalvio {

class AmountField {
public:
    static AmountField Principal();
    static AmountField Rate();
    static AmountField Periods();

    // The field's value after reading the text.  Throws std::invalid_argument
    // naming the problem when the text is no number or is negative.  Where the
    // field would silently take 0 for an unreadable text, this refuses it;
    // a zero spelled out ("0", "0.0", full-width "０") is a number.
    Extended Read(std::string_view text);

    // Assigns through the field's Value setter and returns the shown text.
    std::string Show(Extended value);

private:
    AmountField(int maxDigits, int fixDecimal);

    NValEditModel model_;
};

} // namespace kalvio

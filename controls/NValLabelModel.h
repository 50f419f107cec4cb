// The display logic of the numeric label, free of any widget: the value, the
// display properties with their run-time corrections, and the text they give.
#pragma once

#include <string>

#include "numeric/Extended.h"

namespace kalvio {

class NValLabelModel {
public:
    static constexpr int kFreeDecimals = -1;
    static constexpr int kMaxFixDecimal = 14;

    // Every setter reformats the text from the stored value and returns true
    // only when the text came out different, so the widget redraws nothing
    // for an unchanged text.
    Extended Value() const { return m_value; }
    bool setValue(Extended value);
    int FixDecimal() const { return m_fixDecimal; }
    bool setFixDecimal(int decimals); // clamped to -1..14
    bool PutAComma() const { return m_putAComma; }
    bool setPutAComma(bool on);
    bool ZeroDisplay() const { return m_zeroDisplay; }
    bool setZeroDisplay(bool on);
    char LeadingChar() const { return m_leadingChar; }
    bool setLeadingChar(char ch); // a control character is ignored

    // The label's text (UTF-8); empty until the first formatting.
    const std::string &Text() const { return m_text; }

    // The text the display properties give for a value.
    static std::string Format(Extended value, int fixDecimal, bool putAComma, bool zeroDisplay,
                              char leadingChar);

private:
    bool reformat();

    Extended m_value = 0;
    int m_fixDecimal = kFreeDecimals;
    bool m_putAComma = true;
    bool m_zeroDisplay = false;
    char m_leadingChar = ' ';
    std::string m_text;
};

} // namespace kalvio

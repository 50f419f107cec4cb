// The numeric label's text: zero handling, the leading character and the four
// number formats, chosen by FixDecimal and PutAComma.
#include "controls/NValLabelModel.h"

#include <algorithm>

#include "numeric/NumberText.h"

namespace kalvio {

namespace {

// The leading character is a byte of the Japanese code page; the text is
// UTF-8.  Bytes that are no character on their own (lead bytes, unassigned
// codes) become the replacement character rather than broken UTF-8.
std::string PrefixText(char leadingChar)
{
    const auto code = static_cast<unsigned char>(leadingChar);
    if (code == ' ')
        return {};
    if (code < 0x80)
        return std::string(1, leadingChar);
    if (code >= 0xA1 && code <= 0xDF) { // half-width katakana U+FF61..U+FF9F
        const unsigned point = 0xFF61 + (code - 0xA1);
        return {static_cast<char>(0xE0 | (point >> 12)), static_cast<char>(0x80 | ((point >> 6) & 0x3F)),
                static_cast<char>(0x80 | (point & 0x3F))};
    }
    return "\uFFFD";
}

} // namespace

std::string NValLabelModel::Format(Extended value, int fixDecimal, bool putAComma, bool zeroDisplay,
                                   char leadingChar)
{
    if (value == 0) // a negative zero too; neither prefix nor decimals
        return zeroDisplay ? "0" : "";
    std::string number;
    if (fixDecimal < 0)
        number = FormatPattern(value, putAComma ? NumberPattern::Grouped14 : NumberPattern::Plain14);
    else
        number = FormatFixed(value, 1, fixDecimal, putAComma);
    return PrefixText(leadingChar) + number;
}

bool NValLabelModel::reformat()
{
    std::string text = Format(m_value, m_fixDecimal, m_putAComma, m_zeroDisplay, m_leadingChar);
    if (text == m_text)
        return false;
    m_text = std::move(text);
    return true;
}

bool NValLabelModel::setValue(Extended value)
{
    m_value = value;
    return reformat();
}

bool NValLabelModel::setFixDecimal(int decimals)
{
    m_fixDecimal = std::clamp(decimals, kFreeDecimals, kMaxFixDecimal);
    return reformat();
}

bool NValLabelModel::setPutAComma(bool on)
{
    m_putAComma = on;
    return reformat();
}

bool NValLabelModel::setZeroDisplay(bool on)
{
    m_zeroDisplay = on;
    return reformat();
}

bool NValLabelModel::setLeadingChar(char ch)
{
    if (static_cast<unsigned char>(ch) < 0x20)
        return false;
    m_leadingChar = ch;
    return reformat();
}

} // namespace kalvio

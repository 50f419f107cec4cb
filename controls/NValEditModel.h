// The value logic of the numeric entry field, free of any widget: the
// properties and their run-time corrections, the Value setter, the shown text,
// reading text as a number, and the keystroke state machine.
//
// AGREED PUBLIC SURFACE (used by the widget, the CLI and the main window);
// the owner of this class may add to it but keeps these signatures.
#pragma once

#include <string>
#include <string_view>

#include "numeric/Extended.h"

namespace kalvio {

class NValEditModel {
public:
    NValEditModel();

    int MaxDigits() const;
    void setMaxDigits(int digits);
    bool PrmtNegative() const;
    void setPrmtNegative(bool allowed);
    int FixDecimal() const;
    void setFixDecimal(int decimals);
    bool DelAllClear() const;
    void setDelAllClear(bool on);
    char LeadingChar() const;
    void setLeadingChar(char ch);
    bool ZeroDisplay() const;
    void setZeroDisplay(bool on);
    Extended Value() const;
    void setValue(Extended value); // the Value setter, with its corrections
    bool PutAComma() const;
    void setPutAComma(bool on);
    bool EnterNext() const;
    void setEnterNext(bool on);
    bool ArrowNext() const;
    void setArrowNext(bool on);

    // The text the field shows (UTF-8).
    const std::string &Text() const;

    // Reads a text (UTF-8, full-width forms allowed) as the field reads
    // pasted text; 0 when it is not a number.
    Extended TextToValue(std::string_view text) const;
};

} // namespace kalvio

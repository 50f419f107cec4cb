// The floating-point fault that ends a calculation request: a division by
// zero, an invalid operation or an overflow.  Thrown by the checked
// arithmetic and turned into the result's fault message by RunCalculation.
#pragma once

#include <stdexcept>
#include <string>

namespace kalvio {

class CalcFault : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow, UnknownMode };

    explicit CalcFault(Kind kind, const std::string &detail = {});

    Kind kind() const { return kind_; }

    // The text shown to the user for a fault of this kind (UTF-8).
    static std::string Message(Kind kind);

private:
    Kind kind_;
};

} // namespace kalvio

// Raising an Extended to an Extended power the way the calculator has always
// done it: whole exponents by repeated squaring from the lowest bit (so the
// rounding of every product is fixed), any other exponent through exp and ln.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/CheckedArithmetic.h"

namespace kalvio {

template <class E> E Power(const E &base, const E &exponent)
{
    using boost::multiprecision::exp;
    using boost::multiprecision::log;
    using boost::multiprecision::trunc;
    using std::exp;
    using std::log;
    using std::trunc;

    const E one = 1;
    if (exponent == 0)
        return one;
    if (base == 0 && exponent > 0)
        return E(0);

    const E largestWhole = 2147483647;
    if (trunc(exponent) == exponent && exponent <= largestWhole && exponent >= -largestWhole) {
        const auto n = static_cast<std::int64_t>(exponent);
        std::uint64_t bits = n < 0 ? static_cast<std::uint64_t>(-n) : static_cast<std::uint64_t>(n);
        E result = one;
        E square = base;
        for (;;) {
            if (bits & 1U)
                result = checked::Mul(result, square);
            bits >>= 1U;
            if (bits == 0)
                break;
            square = checked::Mul(square, square);
        }
        if (n < 0)
            result = checked::Div(one, result);
        return result;
    }

    // ln of a negative base is an invalid operation; ln 0 is a division by zero.
    if (base < 0)
        throw CalcFault(CalcFault::Kind::InvalidOperation);
    if (base == 0)
        throw CalcFault(CalcFault::Kind::DivisionByZero);
    const E logarithm = log(base);
    const E product = checked::Mul(exponent, logarithm);
    return checked::Finite<E>(exp(product));
}

} // namespace kalvio

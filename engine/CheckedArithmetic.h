// Single Extended operations that end the request on a floating-point fault.
// The Boost type raises no floating-point flags, so a fault is recognised by
// its operands or its result; with finite operands a non-finite result of
// +, -, x or / can only come from an overflow, and division is checked for a
// zero divisor before it runs.  Each call is exactly one rounded operation,
// so a row step written with them keeps its operand order and rounding.
#pragma once

#include <cmath>

#include "engine/CalcFault.h"
#include "numeric/Extended.h"

namespace kalvio::checked {

template <class E> bool IsFinite(const E &x)
{
    using boost::multiprecision::isfinite;
    using std::isfinite;
    return isfinite(x);
}

// Kept out of line so that the checks inline into the row steps and the
// working values can stay in registers between operations.
[[noreturn, gnu::noinline, gnu::cold]] inline void Fail(CalcFault::Kind kind)
{
    throw CalcFault(kind);
}

template <class E> E Finite(const E &result)
{
    if (!IsFinite(result)) [[unlikely]]
        Fail(CalcFault::Kind::Overflow);
    return result;
}

template <class E> E Add(const E &a, const E &b)
{
    return Finite<E>(a + b);
}

template <class E> E Sub(const E &a, const E &b)
{
    return Finite<E>(a - b);
}

template <class E> E Mul(const E &a, const E &b)
{
    return Finite<E>(a * b);
}

template <class E> E Div(const E &a, const E &b)
{
    if (b == 0) [[unlikely]]
        Fail(a == 0 ? CalcFault::Kind::InvalidOperation : CalcFault::Kind::DivisionByZero);
    return Finite<E>(a / b);
}

} // namespace kalvio::checked

// The number type of every amount, rate, count and total: an 80-bit binary
// float with a 64-bit significand, each operation rounded to nearest, ties to
// even.  On x86 with GCC or Clang that is long double; elsewhere, or when the
// build asks for it, Boost.Multiprecision's double-extended binary float,
// which rounds the same way.
#pragma once

#include <cfloat>

#include <boost/multiprecision/cpp_bin_float.hpp>

namespace kalvio {

// Both types are always available, so tests can run the same code on each.
using BoostExtended = boost::multiprecision::cpp_bin_float_double_extended;

#if defined(KALVIO_BOOST_EXTENDED) || LDBL_MANT_DIG != 64
using Extended = BoostExtended;
inline constexpr bool kExtendedIsLongDouble = false;
#else
using Extended = long double;
inline constexpr bool kExtendedIsLongDouble = true;
#endif

} // namespace kalvio

// The outcome of one calculation: the inputs to show again, the notice flag,
// the header row, rows 1 to 100 of the result table and the five totals.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "numeric/Extended.h"

namespace kalvio {

inline constexpr int kGridColumns = 5;
inline constexpr int kShownRows = 100;

template <class E> struct BasicCalcResult {
    E Principal = 0;
    E RatePercent = 0;
    E Periods = 0;
    bool MissingAmount = false;
    std::array<std::string, kGridColumns> HeaderTexts;                       // UTF-8
    std::array<std::array<std::string, kGridColumns>, kShownRows> CellTexts; // rows 1..100
    std::optional<std::array<E, kGridColumns>> TotalValues;                  // none: no period computed
    // Set when a floating-point fault (division by zero, invalid operation,
    // overflow) ended the request; the texts and totals are then not to be
    // applied.  Only inputs the entry fields never deliver can cause it.
    std::optional<std::string> Fault; // UTF-8 message
};

using CalcResult = BasicCalcResult<Extended>;

} // namespace kalvio

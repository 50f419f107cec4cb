// The input of one calculation: what the three entry fields hold, the mode
// key and the period unit.
#pragma once

#include <cstdint>
#include <string>

#include "numeric/Extended.h"

namespace kalvio {

template <class E> struct BasicCalcRequest {
    E Principal = 0;
    E RatePercent = 0;
    E Periods = 0;
    std::string CalcMode;        // one of the ten keys, compared exactly
    std::int32_t PeriodUnit = 1; // 1: years; anything else: months
};

using CalcRequest = BasicCalcRequest<Extended>;

} // namespace kalvio

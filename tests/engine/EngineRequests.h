// Shorthands for building calculation requests in the engine tests.
#pragma once

#include <array>
#include <string>
#include <type_traits>

#include "engine/CalcRequest.h"

namespace kalvio::test {

inline constexpr int kYears = 1;
inline constexpr int kMonths = 0;

template <class E = Extended>
BasicCalcRequest<E> Request(const std::string &mode, std::type_identity_t<E> principal, std::type_identity_t<E> rate,
                            std::type_identity_t<E> periods, int unit = kYears)
{
    BasicCalcRequest<E> request;
    request.CalcMode = mode;
    request.Principal = principal;
    request.RatePercent = rate;
    request.Periods = periods;
    request.PeriodUnit = unit;
    return request;
}

using RowTexts = std::array<std::string, 5>;

} // namespace kalvio::test

// The calculation engine's one entry point.  Depends on nothing but its input
// and keeps nothing between calls.
#pragma once

#include "engine/CalcRequest.h"
#include "engine/CalcResult.h"

namespace kalvio {

CalcResult RunCalculation(const CalcRequest &request);

// The same request computed in the Boost type, whatever Extended is; used to
// check that both types give the same figures.
BasicCalcResult<BoostExtended> RunCalculationBoost(const BasicCalcRequest<BoostExtended> &request);

} // namespace kalvio

// The engine's entry points, one per number type, over the shared steps.
#include "engine/RunCalculation.h"

#include "engine/Calculation.h"

namespace kalvio {

CalcResult RunCalculation(const CalcRequest &request)
{
    return Calculation<Extended>(request).Run();
}

BasicCalcResult<BoostExtended> RunCalculationBoost(const BasicCalcRequest<BoostExtended> &request)
{
    return Calculation<BoostExtended>(request).Run();
}

} // namespace kalvio

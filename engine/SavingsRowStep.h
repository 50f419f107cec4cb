// Row step of regular savings ("teiki"): row k shows one deposit grown over
// k periods; column 4 accumulates column 3.
#pragma once

#include <cstdint>

#include "engine/CheckedArithmetic.h"
#include "engine/ExtendedPower.h"
#include "engine/WorkingValues.h"

namespace kalvio {

template <class E> void RegularSavingsStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = 0;
    w.RowValue1 = w.WorkPrincipal;
    const E g = Power(w.GrowthFactor(), E(k));
    const E grown = checked::Mul(g, w.RowValue1);
    w.RowValue2 = checked::Sub(grown, w.RowValue1);
    w.RowValue3 = checked::Add(w.RowValue1, w.RowValue2);
    w.RowValue4 = checked::Add(w.RowValue4, w.RowValue3);
    w.AddRowToSums();
}

} // namespace kalvio

// Row step of the era year table ("seireki"): Western year, Showa year and
// Heisei year of row k; no money, no sums.
#pragma once

#include <cstdint>

#include "engine/CheckedArithmetic.h"
#include "engine/WorkingValues.h"

namespace kalvio {

template <class E> void EraYearStep(WorkingValues<E> &w, std::int32_t k)
{
    const E row = k;
    w.RowValue1 = checked::Add(row, E(1981));
    w.RowValue2 = checked::Add(row, E(56));
    w.RowValue3 = checked::Sub(row, E(7));
    if (w.RowValue3 < 0)
        w.RowValue3 = 0;
    w.RowValue4 = 0;
}

} // namespace kalvio

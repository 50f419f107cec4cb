// The working values of one calculation request, shared by the request loop
// and the row steps.  RowValue1 to RowValue4 are grid columns 1 to 4 of the
// current row and keep their values from one row to the next.
#pragma once

#include <cstdint>

#include "engine/CheckedArithmetic.h"

namespace kalvio {

template <class E> struct WorkingValues {
    E WorkPrincipal = 0;
    E WorkRate = 0; // per period, in percent
    E WorkPeriods = 0;
    std::int32_t PeriodRows = 0;
    E RowValue1 = 0;
    E RowValue2 = 0;
    E RowValue3 = 0;
    E RowValue4 = 0;
    E Sum1 = 0;
    E Sum2 = 0;
    E Sum3 = 0;

    // 1 + WorkRate / 100: the division first, then the addition.
    E GrowthFactor() const
    {
        const E ratePart = checked::Div(WorkRate, E(100));
        return checked::Add(ratePart, E(1));
    }

    // The last operations of every money row step.
    void AddRowToSums()
    {
        Sum3 = checked::Add(Sum3, RowValue3);
        Sum2 = checked::Add(Sum2, RowValue2);
        Sum1 = checked::Add(Sum1, RowValue1);
    }
};

} // namespace kalvio

// Row steps of the loan schedules: equal instalments ("ganri", also the
// pension paid out of a capital, "nenkin") and equal principal parts
// ("gankin").  One rounded operation per statement, in this order.
#pragma once

#include "engine/CheckedArithmetic.h"
#include "engine/ExtendedPower.h"
#include "engine/WorkingValues.h"

namespace kalvio {

template <class E> void EqualInstalmentStep(WorkingValues<E> &w)
{
    // The instalment is computed afresh from the same inputs in every row.
    const E g = Power(w.GrowthFactor(), E(-w.WorkPeriods));
    const E d = checked::Sub(E(1), g);
    const E ratePart = checked::Div(w.WorkRate, E(100));
    const E scaled = checked::Mul(ratePart, w.WorkPrincipal);
    w.RowValue3 = checked::Div(scaled, d);

    const E interestTimes100 = checked::Mul(w.RowValue4, w.WorkRate);
    w.RowValue2 = checked::Div(interestTimes100, E(100));
    w.RowValue1 = checked::Sub(w.RowValue3, w.RowValue2);
    w.RowValue4 = checked::Sub(w.RowValue4, w.RowValue1);
    w.AddRowToSums();
}

template <class E> void EqualPrincipalStep(WorkingValues<E> &w)
{
    const E interestTimes100 = checked::Mul(w.RowValue4, w.WorkRate);
    w.RowValue2 = checked::Div(interestTimes100, E(100));
    // Divided by the period count itself, not by the number of rows.
    w.RowValue1 = checked::Div(w.WorkPrincipal, w.WorkPeriods);
    w.RowValue3 = checked::Add(w.RowValue2, w.RowValue1);
    w.RowValue4 = checked::Sub(w.RowValue4, w.RowValue1);
    w.AddRowToSums();
}

} // namespace kalvio

// Row steps of interest growth ("hukuri", "tanri") and of the present values
// ("hukurigenka", "nenkingenka", "tanrigenka").  In the first three
// RowValue2 is never assigned and stays 0, and so does Sum2.
#pragma once

#include <cstdint>

#include "engine/CheckedArithmetic.h"
#include "engine/ExtendedPower.h"
#include "engine/WorkingValues.h"

namespace kalvio {

template <class E> void CompoundGrowthStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = w.WorkPrincipal;
    w.RowValue1 = w.RowValue4;
    const E interestTimes100 = checked::Mul(w.RowValue1, w.WorkRate);
    w.RowValue3 = checked::Div(interestTimes100, E(100));
    w.RowValue4 = checked::Add(w.RowValue1, w.RowValue3);
    w.AddRowToSums();
}

template <class E> void SimpleGrowthStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = w.WorkPrincipal;
    w.RowValue1 = w.WorkPrincipal;
    const E interestTimes100 = checked::Mul(w.WorkPrincipal, w.WorkRate);
    w.RowValue3 = checked::Div(interestTimes100, E(100));
    w.RowValue4 = checked::Add(w.RowValue4, w.RowValue3);
    w.AddRowToSums();
}

template <class E> void CompoundPresentValueStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = w.WorkPrincipal;
    w.RowValue1 = w.RowValue4;
    const E discounted = checked::Div(w.RowValue1, w.GrowthFactor());
    w.RowValue3 = checked::Sub(discounted, w.RowValue1);
    // By this addition, not the quotient above: the two can differ in the last bit.
    w.RowValue4 = checked::Add(w.RowValue1, w.RowValue3);
    w.AddRowToSums();
}

template <class E> void CompoundAnnuityPresentValueStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = 0;
    w.RowValue1 = w.WorkPrincipal;
    const E g = Power(w.GrowthFactor(), E(k));
    w.RowValue3 = checked::Div(w.WorkPrincipal, g);
    w.RowValue2 = checked::Sub(w.RowValue3, w.WorkPrincipal);
    w.RowValue4 = checked::Add(w.RowValue4, w.RowValue3);
    w.AddRowToSums();
}

template <class E> void SimpleAnnuityPresentValueStep(WorkingValues<E> &w, std::int32_t k)
{
    if (k == 1)
        w.RowValue4 = 0;
    w.RowValue1 = w.WorkPrincipal;
    const E a = checked::Div(w.WorkRate, E(100));
    const E interestFactor = checked::Mul(a, E(k));
    const E divisor = checked::Add(interestFactor, E(1));
    w.RowValue3 = checked::Div(w.WorkPrincipal, divisor);
    w.RowValue2 = checked::Sub(w.RowValue3, w.RowValue1);
    w.RowValue4 = checked::Add(w.RowValue4, w.RowValue3);
    w.AddRowToSums();
}

} // namespace kalvio

// One calculation request from inputs to result, written once for any
// Extended type so that long double and the Boost type run the same steps.
#pragma once

#include <cstdint>
#include <string>

#include "engine/CalcFault.h"
#include "engine/CalcMode.h"
#include "engine/CalcRequest.h"
#include "engine/CalcResult.h"
#include "engine/CheckedArithmetic.h"
#include "engine/EraRowStep.h"
#include "engine/InterestRowSteps.h"
#include "engine/LoanRowSteps.h"
#include "engine/SavingsRowStep.h"
#include "engine/WorkingValues.h"
#include "numeric/NumberText.h"

namespace kalvio {

template <class E> class Calculation {
public:
    explicit Calculation(const BasicCalcRequest<E> &request) : request_(request) {}

    BasicCalcResult<E> Run()
    {
        result_.Principal = request_.Principal;
        result_.RatePercent = request_.RatePercent;
        result_.Periods = request_.Periods;
        try {
            RunSteps();
        } catch (const CalcFault &fault) {
            // Nothing half-computed may reach the grid or the labels.
            result_.HeaderTexts = {};
            result_.CellTexts = {};
            result_.TotalValues.reset();
            result_.Fault = fault.what();
        }
        return result_;
    }

private:
    static constexpr int kSeirekiRows = 50;

    void RunSteps()
    {
        mode_ = CalcMode::Find(request_.CalcMode);
        if (mode_ == nullptr)
            throw CalcFault(CalcFault::Kind::UnknownMode, "\"" + request_.CalcMode + "\"");
        if (!checked::IsFinite(request_.Principal) || !checked::IsFinite(request_.RatePercent) ||
            !checked::IsFinite(request_.Periods))
            throw CalcFault(CalcFault::Kind::InvalidOperation);
        const bool seireki = mode_->Step == RowStepKind::Seireki;

        w_.WorkPrincipal = request_.Principal;
        w_.WorkRate = request_.RatePercent;
        w_.WorkPeriods = request_.Periods;
        if (!seireki) {
            result_.MissingAmount = w_.WorkPrincipal == 0 || w_.WorkRate == 0 || w_.WorkPeriods == 0;
            if (w_.WorkPrincipal == 0)
                w_.WorkPrincipal = 1000000;
            if (w_.WorkRate == 0)
                w_.WorkRate = 3;
            if (w_.WorkPeriods == 0)
                w_.WorkPeriods = 10;
        }
        result_.Principal = w_.WorkPrincipal;
        result_.RatePercent = w_.WorkRate;
        result_.Periods = w_.WorkPeriods;

        if (request_.PeriodUnit == 1) {
            result_.HeaderTexts[0] = "年";
        } else {
            result_.HeaderTexts[0] = "月";
            w_.WorkRate = checked::Div(w_.WorkRate, E(12));
        }
        for (int column = 1; column < kGridColumns; ++column)
            result_.HeaderTexts[column] = std::string(mode_->Headers[column - 1]);
        if (seireki) {
            w_.WorkPeriods = kSeirekiRows;
            result_.HeaderTexts[0].clear();
        }

        // Truncating a count outside 32 bits is an invalid operation.
        if (!(w_.WorkPeriods < E(2147483648.0) && w_.WorkPeriods > E(-2147483649.0)))
            throw CalcFault(CalcFault::Kind::InvalidOperation);
        w_.PeriodRows = static_cast<std::int32_t>(static_cast<std::int64_t>(w_.WorkPeriods));

        w_.RowValue4 = w_.WorkPrincipal;
        if (w_.PeriodRows <= 0)
            return;
        // A 64-bit counter, so that a count of 2^31 - 1 rows ends.
        for (std::int64_t row = 1; row <= w_.PeriodRows; ++row) {
            const auto k = static_cast<std::int32_t>(row);
            StepRow(k);
            if (k <= kShownRows)
                WriteRow(k);
        }
        result_.TotalValues = Totals();
    }

    void StepRow(std::int32_t k)
    {
        switch (mode_->Step) {
        case RowStepKind::Ganri:
        case RowStepKind::Nenkin:
            EqualInstalmentStep(w_);
            break;
        case RowStepKind::Gankin:
            EqualPrincipalStep(w_);
            break;
        case RowStepKind::Teiki:
            RegularSavingsStep(w_, k);
            break;
        case RowStepKind::Hukuri:
            CompoundGrowthStep(w_, k);
            break;
        case RowStepKind::Tanri:
            SimpleGrowthStep(w_, k);
            break;
        case RowStepKind::Hukurigenka:
            CompoundPresentValueStep(w_, k);
            break;
        case RowStepKind::Nenkingenka:
            CompoundAnnuityPresentValueStep(w_, k);
            break;
        case RowStepKind::Tanrigenka:
            SimpleAnnuityPresentValueStep(w_, k);
            break;
        case RowStepKind::Seireki:
            EraYearStep(w_, k);
            break;
        }
    }

    static std::string CellText(const E &value)
    {
        return value == 0 ? std::string() : FormatPattern(value, NumberPattern::Grouped0);
    }

    void WriteRow(std::int32_t k)
    {
        auto &row = result_.CellTexts[k - 1];
        row[0] = FormatPattern(E(k), NumberPattern::Grouped0);
        row[1] = CellText(w_.RowValue1);
        row[2] = CellText(w_.RowValue2);
        row[3] = CellText(w_.RowValue3);
        row[4] = CellText(w_.RowValue4);
    }

    std::array<E, kGridColumns> Totals() const
    {
        const E rows = w_.PeriodRows;
        switch (mode_->Step) {
        case RowStepKind::Ganri:
        case RowStepKind::Gankin:
        case RowStepKind::Nenkin:
            return {rows, w_.Sum1, w_.Sum2, w_.Sum3, E(0)};
        case RowStepKind::Teiki:
        case RowStepKind::Nenkingenka:
        case RowStepKind::Tanrigenka:
            return {rows, w_.Sum1, w_.Sum2, w_.Sum3, w_.RowValue4};
        case RowStepKind::Hukuri:
        case RowStepKind::Tanri:
            return {rows, w_.RowValue1, E(0), w_.Sum3, w_.RowValue4};
        case RowStepKind::Hukurigenka:
            return {rows, w_.WorkPrincipal, E(0), w_.Sum3, w_.RowValue4};
        case RowStepKind::Seireki:
            break;
        }
        return {E(0), E(0), E(0), E(0), E(0)};
    }

    const BasicCalcRequest<E> &request_;
    const CalcMode *mode_ = nullptr;
    WorkingValues<E> w_;
    BasicCalcResult<E> result_;
};

} // namespace kalvio

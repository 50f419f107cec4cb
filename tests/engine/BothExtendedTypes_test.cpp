// The engine under long double and under the Boost type: over many varied
// requests within the entry fields' limits the cells and the bits of every
// total must be the same.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EngineTestSupport.h"
#include "engine/CalcMode.h"
#include "engine/RunCalculation.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

struct Inputs {
    std::string mode;
    long long principal;  // whole, up to twelve digits
    long long rateMillis; // rate x 1000, up to 99.999
    long long periods;    // up to 999
    int unit;
};

template <class E> BasicCalcRequest<E> ToRequest(const Inputs &in)
{
    // As the entry fields hold them: the rate read from its decimal text.
    const E rate = *ParseDecimal<E>(std::to_string(in.rateMillis) + "e-3");
    return test::Request<E>(in.mode, E(in.principal), rate, E(in.periods), in.unit);
}

std::string Describe(const Inputs &in)
{
    return in.mode + " " + std::to_string(in.principal) + " " + std::to_string(in.rateMillis) + "e-3 " +
           std::to_string(in.periods) + (in.unit == test::kYears ? " years" : " months");
}

void ExpectSameResults(const Inputs &in)
{
    const CalcResult native = RunCalculation(ToRequest<Extended>(in));
    const BasicCalcResult<BoostExtended> boost = RunCalculationBoost(ToRequest<BoostExtended>(in));
    SCOPED_TRACE(Describe(in));
    ASSERT_FALSE(native.Fault);
    ASSERT_FALSE(boost.Fault);
    EXPECT_EQ(native.MissingAmount, boost.MissingAmount);
    EXPECT_TRUE(test::SameBits(native.Principal, boost.Principal));
    EXPECT_EQ(native.HeaderTexts, boost.HeaderTexts);
    EXPECT_EQ(native.CellTexts, boost.CellTexts);
    ASSERT_EQ(native.TotalValues.has_value(), boost.TotalValues.has_value());
    if (native.TotalValues) {
        for (int i = 0; i < kGridColumns; ++i)
            EXPECT_TRUE(test::SameBits((*native.TotalValues)[i], (*boost.TotalValues)[i]))
                << "total " << i + 1 << ": " << ShortestText((*native.TotalValues)[i]) << " vs "
                << ShortestText((*boost.TotalValues)[i]);
    }
}

TEST(BothExtendedTypes, EdgesOfTheFieldLimits)
{
    for (const CalcMode &mode : CalcMode::All())
        for (const long long principal : {0LL, 1LL, 999999999999LL})
            for (const long long rateMillis : {0LL, 1LL, 99999LL})
                for (const long long periods : {0LL, 1LL, 999LL})
                    for (const int unit : {test::kYears, test::kMonths})
                        ExpectSameResults({std::string(mode.Key), principal, rateMillis, periods, unit});
}

TEST(BothExtendedTypes, RandomRequests)
{
    std::mt19937_64 random(20240611);
    const auto modes = CalcMode::All();
    std::uniform_int_distribution<std::size_t> mode(0, modes.size() - 1);
    std::uniform_int_distribution<int> digits(1, 12);
    std::uniform_int_distribution<long long> rate(0, 99999);
    std::uniform_int_distribution<long long> periods(0, 999);
    std::bernoulli_distribution years(0.5);
    for (int i = 0; i < 3000; ++i) {
        long long top = 1;
        for (int d = digits(random); d > 0; --d)
            top *= 10;
        const long long principal = std::uniform_int_distribution<long long>(0, top - 1)(random);
        ExpectSameResults({std::string(modes[mode(random)].Key), principal, rate(random), periods(random),
                           years(random) ? test::kYears : test::kMonths});
        if (HasFatalFailure() || HasNonfatalFailure())
            return;
    }
}

} // namespace
} // namespace kalvio

// The power rule under both Extended types: the squaring order fixes the
// rounding of whole powers; zero bases and exponents; faults.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"
#include "engine/ExtendedPower.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

template <class E> class ExtendedPower : public ::testing::Test {
};
using BothTypes = ::testing::Types<long double, BoostExtended>;
TYPED_TEST_SUITE(ExtendedPower, BothTypes);

template <class E> void ExpectSameBits(const E &actual, const E &expected)
{
    EXPECT_TRUE(test::SameBits(actual, expected)) << ShortestText(actual) << " vs " << ShortestText(expected);
}

template <class E> CalcFault::Kind FaultOf(const E &base, const E &exponent)
{
    try {
        Power(base, exponent);
    } catch (const CalcFault &fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault";
    return CalcFault::Kind::UnknownMode;
}

TYPED_TEST(ExtendedPower, WholeExponentsSquareFromTheLowestBit)
{
    using E = TypeParam;
    for (const E base : {E(1.03L), E(1.0025L), E(0.97L), E(-1.37L), E(1.99999L)}) {
        // 10 = 1010b: the result takes base^2 and base^8.
        const E x2 = base * base;
        const E x4 = x2 * x2;
        const E x8 = x4 * x4;
        const E ten = (E(1) * x2) * x8;
        ExpectSameBits(Power(base, E(10)), ten);
        ExpectSameBits(Power(base, E(-10)), E(1) / ten);
        // 13 = 1101b: base, base^4, base^8.
        const E thirteen = ((E(1) * base) * x4) * x8;
        ExpectSameBits(Power(base, E(13)), thirteen);
        ExpectSameBits(Power(base, E(1)), base);
    }
}

TYPED_TEST(ExtendedPower, ZeroExponentAndZeroBase)
{
    using E = TypeParam;
    EXPECT_EQ(Power(E(0), E(0)), E(1));
    EXPECT_EQ(Power(E(-5), E(0)), E(1));
    EXPECT_EQ(Power(E(0), E(3)), E(0));
    EXPECT_EQ(Power(E(0), E(2.5L)), E(0));
    EXPECT_EQ(FaultOf(E(0), E(-2)), CalcFault::Kind::DivisionByZero);
    EXPECT_EQ(FaultOf(E(0), E(-2.5L)), CalcFault::Kind::DivisionByZero);
}

TYPED_TEST(ExtendedPower, OtherExponentsGoThroughExpAndLn)
{
    using E = TypeParam;
    using std::abs;
    const E root = Power(E(2), E(0.5L));
    EXPECT_LT(abs(root * root - E(2)), E(1e-17L));
    // Whole but beyond 32 bits: also the exp/ln path, near e^300.
    const E far = Power(E(1.0000001L), E(3e9L));
    EXPECT_GT(far, E(1e130L));
    EXPECT_LT(far, E(1e131L));
    EXPECT_EQ(FaultOf(E(-0.5L), E(2.5L)), CalcFault::Kind::InvalidOperation);
}

TYPED_TEST(ExtendedPower, OverflowIsAFault)
{
    using E = TypeParam;
    EXPECT_EQ(FaultOf(E(10), E(5000)), CalcFault::Kind::Overflow);
    EXPECT_EQ(FaultOf(E(1.03L), E(1000000)), CalcFault::Kind::Overflow);
    EXPECT_EQ(FaultOf(E(10), E(5000.5L)), CalcFault::Kind::Overflow);
    // A result that underflows is no fault until it is divided by.
    EXPECT_EQ(Power(E(1e-3000L), E(2)), E(0));
    EXPECT_EQ(FaultOf(E(1e3000L), E(-2)), CalcFault::Kind::Overflow);
}

} // namespace
} // namespace kalvio

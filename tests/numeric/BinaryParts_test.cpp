// Exact decomposition of both number types into sign, significand and
// binary exponent, and the way back, including the edges of the range.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "numeric/NumberText.h"

namespace kalvio {
namespace {

using Kind = BinaryParts::Kind;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

void ExpectParts(const BinaryParts &parts, bool negative, std::uint64_t significand, int exponent)
{
    EXPECT_EQ(parts.kind, Kind::Finite);
    EXPECT_EQ(parts.negative, negative);
    EXPECT_EQ(parts.significand, significand);
    EXPECT_EQ(parts.exponent, exponent);
}

bool SameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

TEST(BinaryPartsTest, LongDoubleValues)
{
    ExpectParts(ToParts(1.0L), false, kTop, -63);
    ExpectParts(ToParts(-1.0L), true, kTop, -63);
    ExpectParts(ToParts(0.0L), false, 0, 0);
    ExpectParts(ToParts(-0.0L), true, 0, 0);
    ExpectParts(ToParts(0.75L), false, kTop | (kTop >> 1), -64);
    ExpectParts(ToParts(LDBL_MAX), false, ~std::uint64_t{0}, 16320);
    ExpectParts(ToParts(LDBL_MIN), false, kTop, -16382 - 63);
    // Subnormals come out normalised, with an exponent below the normal range.
    ExpectParts(ToParts(std::numeric_limits<long double>::denorm_min()), false, kTop, -16445 - 63);
    ExpectParts(ToParts(3 * std::numeric_limits<long double>::denorm_min()), false, kTop | (kTop >> 1),
                -16445 - 62);
    EXPECT_EQ(ToParts(std::numeric_limits<long double>::infinity()).kind, Kind::Infinity);
    EXPECT_TRUE(ToParts(-std::numeric_limits<long double>::infinity()).negative);
    EXPECT_EQ(ToParts(std::numeric_limits<long double>::quiet_NaN()).kind, Kind::NaN);
    ExpectParts(ToParts(0.1), false, 0xCCCCCCCCCCCCD000u, -67); // a double widens exactly
}

TEST(BinaryPartsTest, LongDoubleRoundTripsBitForBit)
{
    const long double values[] = {1.0L,
                                  -2.5L,
                                  1.0L / 3,
                                  LDBL_MAX,
                                  -LDBL_MAX,
                                  LDBL_MIN,
                                  LDBL_MIN / 3,
                                  std::numeric_limits<long double>::denorm_min(),
                                  -0.0L,
                                  0.0L,
                                  std::numeric_limits<long double>::infinity(),
                                  172305.066L,
                                  1e-4000L,
                                  1e4000L};
    for (long double v : values) {
        EXPECT_TRUE(SameBits(FromParts<long double>(ToParts(v)), v)) << static_cast<double>(v);
    }
    EXPECT_TRUE(std::isnan(FromParts<long double>(ToParts(std::numeric_limits<long double>::quiet_NaN()))));
}

TEST(BinaryPartsTest, FromPartsRoundsWhatTheTypeCannotHold)
{
    const long double tiny = std::numeric_limits<long double>::denorm_min();
    // 1.5 and 2.5 units of the smallest subnormal: ties to even.
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, 3, -16446}), 2 * tiny);
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, 5, -16446}), 2 * tiny);
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, 7, -16446}), 4 * tiny);
    // Half the smallest subnormal goes to zero, a little more to the smallest.
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, kTop, -16446 - 63}), 0.0L);
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, kTop + 1, -16446 - 63}), tiny);
    EXPECT_TRUE(std::signbit(FromParts<long double>({Kind::Finite, true, 1, -20000})));
    // Rounding up from the largest subnormal gives the smallest normal.
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, ~std::uint64_t{0}, -16446}), LDBL_MIN);
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, kTop, 16321}),
              std::numeric_limits<long double>::infinity());
    EXPECT_EQ(FromParts<long double>({Kind::Finite, false, 1, 0}), 1.0L); // unnormalised input
}

TEST(BinaryPartsTest, BoostValues)
{
    ExpectParts(ToParts(BoostExtended(1)), false, kTop, -63);
    ExpectParts(ToParts(BoostExtended(-0.75)), true, kTop | (kTop >> 1), -64);
    ExpectParts(ToParts(BoostExtended(0)), false, 0, 0);
    ExpectParts(ToParts(-BoostExtended(0)), true, 0, 0);
    ExpectParts(ToParts(std::numeric_limits<BoostExtended>::max()), false, ~std::uint64_t{0}, 16320);
    ExpectParts(ToParts(std::numeric_limits<BoostExtended>::min()), false, kTop, -16382 - 63);
    EXPECT_EQ(ToParts(std::numeric_limits<BoostExtended>::infinity()).kind, Kind::Infinity);
    EXPECT_EQ(ToParts(std::numeric_limits<BoostExtended>::quiet_NaN()).kind, Kind::NaN);
    const BoostExtended third = BoostExtended(1) / 3;
    EXPECT_EQ(FromParts<BoostExtended>(ToParts(third)), third);
    EXPECT_EQ(FromParts<BoostExtended>(ToParts(std::numeric_limits<BoostExtended>::max())),
              std::numeric_limits<BoostExtended>::max());
    // No subnormals in this type: they flush to a signed zero, like its arithmetic.
    const BoostExtended flushed = FromParts<BoostExtended>({Kind::Finite, true, kTop, -16383 - 63});
    EXPECT_EQ(flushed, 0);
    EXPECT_TRUE(ToParts(flushed).negative);
    EXPECT_TRUE(boost::multiprecision::isinf(FromParts<BoostExtended>({Kind::Finite, false, kTop, 16321})));
    EXPECT_TRUE(boost::multiprecision::isnan(FromParts<BoostExtended>({Kind::NaN, false, 0, 0})));
}

TEST(BinaryPartsTest, BothTypesAgreeOnArithmetic)
{
    const long double l = 1172305.0L / 7;
    const BoostExtended b = BoostExtended(1172305) / 7;
    const BinaryParts lp = ToParts(l);
    const BinaryParts bp = ToParts(b);
    EXPECT_EQ(lp.significand, bp.significand);
    EXPECT_EQ(lp.exponent, bp.exponent);
    EXPECT_EQ(lp.negative, bp.negative);
}

} // namespace
} // namespace kalvio

// The request around the row steps: dummy values, period unit, headers,
// shown and computed rows, totals, the scientific cell form and faults.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "EngineTestSupport.h"
#include "engine/CalcFault.h"
#include "engine/RunCalculation.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

using test::kMonths;
using test::kYears;
using test::Request;
using test::RowTexts;
using test::SameBits;

const char *const kAllModes[] = {"ganri", "gankin",      "nenkin",      "teiki",      "hukuri",
                                 "tanri", "hukurigenka", "nenkingenka", "tanrigenka", "seireki"};

TEST(MissingAmounts, EachZeroGetsItsDummyAndOneNotice)
{
    const CalcResult reference = RunCalculation(Request("ganri", 1000000, 3, 10));
    struct Case {
        long double principal, rate, periods;
    };
    for (const Case c : {Case{0, 3, 10}, Case{1000000, 0, 10}, Case{1000000, 3, 0}, Case{0, 0, 0}}) {
        const CalcResult result = RunCalculation(Request("ganri", c.principal, c.rate, c.periods));
        EXPECT_TRUE(result.MissingAmount);
        EXPECT_EQ(result.Principal, 1000000);
        EXPECT_EQ(result.RatePercent, 3);
        EXPECT_EQ(result.Periods, 10);
        EXPECT_EQ(result.CellTexts, reference.CellTexts);
    }
    const CalcResult given = RunCalculation(Request("gankin", 5, 0.001L, 1));
    EXPECT_FALSE(given.MissingAmount);
    EXPECT_EQ(given.Principal, 5);
    EXPECT_EQ(given.RatePercent, 0.001L);
    EXPECT_EQ(given.Periods, 1);
}

TEST(MissingAmounts, TheRateShownAgainIsTheAnnualOne)
{
    const CalcResult result = RunCalculation(Request("ganri", 0, 0, 120, kMonths));
    EXPECT_EQ(result.RatePercent, 3);
    EXPECT_EQ(result.CellTexts[0][2], "2,500");
}

TEST(Headers, CornerFollowsThePeriodUnit)
{
    const RowTexts loan = {"年", "　　元本返済額", "　　利息支払額", "　　合計支払額", "　　　　残元本"};
    EXPECT_EQ(RunCalculation(Request("ganri", 1, 1, 1)).HeaderTexts, loan);
    RowTexts monthly = loan;
    monthly[0] = "月";
    EXPECT_EQ(RunCalculation(Request("gankin", 1, 1, 1, kMonths)).HeaderTexts, monthly);
    const RowTexts pension = {"年", " 元本からの受給", " 利息からの受給", "　　　年金額", "　　　残元本"};
    EXPECT_EQ(RunCalculation(Request("nenkin", 1, 1, 1)).HeaderTexts, pension);
    const RowTexts growth = {"年", "　　　　　元本", "", "　　　　　利息", "　　　元利累計"};
    EXPECT_EQ(RunCalculation(Request("tanri", 1, 1, 1)).HeaderTexts, growth);
}

TEST(Headers, EveryModeSetsAllFiveEvenWithoutRows)
{
    for (const char *mode : kAllModes) {
        const CalcResult result = RunCalculation(Request(mode, 1000, 1, 0.5L));
        EXPECT_EQ(result.HeaderTexts[1].empty(), false) << mode;
        EXPECT_EQ(result.HeaderTexts[0], std::string(mode) == "seireki" ? "" : "年") << mode;
    }
}

TEST(PeriodRows, NoWholePeriodComputesNothing)
{
    for (const long double periods : {0.5L, -3.0L}) {
        const CalcResult result = RunCalculation(Request("hukuri", 1000, 3, periods));
        EXPECT_FALSE(result.Fault);
        EXPECT_FALSE(result.MissingAmount);
        EXPECT_FALSE(result.TotalValues);
        for (const RowTexts &row : result.CellTexts)
            EXPECT_EQ(row, RowTexts{});
    }
}

TEST(PeriodRows, MonthsCountEveryRowButShowOneHundred)
{
    const CalcResult result = RunCalculation(Request("ganri", 1000000, 3, 120, kMonths));
    EXPECT_EQ(result.Periods, 120);
    EXPECT_EQ(result.CellTexts[99][0], "100");
    ASSERT_TRUE(result.TotalValues);
    EXPECT_EQ((*result.TotalValues)[0], 120);
    // The principal is repaid in full only when all 120 rows are summed.
    EXPECT_TRUE(test::IsNear((*result.TotalValues)[1], 1000000, 1e-6L));
    EXPECT_EQ((*result.TotalValues)[4], 0);
}

TEST(PeriodRows, LongLoanSumsRowsPastTheShownOnes)
{
    const CalcResult result = RunCalculation(Request("ganri", 30000000, 1.5L, 360, kMonths));
    ASSERT_TRUE(result.TotalValues);
    EXPECT_EQ((*result.TotalValues)[0], 360);
    EXPECT_TRUE(test::IsNear((*result.TotalValues)[2], 7272983, 1));
}

TEST(PeriodRows, NineHundredNinetyNineInEveryMode)
{
    for (const char *mode : kAllModes) {
        const CalcResult result = RunCalculation(Request(mode, 1000, 0.5L, 999, kMonths));
        ASSERT_FALSE(result.Fault) << mode;
        ASSERT_TRUE(result.TotalValues) << mode;
        const bool seireki = std::string(mode) == "seireki";
        EXPECT_EQ((*result.TotalValues)[0], seireki ? 0 : 999) << mode;
        EXPECT_EQ(result.CellTexts[seireki ? 49 : 99][0], seireki ? "50" : "100") << mode;
    }
    // Exactly 999 equal interest amounts of 1,000 x (6 / 12) / 100 = 5.
    const CalcResult tanri = RunCalculation(Request("tanri", 1000, 6, 999, kMonths));
    EXPECT_EQ((*tanri.TotalValues)[3], 4995);
    EXPECT_EQ((*tanri.TotalValues)[4], 5995);
    const CalcResult gankin = RunCalculation(Request("gankin", 999000, 3, 999));
    EXPECT_TRUE(test::IsNear((*gankin.TotalValues)[1], 999000, 1e-6L));
}

TEST(Totals, RunningBalanceEqualsTheSumBitForBit)
{
    for (const char *mode : {"teiki", "nenkingenka", "tanrigenka"}) {
        for (const long double rate : {3.0L, 0.001L, 47.125L, 99.999L}) {
            for (const long double periods : {1.0L, 10.0L, 360.0L, 999.0L}) {
                const CalcResult result = RunCalculation(Request(mode, 123456789, rate, periods, kMonths));
                ASSERT_TRUE(result.TotalValues);
                EXPECT_TRUE(SameBits((*result.TotalValues)[3], (*result.TotalValues)[4]))
                    << mode << " " << ShortestText((*result.TotalValues)[3]) << " vs "
                    << ShortestText((*result.TotalValues)[4]);
            }
        }
    }
}

TEST(Totals, PensionAndInstalmentLoanAgree)
{
    const CalcResult loan = RunCalculation(Request("ganri", 20000000, 2, 25));
    const CalcResult pension = RunCalculation(Request("nenkin", 20000000, 2, 25));
    EXPECT_EQ(loan.CellTexts, pension.CellTexts);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(SameBits((*loan.TotalValues)[i], (*pension.TotalValues)[i]));
    EXPECT_NE(loan.HeaderTexts, pension.HeaderTexts);
}

TEST(Totals, GrowthModesShowTheLastStartAmountAndNoColumnTwo)
{
    const CalcResult hukuri = RunCalculation(Request("hukuri", 1000000, 3, 10));
    EXPECT_TRUE(test::IsNear((*hukuri.TotalValues)[1], 1304773.184L, 0.0005L));
    for (const char *mode : {"hukuri", "tanri", "hukurigenka"}) {
        const CalcResult result = RunCalculation(Request(mode, 1000000, 3, 150));
        EXPECT_EQ((*result.TotalValues)[2], 0) << mode;
        for (const RowTexts &row : result.CellTexts)
            EXPECT_EQ(row[2], "") << mode;
    }
}

TEST(Cells, TinyRemaindersShowZeroAndExactZeroStaysEmpty)
{
    // The balance left is about -1.4e-12: "0", never "-0" or empty.
    EXPECT_EQ(RunCalculation(Request("ganri", 1000000, 3, 10)).CellTexts[9][4], "0");
    EXPECT_EQ(RunCalculation(Request("nenkin", 20000000, 2, 25)).CellTexts[24][4], "0");
    EXPECT_EQ(RunCalculation(Request("gankin", 1000000, 3, 10)).CellTexts[9][4], "");
    EXPECT_EQ(RunCalculation(Request("gankin", 1000000, 3, 3)).CellTexts[2][4], "0");
}

TEST(Cells, LargeValuesTurnScientific)
{
    const std::regex scientific(R"(\d(\.\d{1,14})?E\d+)");
    const CalcResult hukuri = RunCalculation(Request("hukuri", 1000000, 99.999L, 100));
    EXPECT_EQ(hukuri.CellTexts[38][4], "549,648,621,687,890,293");
    EXPECT_TRUE(std::regex_match(hukuri.CellTexts[39][4], scientific)) << hukuri.CellTexts[39][4];
    EXPECT_EQ(hukuri.CellTexts[39][4].substr(hukuri.CellTexts[39][4].size() - 3), "E18");
    EXPECT_EQ(hukuri.CellTexts[39][1], "549,648,621,687,890,293");
    for (int row = 41; row <= 100; ++row)
        for (int column : {1, 3, 4})
            EXPECT_TRUE(std::regex_match(hukuri.CellTexts[row - 1][column], scientific))
                << row << ":" << column << " " << hukuri.CellTexts[row - 1][column];

    const CalcResult big = RunCalculation(Request("hukuri", 100000000000, 90, 30));
    EXPECT_TRUE(std::regex_match(big.CellTexts[29][4], scientific)) << big.CellTexts[29][4];
    EXPECT_FALSE(std::regex_match(big.CellTexts[0][4], scientific));

    const CalcResult savings = RunCalculation(Request("teiki", 999999999999, 99.999L, 999));
    EXPECT_TRUE(std::regex_match(savings.CellTexts[99][4], scientific)) << savings.CellTexts[99][4];
}

TEST(Cells, DiscountedValuesFallToZeroWithoutSign)
{
    const CalcResult result = RunCalculation(Request("hukurigenka", 1000000, 99.999L, 100));
    for (int row = 22; row <= 100; ++row) {
        EXPECT_EQ(result.CellTexts[row - 1][1], "0") << row;
        EXPECT_EQ(result.CellTexts[row - 1][3], "0") << row;
        EXPECT_EQ(result.CellTexts[row - 1][4], "0") << row;
    }
    EXPECT_EQ(result.CellTexts[0][3], "-499,997");
}

TEST(Cells, FractionalPeriodsTakeTheWholeRowsOnly)
{
    const CalcResult gankin = RunCalculation(Request("gankin", 1000000, 3, 2.5L));
    EXPECT_EQ(gankin.CellTexts[0][1], "400,000");
    EXPECT_EQ(gankin.CellTexts[1][4], "200,000");
    EXPECT_EQ(gankin.CellTexts[2], RowTexts{});
    EXPECT_EQ((*gankin.TotalValues)[0], 2);
    // Through exp and ln: the annuity of 2.5 periods, 1e6 x 0.03 / (1 - 1.03^-2.5).
    const CalcResult ganri = RunCalculation(Request("ganri", 1000000, 3, 2.5L));
    EXPECT_EQ(ganri.CellTexts[0][3], "421,155");
}

TEST(Seireki, FiftyFixedRowsWhateverTheInputs)
{
    const RowTexts headers = {"", "　　　　　西暦", "　　　　　昭和", "　　　　　平成", ""};
    const CalcResult first = RunCalculation(Request("seireki", 0, 0, 0));
    EXPECT_FALSE(first.MissingAmount);
    EXPECT_EQ(first.Principal, 0);
    EXPECT_EQ(first.RatePercent, 0);
    EXPECT_EQ(first.Periods, 0);
    EXPECT_EQ(first.HeaderTexts, headers);
    EXPECT_EQ(first.CellTexts[0], (RowTexts{"1", "1,982", "57", "", ""}));
    EXPECT_EQ(first.CellTexts[6], (RowTexts{"7", "1,988", "63", "", ""}));
    EXPECT_EQ(first.CellTexts[7], (RowTexts{"8", "1,989", "64", "1", ""}));
    EXPECT_EQ(first.CellTexts[49], (RowTexts{"50", "2,031", "106", "43", ""}));
    for (int row = 51; row <= 100; ++row)
        EXPECT_EQ(first.CellTexts[row - 1], RowTexts{}) << row;
    ASSERT_TRUE(first.TotalValues);
    for (const Extended &total : *first.TotalValues)
        EXPECT_EQ(total, 0);

    for (const long double periods : {5.0L, 999.0L}) {
        const CalcResult other = RunCalculation(Request("seireki", 123, 4.5L, periods, kMonths));
        EXPECT_EQ(other.CellTexts, first.CellTexts);
        EXPECT_EQ(other.HeaderTexts, headers);
        EXPECT_EQ(other.Periods, periods);
    }
}

struct FaultCase {
    const char *name;
    const char *mode;
    long double principal, rate, periods;
    CalcFault::Kind kind;
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, EndTheRequestWithAMessageAndNoTexts)
{
    const FaultCase &c = GetParam();
    const CalcResult result = RunCalculation(Request(c.mode, c.principal, c.rate, c.periods));
    ASSERT_TRUE(result.Fault);
    EXPECT_EQ(result.Fault->rfind(CalcFault::Message(c.kind), 0), 0U) << *result.Fault;
    EXPECT_FALSE(result.TotalValues);
    for (const std::string &header : result.HeaderTexts)
        EXPECT_EQ(header, "");
    for (const RowTexts &row : result.CellTexts)
        EXPECT_EQ(row, RowTexts{});
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

const FaultCase kFaults[] = {
    {"ganri_rate_minus_100", "ganri", 1000000, -100, 10, CalcFault::Kind::DivisionByZero},
    {"nenkin_rate_below_minus_100_fraction", "nenkin", 1000000, -150, 2.5L,
     CalcFault::Kind::InvalidOperation},
    {"hukurigenka_rate_minus_100", "hukurigenka", 1000000, -100, 10, CalcFault::Kind::DivisionByZero},
    {"nenkingenka_rate_minus_100", "nenkingenka", 1000000, -100, 10, CalcFault::Kind::DivisionByZero},
    {"tanrigenka_rate_minus_100", "tanrigenka", 1000000, -100, 10, CalcFault::Kind::DivisionByZero},
    {"tanrigenka_rate_minus_50_second_row", "tanrigenka", 1000000, -50, 10, CalcFault::Kind::DivisionByZero},
    {"ganri_huge_periods", "ganri", 1000000, 3, 1000000, CalcFault::Kind::Overflow},
    {"teiki_huge_periods", "teiki", 1000000, 3, 1000000, CalcFault::Kind::Overflow},
    {"hukuri_principal_overflow", "hukuri", 1e4930L, 99.999L, 999, CalcFault::Kind::Overflow},
    {"tanri_principal_overflow", "tanri", 1e4932L, 50, 3, CalcFault::Kind::Overflow},
    {"hukuri_largest_32_bit_count", "hukuri", 1000000, 3, 2147483647, CalcFault::Kind::Overflow},
    {"periods_beyond_32_bits", "gankin", 1000000, 3, 3e9L, CalcFault::Kind::InvalidOperation},
    {"negative_periods_beyond_32_bits", "gankin", 1000000, 3, -3e9L, CalcFault::Kind::InvalidOperation},
    {"infinite_principal", "tanri", kInf, 3, 10, CalcFault::Kind::InvalidOperation},
    {"nan_rate", "seireki", 1, kNaN, 10, CalcFault::Kind::InvalidOperation},
    {"unknown_mode", "Ganri", 1000000, 3, 10, CalcFault::Kind::UnknownMode},
    {"empty_mode", "", 1000000, 3, 10, CalcFault::Kind::UnknownMode},
};

INSTANTIATE_TEST_SUITE_P(OutsideTheFieldLimits, Faults, ::testing::ValuesIn(kFaults),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Faults, NegativeRatesAboveMinus100AreNoFault)
{
    for (const char *mode : kAllModes) {
        // Simple discounting divides by 1 + k x rate, which reaches 0 at k = 100 / -rate.
        const long double rate = std::string(mode) == "tanrigenka" ? -3 : -50;
        const CalcResult result = RunCalculation(Request(mode, 1000000, rate, 30));
        EXPECT_FALSE(result.Fault) << mode << ": " << result.Fault.value_or("");
    }
}

} // namespace
} // namespace kalvio

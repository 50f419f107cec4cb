// The published schedules of every mode: shown cells of chosen rows and the
// raw totals, which are given to three decimals.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/RunCalculation.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

using test::kMonths;
using test::kYears;
using test::RowTexts;

struct ShownRow {
    int row;
    RowTexts cells;
};

struct WorkedCase {
    const char *name;
    const char *mode;
    long double principal;
    long double rate;
    long double periods;
    int unit;
    std::vector<ShownRow> rows;
    std::optional<std::array<long double, 5>> totals; // to three decimals
};

void PrintTo(const WorkedCase &c, std::ostream *os)
{
    *os << c.name;
}

class WorkedValues : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedValues, ShowsTheRowsAndTotals)
{
    const WorkedCase &c = GetParam();
    const CalcResult result = RunCalculation(test::Request(c.mode, c.principal, c.rate, c.periods, c.unit));
    ASSERT_FALSE(result.Fault) << *result.Fault;
    EXPECT_FALSE(result.MissingAmount);
    for (const ShownRow &row : c.rows)
        EXPECT_EQ(result.CellTexts[row.row - 1], row.cells) << "row " << row.row;
    if (c.totals) {
        ASSERT_TRUE(result.TotalValues);
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(test::IsNear((*result.TotalValues)[i], (*c.totals)[i], 0.0005L))
                << "total " << i + 1 << " is " << ShortestText((*result.TotalValues)[i]);
    }
}

const WorkedCase kCases[] = {
    {"ganri_10_years",
     "ganri",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "87,231", "30,000", "117,231", "912,769"}},
      {2, {"2", "89,847", "27,383", "117,231", "822,922"}},
      {10, {"10", "113,816", "3,414", "117,231", "0"}}},
     {{10, 1000000, 172305.066L, 1172305.066L, 0}}},
    {"ganri_12_months",
     "ganri",
     1000000,
     3,
     12,
     kMonths,
     {{1, {"1", "82,194", "2,500", "84,694", "917,806"}}, {12, {"12", "84,482", "211", "84,694", "0"}}},
     {{12, 1000000, 16324.385L, 1016324.385L, 0}}},
    {"ganri_360_months",
     "ganri",
     30000000,
     1.5L,
     360,
     kMonths,
     {{100, {"100", "74,729", "28,807", "103,536", "22,970,593"}}},
     std::nullopt},
    {"gankin_10_years",
     "gankin",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "100,000", "30,000", "130,000", "900,000"}}, {10, {"10", "100,000", "3,000", "103,000", ""}}},
     {{10, 1000000, 165000, 1165000, 0}}},
    {"gankin_12_months",
     "gankin",
     1000000,
     3,
     12,
     kMonths,
     {{2, {"2", "83,333", "2,292", "85,625", "833,333"}}},
     std::nullopt},
    {"gankin_3_years",
     "gankin",
     1000000,
     3,
     3,
     kYears,
     {{1, {"1", "333,333", "30,000", "363,333", "666,667"}},
      {2, {"2", "333,333", "20,000", "353,333", "333,333"}},
      {3, {"3", "333,333", "10,000", "343,333", "0"}}},
     {{3, 1000000, 60000, 1060000, 0}}},
    {"nenkin_25_years",
     "nenkin",
     20000000,
     2,
     25,
     kYears,
     {{1, {"1", "624,409", "400,000", "1,024,409", "19,375,591"}},
      {2, {"2", "636,897", "387,512", "1,024,409", "18,738,694"}},
      {25, {"25", "1,004,322", "20,086", "1,024,409", "0"}}},
     {{25, 20000000, 5610219.209L, 25610219.209L, 0}}},
    {"teiki_10_years",
     "teiki",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "30,000", "1,030,000", "1,030,000"}},
      {2, {"2", "1,000,000", "60,900", "1,060,900", "2,090,900"}},
      {10, {"10", "1,000,000", "343,916", "1,343,916", "11,807,796"}}},
     {{10, 10000000, 1807795.691L, 11807795.691L, 11807795.691L}}},
    {"teiki_12_months",
     "teiki",
     10000,
     3,
     12,
     kMonths,
     {{1, {"1", "10,000", "25", "10,025", "10,025"}}, {12, {"12", "10,000", "304", "10,304", "121,968"}}},
     std::nullopt},
    {"hukuri_10_years",
     "hukuri",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "", "30,000", "1,030,000"}},
      {2, {"2", "1,030,000", "", "30,900", "1,060,900"}},
      {10, {"10", "1,304,773", "", "39,143", "1,343,916"}}},
     {{10, 1304773.184L, 0, 343916.379L, 1343916.379L}}},
    {"hukuri_12_months",
     "hukuri",
     1000000,
     3,
     12,
     kMonths,
     {{12, {"12", "1,027,846", "", "2,570", "1,030,416"}}},
     std::nullopt},
    {"tanri_10_years",
     "tanri",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "", "30,000", "1,030,000"}},
      {10, {"10", "1,000,000", "", "30,000", "1,300,000"}}},
     {{10, 1000000, 0, 300000, 1300000}}},
    {"tanri_half_unit_interest",
     "tanri",
     1000001,
     50,
     4,
     kYears,
     {{1, {"1", "1,000,001", "", "500,001", "1,500,002"}},
      {2, {"2", "1,000,001", "", "500,001", "2,000,002"}}},
     {{4, 1000001, 0, 2000002, 3000003}}},
    {"hukurigenka_10_years",
     "hukurigenka",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "", "-29,126", "970,874"}},
      {2, {"2", "970,874", "", "-28,278", "942,596"}},
      {10, {"10", "766,417", "", "-22,323", "744,094"}}},
     {{10, 1000000, 0, -255906.085L, 744093.915L}}},
    {"hukurigenka_12_months",
     "hukurigenka",
     1000000,
     3,
     12,
     kMonths,
     {{12, {"12", "972,908", "", "-2,426", "970,482"}}},
     std::nullopt},
    {"nenkingenka_10_years",
     "nenkingenka",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "-29,126", "970,874", "970,874"}},
      {2, {"2", "1,000,000", "-57,404", "942,596", "1,913,470"}},
      {10, {"10", "1,000,000", "-255,906", "744,094", "8,530,203"}}},
     {{10, 10000000, -1469797.163L, 8530202.837L, 8530202.837L}}},
    {"tanrigenka_10_years",
     "tanrigenka",
     1000000,
     3,
     10,
     kYears,
     {{1, {"1", "1,000,000", "-29,126", "970,874", "970,874"}},
      {2, {"2", "1,000,000", "-56,604", "943,396", "1,914,270"}},
      {10, {"10", "1,000,000", "-230,769", "769,231", "8,631,111"}}},
     {{10, 10000000, -1368888.569L, 8631111.431L, 8631111.431L}}},
    {"tanrigenka_20_years",
     "tanrigenka",
     100000,
     5,
     20,
     kYears,
     {{20, {"20", "100,000", "-50,000", "50,000", "1,361,607"}}},
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(AllModes, WorkedValues, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvio

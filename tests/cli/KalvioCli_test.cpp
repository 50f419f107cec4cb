// kalvio-cli as a user runs it: the clipboard table, the JSON object, the
// entry fields' reading and limits, the notice, and every kind of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliProcess.h"
#include "engine/GridText.h"
#include "engine/MissingAmountNotice.h"
#include "engine/RunCalculation.h"
#include "numeric/NumberText.h"
#include "tests/engine/EngineTestSupport.h"

namespace kalvio {
namespace {

using test::CliRun;
using test::RunCli;

std::string TableOf(const std::string &mode, Extended principal, Extended rate, Extended periods, int unit)
{
    GridText grid;
    grid.ApplyResult(RunCalculation(test::Request(mode, principal, rate, periods, unit)));
    return grid.ClipboardText();
}

TEST(KalvioCli, PrintsTheExampleScheduleAsTheClipboardHasIt)
{
    const CliRun run = RunCli({"ganri", "1000000", "3", "10"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = test::ClipboardLines(run.out);
    ASSERT_EQ(lines.size(), 102U);
    EXPECT_EQ(lines[0], "年\t　　元本返済額\t　　利息支払額\t　　合計支払額\t　　　　残元本\t");
    EXPECT_EQ(lines[1], "1\t87,231\t30,000\t117,231\t912,769\t");
    EXPECT_EQ(lines[10], "10\t113,816\t3,414\t117,231\t0\t");
    EXPECT_EQ(lines[11], "\t\t\t\t\t");
    EXPECT_EQ(lines[101], "\t\t\t\t\t");
    EXPECT_EQ(run.out, TableOf("ganri", 1000000, 3, 10, 1));
}

TEST(KalvioCli, EveryModeAndUnitMatchesTheEngine)
{
    for (const char *mode : {"ganri", "gankin", "nenkin", "teiki", "hukuri", "tanri", "hukurigenka",
                             "nenkingenka", "tanrigenka", "seireki"}) {
        EXPECT_EQ(RunCli({mode, "250000", "4.125", "150"}).out, TableOf(mode, 250000, 4.125L, 150, 1))
            << mode;
        EXPECT_EQ(RunCli({"--months", mode, "250000", "4.125", "150"}).out,
                  TableOf(mode, 250000, 4.125L, 150, 0))
            << mode;
    }
}

TEST(KalvioCli, AmountsAreReadAsTheEntryFieldReadsThem)
{
    const std::string plain = RunCli({"ganri", "1000000", "3", "10"}).out;
    for (const char *principal :
         {"1,000,000", "１，０００，０００", "１００００００", "+1000000", "1000000.000", "$1,000,000"}) {
        const CliRun run = RunCli({"ganri", principal, "3", "10"});
        EXPECT_EQ(run.exitCode, 0) << principal;
        EXPECT_EQ(run.out, plain) << principal;
    }
    EXPECT_EQ(RunCli({"ganri", "1000000", "３．０００", "１０"}).out, plain);
    // Like the field, the value keeps decimals the field does not show.
    const CliRun hidden = RunCli({"--json", "ganri", "1000000.4", "3", "10"});
    EXPECT_EQ(nlohmann::json::parse(hidden.out)["principal"], "1,000,000");
    EXPECT_EQ(nlohmann::json::parse(hidden.out)["rows"][0][4], "912,770");
}

TEST(KalvioCli, TooLargeAmountsBecomeTheFieldsLargest)
{
    const CliRun clamped = RunCli({"--json", "ganri", "9999999999999", "123.5", "5000"});
    ASSERT_EQ(clamped.exitCode, 0) << clamped.err;
    const auto json = nlohmann::json::parse(clamped.out);
    EXPECT_EQ(json["principal"], "999,999,999,999");
    EXPECT_EQ(json["rate"], "99.999");
    EXPECT_EQ(json["periods"], "999");
    EXPECT_EQ(RunCli({"ganri", "9999999999999", "123.5", "5000"}).out,
              RunCli({"ganri", "999999999999", "99.999", "999"}).out);
}

TEST(KalvioCli, MissingAmountsGetTheNoticeAndTheDummies)
{
    const std::string dummies = RunCli({"ganri", "1000000", "3", "10"}).out;
    for (const char *zero : {"0", "0.0", "０", "0,000", "+0", "000", ".0"}) {
        const CliRun run = RunCli({"ganri", zero, "0", zero});
        EXPECT_EQ(run.exitCode, 0) << zero;
        EXPECT_EQ(run.err, std::string(kMissingAmountNotice) + "\n") << zero;
        EXPECT_EQ(run.out, dummies) << zero;
    }
    const CliRun era = RunCli({"seireki", "0", "0", "0"});
    EXPECT_EQ(era.err, "");
    EXPECT_EQ(test::ClipboardLines(era.out)[0], "\t　　　　　西暦\t　　　　　昭和\t　　　　　平成\t\t");
}

TEST(KalvioCli, JsonHasTheFieldsLabelsAndExactTotals)
{
    const CliRun run = RunCli({"--json", "ganri", "0", "3", "10"});
    ASSERT_EQ(run.exitCode, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["principal"], "1,000,000");
    EXPECT_EQ(json["rate"], "3.000");
    EXPECT_EQ(json["periods"], "10");
    EXPECT_EQ(json["missing_amount"], true);
    EXPECT_EQ(json["header"][0], "年");
    ASSERT_EQ(json["rows"].size(), 100U);
    EXPECT_EQ(json["rows"][0], nlohmann::json({"1", "87,231", "30,000", "117,231", "912,769"}));
    EXPECT_EQ(json["rows"][10], nlohmann::json({"", "", "", "", ""}));
    EXPECT_EQ(json["totals"], nlohmann::json({"10", "1,000,000", "172,305", "1,172,305", "0"}));

    const CalcResult result = RunCalculation(test::Request("ganri", 1000000, 3, 10));
    ASSERT_EQ(json["total_values"].size(), 5U);
    for (int i = 0; i < 5; ++i) {
        const auto read = ParseDecimal<Extended>(json["total_values"][i].get<std::string>());
        ASSERT_TRUE(read);
        EXPECT_TRUE(test::SameBits(*read, (*result.TotalValues)[i])) << json["total_values"][i];
    }
    // The missing-amount notice stays off stdout, which holds just the object.
    EXPECT_EQ(run.out.find("ダミー"), std::string::npos);
}

TEST(KalvioCli, JsonWithoutAnyPeriodHasNullTotals)
{
    // 0.4 periods is not zero, so no dummy; the field shows it as "0".
    const CliRun run = RunCli({"--json", "--months", "gankin", "500", "1.5", "0.4"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["periods"], "0");
    EXPECT_EQ(json["missing_amount"], false);
    EXPECT_EQ(json["header"][0], "月");
    EXPECT_TRUE(json["totals"].is_null());
    EXPECT_TRUE(json["total_values"].is_null());
}

struct BadCase {
    std::vector<std::string> args;
    const char *mentions;
};

// Shown in the test's name instead of the case's raw bytes.
void PrintTo(const BadCase &c, std::ostream *os)
{
    *os << "kalvio-cli";
    for (const std::string &arg : c.args)
        *os << " '" << arg << "'";
}

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, OneLineOnStderrNothingOnStdoutExitTwo)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().mentions), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    KalvioCli, BadInput,
    ::testing::Values(BadCase{{"Ganri", "1000000", "3", "10"}, "unknown MODE \"Ganri\""},
                      BadCase{{"kinri", "1000000", "3", "10"}, "unknown MODE"},
                      BadCase{{"ganri", "abc", "3", "10"}, "PRINCIPAL \"abc\" is not a number"},
                      BadCase{{"ganri", "1000000", "3%", "10"}, "RATE \"3%\" is not a number"},
                      BadCase{{"ganri", "12,34", "3", "10"}, "PRINCIPAL \"12,34\""},
                      BadCase{{"ganri", "1000000", "3", ""}, "PERIODS \"\" is not a number"},
                      BadCase{{"ganri", "1e6", "3", "10"}, "PRINCIPAL \"1e6\""},
                      BadCase{{"ganri", "0%", "3", "10"}, "PRINCIPAL \"0%\""},
                      BadCase{{"ganri", "1,0000", "3", "10"}, "PRINCIPAL"},
                      BadCase{{"ganri", "-5", "3", "10"}, "negative"},
                      BadCase{{"ganri", "1000000", "3"}, "too few arguments"},
                      BadCase{{}, "too few arguments"},
                      BadCase{{"ganri", "1", "2", "3", "4"}, "too many arguments"},
                      BadCase{{"--yen", "ganri", "1", "2", "3"}, "unknown option \"--yen\""},
                      BadCase{{"ganri", "1", "2", "3", "-m"}, "unknown option \"-m\""}));

TEST(KalvioCli, HelpListsTheModesWithTheirCaptions)
{
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("MODE PRINCIPAL RATE PERIODS"), std::string::npos);
    EXPECT_NE(run.out.find("--months"), std::string::npos);
    EXPECT_NE(run.out.find("--json"), std::string::npos);
    for (const char *line : {"ganri         元利均等", "gankin        元金均等", "nenkin        年金受給額",
                             "teiki         定期積み金", "hukuri        複利計算", "tanri         単利計算",
                             "hukurigenka   複利現価", "nenkingenka   複利年金現価",
                             "tanrigenka    単利年金現価", "seireki       西暦と元号"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

} // namespace
} // namespace kalvio

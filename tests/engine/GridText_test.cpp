// The grid's clipboard text: 102 CR LF lines of five tab-terminated cells,
// filled the way the window fills the grid.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/GridText.h"
#include "engine/RunCalculation.h"

namespace kalvio {
namespace {

TEST(GridText, FreshGridIsEmptyLinesOfFiveTabs)
{
    const std::string text = GridText().ClipboardText();
    EXPECT_EQ(text.size(), 102U * 7U);
    const std::vector<std::string> lines = test::ClipboardLines(text);
    ASSERT_EQ(lines.size(), 102U);
    for (const std::string &line : lines)
        EXPECT_EQ(line, "\t\t\t\t\t");
}

TEST(GridText, TenPeriodsFillLinesOneToEleven)
{
    GridText grid;
    grid.ApplyResult(RunCalculation(test::Request("ganri", 1000000, 3, 10)));
    const std::vector<std::string> lines = test::ClipboardLines(grid.ClipboardText());
    ASSERT_EQ(lines.size(), 102U);
    EXPECT_EQ(lines[0], "年\t　　元本返済額\t　　利息支払額\t　　合計支払額\t　　　　残元本\t");
    EXPECT_EQ(lines[1], "1\t87,231\t30,000\t117,231\t912,769\t");
    EXPECT_EQ(lines[10], "10\t113,816\t3,414\t117,231\t0\t");
    for (std::size_t i = 11; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], "\t\t\t\t\t") << i;
}

TEST(GridText, EraTableBeginsWithATab)
{
    GridText grid;
    grid.ApplyResult(RunCalculation(test::Request("seireki", 0, 0, 0)));
    const std::vector<std::string> lines = test::ClipboardLines(grid.ClipboardText());
    EXPECT_EQ(lines[0], "\t　　　　　西暦\t　　　　　昭和\t　　　　　平成\t\t");
    EXPECT_EQ(lines[1], "1\t1,982\t57\t\t\t");
}

TEST(GridText, ResultsAndClearLeaveRow101AndClearKeepsTheHeaders)
{
    GridText grid;
    grid.SetCell(2, 101, "kept");
    grid.ApplyResult(RunCalculation(test::Request("gankin", 1000000, 3, 150)));
    EXPECT_EQ(grid.Cell(0, 100), "100");
    EXPECT_EQ(grid.Cell(2, 101), "kept");
    // A shorter table replaces the longer one's rows.
    grid.ApplyResult(RunCalculation(test::Request("gankin", 1000000, 3, 2)));
    EXPECT_EQ(grid.Cell(0, 3), "");
    grid.ClearPeriodRows();
    EXPECT_EQ(grid.Cell(0, 0), "年");
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(grid.Cell(0, 2), "");
    EXPECT_EQ(grid.Cell(2, 101), "kept");
}

TEST(GridText, FaultedResultChangesNothing)
{
    GridText grid;
    grid.ApplyResult(RunCalculation(test::Request("ganri", 1000000, 3, 10)));
    const std::string before = grid.ClipboardText();
    grid.ApplyResult(RunCalculation(test::Request("ganri", 1000000, -100, 10)));
    EXPECT_EQ(grid.ClipboardText(), before);
}

TEST(GridText, CellsOutsideTheGridAreRefused)
{
    GridText grid;
    EXPECT_THROW(grid.SetCell(5, 0, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetCell(0, 102, "x"), std::out_of_range);
    EXPECT_THROW((void)grid.Cell(-1, 0), std::out_of_range);
}

} // namespace
} // namespace kalvio

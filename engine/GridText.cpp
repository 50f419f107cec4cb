// The result grid's text and its clipboard form.
#include "engine/GridText.h"

#include <stdexcept>
#include <utility>

namespace kalvio {

namespace {

void CheckCell(int column, int row)
{
    if (column < 0 || column >= kGridColumns || row < 0 || row >= GridText::kRows)
        throw std::out_of_range("GridText: no cell at column " + std::to_string(column) + ", row " +
                                std::to_string(row));
}

} // namespace

const std::string &GridText::Cell(int column, int row) const
{
    CheckCell(column, row);
    return cells_[row][column];
}

void GridText::SetCell(int column, int row, std::string text)
{
    CheckCell(column, row);
    cells_[row][column] = std::move(text);
}

void GridText::ApplyResult(const CalcResult &result)
{
    if (result.Fault)
        return;
    cells_[0] = result.HeaderTexts;
    for (int row = 1; row <= kShownRows; ++row)
        cells_[row] = result.CellTexts[row - 1];
}

void GridText::ClearPeriodRows()
{
    for (int row = 1; row <= kShownRows; ++row)
        cells_[row] = {};
}

std::string GridText::ClipboardText() const
{
    std::string text;
    for (const auto &row : cells_) {
        for (const auto &cell : row) {
            text += cell;
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

} // namespace kalvio

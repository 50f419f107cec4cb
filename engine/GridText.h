// The text of the result grid, 102 rows of 5 cells, as the calculation writes
// it and as the copy button puts it on the clipboard: every cell followed by
// a tab, every row ended by CR LF, the last row too.  Shared by the window
// and kalvio-cli so that both give the same bytes.
#pragma once

#include <array>
#include <string>

#include "engine/CalcResult.h"

namespace kalvio {

class GridText {
public:
    static constexpr int kRows = kShownRows + 2; // header row, 100 period rows, row 101

    // Every cell empty, as in a freshly started window.
    GridText() = default;

    const std::string &Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);

    // What the window writes after a calculation: the header row and rows 1
    // to 100; row 101 is left alone.  A faulted result writes nothing.
    void ApplyResult(const CalcResult &result);

    // The clear command: rows 1 to 100 empty, the header row and row 101 kept.
    void ClearPeriodRows();

    // The clipboard text (UTF-8).
    std::string ClipboardText() const;

private:
    std::array<std::array<std::string, kGridColumns>, kRows> cells_; // [row][column]
};

} // namespace kalvio

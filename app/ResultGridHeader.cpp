// Header sections of the result grid, each one fixed cell.
#include "app/ResultGridHeader.h"

#include "app/ResultGridView.h"

#include <QPainter>

namespace kalvio {

namespace {
constexpr int kColPitch = ResultGridView::ColWidth + ResultGridView::GridLineWidth;
constexpr int kRowPitch = ResultGridView::RowHeight + ResultGridView::GridLineWidth;
} // namespace

ResultGridHeader::ResultGridHeader(Qt::Orientation orientation, ResultGridView &grid)
    : QHeaderView(orientation, &grid), grid_(grid)
{
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setDefaultSectionSize(orientation == Qt::Horizontal ? kColPitch : kRowPitch);
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize ResultGridHeader::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(length(), kRowPitch) : QSize(kColPitch, length());
}

void ResultGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const int col = horizontal ? logicalIndex + 1 : 0;
    const int row = horizontal ? 0 : logicalIndex + 1;
    grid_.paintFixedSection(*painter, col, row, rect);
}

} // namespace kalvio

// The scrolling cells of the result grid.
#include "app/ResultGridDelegate.h"

#include "app/ResultGridView.h"

namespace kalvio {

ResultGridDelegate::ResultGridDelegate(ResultGridView &grid) : QStyledItemDelegate(&grid), grid_(grid)
{
}

void ResultGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    ResultGridView::DrawCellState state;
    state.selected = option.state.testFlag(QStyle::State_Selected);
    state.focused = option.state.testFlag(QStyle::State_HasFocus);
    grid_.paintCell(*painter, index.column() + 1, index.row() + 1, option.rect, state);
}

} // namespace kalvio

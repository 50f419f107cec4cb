// Paints the grid's scrolling cells through the grid's draw-cell path
// instead of the style's item look.
#pragma once

#include <QStyledItemDelegate>

namespace kalvio {

class ResultGridView;

class ResultGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ResultGridDelegate(ResultGridView &grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    ResultGridView &grid_;
};

} // namespace kalvio

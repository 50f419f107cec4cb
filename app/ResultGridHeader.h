// The grid's fixed row (horizontal) or fixed column (vertical): header
// sections of one cell each, painted by the grid's draw-cell path.
#pragma once

#include <QHeaderView>

namespace kalvio {

class ResultGridView;

class ResultGridHeader : public QHeaderView {
    Q_OBJECT
public:
    ResultGridHeader(Qt::Orientation orientation, ResultGridView &grid);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    ResultGridView &grid_;
};

} // namespace kalvio

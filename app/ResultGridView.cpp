// The result grid view: settings, the fixed row and column as headers, and
// the one cell painting path.
#include "app/ResultGridView.h"

#include "app/ResultGridDelegate.h"
#include "app/ResultGridHeader.h"
#include "app/ResultGridModel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace kalvio {

ResultGridView::ResultGridView(QWidget *parent) : QTableView(parent), model_(new ResultGridModel(this))
{
    setHorizontalHeader(new ResultGridHeader(Qt::Horizontal, *this));
    setVerticalHeader(new ResultGridHeader(Qt::Vertical, *this));
    setModel(model_);
    setItemDelegate(new ResultGridDelegate(*this));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setDragEnabled(false);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The corner is the only button the table view makes; its paint is taken over.
    corner_ = findChild<QAbstractButton *>();
    if (corner_)
        corner_->installEventFilter(this);
    connect(model_, &ResultGridModel::cornerChanged, this, [this] {
        if (corner_)
            corner_->update();
    });
}

QString ResultGridView::Cells(int col, int row) const
{
    return model_->cell(col, row);
}

void ResultGridView::setCells(int col, int row, const QString &text)
{
    model_->setCell(col, row, text);
}

void ResultGridView::setOnDrawCell(DrawCellHandler handler)
{
    onDrawCell_ = std::move(handler);
    viewport()->update();
}

void ResultGridView::paintCell(QPainter &painter, int col, int row, const QRect &cellRect,
                               DrawCellState state)
{
    const QPalette &pal = palette();
    painter.save();
    painter.setFont(font());
    QColor background = pal.color(QPalette::Base);
    QColor text = pal.color(QPalette::Text);
    if (state.fixed) {
        background = pal.color(QPalette::Button);
        text = pal.color(QPalette::ButtonText);
    } else if (state.selected && !state.focused) {
        background = pal.color(QPalette::Highlight);
        text = pal.color(QPalette::HighlightedText);
    }
    painter.setPen(text);
    painter.setBrush(background);
    if (onDrawCell_) {
        onDrawCell_(painter, col, row, cellRect, state);
    } else {
        painter.fillRect(cellRect, background);
        painter.drawText(cellRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Cells(col, row));
    }
    painter.restore();

    if (state.fixed) {
        qDrawShadePanel(&painter, cellRect, pal, false, 1);
    } else if (state.focused && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = cellRect;
        focus.backgroundColor = pal.color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ResultGridView::paintFixedSection(QPainter &painter, int col, int row, const QRect &sectionRect)
{
    QStyleOption option;
    option.initFrom(this);
    const QColor gridColor = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    painter.save();
    painter.setPen(gridColor);
    painter.drawLine(sectionRect.topRight(), sectionRect.bottomRight());
    painter.drawLine(sectionRect.bottomLeft(), sectionRect.bottomRight());
    painter.restore();
    DrawCellState state;
    state.fixed = true;
    paintCell(painter, col, row, sectionRect.adjusted(0, 0, -GridLineWidth, -GridLineWidth), state);
}

bool ResultGridView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        paintFixedSection(painter, 0, 0, corner_->rect());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace kalvio

// The result grid: a table view over ResultGridModel whose horizontal header
// is grid row 0, whose vertical header is grid column 0 and whose corner
// button is cell (0, 0), so the fixed row and column stay put while the rest
// scrolls.  Every cell, fixed or not, is painted through one draw-cell
// handler with the grid's (column, row) numbering.
#pragma once

#include <QTableView>

#include <functional>

namespace kalvio {

class ResultGridModel;

class ResultGridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int ColWidth = 120;
    static constexpr int RowHeight = 20;
    static constexpr int GridLineWidth = 1;

    struct DrawCellState {
        bool selected = false;
        bool focused = false;
        bool fixed = false;
    };
    // Called with the surface prepared: font, pen in the text colour and brush
    // in the background colour that the cell's state asks for.
    using DrawCellHandler =
        std::function<void(QPainter &canvas, int col, int row, const QRect &rect, DrawCellState state)>;

    explicit ResultGridView(QWidget *parent = nullptr);

    QString Cells(int col, int row) const;
    void setCells(int col, int row, const QString &text);
    ResultGridModel &gridModel() { return *model_; }
    const ResultGridModel &gridModel() const { return *model_; }

    void setOnDrawCell(DrawCellHandler handler);

    // The one painting path of all cells; used by the delegate, the headers and the corner.
    void paintCell(QPainter &painter, int col, int row, const QRect &cellRect, DrawCellState state);
    // A fixed cell from its header section, grid lines included.
    void paintFixedSection(QPainter &painter, int col, int row, const QRect &sectionRect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ResultGridModel *model_;
    QWidget *corner_ = nullptr;
    DrawCellHandler onDrawCell_;
};

} // namespace kalvio

// The result table's text, kept in the engine's GridText (so the window and
// kalvio-cli share the cells and the clipboard form), exposed to a table view:
// grid row 0 is the view's horizontal header and grid column 0 its vertical
// header, so the Qt model holds only columns 1-4 of rows 1-101; cell (0, 0)
// is the corner.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "engine/GridText.h"

namespace kalvio {

class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColCount = kGridColumns;
    static constexpr int RowCount = GridText::kRows;

    explicit ResultGridModel(QObject *parent = nullptr);

    // Empty text for a cell outside the grid.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    // The header row and rows 1 to 100 of a calculation; row 101 stays.
    void applyResult(const CalcResult &result);
    // Rows 1 to 100 empty; the header row and row 101 stay.
    void clearPeriodRows();
    QString clipboardText() const;
    const GridText &text() const { return text_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The corner cell (0, 0) may have changed; it is no header section, so
    // views repaint it themselves.
    void cornerChanged();

private:
    void announce(int firstRow, int lastRow);

    GridText text_;
};

} // namespace kalvio

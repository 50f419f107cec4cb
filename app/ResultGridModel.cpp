// The result table's text behind the grid view.
#include "app/ResultGridModel.h"

namespace kalvio {

namespace {
bool inGrid(int col, int row)
{
    return col >= 0 && col < ResultGridModel::ColCount && row >= 0 && row < ResultGridModel::RowCount;
}
} // namespace

ResultGridModel::ResultGridModel(QObject *parent) : QAbstractTableModel(parent)
{
}

QString ResultGridModel::cell(int col, int row) const
{
    return inGrid(col, row) ? QString::fromStdString(text_.Cell(col, row)) : QString();
}

void ResultGridModel::setCell(int col, int row, const QString &text)
{
    if (!inGrid(col, row))
        return;
    text_.SetCell(col, row, text.toStdString());
    announce(row, row);
}

void ResultGridModel::applyResult(const CalcResult &result)
{
    if (result.Fault)
        return;
    text_.ApplyResult(result);
    announce(0, kShownRows);
}

void ResultGridModel::clearPeriodRows()
{
    text_.ClearPeriodRows();
    announce(1, kShownRows);
}

QString ResultGridModel::clipboardText() const
{
    return QString::fromStdString(text_.ClipboardText());
}

int ResultGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount - 1;
}

int ResultGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColCount - 1;
}

QVariant ResultGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cell(index.column() + 1, index.row() + 1);
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    return orientation == Qt::Horizontal ? cell(section + 1, 0) : cell(0, section + 1);
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// Maps a change of grid rows onto the header and data notices of the Qt model.
void ResultGridModel::announce(int firstRow, int lastRow)
{
    if (firstRow == 0) {
        emit cornerChanged();
        emit headerDataChanged(Qt::Horizontal, 0, ColCount - 2);
        firstRow = 1;
    }
    if (firstRow > lastRow)
        return;
    emit headerDataChanged(Qt::Vertical, firstRow - 1, lastRow - 1);
    emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, ColCount - 2), {Qt::DisplayRole});
}

} // namespace kalvio

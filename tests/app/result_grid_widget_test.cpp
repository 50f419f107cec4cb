// The result grid's cell drawing, selection look, clipping and keyboard, on
// the real window.
#include "KihonFixture.h"

#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>

namespace kalvio {
namespace {

// The box around the pixels that differ clearly from the background.
QRect inkBox(const QImage &image, const QRect &area, QColor background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int diff = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                             std::abs(c.blue() - background.blue());
            if (diff > 150)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

class GridDrawTest : public KihonFixture {
protected:
    void SetUp() override
    {
        createShown();
        click(button("Button1")); // the dummy request: 1,000,000 at 3 % over 10 years
        services.messages.clear();
    }

    // A scrolling cell's rectangle in grid coordinates (grid column and row from 1).
    QRect cellRect(int col, int row) const
    {
        const QRect rect = grid()->visualRect(grid()->model()->index(row - 1, col - 1));
        return QRect(grid()->viewport()->mapTo(grid(), rect.topLeft()), rect.size());
    }

    QImage shot() const { return grid()->grab().toImage(); }
    QColor base() const { return grid()->palette().color(QPalette::Base); }
};

TEST_F(GridDrawTest, NumbersEndAtTheCellsRightEdgeAndStartTwoPixelsDown)
{
    const QImage image = shot();
    for (int col = 1; col <= 4; ++col) {
        const QRect cell = cellRect(col, 1);
        const QRect ink = inkBox(image, cell, base());
        ASSERT_FALSE(ink.isEmpty()) << col;
        // Only the last glyph's own side bearing lies between its ink and the edge.
        EXPECT_GE(ink.right(), cell.right() - 4) << col;
        EXPECT_GE(ink.top(), cell.top() + 2) << col;
        EXPECT_GT(ink.left(), cell.left() + 20) << col;
    }
}

TEST_F(GridDrawTest, ThePeriodColumnAndShortHeadersAreCentred)
{
    const QImage image = shot();
    const QColor face = grid()->palette().color(QPalette::Button);
    QHeaderView *rows = grid()->verticalHeader();
    const QRect section(rows->mapTo(grid(), QPoint(0, rows->sectionViewportPosition(0))),
                        QSize(rows->width(), rows->sectionSize(0)));
    const QRect ink = inkBox(image, section.adjusted(2, 2, -3, -3), face);
    ASSERT_FALSE(ink.isEmpty());
    const int leftGap = ink.left() - section.left();
    const int rightGap = section.right() - ink.right();
    EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " " << rightGap;

    QHeaderView *cols = grid()->horizontalHeader();
    const QRect corner(QPoint(grid()->frameWidth(), grid()->frameWidth()),
                       QSize(rows->width(), cols->height()));
    const QRect cornerInk = inkBox(image, corner.adjusted(2, 2, -3, -3), face);
    ASSERT_FALSE(cornerInk.isEmpty()) << "the corner shows 年";
    EXPECT_LE(std::abs((cornerInk.left() - corner.left()) - (corner.right() - cornerInk.right())), 3);
}

TEST_F(GridDrawTest, SelectedCellsShowNoHighlight)
{
    const QImage before = shot();
    QItemSelectionModel *selection = grid()->selectionModel();
    selection->select(QItemSelection(grid()->model()->index(0, 0), grid()->model()->index(3, 3)),
                      QItemSelectionModel::Select);
    ASSERT_TRUE(selection->isSelected(grid()->model()->index(1, 1)));
    grid()->viewport()->repaint();
    const QImage after = shot();
    const QRect cell = cellRect(2, 2);
    EXPECT_EQ(before.copy(cell), after.copy(cell));
}

TEST_F(GridDrawTest, TooWideTextIsCutAtTheCellAndKeepsItsRightEnd)
{
    grid()->setCells(2, 3, QStringLiteral("1,234,567,890,123,456,789,012,345,678"));
    grid()->viewport()->repaint();
    const QImage image = shot();
    const QRect cell = cellRect(2, 3);
    const QRect ink = inkBox(image, cell, base());
    EXPECT_GE(ink.right(), cell.right() - 4);
    EXPECT_LE(ink.left(), cell.left() + 2);
    // Nothing spills into the neighbour on the left (column 1 of row 3 holds a number at its right end).
    const QRect left = cellRect(1, 3);
    const QRect spill =
        inkBox(image, QRect(left.left(), left.top(), left.width() / 2, left.height()), base());
    EXPECT_TRUE(spill.isEmpty());
}

TEST_F(GridDrawTest, TypingChangesNoCellAndTabLeavesTheGrid)
{
    grid()->setFocus();
    const QString row1 = rowText(1);
    QTest::keyClick(grid(), Qt::Key_5);
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(rowText(1), row1);
    QTest::keyClick(grid(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid());
    EXPECT_FALSE(grid()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(GridDrawTest, ShiftWithArrowsSelectsABlock)
{
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(0, 0));
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid()->selectionModel()->selectedIndexes().size(), 4);
}

} // namespace
} // namespace kalvio

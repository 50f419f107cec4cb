// The window on a real X server (run under xvfb-run): its outer size, and the
// grid's header row painted after a calculation, read back from the screen.
// Leaves the screenshot kalvio-window.png in the working folder.
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "FakeAppServices.h"
#include "app/ResultGridView.h"
#include "app/kihon.h"
#include "controls/NValEdit.h"

namespace kalvio {
namespace {

// Pixels clearly darker than the button face inside the header row's
// sections, away from their frame lines.
int headerInk(const QImage &shot, const QRect &headerRow)
{
    int ink = 0;
    for (int section = 0; section < 4; ++section) {
        const QRect area(headerRow.left() + section * 121 + 3, headerRow.top() + 3, 121 - 7,
                         headerRow.height() - 6);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(shot.pixel(x, y)) < 110)
                    ++ink;
    }
    return ink;
}

TEST(WindowOnX, OuterSizeAndHeaderRowAfterACalculation)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this under xvfb-run";
    QTemporaryDir dir;
    FakeAppServices services;
    TForm1 form(services, dir.filePath(QStringLiteral("kalvio")));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.activationDone(); }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(form.frameGeometry().size(), QSize(TForm1::OuterWidth, TForm1::OuterHeight));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kalvio\u3000v1.9"));

    auto *grid = form.findChild<ResultGridView *>(QStringLiteral("StringGrid1"));
    ASSERT_NE(grid, nullptr);
    const QRect headerRow(grid->horizontalHeader()->mapTo(&form, QPoint(0, 0)),
                          QSize(4 * 121, grid->horizontalHeader()->height()));
    QScreen *screen = form.screen();
    const QImage before = screen->grabWindow(form.winId()).toImage();
    ASSERT_EQ(before.size(), form.size() * before.devicePixelRatio());
    EXPECT_LT(headerInk(before, headerRow), 5);

    const char *keys[] = {"1000000", "3", "10"};
    for (int n = 1; n <= 3; ++n) {
        auto *edit = form.findChild<NValEdit *>(QStringLiteral("NValEdit%1").arg(n));
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QString::fromLatin1(keys[n - 1]));
    }
    auto *calculate = form.findChild<QPushButton *>(QStringLiteral("Button1"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_TRUE(services.messages.empty());

    const QImage after = screen->grabWindow(form.winId()).toImage();
    after.save(QStringLiteral("kalvio-window.png"));
    EXPECT_GT(headerInk(after, headerRow), 100);
}

} // namespace
} // namespace kalvio

// The numeric label as the main window sets it up: construction defaults,
// loading, the height fitted to the font and the frame, and mouse clicks.
#include <gtest/gtest.h>

#include <QFont>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "controls/NValLabel.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

QFont PixelFont(int pixels)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    return font;
}

TEST(NValLabelSetup, ConstructsWithTheDefaultsAndNoText)
{
    QWidget window;
    window.setFont(PixelFont(30)); // construction fits no height
    NValLabel label(&window);
    EXPECT_EQ(label.size(), QSize(121, 20));
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(label.Value(), 0);
    EXPECT_EQ(label.FixDecimal(), -1);
    EXPECT_TRUE(label.PutAComma());
    EXPECT_FALSE(label.ZeroDisplay());
    EXPECT_EQ(label.LeadingChar(), ' ');
    EXPECT_EQ(label.Alignment(), taRightJustify);
    EXPECT_EQ(label.Layout(), tlCenter);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.Ctl3D());
    EXPECT_FALSE(label.Transparent());
    EXPECT_TRUE(label.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(label.Color(), label.palette().color(QPalette::Base));
    EXPECT_EQ(label.text(), QString());
}

// The way the main window creates its five totals.
class NValLabelAsTotal : public ::testing::Test {
protected:
    NValLabelAsTotal() : label(&window)
    {
        label.beginLoading();
        label.setGeometry(8, 16, 97, 20);
        label.setFixDecimal(0);
        label.setZeroDisplay(true);
        label.setFont(PixelFont(15));
    }
    QWidget window;
    NValLabel label;
};

TEST_F(NValLabelAsTotal, ShowsWholeNumbersAndZero)
{
    label.loaded();
    EXPECT_EQ(label.text(), QStringLiteral("0"));
    label.setValue(*ParseDecimal<Extended>("1234567.5"));
    EXPECT_EQ(label.text(), QStringLiteral("1,234,568"));
    label.setValue(0);
    EXPECT_EQ(label.text(), QStringLiteral("0"));
}

TEST_F(NValLabelAsTotal, HeightFollowsTheFontOnlyAfterLoading)
{
    EXPECT_EQ(label.height(), 20);
    label.setCtl3D(false);
    label.setCtl3D(true);
    EXPECT_EQ(label.height(), 20);
    label.loaded();
    EXPECT_EQ(label.geometry(), QRect(8, 16, 97, 23));
}

TEST_F(NValLabelAsTotal, FlatFrameIsTwoPixelsLower)
{
    label.loaded();
    label.setCtl3D(false);
    EXPECT_EQ(label.height(), 21);
    label.setCtl3D(true);
    EXPECT_EQ(label.height(), 23);
    EXPECT_EQ(label.width(), 97);
}

TEST_F(NValLabelAsTotal, FontChangeRefitsTheHeightButNeverTheWidth)
{
    label.loaded();
    label.setFont(PixelFont(20));
    EXPECT_EQ(label.size(), QSize(97, 28));
    label.setFont(PixelFont(12));
    EXPECT_EQ(label.size(), QSize(97, 20));
    label.resize(200, 50);
    label.setFont(PixelFont(12)); // same font: no change event, nothing refitted
    EXPECT_EQ(label.size(), QSize(200, 50));
}

TEST_F(NValLabelAsTotal, WithoutAutoSizeTheHeightStays)
{
    label.setAutoSize(false);
    label.loaded();
    EXPECT_EQ(label.height(), 20);
    label.setFont(PixelFont(20));
    label.setCtl3D(false);
    EXPECT_EQ(label.height(), 20);
    label.setAutoSize(true); // switching it on fits at once
    EXPECT_EQ(label.height(), 26);
}

TEST_F(NValLabelAsTotal, ColorIsTheLabelsOwnBackground)
{
    label.loaded();
    label.setColor(QColor(10, 20, 30));
    EXPECT_EQ(label.Color(), QColor(10, 20, 30));
    QPalette parentColours = window.palette();
    parentColours.setColor(QPalette::Base, QColor(200, 0, 0));
    window.setPalette(parentColours);
    EXPECT_EQ(label.Color(), QColor(10, 20, 30));
}

TEST_F(NValLabelAsTotal, ClicksAreReportedButTakeNoFocus)
{
    label.loaded();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&label, &NValLabel::clicked);
    QSignalSpy doubleClicks(&label, &NValLabel::doubleClicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
    // The first half of a double click is a click, the second half is not.
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseDClick(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(label.width() + 5, 2)); // released outside
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(label.hasFocus());
}

} // namespace
} // namespace kalvio

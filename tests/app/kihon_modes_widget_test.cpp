// Mode and period selection: the radio buttons, by mouse and arrow keys, and
// the period label.
#include "KihonFixture.h"

#include <QImage>
#include <QLabel>

namespace kalvio {
namespace {

struct ModeButton {
    int button;
    const char *key;
};

class ModeClickTest : public KihonFixture, public ::testing::WithParamInterface<ModeButton> {};

TEST_P(ModeClickTest, ClickingAModeSetsItsKeyAndNothingElse)
{
    createShown();
    click(radio(GetParam().button));
    EXPECT_TRUE(radio(GetParam().button)->isChecked());
    EXPECT_EQ(form->CalcMode(), GetParam().key);
    EXPECT_EQ(form->PeriodUnit(), 1);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeClickTest,
                         ::testing::Values(ModeButton{3, "ganri"}, ModeButton{4, "gankin"},
                                           ModeButton{5, "nenkin"}, ModeButton{6, "teiki"},
                                           ModeButton{7, "hukuri"}, ModeButton{8, "tanri"},
                                           ModeButton{9, "hukurigenka"}, ModeButton{10, "nenkingenka"},
                                           ModeButton{11, "tanrigenka"}, ModeButton{12, "seireki"}));

using ModeTest = KihonFixture;

TEST_F(ModeTest, ArrowKeysInsideTheGroupMoveTheSelectionAndItsHandlerFollows)
{
    createShown();
    radio(3)->setFocus();
    QTest::keyClick(radio(3), Qt::Key_Down);
    EXPECT_TRUE(radio(4)->isChecked());
    EXPECT_EQ(form->CalcMode(), "gankin");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(radio(8)->isChecked());
    EXPECT_EQ(form->CalcMode(), "tanri");

    radio(1)->setFocus();
    QTest::keyClick(radio(1), Qt::Key_Down);
    EXPECT_TRUE(radio(2)->isChecked());
    EXPECT_EQ(form->PeriodUnit(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_EQ(form->PeriodUnit(), 1);
}

// Text strokes in a strong red (anti-aliasing blends their edges).
bool hasRedInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}

TEST_F(ModeTest, MonthsShowTheRedMonthLabelAndYearsBringTheYearLabelBack)
{
    createShown();
    auto *years = child<QLabel>("Label3");
    auto *months = child<QLabel>("Label4");
    EXPECT_FALSE(hasRedInk(form->grab(years->geometry()).toImage()));

    click(radio(2));
    EXPECT_EQ(form->PeriodUnit(), 0);
    EXPECT_TRUE(months->isVisible());
    EXPECT_FALSE(years->isVisible());
    EXPECT_EQ(months->text(), QStringLiteral("期間 （月）"));
    EXPECT_TRUE(hasRedInk(form->grab(months->geometry()).toImage()));

    click(radio(1));
    EXPECT_EQ(form->PeriodUnit(), 1);
    EXPECT_TRUE(years->isVisible());
    EXPECT_FALSE(months->isVisible());
    EXPECT_FALSE(hasRedInk(form->grab(years->geometry()).toImage()));
}

TEST_F(ModeTest, ClickingTheSelectedOptionRunsNothing)
{
    createShown();
    auto *years = child<QLabel>("Label3");
    // Were the handler of the selected "年額計算" to run, it would show the label again.
    years->hide();
    click(radio(1));
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(years->isVisible());
}

TEST_F(ModeTest, ChangingTheModeAfterACalculationKeepsTheResultShown)
{
    createShown();
    click(button("Button1"));
    services.messages.clear();
    const QString row1 = rowText(1);
    const QString totals = totalsText();
    click(radio(5));
    click(radio(2));
    EXPECT_EQ(rowText(1), row1);
    EXPECT_EQ(totalsText(), totals);
    EXPECT_EQ(cell(0, 0), QStringLiteral("年"));
}

} // namespace
} // namespace kalvio

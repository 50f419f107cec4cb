// The main window's start, stored position, start state, activation and close.
#include "KihonFixture.h"

#include <QLabel>

namespace kalvio {
namespace {

using StartupTest = KihonFixture;

TEST_F(StartupTest, FirstRunWithoutSettingsFileOpensAt80x80InTheStoredStartState)
{
    ASSERT_FALSE(QFile::exists(settingsPath()));
    create();
    // Created, not yet activated: no mode, months.
    EXPECT_EQ(form->CalcMode(), "");
    EXPECT_EQ(form->PeriodUnit(), 0);
    EXPECT_EQ(form->pos(), QPoint(80, 80));

    createShown();
    EXPECT_EQ(form->pos(), QPoint(80, 80));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalvio\u3000v1.9"));
    EXPECT_EQ(form->frameGeometry().size(), QSize(650, 430));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowSystemMenuHint));

    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_TRUE(radio(3)->isChecked());
    EXPECT_TRUE(child<QLabel>("Label3")->isVisible());
    EXPECT_FALSE(child<QLabel>("Label4")->isVisible());
    EXPECT_EQ(picker(1)->date(), QDate::currentDate());
    EXPECT_EQ(picker(2)->date(), QDate::currentDate());
    EXPECT_EQ(form->CalcMode(), "ganri");
    EXPECT_EQ(form->PeriodUnit(), 1);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(edit(n)->text(), QStringLiteral("0")) << n;
    EXPECT_EQ(totalsText(), QStringLiteral("0|0|0|0|0"));
    for (int row = 0; row < ResultGridModel::RowCount; ++row)
        ASSERT_EQ(rowText(row), QStringLiteral("||||")) << row;
    // Reading the position writes nothing.
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

struct StoredPosition {
    const char *content;
    QPoint expected; // left, top
    bool onScreen;   // off-screen places are the platform's to adjust once shown
};

class StoredPositionTest : public KihonFixture, public ::testing::WithParamInterface<StoredPosition> {};

TEST_P(StoredPositionTest, WindowOpensWhereTheSettingsFileSays)
{
    writeSettings(GetParam().content);
    create();
    EXPECT_EQ(form->pos(), GetParam().expected);
    if (!GetParam().onScreen)
        return;
    createShown();
    EXPECT_EQ(form->pos(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredPositionTest,
    ::testing::Values(StoredPosition{"[form]\r\nform1.top=500\r\nform1.left=20\r\n", QPoint(20, 500), true},
                      StoredPosition{"[form]\nform1.top=abc\nform1.left=12x\n", QPoint(80, 80), true},
                      StoredPosition{"garbage without any section\n\x01\x02\xff\n", QPoint(80, 80), true},
                      StoredPosition{"[other]\nform1.top=5\nform1.left=5\n", QPoint(80, 80), true},
                      StoredPosition{"[form]\nform1.top=-40\nform1.left=5000\n", QPoint(5000, -40), false}));

TEST_F(StartupTest, CloseWritesTopThenLeftOfTheMovedWindow)
{
    createShown();
    form->move(123, 45);
    QApplication::processEvents();
    ASSERT_EQ(form->pos(), QPoint(123, 45));
    EXPECT_TRUE(form->close());

    const QByteArray settings = readSettings();
    const qsizetype top = settings.indexOf("form1.top=45");
    const qsizetype left = settings.indexOf("form1.left=123");
    ASSERT_GE(top, 0) << settings.constData();
    ASSERT_GE(left, 0) << settings.constData();
    EXPECT_LT(top, left);
    EXPECT_TRUE(settings.startsWith("[form]")) << settings.constData();

    // The next run opens there.
    form.reset();
    createShown();
    EXPECT_EQ(form->pos(), QPoint(123, 45));
}

TEST_F(StartupTest, CloseSwallowsAnUnwritableSettingsFile)
{
    // A folder in the settings file's place cannot be written as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Kalvio.ini")));
    createShown();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartupTest, ActivationRunsOnceAndIsNotRerunAfterAnotherWindowWasActive)
{
    createShown();
    click(radio(7));
    ASSERT_EQ(form->CalcMode(), "hukuri");
    click(radio(2));
    const QDate chosen(2020, 5, 5);
    picker(1)->setDate(chosen);
    picker(2)->setDate(chosen.addDays(9));

    // Another top-level window (as a modal box would be) takes the activation and gives it back.
    QWidget box;
    box.resize(200, 100);
    box.show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // And the about box through the services.
    click(button("BitBtn3"));

    EXPECT_EQ(form->CalcMode(), "hukuri");
    EXPECT_EQ(form->PeriodUnit(), 0);
    EXPECT_EQ(picker(1)->date(), chosen);
    EXPECT_EQ(picker(2)->date(), chosen.addDays(9));
}

TEST_F(StartupTest, TabOrderFollowsTheLayoutWithTheEraModeFirstInItsGroup)
{
    create();
    const char *expected[] = {
        "NValEdit1",     "NValEdit2",    "NValEdit3",       "RadioButton1",    "RadioButton2", "Button1",
        "RadioButton12", "RadioButton3", "RadioButton4",    "RadioButton5",    "RadioButton6", "RadioButton7",
        "RadioButton8",  "RadioButton9", "RadioButton10",   "RadioButton11",   "BitBtn1",      "BitBtn2",
        "BitBtn3",       "BitBtn4",      "DateTimePicker1", "DateTimePicker2", "BitBtn5",      "StringGrid1"};
    QStringList chain;
    QWidget *widget = edit(1);
    for (std::size_t i = 0; i < std::size(expected) && widget; ++i) {
        chain << widget->objectName();
        // Skip what takes no focus and the inner parts of compound controls.
        do {
            widget = widget->nextInFocusChain();
        } while (widget &&
                 (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")) ||
                  !(widget->focusPolicy() & Qt::TabFocus)));
    }
    QStringList want;
    for (const char *name : expected)
        want << QString::fromLatin1(name);
    EXPECT_EQ(chain.join(QLatin1Char(' ')).toStdString(), want.join(QLatin1Char(' ')).toStdString());
}

TEST_F(StartupTest, OnlyTheCopyButtonHasAHintAndThePicturesAreOnTheirButtons)
{
    create();
    for (QAbstractButton *b : form->findChildren<QAbstractButton *>()) {
        if (b->objectName() == QStringLiteral("BitBtn5"))
            EXPECT_EQ(b->toolTip(), QStringLiteral("Clipboardにコピー"));
        else
            EXPECT_TRUE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
    EXPECT_EQ(button("BitBtn2")->iconSize(), QSize(30, 29));
    EXPECT_EQ(button("BitBtn3")->iconSize(), QSize(31, 29));
    EXPECT_TRUE(button("BitBtn2")->text().isEmpty());
    EXPECT_EQ(button("BitBtn1")->text(), QStringLiteral("Help"));
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("計\u3000算"));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(StartupTest, FontsAndColoursAsDesigned)
{
    create();
    EXPECT_EQ(form->font().pixelSize(), 12);
    for (QWidget *widget :
         {static_cast<QWidget *>(edit(1)), static_cast<QWidget *>(total(5)), static_cast<QWidget *>(grid())})
        EXPECT_EQ(widget->font().pixelSize(), 15) << widget->objectName().toStdString();
    EXPECT_EQ(button("BitBtn4")->font().pixelSize(), 12);
    EXPECT_EQ(radio(12)->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    EXPECT_EQ(child<QLabel>("Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form->palette().color(QPalette::Window), form->palette().color(QPalette::Button));
}

} // namespace
} // namespace kalvio

// The day count, print, help and about commands, and the handlers' error display.
#include "KihonFixture.h"

#include <QCalendarWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionSpinBox>

namespace kalvio {
namespace {

class CommandTest : public KihonFixture {
protected:
    // Opens a picker's calendar the way a user does: a click on its arrow.
    QWidget *openCalendar(DatePicker *target)
    {
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() - 6, target->height() / 2));
        QWidget *popup = target->calendarPopup();
        EXPECT_NE(popup, nullptr);
        EXPECT_EQ(popup, target->calendarWidget()->window());
        EXPECT_TRUE(QTest::qWaitFor([popup] { return popup && popup->isVisible(); }, 3000));
        return popup;
    }

    std::vector<FakeAppServices::Message> plainMessages() const
    {
        return services.messagesOf(FakeAppServices::Kind::Plain);
    }
};

struct DayCase {
    QDate first;
    QDate second;
    const char *message;
};

class DayCountTest : public CommandTest, public ::testing::WithParamInterface<DayCase> {};

TEST_P(DayCountTest, ClosingTheSecondCalendarWithEscapeShowsTheCount)
{
    createShown();
    picker(1)->setDate(GetParam().first);
    picker(2)->setDate(GetParam().second);
    QWidget *popup = openCalendar(picker(2));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : popup, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return !popup->isVisible(); }, 3000));

    const auto shown = plainMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Kalvio"));
    EXPECT_EQ(shown[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(picker(1)->date(), GetParam().first);
    EXPECT_EQ(picker(2)->date(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Examples, DayCountTest,
                         ::testing::Values(DayCase{QDate(2024, 1, 1), QDate(2024, 3, 1), "日数は60日です"},
                                           DayCase{QDate(2024, 3, 1), QDate(2024, 3, 1), "日数は0日です"},
                                           DayCase{QDate(2024, 3, 4), QDate(2024, 3, 1), "日数は-3日です"},
                                           DayCase{QDate(2023, 1, 1), QDate(2024, 1, 1), "日数は365日です"}));

TEST_F(CommandTest, PickingADateCountsWithThePickedDate)
{
    createShown();
    picker(1)->setDate(QDate(2024, 1, 1));
    picker(2)->setDate(QDate(2024, 1, 10));
    openCalendar(picker(2));
    QCalendarWidget *calendar = picker(2)->calendarWidget();
    QWidget *cells = QApplication::focusWidget();
    ASSERT_NE(cells, nullptr);
    ASSERT_TRUE(calendar->isAncestorOf(cells));
    QTest::keyClick(cells, Qt::Key_Right);
    QTest::keyClick(cells, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !picker(2)->calendarPopup()->isVisible(); }, 3000));

    EXPECT_EQ(picker(2)->date(), QDate(2024, 1, 11));
    const auto shown = plainMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("日数は10日です"));
}

TEST_F(CommandTest, TheFirstPickerAndTypedDatesShowNothing)
{
    createShown();
    QWidget *popup = openCalendar(picker(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return !popup->isVisible(); }, 3000));
    picker(2)->setFocus();
    QTest::keyClick(picker(2), Qt::Key_Up);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(picker(1)->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    picker(1)->setDate(QDate(2026, 12, 11));
    EXPECT_EQ(picker(1)->text(), QStringLiteral("2026/12/11"));
}

TEST_F(CommandTest, DayCountAndAboutBoxLeaveModeUnitAndDatesAlone)
{
    createShown();
    click(radio(7));
    picker(1)->setDate(QDate(2024, 1, 1));
    picker(2)->setDate(QDate(2024, 3, 1));
    QWidget *popup = openCalendar(picker(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return !popup->isVisible(); }, 3000));
    click(button("BitBtn3"));
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(form->CalcMode(), "hukuri");
    EXPECT_EQ(form->PeriodUnit(), 1);
    EXPECT_EQ(picker(1)->date(), QDate(2024, 1, 1));
    EXPECT_EQ(picker(2)->date(), QDate(2024, 3, 1));
}

TEST_F(CommandTest, AboutNamesProgramVersionAndContactsButNoPerson)
{
    createShown();
    click(button("BitBtn3"));
    ASSERT_EQ(services.messages.size(), 1u);
    const auto &about = services.messages[0];
    EXPECT_EQ(about.kind, FakeAppServices::Kind::Information);
    EXPECT_EQ(about.parent, form.get());
    for (const char *part : {"Kalvio", "v1.9", "kalvio@kalvio.jp", "https://kalvio.jp/"})
        EXPECT_TRUE(about.text.contains(QString::fromUtf8(part))) << part;
}

TEST_F(CommandTest, HelpOpensTheBareDocumentNameAtItsContentsOnEveryPress)
{
    createShown();
    click(button("BitBtn1"));
    click(button("BitBtn1"));
    ASSERT_EQ(services.helpCalls.size(), 2u);
    for (const auto &call : services.helpCalls) {
        EXPECT_EQ(call.parent, form.get());
        EXPECT_EQ(call.fileName, QStringLiteral("kalvio.hlp"));
        EXPECT_EQ(call.command, QStringLiteral("contents()"));
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CommandTest, PrintWritesOnePageAfterTheDialog)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed, so the page count cannot be read";
    createShown();
    typeInto(edit(1), QStringLiteral("500"));
    click(button("Button1"));
    services.messages.clear();
    services.pdfPath = dir.filePath(QStringLiteral("window.pdf"));
    click(button("BitBtn2"));
    EXPECT_EQ(services.printerSetupCalls, 1);
    EXPECT_TRUE(services.messages.empty());
    ASSERT_TRUE(QFile::exists(services.pdfPath));

    QProcess info;
    info.start(pdfinfo, {services.pdfPath});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString output = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(output.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << output.toStdString();
}

TEST_F(CommandTest, CancelledPrinterDialogPrintsNothing)
{
    createShown();
    services.printerSetupResult = false;
    services.pdfPath = dir.filePath(QStringLiteral("cancelled.pdf"));
    click(button("BitBtn2"));
    EXPECT_EQ(services.printerSetupCalls, 1);
    EXPECT_FALSE(QFile::exists(services.pdfPath));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CommandTest, APrintingFailureIsShownAndTheWindowGoesOn)
{
    createShown();
    services.pdfPath = dir.filePath(QStringLiteral("no such folder/window.pdf"));
    click(button("BitBtn2"));
    const auto errors = services.messagesOf(FakeAppServices::Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].caption, QStringLiteral("Kalvio"));
    EXPECT_FALSE(errors[0].text.isEmpty());
    EXPECT_TRUE(form->isVisible());

    services.messages.clear();
    click(button("Button1"));
    EXPECT_EQ(total(1)->text(), QStringLiteral("10"));
}

} // namespace
} // namespace kalvio

// The calculate button, the copy button and the clear button on the real window.
#include "KihonFixture.h"

#include "engine/GridText.h"
#include "engine/RunCalculation.h"

namespace kalvio {
namespace {

const QString kMissing =
    QStringLiteral("金額の入力がないためダミーの数字を入れました。入力し直してください。");
const QString kEmptyLine = QStringLiteral("\t\t\t\t\t\r\n");

class CalculateTest : public KihonFixture {
protected:
    // The Overview's request, typed as a user would: digits, Enter between the fields.
    void typeTypicalRequest()
    {
        edit(1)->setFocus();
        typeInto(edit(1), QStringLiteral("1000000"));
        QTest::keyClick(edit(1), Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), edit(2));
        typeInto(edit(2), QStringLiteral("3"));
        QTest::keyClick(edit(2), Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), edit(3));
        typeInto(edit(3), QStringLiteral("10"));
    }

    QStringList clipboardLines() const
    {
        EXPECT_TRUE(services.clipboard.has_value());
        QString text = services.clipboard.value_or(QString());
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }
};

TEST_F(CalculateTest, TypicalRequestTypedKeyByKeyFillsGridAndTotals)
{
    createShown();
    ASSERT_EQ(QApplication::focusWidget(), edit(1));
    typeTypicalRequest();
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000,000"));
    click(button("Button1"));

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(rowText(0), QStringLiteral("年|　　元本返済額|　　利息支払額|　　合計支払額|　　　　残元本"));
    EXPECT_EQ(rowText(1), QStringLiteral("1|87,231|30,000|117,231|912,769"));
    EXPECT_EQ(rowText(10), QStringLiteral("10|113,816|3,414|117,231|0"));
    EXPECT_EQ(rowText(11), QStringLiteral("||||"));
    EXPECT_EQ(totalsText(), QStringLiteral("10|1,000,000|172,305|1,172,305|0"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000,000"));
    EXPECT_EQ(edit(2)->Value(), 3);
    EXPECT_EQ(edit(3)->Value(), 10);

    // Every row is the engine's, so the window handed over the right mode and unit.
    CalcRequest request;
    request.Principal = 1000000;
    request.RatePercent = 3;
    request.Periods = 10;
    request.CalcMode = "ganri";
    request.PeriodUnit = 1;
    GridText expected;
    expected.ApplyResult(RunCalculation(request));
    EXPECT_EQ(grid()->gridModel().text().ClipboardText(), expected.ClipboardText());
}

TEST_F(CalculateTest, MissingAmountsAreAnnouncedOnceBeforeAnythingIsApplied)
{
    createShown();
    bool checked = false;
    services.onMessage = [&](const FakeAppServices::Message &) {
        // While the box is up, the request has changed nothing yet.
        EXPECT_EQ(edit(1)->Value(), 0);
        EXPECT_EQ(edit(1)->text(), QStringLiteral("0"));
        EXPECT_EQ(rowText(0), QStringLiteral("||||"));
        EXPECT_EQ(rowText(1), QStringLiteral("||||"));
        EXPECT_EQ(totalsText(), QStringLiteral("0|0|0|0|0"));
        checked = true;
    };
    click(button("Button1"));
    services.onMessage = nullptr;

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, FakeAppServices::Kind::Information);
    EXPECT_EQ(services.messages[0].text, kMissing);
    EXPECT_TRUE(checked);
    // The dummies went back into the fields and computed the table.
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000,000"));
    EXPECT_EQ(edit(2)->Value(), 3);
    EXPECT_EQ(edit(3)->Value(), 10);
    EXPECT_EQ(rowText(1), QStringLiteral("1|87,231|30,000|117,231|912,769"));
    EXPECT_EQ(totalsText(), QStringLiteral("10|1,000,000|172,305|1,172,305|0"));
}

TEST_F(CalculateTest, OnlyTheMissingAmountIsReplaced)
{
    createShown();
    edit(2)->setValue(5);
    edit(3)->setValue(2);
    click(button("Button1"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kMissing);
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000,000"));
    EXPECT_EQ(edit(2)->Value(), 5);
    EXPECT_EQ(edit(3)->Value(), 2);
    EXPECT_EQ(total(1)->text(), QStringLiteral("2"));
}

TEST_F(CalculateTest, MonthsUseTheMonthCornerAndCountAllPeriods)
{
    createShown();
    click(radio(2));
    edit(1)->setValue(1000000);
    edit(2)->setValue(3);
    edit(3)->setValue(120);
    click(button("Button1"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(cell(0, 0), QStringLiteral("月"));
    EXPECT_EQ(cell(0, 100), QStringLiteral("100"));
    EXPECT_EQ(rowText(101), QStringLiteral("||||"));
    EXPECT_EQ(total(1)->text(), QStringLiteral("120"));
    EXPECT_EQ(edit(2)->Value(), 3);
}

TEST_F(CalculateTest, CopyBeforeAnyCalculationGives102EmptyLines)
{
    createShown();
    click(button("BitBtn5"));
    const QStringList lines = clipboardLines();
    ASSERT_EQ(lines.size(), 102);
    for (const QString &line : lines)
        EXPECT_EQ(line + QStringLiteral("\r\n"), kEmptyLine);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CalculateTest, CopyAfterACalculationGivesTheTableAsDisplayed)
{
    createShown();
    typeTypicalRequest();
    click(button("Button1"));
    const QString before = rowText(1);
    click(button("BitBtn5"));
    const QStringList lines = clipboardLines();
    ASSERT_EQ(lines.size(), 102);
    EXPECT_EQ(lines[0],
              QStringLiteral("年\t　　元本返済額\t　　利息支払額\t　　合計支払額\t　　　　残元本\t"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t87,231\t30,000\t117,231\t912,769\t"));
    EXPECT_EQ(lines[10], QStringLiteral("10\t113,816\t3,414\t117,231\t0\t"));
    for (int i = 11; i < 102; ++i)
        EXPECT_EQ(lines[i] + QStringLiteral("\r\n"), kEmptyLine) << i;
    EXPECT_EQ(rowText(1), before);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CalculateTest, EraYearsNeedNoAmountsAndCopyStartsWithATab)
{
    createShown();
    click(radio(12));
    click(button("Button1"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(edit(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_FALSE(cell(0, 50).isEmpty());
    EXPECT_TRUE(cell(0, 51).isEmpty());
    click(button("BitBtn5"));
    const QStringList lines = clipboardLines();
    ASSERT_EQ(lines.size(), 102);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('\t')));
    EXPECT_EQ(lines[0].count(QLatin1Char('\t')), 5);
}

TEST_F(CalculateTest, ClearEmptiesInputsPeriodRowsAndTotalsButKeepsHeadersAndMode)
{
    createShown();
    click(radio(4));
    typeTypicalRequest();
    click(button("Button1"));
    const QString headers = rowText(0);
    ASSERT_FALSE(cell(1, 1).isEmpty());

    click(button("BitBtn4"));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(edit(n)->Value(), 0) << n;
        EXPECT_EQ(edit(n)->text(), QStringLiteral("0")) << n;
    }
    for (int row = 1; row <= 101; ++row)
        ASSERT_EQ(rowText(row), QStringLiteral("||||")) << row;
    EXPECT_EQ(rowText(0), headers);
    EXPECT_EQ(totalsText(), QStringLiteral("0|0|0|0|0"));
    EXPECT_EQ(form->CalcMode(), "gankin");
    EXPECT_EQ(form->PeriodUnit(), 1);
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace kalvio

// The entry field widget driven by real key and mouse events: three fields
// with the main window's settings in one window, a fake beep and clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <optional>

#include "controls/ControlServices.h"
#include "controls/NValEdit.h"
#include "nvaledit_test_support.h"

namespace kalvio::test {
namespace {

class FakeServices : public ControlServices {
public:
    void beep() override { ++beeps; }
    std::optional<QString> clipboardText() const override { return clipboard; }
    void setClipboardText(const QString &text) override { clipboard = text; }

    int beeps = 0;
    std::optional<QString> clipboard;
};

class NValEditFieldWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        principal = new NValEdit(window.get());
        rate = new NValEdit(window.get());
        periods = new NValEdit(window.get());
        for (NValEdit *field : {principal, rate, periods}) {
            layout->addWidget(field);
            field->setServices(&services);
        }
        LoadLikeTheMainWindow(*principal, kPrincipal);
        LoadLikeTheMainWindow(*rate, kRate);
        LoadLikeTheMainWindow(*periods, kPeriods);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Gives a field the focus as Tab would; a field that has it loses it first.
    void tabInto(NValEdit *field)
    {
        if (field->hasFocus())
            (field == periods ? rate : periods)->setFocus(Qt::TabFocusReason);
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field->hasFocus());
    }

    void clickInto(NValEdit *field)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    }

    void type(NValEdit *field, const char *keys)
    {
        for (const char *k = keys; *k; ++k)
            QTest::keyClick(field, *k);
    }

    FakeServices services;
    std::unique_ptr<QWidget> window;
    NValEdit *principal = nullptr;
    NValEdit *rate = nullptr;
    NValEdit *periods = nullptr;
};

TEST_F(NValEditFieldWindow, TypingThePrincipalRegroupsAfterEachDigit)
{
    tabInto(principal);
    const char *expected[] = {"1", "12", "123", "1,234", "12,345", "123,456", "1,234,567"};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(principal, static_cast<char>('1' + i));
        EXPECT_EQ(principal->text(), QString::fromLatin1(expected[i]));
        EXPECT_EQ(principal->cursorPosition(), principal->text().size());
    }
    EXPECT_EQ(principal->Value(), 1234567);
    EXPECT_EQ(services.beeps, 0);
    type(principal, "89012");
    EXPECT_EQ(principal->text(), QStringLiteral("123,456,789,012"));
    QTest::keyClick(principal, '3');
    EXPECT_EQ(principal->text(), QStringLiteral("123,456,789,012"));
    EXPECT_EQ(services.beeps, 1);
    QTest::keyClick(principal, '.');
    QTest::keyClick(principal, '-');
    EXPECT_EQ(services.beeps, 3);
    EXPECT_EQ(principal->Value(), Dec("123456789012"));
}

TEST_F(NValEditFieldWindow, RateAndPeriodsLimits)
{
    tabInto(rate);
    type(rate, "12.5019");
    EXPECT_EQ(rate->text(), QStringLiteral("12.501"));
    EXPECT_EQ(services.beeps, 1);
    QTest::keyClick(rate, Qt::Key_Backspace);
    QTest::keyClick(rate, Qt::Key_Backspace);
    EXPECT_EQ(rate->text(), QStringLiteral("12.5"));
    QTest::keyClick(rate, Qt::Key_Tab);
    EXPECT_TRUE(periods->hasFocus());
    EXPECT_EQ(rate->text(), QStringLiteral("12.500"));
    EXPECT_EQ(rate->Value(), Dec("12.5"));
    type(periods, "9999");
    EXPECT_EQ(periods->text(), QStringLiteral("999"));
    EXPECT_EQ(services.beeps, 2);
    QTest::keyClick(periods, Qt::Key_Backspace);
    EXPECT_EQ(periods->text(), QStringLiteral("99"));
}

TEST_F(NValEditFieldWindow, TabSelectsTheWholeTextAClickDoesNot)
{
    principal->setValue(1000000);
    tabInto(rate);
    QTest::keyClick(rate, Qt::Key_Backtab);
    ASSERT_TRUE(principal->hasFocus());
    EXPECT_EQ(principal->selectedText(), QStringLiteral("1,000,000"));

    tabInto(rate);
    clickInto(principal);
    ASSERT_TRUE(principal->hasFocus());
    EXPECT_FALSE(principal->hasSelectedText());
    EXPECT_EQ(principal->cursorPosition(), 9);
    EXPECT_FALSE(principal->model().FocusByMouse());
    QTest::keyClick(principal, '5');
    EXPECT_EQ(principal->text(), QStringLiteral("10,000,005"));
}

TEST_F(NValEditFieldWindow, WithoutAutoSelectTabLeavesTheCaretAtTheEnd)
{
    principal->setValue(1234);
    principal->setAutoSelect(false);
    tabInto(principal);
    EXPECT_FALSE(principal->hasSelectedText());
    EXPECT_EQ(principal->cursorPosition(), 5);
    QTest::keyClick(principal, '5');
    EXPECT_EQ(principal->text(), QStringLiteral("12,345"));
}

TEST_F(NValEditFieldWindow, ADragKeepsOnlyAWholeSelection)
{
    principal->setValue(1234567);
    tabInto(principal);
    clickInto(principal);
    principal->setSelection(2, 3); // as a drag leaves it
    QTest::mouseRelease(principal, Qt::LeftButton, {}, QPoint(4, principal->height() / 2));
    EXPECT_FALSE(principal->hasSelectedText());
    EXPECT_EQ(principal->cursorPosition(), 9);
    principal->selectAll();
    QTest::mouseRelease(principal, Qt::LeftButton, {}, QPoint(4, principal->height() / 2));
    EXPECT_EQ(principal->selectedText(), QStringLiteral("1,234,567"));
}

TEST_F(NValEditFieldWindow, EscapeHomeAndDelete)
{
    principal->setValue(77);
    tabInto(principal);
    type(principal, "123");
    QTest::keyClick(principal, Qt::Key_Escape);
    EXPECT_EQ(principal->text(), QStringLiteral("77"));
    QTest::keyClick(principal, Qt::Key_Delete);
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
    QTest::keyClick(principal, Qt::Key_Escape);
    EXPECT_EQ(principal->text(), QStringLiteral("77"));
    QTest::keyClick(principal, Qt::Key_End);
    QTest::keyClick(principal, Qt::Key_Home);
    EXPECT_EQ(principal->selectedText(), QStringLiteral("77"));
    QTest::keyClick(principal, '7');
    EXPECT_EQ(principal->text(), QStringLiteral("7"));
    QTest::keyClick(principal, Qt::Key_Left);
    QTest::keyClick(principal, '1');
    EXPECT_EQ(principal->text(), QStringLiteral("71"));
}

TEST_F(NValEditFieldWindow, Paste)
{
    const struct {
        std::optional<QString> clipboard;
        const char *value;
        const char *text;
    } cases[] = {{QStringLiteral("１２３"), "123", "123"},
                 {QStringLiteral("1,234,567"), "1234567", "1,234,567"},
                 {QStringLiteral("12,34"), "0", "0"},
                 {QStringLiteral("x"), "0", "0"},
                 {std::nullopt, "0", "0"}};
    tabInto(principal);
    for (const auto &c : cases) {
        principal->setValue(42);
        services.clipboard = c.clipboard;
        QTest::keyClick(principal, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(principal->Value(), Dec(c.value)) << c.text;
        EXPECT_EQ(principal->text(), QString::fromLatin1(c.text));
    }
    services.clipboard = QStringLiteral("12.5");
    tabInto(periods);
    QTest::keyClick(periods, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(periods->text(), QStringLiteral("13"));
    EXPECT_EQ(periods->Value(), Dec("12.5"));
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(NValEditFieldWindow, CutPutsTheSelectedCharactersOnTheClipboard)
{
    principal->setValue(1234567);
    tabInto(principal);
    principal->setSelection(2, 5);
    QTest::keyClick(principal, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(services.clipboard, QStringLiteral("234,5"));
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
    EXPECT_EQ(principal->Value(), 0);
}

TEST_F(NValEditFieldWindow, ShiftDeleteClearsWithoutCutting)
{
    principal->setValue(55);
    tabInto(principal);
    QTest::keyClick(principal, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
    EXPECT_EQ(services.clipboard, std::nullopt);
}

TEST_F(NValEditFieldWindow, ReadOnly)
{
    principal->setValue(1234);
    principal->setReadOnly(true);
    tabInto(principal);
    services.clipboard = QStringLiteral("9");
    type(principal, "5-.");
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape})
        QTest::keyClick(principal, key);
    QTest::keyClick(principal, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(principal, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(principal->text(), QStringLiteral("1,234"));
    QTest::keyClick(principal, Qt::Key_Home);
    QTest::keyClick(principal, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(services.clipboard, QStringLiteral("1,234"));
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(NValEditFieldWindow, EnterAndArrowsMoveTheFocus)
{
    tabInto(principal);
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_TRUE(rate->hasFocus());
    QTest::keyClick(rate, Qt::Key_Up);
    EXPECT_TRUE(principal->hasFocus());
    QTest::keyClick(principal, Qt::Key_Down);
    EXPECT_TRUE(rate->hasFocus());
    QTest::keyClick(rate, Qt::Key_Enter);
    EXPECT_TRUE(periods->hasFocus());
    EXPECT_EQ(periods->selectedText(), QStringLiteral("0")); // arrived as by Tab
    QTest::keyClick(periods, Qt::Key_Return);
    EXPECT_TRUE(principal->hasFocus()); // round the window
}

TEST_F(NValEditFieldWindow, WithoutEnterNextEnterStays)
{
    principal->setEnterNext(false);
    principal->setArrowNext(false);
    tabInto(principal);
    QTest::keyClick(principal, Qt::Key_Return);
    QTest::keyClick(principal, Qt::Key_Down);
    EXPECT_TRUE(principal->hasFocus());
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
}

TEST_F(NValEditFieldWindow, ChangedOnlyOnRealTextChanges)
{
    QSignalSpy spy(principal, &NValEdit::changed);
    tabInto(principal);
    type(principal, "123");
    EXPECT_EQ(spy.count(), 3);
    principal->setValue(123);
    EXPECT_EQ(spy.count(), 3);
    principal->beginLoading();
    principal->setValue(9);
    principal->loaded();
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(principal->text(), QStringLiteral("9"));
}

TEST_F(NValEditFieldWindow, OtherCharactersAndShortcutsSwallowed)
{
    principal->setValue(12);
    tabInto(principal);
    clickInto(principal);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Plus, Qt::Key_Comma})
        QTest::keyClick(principal, key);
    QTest::keyClick(principal, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(principal, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(principal, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(principal, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(principal->text(), QStringLiteral("1"));
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(NValEditFieldWindow, InputMethodStaysOff)
{
    principal->setReadOnly(true);
    principal->setReadOnly(false);
    EXPECT_FALSE(principal->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(principal->inputMethodQuery(Qt::ImEnabled).toBool());
    QInputMethodEvent event(QStringLiteral("１"), {});
    event.setCommitString(QStringLiteral("１２"));
    QApplication::sendEvent(principal, &event);
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
    EXPECT_FALSE(principal->acceptDrops());
}

TEST_F(NValEditFieldWindow, MiddleClickPastesNothing)
{
    principal->setValue(5);
    services.clipboard = QStringLiteral("9");
    QTest::mouseClick(principal, Qt::MiddleButton, {}, QPoint(4, principal->height() / 2));
    EXPECT_EQ(principal->text(), QStringLiteral("5"));
}

TEST_F(NValEditFieldWindow, ContextMenuTakesTheCommandPaths)
{
    principal->setValue(1234);
    tabInto(principal);
    services.clipboard = QStringLiteral("１，０００");
    {
        const std::unique_ptr<QMenu> menu = principal->createContextMenu();
        const QList<QAction *> actions = menu->actions();
        QAction *paste = nullptr;
        for (QAction *a : actions) {
            if (a->text().startsWith(QStringLiteral("貼り付け")))
                paste = a;
        }
        ASSERT_NE(paste, nullptr);
        ASSERT_TRUE(paste->isEnabled());
        paste->trigger();
        EXPECT_EQ(principal->text(), QStringLiteral("1,000"));
    }
    principal->setReadOnly(true);
    principal->selectAll();
    const std::unique_ptr<QMenu> menu = principal->createContextMenu();
    QStringList enabled;
    for (QAction *a : menu->actions()) {
        if (!a->isSeparator() && a->isEnabled())
            enabled << a->text();
    }
    EXPECT_EQ(enabled, QStringList{QStringLiteral("コピー(&C)")});
}

TEST_F(NValEditFieldWindow, NegativeNumbersInTheirColour)
{
    NValEdit field(window.get());
    field.setServices(&services);
    const QColor normal = field.palette().color(QPalette::Active, QPalette::Text);
    field.setMinusColor(Qt::red);
    field.setValue(-5);
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    field.setValue(5);
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), normal);

    QPalette blue = field.palette();
    blue.setColor(QPalette::Text, Qt::blue);
    field.setValue(-5);
    field.setPalette(blue); // a new font colour while the number shows red
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    field.setValue(5);
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::blue));
}

TEST_F(NValEditFieldWindow, TextWrittenFromOutsideIsRead)
{
    principal->setTextFromOutside(QStringLiteral("１，２３４"));
    EXPECT_EQ(principal->Value(), 1234);
    EXPECT_EQ(principal->text(), QStringLiteral("1,234"));
    principal->setText(QStringLiteral("56"));
    EXPECT_EQ(principal->Value(), 56);
    principal->setText(QStringLiteral("abc"));
    EXPECT_EQ(principal->text(), QStringLiteral("0"));
}

TEST_F(NValEditFieldWindow, DoubleClickSelectionSurvivesItsRelease)
{
    principal->setValue(1234567);
    clickInto(principal);
    const QPoint atTheNumber(principal->width() - 8, principal->height() / 2);
    QTest::mouseDClick(principal, Qt::LeftButton, {}, atTheNumber);
    EXPECT_TRUE(principal->model().AfterDblClick());
    QTest::mouseRelease(principal, Qt::LeftButton, {}, atTheNumber);
    EXPECT_TRUE(principal->hasSelectedText());
    EXPECT_FALSE(principal->model().AfterDblClick());
    EXPECT_EQ(principal->model().SelLength(), principal->selectedText().size());
}

} // namespace
} // namespace kalvio::test

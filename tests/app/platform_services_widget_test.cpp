// The real desktop services: each message box is found while it is open,
// read and closed by a timer, so nothing blocks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>

#include "app/QtAppServices.h"
#include "platform_dialog_closer.h"

using kalvio::QtAppServices;
using kalvio::test::closeNextDialog;

namespace {

// What a modal box looked like while it was open.
struct SeenBox {
    bool found = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okButton = false;
    bool modal = false;
    QPoint centre;
};

struct BoxCase {
    const char *name;
    std::function<void(QtAppServices &, QWidget *)> show;
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

const BoxCase boxCases[] = {
    {"information",
     [](QtAppServices &s, QWidget *p) {
         s.information(
             p, QStringLiteral("金額の入力がないためダミーの数字を入れました。入力し直してください。"));
     },
     QStringLiteral("情報"),
     QStringLiteral("金額の入力がないためダミーの数字を入れました。入力し直してください。"),
     QMessageBox::Information},
    {"plain",
     [](QtAppServices &s, QWidget *p) {
         s.plainMessage(p, QStringLiteral("Kalvio"), QStringLiteral("日数は60日です"));
     },
     QStringLiteral("Kalvio"), QStringLiteral("日数は60日です"), QMessageBox::NoIcon},
    {"error",
     [](QtAppServices &s, QWidget *p) {
         s.errorMessage(p, QStringLiteral("Kalvio"), QStringLiteral("<b>not markup</b>"));
     },
     QStringLiteral("Kalvio"), QStringLiteral("<b>not markup</b>"), QMessageBox::Critical},
};

void PrintTo(const BoxCase &c, std::ostream *out)
{
    *out << c.name;
}

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, ShowsAModalBoxWithOneOkButtonCentredOnTheScreen)
{
    const BoxCase &c = GetParam();
    // A parent away from the centre, so a box centred on it would show.
    QWidget parent;
    parent.setGeometry(10, 10, 200, 120);
    parent.show();

    SeenBox seen;
    closeNextDialog<QMessageBox>(
        [&seen](QMessageBox &box) {
            seen.found = true;
            seen.caption = box.windowTitle();
            seen.text = box.text();
            seen.icon = box.icon();
            seen.buttons = int(box.buttons().size());
            seen.okButton = box.button(QMessageBox::Ok) != nullptr;
            seen.modal = box.isModal();
            seen.centre = box.frameGeometry().center();
        },
        [](QMessageBox &box) { box.button(QMessageBox::Ok)->click(); });
    QtAppServices services;
    c.show(services, &parent);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, c.caption);
    EXPECT_EQ(seen.text, c.text);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.okButton);
    EXPECT_TRUE(seen.modal);
    const QPoint screenCentre = parent.screen()->availableGeometry().center();
    EXPECT_LE((seen.centre - screenCentre).manhattanLength(), 4)
        << seen.centre.x() << "," << seen.centre.y() << " vs " << screenCentre.x() << "," << screenCentre.y();
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTest, ::testing::ValuesIn(boxCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MessageBoxWithoutParentTest, InformationBoxOpensWithoutAParent)
{
    bool found = false;
    closeNextDialog<QMessageBox>([&found](QMessageBox &) { found = true; },
                                 [](QMessageBox &box) { box.button(QMessageBox::Ok)->click(); });
    QtAppServices services;
    services.information(nullptr, QStringLiteral("Kalvio　v1.9"));
    EXPECT_TRUE(found);
}

TEST(PrinterSetupTest, TellsWhetherTheDialogWasAccepted)
{
    struct Case {
        bool accept;
    };
    for (const Case c : {Case{false}, Case{true}}) {
        QWidget parent;
        parent.show();
        QPrinter printer;
        bool found = false;
        closeNextDialog<QPrintDialog>([&found](QPrintDialog &) { found = true; },
                                      [accept = c.accept](QPrintDialog &dialog) {
                                          if (accept)
                                              dialog.done(QDialog::Accepted);
                                          else
                                              dialog.reject();
                                      });
        QtAppServices services;
        EXPECT_EQ(services.printerSetup(&parent, printer), c.accept);
        EXPECT_TRUE(found);
    }
}

TEST(ControlServicesTest, ClipboardRoundTripsPlainText)
{
    QtAppServices services;
    services.setClipboardText(QStringLiteral("年\t　　元本返済額\t\r\n"));
    EXPECT_EQ(services.clipboardText(), std::optional<QString>(QStringLiteral("年\t　　元本返済額\t\r\n")));
    services.beep();
}

} // namespace

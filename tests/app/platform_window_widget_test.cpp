// The real window on the real desktop services: its help, about and print
// buttons reach our help window, message box and print dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/HelpWindow.h"
#include "app/QtAppServices.h"
#include "app/kihon.h"
#include "platform_dialog_closer.h"

using kalvio::HelpWindow;
using kalvio::QtAppServices;
using kalvio::TForm1;
using kalvio::test::closeNextDialog;

namespace {

QString shippedDocumentPath()
{
    return QFileInfo(QString::fromUtf8(__FILE__))
        .absoluteDir()
        .absoluteFilePath(QStringLiteral("../../app/help/kalvio.hlp"));
}

// The window as installed: its executable, settings file and help document
// in one folder of the test's own.
class RealServicesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        services_ = std::make_unique<QtAppServices>(folder_.path());
        form_ = std::make_unique<TForm1>(*services_, folder_.filePath(QStringLiteral("kalvio")));
        form_->show();
    }

    void installHelp()
    {
        ASSERT_TRUE(QFile::copy(shippedDocumentPath(), folder_.filePath(QStringLiteral("kalvio.hlp"))));
    }

    QPushButton *button(const char *name)
    {
        return form_->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    QTemporaryDir folder_;
    std::unique_ptr<QtAppServices> services_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(RealServicesWindowTest, HelpButtonOpensTheShippedDocumentAtItsContentsInOneWindow)
{
    installHelp();
    ASSERT_TRUE(button("BitBtn1"));
    button("BitBtn1")->click();
    button("BitBtn1")->click();
    const auto windows = form_->findChildren<HelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isWindow());
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_TRUE(windows.front()->hasDocument());
    EXPECT_EQ(windows.front()->currentAnchor(), QStringLiteral("contents"));
    EXPECT_TRUE(windows.front()->shownText().contains(QStringLiteral("元利均等")));
}

TEST_F(RealServicesWindowTest, MissingHelpIsReportedByTheHelpWindowAlone)
{
    button("BitBtn1")->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const auto windows = form_->findChildren<HelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_FALSE(windows.front()->hasDocument());
    EXPECT_TRUE(windows.front()->shownText().contains(QStringLiteral("kalvio.hlp")));
}

TEST_F(RealServicesWindowTest, AboutButtonShowsAnInformationBox)
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    closeNextDialog<QMessageBox>(
        [&](QMessageBox &box) {
            caption = box.windowTitle();
            text = box.text();
            icon = box.icon();
        },
        [](QMessageBox &box) { box.button(QMessageBox::Ok)->click(); });
    button("BitBtn3")->click();
    EXPECT_EQ(caption, QStringLiteral("情報"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_TRUE(text.contains(QStringLiteral("Kalvio"))) << text.toStdString();
}

TEST_F(RealServicesWindowTest, CancellingThePrintDialogPrintsNothingAndShowsNothingElse)
{
    bool dialogSeen = false;
    bool otherBoxSeen = false;
    closeNextDialog<QPrintDialog>([&](QPrintDialog &) { dialogSeen = true; },
                                  [](QPrintDialog &dialog) { dialog.reject(); });
    // An error box after the cancel would be caught here.
    QPointer<QTimer> errorWatch = closeNextDialog<QMessageBox>([&](QMessageBox &) { otherBoxSeen = true; },
                                                               [](QMessageBox &box) { box.reject(); });
    button("BitBtn2")->click();
    delete errorWatch.data();
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(otherBoxSeen);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).filter(QStringLiteral(".pdf")).size(), 0);
}

} // namespace

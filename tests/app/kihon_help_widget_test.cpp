// The help button with the real help layer: the window opens the document
// beside the program when it is there, and a missing one is reported by the
// help window alone, never by the main window.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/HelpWindow.h"
#include "app/QtAppServices.h"
#include "app/kihon.h"

#ifndef KALVIO_SOURCE_DIR
#define KALVIO_SOURCE_DIR ""
#endif

namespace kalvio {
namespace {

class HelpButtonTest : public ::testing::Test {
protected:
    HelpWindow *pressHelp()
    {
        services = std::make_unique<QtAppServices>(dir.path());
        form = std::make_unique<TForm1>(*services, dir.filePath(QStringLiteral("kalvio")));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        auto *help = form->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
        EXPECT_NE(help, nullptr);
        QTest::mouseClick(help, Qt::LeftButton);
        QApplication::processEvents();
        return form->findChild<HelpWindow *>();
    }

    QTemporaryDir dir;
    std::unique_ptr<QtAppServices> services;
    std::unique_ptr<TForm1> form;
};

TEST_F(HelpButtonTest, OpensTheDocumentBesideTheProgram)
{
    const QString source = QStringLiteral(KALVIO_SOURCE_DIR "/app/help/kalvio.hlp");
    if (!QFile::exists(source))
        GTEST_SKIP() << "the help document is not in the source tree";
    ASSERT_TRUE(QFile::copy(source, dir.filePath(QStringLiteral("kalvio.hlp"))));
    HelpWindow *window = pressHelp();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->hasDocument());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(HelpButtonTest, AMissingDocumentIsReportedInTheHelpWindowOnly)
{
    HelpWindow *window = pressHelp();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->hasDocument());
    EXPECT_FALSE(window->shownText().isEmpty());
    // No box of the main window's own: only the help window came up.
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible())
            EXPECT_TRUE(top == form.get() || top == window) << top->metaObject()->className();
}

} // namespace
} // namespace kalvio

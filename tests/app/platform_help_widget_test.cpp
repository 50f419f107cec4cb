// The help window and the help service: the document shown at its contents
// page, problems with the file reported inside the window, one window per
// parent, and the shipped document's coverage and links.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

#include "app/HelpWindow.h"
#include "app/QtAppServices.h"

using kalvio::HelpWindow;
using kalvio::QtAppServices;

namespace {

const char *const sampleDocument = R"(<html><head><meta charset="utf-8"></head><body>
<h1><a name="contents"></a>目次</h1><p><a href="#later">後の節</a></p>
<p>一</p><p>二</p><p>三</p><p>四</p><p>五</p><p>六</p><p>七</p><p>八</p><p>九</p><p>十</p>
<p>一</p><p>二</p><p>三</p><p>四</p><p>五</p><p>六</p><p>七</p><p>八</p><p>九</p><p>十</p>
<p>一</p><p>二</p><p>三</p><p>四</p><p>五</p><p>六</p><p>七</p><p>八</p><p>九</p><p>十</p>
<p>一</p><p>二</p><p>三</p><p>四</p><p>五</p><p>六</p><p>七</p><p>八</p><p>九</p><p>十</p>
<h2><a name="later"></a>後の節</h2><p>ここが後の節です。</p>
</body></html>)";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QPushButton *buttonNamed(const QWidget &window, const QString &text)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString path(const char *name) const { return folder_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder_;
};

TEST_F(HelpWindowTest, OpensTheDocumentAtItsContentsPageInItsOwnTopLevelWindow)
{
    writeFile(path("kalvio.hlp"), sampleDocument);
    QWidget owner;
    auto *help = new HelpWindow(&owner);
    help->openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_TRUE(help->hasDocument());
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parent(), &owner);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Kalvio ヘルプ"));
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("contents"));
    EXPECT_TRUE(help->shownText().contains(QStringLiteral("ここが後の節です。")));
}

TEST_F(HelpWindowTest, NavigatesToAnAnchorBackAndToTheContents)
{
    writeFile(path("kalvio.hlp"), sampleDocument);
    HelpWindow help;
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    QPushButton *back = buttonNamed(help, QStringLiteral("戻る"));
    QPushButton *contents = buttonNamed(help, QStringLiteral("目次"));
    ASSERT_TRUE(back && contents);
    EXPECT_FALSE(back->isEnabled());

    help.openAt(path("kalvio.hlp"), QStringLiteral("later"));
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("later"));
    contents->click();
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("contents"));
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("later"));
}

// Pressing Help again after reading further down shows the contents again.
TEST_F(HelpWindowTest, OpeningAgainReturnsToTheContents)
{
    writeFile(path("kalvio.hlp"), sampleDocument);
    HelpWindow help;
    help.resize(300, 200);
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    QScrollBar *scroll = help.findChild<QTextBrowser *>()->verticalScrollBar();
    const int contentsPosition = scroll->value();
    ASSERT_GT(scroll->maximum(), contentsPosition + 100);
    EXPECT_LT(contentsPosition, 20);
    scroll->setValue(scroll->maximum());
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_EQ(scroll->value(), contentsPosition);
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("contents"));
}

// Nothing is thrown: the window says what is wrong, naming the file.
TEST_F(HelpWindowTest, ReportsAFileItCannotShowInsideItself)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        bool create;
    };
    static const char binary[] = "?_\x03\x00\xff\xfe\x80 not ours";
    const Case cases[] = {
        {"missing.hlp", {}, false},
        {"binary.hlp", QByteArray(binary, sizeof binary - 1), true},
        {"plain.hlp", "just some words", true},
    };
    for (const Case &c : cases) {
        if (c.create)
            writeFile(path(c.name), c.bytes);
        HelpWindow help;
        EXPECT_NO_THROW(help.openAt(path(c.name), QStringLiteral("contents()"))) << c.name;
        EXPECT_FALSE(help.hasDocument()) << c.name;
        EXPECT_TRUE(help.isVisible()) << c.name;
        EXPECT_TRUE(help.shownText().contains(QStringLiteral("ヘルプを表示できません"))) << c.name;
        EXPECT_TRUE(help.shownText().contains(QString::fromUtf8(c.name))) << c.name;
        EXPECT_FALSE(buttonNamed(help, QStringLiteral("目次"))->isEnabled()) << c.name;
    }
}

TEST_F(HelpWindowTest, AFolderInPlaceOfTheFileIsReported)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("kalvio.hlp")));
    HelpWindow help;
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_FALSE(help.hasDocument());
    EXPECT_TRUE(help.shownText().contains(QStringLiteral("ファイルではありません")));
}

TEST_F(HelpWindowTest, ReadsTheFileAfreshOnEveryOpen)
{
    HelpWindow help;
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    ASSERT_FALSE(help.hasDocument());
    writeFile(path("kalvio.hlp"), sampleDocument);
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_TRUE(help.hasDocument());
    EXPECT_FALSE(help.shownText().contains(QStringLiteral("ヘルプを表示できません")));

    QByteArray changed(sampleDocument);
    changed.replace("ここが後の節です。", "書き換えた節です。");
    writeFile(path("kalvio.hlp"), changed);
    help.openAt(path("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_TRUE(help.shownText().contains(QStringLiteral("書き換えた節です。")));
}

class HelpServiceTest : public HelpWindowTest {};

TEST_F(HelpServiceTest, FindsTheBareNameInItsFolderAndReusesOneWindowPerParent)
{
    writeFile(path("kalvio.hlp"), sampleDocument);
    QtAppServices services(folder_.path());
    QWidget owner;
    services.showHelp(&owner, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()"));
    auto windows = owner.findChildren<HelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    HelpWindow *help = windows.front();
    EXPECT_TRUE(help->hasDocument());
    EXPECT_TRUE(help->isWindow());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("contents"));

    help->close();
    services.showHelp(&owner, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()"));
    EXPECT_EQ(owner.findChildren<HelpWindow *>().size(), 1);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpServiceTest, AMissingDocumentIsShownByTheHelpWindowNotTheCaller)
{
    QtAppServices services(folder_.path());
    QWidget owner;
    EXPECT_NO_THROW(services.showHelp(&owner, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()")));
    const auto windows = owner.findChildren<HelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_FALSE(windows.front()->hasDocument());
    EXPECT_TRUE(windows.front()->shownText().contains(QDir::toNativeSeparators(path("kalvio.hlp"))));
}

TEST_F(HelpServiceTest, WorksWithoutAParentWindow)
{
    writeFile(path("kalvio.hlp"), sampleDocument);
    QtAppServices services(folder_.path());
    services.showHelp(nullptr, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()"));
    services.showHelp(nullptr, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()"));
    SUCCEED();
}

TEST(HelpServiceLookupTest, LooksBesideTheExecutableByDefault)
{
    const QtAppServices services;
    EXPECT_EQ(services.helpFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(QFileInfo(services.helpPath(QStringLiteral("kalvio.hlp"))).absoluteFilePath(),
              QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("kalvio.hlp")));
}

// The document the project ships, read from the source tree.
QString shippedDocumentPath()
{
    return QFileInfo(QString::fromUtf8(__FILE__))
        .absoluteDir()
        .absoluteFilePath(QStringLiteral("../../app/help/kalvio.hlp"));
}

TEST(ShippedHelpTest, OpensAndDescribesEveryModeInputAndCommand)
{
    HelpWindow help;
    help.openAt(shippedDocumentPath(), QStringLiteral("contents()"));
    ASSERT_TRUE(help.hasDocument()) << help.shownText().toStdString();
    EXPECT_EQ(help.currentAnchor(), QStringLiteral("contents"));
    const QString text = help.shownText();
    const char *const topics[] = {"元利均等", "元金均等",    "年金受給額",   "定期積み金",   "複利計算",
                                  "単利計算", "複利現価",    "複利年金現価", "単利年金現価", "西暦と元号",
                                  "計算元本", "年利 （％）", "年額計算",     "月額計算",     "日数計算",
                                  "Exce",     "clear",       "Delete",       "Esc",          "Enter"};
    for (const char *topic : topics)
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
}

TEST(ShippedHelpTest, EveryLinkInsideTheDocumentHasItsAnchor)
{
    QFile file(shippedDocumentPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> anchors;
    for (const auto &m : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
        anchors.insert(m.captured(1));
    ASSERT_TRUE(anchors.contains(HelpWindow::contentsAnchor()));
    int links = 0;
    for (const auto &m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
        ++links;
        EXPECT_TRUE(anchors.contains(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 10);
}

} // namespace

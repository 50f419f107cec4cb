// The document is checked before the browser loads it, so a missing,
// unreadable or foreign file (an old binary help file, say) gives a message
// in the window instead of an empty page or garbage.
#include "app/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kalvio {

namespace {

// Far beyond any help document; a larger file is not ours.
constexpr qint64 largestDocument = 8 * 1024 * 1024;

// The anchor a help command asks for: "contents()" and an empty command
// mean the contents page, "name" or "name()" the anchor of that name.
QString anchorForTopic(const QString &topic)
{
    QString name = topic.trimmed();
    if (name.endsWith(QStringLiteral("()")))
        name.chop(2);
    if (name.isEmpty())
        return HelpWindow::contentsAnchor();
    return name;
}

// Empty when the file holds a document we can show, else the reason why not.
QString problemWithDocument(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("ファイルが見つかりません。");
    if (!info.isFile())
        return QStringLiteral("ファイルではありません。");
    if (info.size() > largestDocument)
        return QStringLiteral("ヘルプ文書ではありません（大きすぎます）。");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("読み込めません（%1）。").arg(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("読み込めません（%1）。").arg(file.errorString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || !text.contains(QStringLiteral("<html"), Qt::CaseInsensitive))
        return QStringLiteral("このプログラムのヘルプ文書の形式ではありません。");
    return {};
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Kalvio ヘルプ"));
    resize(600, 520);

    backButton_ = new QPushButton(QStringLiteral("戻る"), this);
    contentsButton_ = new QPushButton(QStringLiteral("目次"), this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    backButton_->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backButton_);
    buttons->addWidget(contentsButton_);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(contentsButton_, &QPushButton::clicked, this, &HelpWindow::showContents);
}

void HelpWindow::openAt(const QString &path, const QString &topic)
{
    const QString problem = problemWithDocument(path);
    if (problem.isEmpty()) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        // The file may have changed since it was last shown: read it again.
        if (browser_->source().adjusted(QUrl::RemoveFragment) == url)
            browser_->reload();
        url.setFragment(anchorForTopic(topic));
        browser_->setSource(url, QTextDocument::HtmlResource);
        browser_->clearHistory();
        hasDocument_ = true;
    } else {
        showProblem(path, problem);
    }
    contentsButton_->setEnabled(hasDocument_);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::shownText() const
{
    return browser_->toPlainText();
}

QString HelpWindow::currentAnchor() const
{
    return hasDocument_ ? browser_->source().fragment() : QString();
}

void HelpWindow::showProblem(const QString &path, const QString &reason)
{
    hasDocument_ = false;
    browser_->clearHistory();
    browser_->setHtml(QStringLiteral("<h3>ヘルプを表示できません</h3>"
                                     "<p>ヘルプファイル「%1」を開けませんでした。</p><p>%2</p>")
                          .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), reason.toHtmlEscaped()));
}

void HelpWindow::showContents()
{
    if (!hasDocument_)
        return;
    QUrl url = browser_->source();
    url.setFragment(contentsAnchor());
    browser_->setSource(url, QTextDocument::HtmlResource);
}

} // namespace kalvio

// Our meta-object code goes into this object file, independent of the other
// classes of the library.
#include "moc_HelpWindow.cpp"

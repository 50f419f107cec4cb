// The program's help viewer: a top-level window showing our help document,
// an HTML file, with its contents page, links and back navigation.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace kalvio {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // A separate top-level window, owned by the parent when one is given.
    explicit HelpWindow(QWidget *parent = nullptr);

    // Loads the document afresh and shows the page the help command names:
    // "contents()" (or nothing) is the contents page, any other name an
    // anchor of the document.  A file that cannot be read is reported in
    // the window itself; nothing is thrown.  The window is shown and raised.
    void openAt(const QString &path, const QString &topic);

    // True when the last openAt loaded the document, false when the window
    // shows why it could not.
    bool hasDocument() const { return hasDocument_; }
    // The text the window shows at the moment, without markup.
    QString shownText() const;
    // The anchor currently navigated to, empty when none.
    QString currentAnchor() const;

    // The anchor of the contents page in the document.
    static QString contentsAnchor() { return QStringLiteral("contents"); }

private:
    void showProblem(const QString &path, const QString &reason);
    void showContents();

    QTextBrowser *browser_ = nullptr;
    QPushButton *backButton_ = nullptr;
    QPushButton *contentsButton_ = nullptr;
    bool hasDocument_ = false;
};

} // namespace kalvio

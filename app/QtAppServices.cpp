// Every box is modal and returns when closed; the help window is not modal
// and stays open beside the main window.
#include "app/QtAppServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "app/CentredMessageBox.h"
#include "app/HelpWindow.h"

namespace kalvio {

namespace {

void showBox(QMessageBox::Icon icon, QWidget *parent, const QString &caption, const QString &text)
{
    CentredMessageBox box(icon, caption, text, parent);
    box.exec();
}

} // namespace

QtAppServices::QtAppServices() = default;

QtAppServices::QtAppServices(QString helpFolder) : helpFolder_(std::move(helpFolder))
{
}

QtAppServices::~QtAppServices() = default;

void QtAppServices::beep()
{
    system_.beep();
}

std::optional<QString> QtAppServices::clipboardText() const
{
    return system_.clipboardText();
}

void QtAppServices::setClipboardText(const QString &text)
{
    system_.setClipboardText(text);
}

void QtAppServices::information(QWidget *parent, const QString &text)
{
    showBox(QMessageBox::Information, parent, QStringLiteral("情報"), text);
}

void QtAppServices::plainMessage(QWidget *parent, const QString &caption, const QString &text)
{
    showBox(QMessageBox::NoIcon, parent, caption, text);
}

void QtAppServices::errorMessage(QWidget *parent, const QString &caption, const QString &text)
{
    showBox(QMessageBox::Critical, parent, caption, text);
}

bool QtAppServices::printerSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtAppServices::helpFolder() const
{
    return helpFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : helpFolder_;
}

QString QtAppServices::helpPath(const QString &fileName) const
{
    if (QFileInfo(fileName).isAbsolute())
        return fileName;
    return QDir(helpFolder()).filePath(fileName);
}

void QtAppServices::showHelp(QWidget *parent, const QString &fileName, const QString &command)
{
    HelpWindow *window = nullptr;
    if (parent) {
        window = parent->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
        if (!window)
            window = new HelpWindow(parent);
    } else {
        if (!parentlessHelp_)
            parentlessHelp_ = std::make_unique<HelpWindow>();
        window = parentlessHelp_.get();
    }
    window->openAt(helpPath(fileName), command);
}

} // namespace kalvio

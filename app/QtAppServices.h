// The desktop services of the real program: Qt message boxes, the print
// dialog, our help window, and the beep and clipboard of the controls.
#pragma once

#include <QString>

#include <memory>

#include "app/AppServices.h"
#include "controls/SystemControlServices.h"

namespace kalvio {

class HelpWindow;

class QtAppServices final : public AppServices {
public:
    // Help documents are looked up beside the executable.
    QtAppServices();
    // Help documents are looked up in the given folder instead.
    explicit QtAppServices(QString helpFolder);
    ~QtAppServices() override;
    QtAppServices(const QtAppServices &) = delete;
    QtAppServices &operator=(const QtAppServices &) = delete;

    void beep() override;
    std::optional<QString> clipboardText() const override;
    void setClipboardText(const QString &text) override;

    void information(QWidget *parent, const QString &text) override;
    void plainMessage(QWidget *parent, const QString &caption, const QString &text) override;
    void errorMessage(QWidget *parent, const QString &caption, const QString &text) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
    // Opens (or brings back) the parent's help window at the page the
    // command names.
    void showHelp(QWidget *parent, const QString &fileName, const QString &command) override;

    // The folder a bare help file name is looked up in.
    QString helpFolder() const;
    // Where showHelp looks for the named document.
    QString helpPath(const QString &fileName) const;

private:
    SystemControlServices system_;
    QString helpFolder_;
    // The help window of calls without a parent window.
    std::unique_ptr<HelpWindow> parentlessHelp_;
};

} // namespace kalvio

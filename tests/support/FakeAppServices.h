// A recording stand-in for the window's desktop services: counts beeps,
// keeps every message box that would have been shown, holds its own
// clipboard, answers the printer dialog as configured (optionally pointing the
// printer at a PDF file) and records help requests.  Nothing blocks.
#pragma once

#include <QPrinter>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "app/AppServices.h"

namespace kalvio {

class FakeAppServices : public AppServices {
public:
    enum class Kind { Information, Plain, Error };
    struct Message {
        Kind kind;
        QWidget *parent;
        QString caption;
        QString text;
    };
    struct HelpCall {
        QWidget *parent;
        QString fileName;
        QString command;
    };

    void beep() override { ++beeps; }
    std::optional<QString> clipboardText() const override { return clipboard; }
    void setClipboardText(const QString &text) override { clipboard = text; }

    void information(QWidget *parent, const QString &text) override
    {
        record({Kind::Information, parent, QStringLiteral("情報"), text});
    }
    void plainMessage(QWidget *parent, const QString &caption, const QString &text) override
    {
        record({Kind::Plain, parent, caption, text});
    }
    void errorMessage(QWidget *parent, const QString &caption, const QString &text) override
    {
        record({Kind::Error, parent, caption, text});
    }
    bool printerSetup(QWidget *, QPrinter &printer) override
    {
        ++printerSetupCalls;
        if (!pdfPath.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        return printerSetupResult;
    }
    void showHelp(QWidget *parent, const QString &fileName, const QString &command) override
    {
        helpCalls.push_back({parent, fileName, command});
    }

    std::vector<Message> messagesOf(Kind kind) const
    {
        std::vector<Message> found;
        for (const Message &message : messages)
            if (message.kind == kind)
                found.push_back(message);
        return found;
    }

    int beeps = 0;
    std::optional<QString> clipboard;
    std::vector<Message> messages;
    // Runs while a message "is shown", before the handler goes on.
    std::function<void(const Message &)> onMessage;
    bool printerSetupResult = true;
    QString pdfPath;
    int printerSetupCalls = 0;
    std::vector<HelpCall> helpCalls;

private:
    void record(Message message)
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
    }
};

} // namespace kalvio

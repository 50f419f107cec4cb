// The real desktop behind ControlServices.
#include "controls/SystemControlServices.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace kalvio {

void SystemControlServices::beep()
{
    QApplication::beep();
}

std::optional<QString> SystemControlServices::clipboardText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

void SystemControlServices::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace kalvio

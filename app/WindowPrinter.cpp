// The window image is grabbed as pixels rather than re-rendered on the
// printer, so the page shows exactly what the screen showed.
#include "app/WindowPrinter.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include <stdexcept>

namespace kalvio {

namespace {

std::runtime_error printFailure(const QPrinter &printer, const char *what)
{
    QString where = printer.outputFileName();
    if (where.isEmpty())
        where = printer.printerName();
    QString message = QString::fromUtf8(what);
    if (!where.isEmpty())
        message += QStringLiteral(" (%1)").arg(where);
    return std::runtime_error(message.toStdString());
}

} // namespace

void WindowPrinter::printClientArea(QWidget &window, QPrinter &printer)
{
    const QPixmap image = window.grab();
    const qreal scaleX = qreal(printer.logicalDpiX()) / qreal(window.logicalDpiX());
    const qreal scaleY = qreal(printer.logicalDpiY()) / qreal(window.logicalDpiY());
    const QRectF target(0.0, 0.0, window.width() * scaleX, window.height() * scaleY);

    QPainter painter;
    if (!painter.begin(&printer))
        throw printFailure(printer, "プリンタを開けません。印刷できませんでした。");
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        // A file printed in part is no print at all: don't leave it behind.
        if (!printer.outputFileName().isEmpty())
            QFile::remove(printer.outputFileName());
        throw printFailure(printer, "印刷ジョブが失敗しました。");
    }
}

} // namespace kalvio

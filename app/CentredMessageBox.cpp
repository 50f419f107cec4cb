// Qt places a dialog over its parent while showing it; the box moves itself
// to the centre of the screen once it has its final size.
#include "app/CentredMessageBox.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace kalvio {

CentredMessageBox::CentredMessageBox(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                     QWidget *parent)
    : QMessageBox(icon, caption, text, QMessageBox::Ok, parent)
{
    setTextFormat(Qt::PlainText);
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
}

void CentredMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

} // namespace kalvio

// Our meta-object code goes into this object file, independent of the other
// classes of the library.
#include "moc_CentredMessageBox.cpp"

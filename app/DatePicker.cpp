// The date field of the day count.
#include "app/DatePicker.h"

#include <QChildEvent>
#include <QEvent>

namespace kalvio {

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    // The Japanese short date format, whatever the machine's locale says.
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
}

// The calendar popup is a child window that the date edit makes when it is
// first opened; watching for it avoids making it up front.
void DatePicker::childEvent(QChildEvent *event)
{
    QDateEdit::childEvent(event);
    if ((event->type() != QEvent::ChildAdded && event->type() != QEvent::ChildPolished) || popup_)
        return;
    auto *child = qobject_cast<QWidget *>(event->child());
    if (child && child->windowType() == Qt::Popup) {
        popup_ = child;
        popup_->installEventFilter(this);
    }
}

QWidget *DatePicker::calendarPopup() const
{
    return popup_;
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // The popup hides once however it closes, and only after the picked date
    // has been set.
    if (watched == popup_ && event->type() == QEvent::Hide)
        emit closeUp();
    return QDateEdit::eventFilter(watched, event);
}

} // namespace kalvio

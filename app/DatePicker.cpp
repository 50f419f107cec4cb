// The date field of the day count.
#include "app/DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>

namespace kalvio {

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    // The Japanese short date format, whatever the machine's locale says.
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    if (QCalendarWidget *calendar = calendarWidget()) {
        popup_ = calendar->window();
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

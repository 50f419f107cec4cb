// One call at a widget's first paint.
#include "app/FirstPaintWatch.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace kalvio {

FirstPaintWatch::FirstPaintWatch(QWidget &widget, std::function<void()> onFirstPaint)
    : QObject(&widget), onFirstPaint_(std::move(onFirstPaint))
{
    widget.installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    const bool result = QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint && onFirstPaint_) {
        watched->removeEventFilter(this);
        // Called after the paint has been delivered, from the event loop.
        QMetaObject::invokeMethod(this, std::exchange(onFirstPaint_, {}), Qt::QueuedConnection);
    }
    return result;
}

} // namespace kalvio

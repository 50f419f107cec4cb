// Test helper: reads and closes the next modal dialog from a timer, so a
// test can call code that opens one without blocking.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace kalvio::test {

// Polls for the modal dialog the call opens, reads it, then closes it with
// the given action.  Gives up (closing every top-level dialog) after a while
// so a fault cannot hang the test.  Deleting the returned timer stops the
// watch.
template <typename Dialog>
QPointer<QTimer> closeNextDialog(std::function<void(Dialog &)> read, std::function<void(Dialog &)> close)
{
    auto *timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, read, close] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            read(*dialog);
            close(*dialog);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
            }
        }
    });
    timer->start(10);
    return timer;
}

} // namespace kalvio::test

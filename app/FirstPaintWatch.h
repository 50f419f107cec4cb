// Calls a function once, when a widget is painted for the first time.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace kalvio {

class FirstPaintWatch : public QObject {
    Q_OBJECT
public:
    FirstPaintWatch(QWidget &widget, std::function<void()> onFirstPaint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> onFirstPaint_;
};

} // namespace kalvio

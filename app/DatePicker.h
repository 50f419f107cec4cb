// A date field with a drop-down calendar that reports every close of its
// calendar (a pick, Escape, a click elsewhere), once per close and after the
// picked date is in the field.
#pragma once

#include <QDateEdit>

namespace kalvio {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    // The calendar's window; null until the calendar is first opened (it is
    // made then, which keeps the window's start-up short).
    QWidget *calendarPopup() const;

signals:
    void closeUp();

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *popup_ = nullptr;
};

} // namespace kalvio

// The day count between the two date pickers and its message text.
#pragma once

#include <QDate>
#include <QString>

namespace kalvio {

class DayCount {
public:
    // Whole days from `first` to `second`: positive when `second` is later.
    static qint64 days(const QDate &first, const QDate &second);
    // "日数は" + the signed count in plain digits + "日です".
    static QString message(const QDate &first, const QDate &second);
};

} // namespace kalvio

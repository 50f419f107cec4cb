// The day count message.
#include "app/DayCount.h"

namespace kalvio {

qint64 DayCount::days(const QDate &first, const QDate &second)
{
    return first.daysTo(second);
}

QString DayCount::message(const QDate &first, const QDate &second)
{
    return QStringLiteral("日数は") + QString::number(days(first, second)) + QStringLiteral("日です");
}

} // namespace kalvio

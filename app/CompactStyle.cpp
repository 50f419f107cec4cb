// Narrow drop-down buttons and radio label spacing.
#include "app/CompactStyle.h"

#include <QStyleOptionComplex>

namespace kalvio {

CompactStyle::CompactStyle(QObject *parent) : QProxyStyle()
{
    setParent(parent);
}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_RadioButtonLabelSpacing)
        return RadioLabelSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                   const QWidget *widget) const
{
    if (control == CC_ComboBox && option) {
        const QRect box = option->rect;
        constexpr int frame = 2;
        QRect rect;
        if (part == SC_ComboBoxArrow)
            rect = QRect(box.right() - DropDownWidth - frame + 1, box.top() + frame, DropDownWidth,
                         box.height() - 2 * frame);
        else if (part == SC_ComboBoxEditField)
            rect = QRect(box.left() + 1, box.top() + frame, box.width() - DropDownWidth - frame - 1,
                         box.height() - 2 * frame);
        if (rect.isValid())
            return visualRect(option->direction, box, rect);
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

} // namespace kalvio

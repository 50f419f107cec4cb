// Narrow drop-down buttons and radio label spacing, and the group box frame
// drawn without an image format probe.
#include "app/CompactStyle.h"

#include <QGroupBox>
#include <QImageReader>
#include <QStyleOptionComplex>
#include <qdrawutil.h>

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

void CompactStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_FrameGroupBox && option && painter &&
        drawFusionGroupBoxFrame(*option, *painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// The same picture, margins and placement as Fusion's own group box frame.
bool CompactStyle::drawFusionGroupBoxFrame(const QStyleOption &option, QPainter &painter,
                                           const QWidget *widget) const
{
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    if (!groupBoxFrameRead_) {
        groupBoxFrameRead_ = true;
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                            "png");
        reader.setAutoDetectImageFormat(false);
        groupBoxFrame_ = QPixmap::fromImage(reader.read());
    }
    if (groupBoxFrame_.isNull())
        return false;
    constexpr int fusionTopMargin = 3;
    int top = fusionTopMargin;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option.fontMetrics.height());
    qDrawBorderPixmap(&painter, option.rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), groupBoxFrame_);
    return true;
}

} // namespace kalvio

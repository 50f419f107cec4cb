// The platform style with the narrower parts of the classic Windows look, for
// the controls whose designed sizes leave no room for wider ones: the date
// pickers' drop-down button and the radio buttons' label spacing.  Without
// it the Japanese Gothic text is cut off ("2026/12/1", "複利年金現").
// It also draws the Fusion group box frame from Fusion's own picture, read
// as the PNG it is: Fusion's untyped load asks every image format plugin
// first, which loads them all at the window's first paint.
#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace kalvio {

class CompactStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int DropDownWidth = 12;
    static constexpr int RadioLabelSpacing = 3;

    // Owned by the parent object.
    explicit CompactStyle(QObject *parent);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    // True when the frame was drawn here; false leaves it to the base style.
    bool drawFusionGroupBoxFrame(const QStyleOption &option, QPainter &painter, const QWidget *widget) const;

    // Read on the first group box paint; null until then or when unreadable.
    mutable QPixmap groupBoxFrame_;
    mutable bool groupBoxFrameRead_ = false;
};

} // namespace kalvio

// The platform style with the narrower parts of the classic Windows look, for
// the controls whose designed sizes leave no room for wider ones: the date
// pickers' drop-down button and the radio buttons' label spacing.  Without
// it the Japanese Gothic text is cut off ("2026/12/1", "複利年金現").
#pragma once

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
};

} // namespace kalvio

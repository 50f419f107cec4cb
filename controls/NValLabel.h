// The numeric display label: a self-painting widget showing one number in a
// sunken frame, formatted by its display properties.
//
// AGREED PUBLIC SURFACE (used by the main window); the owner of this class
// may add to it but keeps these signatures.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include "controls/NValLabelModel.h"
#include "numeric/Extended.h"

namespace kalvio {

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// Colours: Color is the palette's Base role (the label's own background,
// not the parent's), the text is Text, and the frame uses Light, Dark,
// Midlight and Shadow (sunken) or WindowText (flat).  The button shadow is
// Dark rather than Mid because that is the role Qt's Windows theme fills from
// it.  A disabled label draws its text embossed in Light and Dark.
class NValLabel : public QWidget {
    Q_OBJECT
public:
    explicit NValLabel(QWidget *parent = nullptr);
    ~NValLabel() override;

    // Between these two the height is not fitted to the font; loaded() fits it.
    void beginLoading();
    void loaded();

    Extended Value() const;
    void setValue(Extended value);
    int FixDecimal() const;
    void setFixDecimal(int decimals);
    bool PutAComma() const;
    void setPutAComma(bool on);
    bool ZeroDisplay() const;
    void setZeroDisplay(bool on);
    char LeadingChar() const;
    void setLeadingChar(char ch);
    TAlignment Alignment() const;
    void setAlignment(TAlignment alignment);
    TTextLayout Layout() const;
    void setLayout(TTextLayout layout);
    bool AutoSize() const;
    virtual void setAutoSize(bool on);
    bool Ctl3D() const;
    void setCtl3D(bool on);
    bool Transparent() const;
    void setTransparent(bool on);
    QColor Color() const;
    void setColor(const QColor &color);

    // The control's text (what is drawn, "&" prefixes included).
    QString text() const;

    // The text to draw; the label's own version is text() unchanged.
    virtual QString DisplayText() const;

    // Where the text goes: inside the frame, or the whole label when transparent.
    QRect textRect() const;

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    // Repaints only the text area, leaving the frame alone.
    void redrawText();
    // Sets the height from the font and the frame style; the width stays.
    void fitHeight();

private:
    void textChanged(bool changed);
    QRect redrawRect() const;
    int textFlags() const;
    void drawFrame(QPainter &painter) const;
    void drawValueText(QPainter &painter, const QRect &rect) const;

    NValLabelModel m_model;
    TAlignment m_alignment = taRightJustify;
    TTextLayout m_layout = tlCenter;
    bool m_autoSize = true;
    bool m_ctl3D = true;
    bool m_loading = false;
    bool m_pressed = false;
};

} // namespace kalvio

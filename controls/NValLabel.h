// The numeric display label: a self-painting widget showing one number in a
// sunken frame, formatted by its display properties.
//
// AGREED PUBLIC SURFACE (used by the main window); the owner of this class
// may add to it but keeps these signatures.
#pragma once

#include <QWidget>

#include "numeric/Extended.h"

namespace kalvio {

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };

class NValLabel : public QWidget {
    Q_OBJECT
public:
    explicit NValLabel(QWidget *parent = nullptr);
    ~NValLabel() override;

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
    void setAutoSize(bool on);
    bool Ctl3D() const;
    void setCtl3D(bool on);
    bool Transparent() const;
    void setTransparent(bool on);

    // The control's text (what is drawn, "&" prefixes included).
    QString text() const;
};

} // namespace kalvio

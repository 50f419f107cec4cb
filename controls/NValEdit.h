// The numeric entry field: a right-aligned QLineEdit that routes every key,
// mouse, focus and clipboard event to NValEditModel.
//
// AGREED PUBLIC SURFACE (used by the main window); the owner of this class
// may add to it but keeps these signatures.
#pragma once

#include <QColor>
#include <QLineEdit>

#include "numeric/Extended.h"

namespace kalvio {

class ControlServices;
class NValEditModel;

class NValEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NValEdit(QWidget *parent = nullptr);
    ~NValEdit() override;

    // Stored-settings reading: between beginLoading() and loaded() the setters
    // run but nothing is shown and no change signal fires.
    void beginLoading();
    void loaded();

    // Not owned; null means the real desktop.
    void setServices(ControlServices *services);

    int MaxDigits() const;
    void setMaxDigits(int digits);
    bool PrmtNegative() const;
    void setPrmtNegative(bool allowed);
    int FixDecimal() const;
    void setFixDecimal(int decimals);
    bool DelAllClear() const;
    void setDelAllClear(bool on);
    char LeadingChar() const;
    void setLeadingChar(char ch);
    bool ZeroDisplay() const;
    void setZeroDisplay(bool on);
    Extended Value() const;
    void setValue(Extended value);
    bool PutAComma() const;
    void setPutAComma(bool on);
    bool EnterNext() const;
    void setEnterNext(bool on);
    bool ArrowNext() const;
    void setArrowNext(bool on);
    QColor MinusColor() const;
    void setMinusColor(const QColor &color);

    const NValEditModel &model() const;

signals:
    // OnChange: the shown text really changed (never while loading).
    void changed();
};

} // namespace kalvio

// The numeric entry field: a right-aligned QLineEdit that routes every key,
// mouse, focus and clipboard event to NValEditModel.
//
// AGREED PUBLIC SURFACE (used by the main window); the owner of this class
// may add to it but keeps these signatures.
#pragma once

#include <QColor>
#include <QLineEdit>

#include <memory>

#include "controls/NValEditModel.h"
#include "controls/SystemControlServices.h"
#include "numeric/Extended.h"

class QMenu;

namespace kalvio {

class ControlServices;

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
    bool AutoSelect() const;
    void setAutoSelect(bool on);

    // Text written into the field from outside: read as a number once the
    // field has shown one (QLineEdit::setText by others arrives here too).
    void setTextFromOutside(const QString &text);

    // The field's own edit menu; its commands take the same paths as the keys.
    std::unique_ptr<QMenu> createContextMenu();

    const NValEditModel &model() const;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // OnChange: the shown text really changed (never while loading).
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ControlServices &services();
    NValEditModel::Hooks makeHooks();
    // Runs a model operation between taking the widget's selection into the
    // model and bringing the model's text and selection back.
    template <class Operation> void run(Operation &&operation);
    bool handleKeyDown(QKeyEvent *event);
    void handleCharacter(QKeyEvent *event);
    void passToBase(QKeyEvent *event);
    bool windowTakesEnterAndEscape() const;
    void pushSelection();
    void syncText();
    void syncFromModel();
    void applyFontColor(NValEditModel::Color color);
    NValEditModel::Color fontColor() const;
    void onBaseTextChanged(const QString &text);

    std::unique_ptr<NValEditModel> model_;
    SystemControlServices systemServices_;
    ControlServices *services_ = nullptr;
    bool syncing_ = false;
    bool applyingColor_ = false;
    bool focusedByThisPress_ = false;
};

} // namespace kalvio

// A message box that opens in the middle of the screen rather than over its
// parent window, as the program's notices do.
#pragma once

#include <QMessageBox>

namespace kalvio {

class CentredMessageBox : public QMessageBox {
    Q_OBJECT
public:
    // One OK button; the text is shown as plain text, never as markup.
    CentredMessageBox(QMessageBox::Icon icon, const QString &caption, const QString &text, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace kalvio

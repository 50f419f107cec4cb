// The window unit kihon: TForm1, the program's one window with its inputs,
// mode choice, result grid, totals, day count and command buttons, and the
// handlers behind them.
#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

#include "app/ResultGridView.h"
#include "controls/IniGT.h"

class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace kalvio {

class AppServices;
class DatePicker;
class NValEdit;
class NValLabel;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Frame and caption bar included.
    static constexpr int OuterWidth = 650;
    static constexpr int OuterHeight = 430;
    static constexpr int DefaultPosition = 80;

    // The application title: the caption of the plain and error boxes.
    static QString applicationTitle() { return QStringLiteral("Kalvio"); }
    static QString caption() { return QStringLiteral("Kalvio　v1.9"); }

    // executablePath names the settings file and its folder (Kalvio.ini beside it).
    TForm1(AppServices &services, const QString &executablePath, QWidget *parent = nullptr);
    ~TForm1() override;

    // The calculation state the calculate button hands to the engine.
    const std::string &CalcMode() const { return calcMode_; }
    std::int32_t PeriodUnit() const { return periodUnit_; }
    // True once FormActivate has run.
    bool activationDone() const { return activationDone_; }

    // The handlers, run by the controls' signals through the error guard.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void Button1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void RadioButton10Click();
    void RadioButton11Click();
    void RadioButton12Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void DateTimePicker2CloseUp();
    void StringGrid1DrawCell(QPainter &canvas, int ACol, int ARow, const QRect &Rect,
                             ResultGridView::DrawCellState State);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using Handler = void (TForm1::*)();

    void createControls();
    void createInputs();
    void createModeGroup();
    void createButtons();
    void createTotals();
    void createDayCount();
    void setTabOrderChain();
    void loadComponents();
    void connectHandlers();
    void connectRadio(QRadioButton *button, Handler handler);
    void connectButton(QPushButton *button, Handler handler);
    // Runs a handler; an exception that escapes it is shown and the window goes on.
    void guarded(Handler handler);
    void runActivationOnce();
    void fitOuterSize();

    AppServices &services_;
    std::string calcMode_;
    std::int32_t periodUnit_ = 0;
    bool activationDone_ = false;
    bool shownOnce_ = false;

    IniGT IniGT1;
    std::unique_ptr<QPrinter> printer_; // made at the first print: creating it queries the print system

    NValEdit *NValEdit1 = nullptr;
    NValEdit *NValEdit2 = nullptr;
    NValEdit *NValEdit3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QRadioButton *RadioButton6 = nullptr;
    QRadioButton *RadioButton7 = nullptr;
    QRadioButton *RadioButton8 = nullptr;
    QRadioButton *RadioButton9 = nullptr;
    QRadioButton *RadioButton10 = nullptr;
    QRadioButton *RadioButton11 = nullptr;
    QRadioButton *RadioButton12 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    NValLabel *NValLabel1 = nullptr;
    NValLabel *NValLabel2 = nullptr;
    NValLabel *NValLabel3 = nullptr;
    NValLabel *NValLabel4 = nullptr;
    NValLabel *NValLabel5 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    DatePicker *DateTimePicker1 = nullptr;
    DatePicker *DateTimePicker2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    ResultGridView *StringGrid1 = nullptr;
};

} // namespace kalvio

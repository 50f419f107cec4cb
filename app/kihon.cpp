// The main window: its handlers, start-up and close.  The controls are built
// in kihonControls.cpp.
#include "app/kihon.h"

#include "app/AppServices.h"
#include "app/DatePicker.h"
#include "app/DayCount.h"
#include "app/ResultGridModel.h"
#include "app/WindowPrinter.h"
#include "controls/NValEdit.h"
#include "controls/NValLabel.h"
#include "engine/MissingAmountNotice.h"
#include "engine/RunCalculation.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace kalvio {

namespace {

const QString kSettingsSection = QStringLiteral("form");
const QString kTopKey = QStringLiteral("form1.top");
const QString kLeftKey = QStringLiteral("form1.left");

QString aboutText()
{
    return QStringLiteral("Kalvio　v1.9\n"
                          "個人向けの金融電卓です。\n\n"
                          "連絡先: kalvio@kalvio.jp\n"
                          "ホームページ: https://kalvio.jp/");
}

} // namespace

TForm1::TForm1(AppServices &services, const QString &executablePath, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services), IniGT1(executablePath)
{
    createControls();
    loadComponents();
    connectHandlers();
    guarded(&TForm1::FormCreate);
}

TForm1::~TForm1() = default;

void TForm1::loadComponents()
{
    for (NValEdit *edit : {NValEdit1, NValEdit2, NValEdit3})
        edit->loaded();
    for (NValLabel *label : {NValLabel1, NValLabel2, NValLabel3, NValLabel4, NValLabel5})
        label->loaded();
    IniGT1.setDefaultDir(ddApplication);
    IniGT1.setFence(fnNone);
    IniGT1.loaded();
}

void TForm1::connectRadio(QRadioButton *button, Handler handler)
{
    // Only the button that becomes selected runs its handler; re-clicking the
    // selected one toggles nothing.
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
        if (checked)
            guarded(handler);
    });
}

void TForm1::connectButton(QPushButton *button, Handler handler)
{
    connect(button, &QPushButton::clicked, this, [this, handler] { guarded(handler); });
}

void TForm1::connectHandlers()
{
    connectRadio(RadioButton1, &TForm1::RadioButton1Click);
    connectRadio(RadioButton2, &TForm1::RadioButton2Click);
    connectRadio(RadioButton3, &TForm1::RadioButton3Click);
    connectRadio(RadioButton4, &TForm1::RadioButton4Click);
    connectRadio(RadioButton5, &TForm1::RadioButton5Click);
    connectRadio(RadioButton6, &TForm1::RadioButton6Click);
    connectRadio(RadioButton7, &TForm1::RadioButton7Click);
    connectRadio(RadioButton8, &TForm1::RadioButton8Click);
    connectRadio(RadioButton9, &TForm1::RadioButton9Click);
    connectRadio(RadioButton10, &TForm1::RadioButton10Click);
    connectRadio(RadioButton11, &TForm1::RadioButton11Click);
    connectRadio(RadioButton12, &TForm1::RadioButton12Click);
    connectButton(Button1, &TForm1::Button1Click);
    connectButton(BitBtn1, &TForm1::BitBtn1Click);
    connectButton(BitBtn2, &TForm1::BitBtn2Click);
    connectButton(BitBtn3, &TForm1::BitBtn3Click);
    connectButton(BitBtn4, &TForm1::BitBtn4Click);
    connectButton(BitBtn5, &TForm1::BitBtn5Click);
    connect(DateTimePicker2, &DatePicker::closeUp, this,
            [this] { guarded(&TForm1::DateTimePicker2CloseUp); });
    StringGrid1->setOnDrawCell(
        [this](QPainter &canvas, int col, int row, const QRect &rect, ResultGridView::DrawCellState state) {
            StringGrid1DrawCell(canvas, col, row, rect, state);
        });
}

void TForm1::guarded(Handler handler)
{
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        services_.errorMessage(this, applicationTitle(), QString::fromUtf8(error.what()));
    } catch (...) {
        services_.errorMessage(this, applicationTitle(), QStringLiteral("予期しないエラーが発生しました。"));
    }
}

// ---- Start-up and close -------------------------------------------------

void TForm1::FormCreate()
{
    const int top = IniGT1.ReadInteger(kSettingsSection, kTopKey, DefaultPosition);
    move(x(), top);
    const int left = IniGT1.ReadInteger(kSettingsSection, kLeftKey, DefaultPosition);
    move(left, y());
}

void TForm1::FormActivate()
{
    periodUnit_ = 1;
    calcMode_ = "ganri";
    DateTimePicker1->setDate(QDate::currentDate());
    DateTimePicker2->setDate(QDate::currentDate());
}

void TForm1::FormClose()
{
    // A settings file that cannot be written must not keep the program from
    // ending; the first failure skips the second write.
    try {
        IniGT1.WriteInteger(kSettingsSection, kTopKey, y());
        IniGT1.WriteInteger(kSettingsSection, kLeftKey, x());
    } catch (const IniWriteError &) {
    }
}

// FormActivate belongs to the first activation only.  Platforms that never
// activate a window (offscreen, a bare X server without a window manager)
// get it right after the first show instead, so the start state is the same
// everywhere; whichever comes first runs it, and nothing runs it again.
void TForm1::runActivationOnce()
{
    if (activationDone_)
        return;
    activationDone_ = true;
    guarded(&TForm1::FormActivate);
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        fitOuterSize();
        runActivationOnce();
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitOuterSize();
    if (!shownOnce_) {
        shownOnce_ = true;
        QMetaObject::invokeMethod(this, &TForm1::runActivationOnce, Qt::QueuedConnection);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    guarded(&TForm1::FormClose);
    event->accept();
}

// The outer size is fixed, frame included: the client area gets what the
// frame leaves.  The frame is known only once the window is shown (and may
// be zero without a window manager), so this runs again at show and at
// activation.
void TForm1::fitOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client(OuterWidth - frame.width(), OuterHeight - frame.height());
    if (size() != client || minimumSize() != client || maximumSize() != client)
        setFixedSize(client);
}

// ---- Mode and period ------------------------------------------------------

void TForm1::RadioButton1Click()
{
    periodUnit_ = 1;
    Label4->hide();
    Label3->show();
}

void TForm1::RadioButton2Click()
{
    periodUnit_ = 0;
    Label4->show();
    Label3->hide();
}

void TForm1::RadioButton3Click()
{
    calcMode_ = "ganri";
}
void TForm1::RadioButton4Click()
{
    calcMode_ = "gankin";
}
void TForm1::RadioButton5Click()
{
    calcMode_ = "nenkin";
}
void TForm1::RadioButton6Click()
{
    calcMode_ = "teiki";
}
void TForm1::RadioButton7Click()
{
    calcMode_ = "hukuri";
}
void TForm1::RadioButton8Click()
{
    calcMode_ = "tanri";
}
void TForm1::RadioButton9Click()
{
    calcMode_ = "hukurigenka";
}
void TForm1::RadioButton10Click()
{
    calcMode_ = "nenkingenka";
}
void TForm1::RadioButton11Click()
{
    calcMode_ = "tanrigenka";
}
void TForm1::RadioButton12Click()
{
    calcMode_ = "seireki";
}

// ---- Calculate --------------------------------------------------------------

void TForm1::Button1Click()
{
    CalcRequest request;
    request.Principal = NValEdit1->Value();
    request.RatePercent = NValEdit2->Value();
    request.Periods = NValEdit3->Value();
    request.CalcMode = calcMode_;
    request.PeriodUnit = periodUnit_;

    const CalcResult result = RunCalculation(request);
    if (result.Fault) {
        // The request ended in a floating-point fault: nothing of it is shown.
        services_.errorMessage(this, applicationTitle(), QString::fromStdString(*result.Fault));
        return;
    }
    if (result.MissingAmount)
        services_.information(this, QString::fromUtf8(kMissingAmountNotice.data(),
                                                      static_cast<qsizetype>(kMissingAmountNotice.size())));

    NValEdit1->setValue(result.Principal);
    NValEdit2->setValue(result.RatePercent);
    NValEdit3->setValue(result.Periods);
    StringGrid1->gridModel().applyResult(result);
    if (result.TotalValues) {
        const std::array<NValLabel *, kGridColumns> totals{NValLabel1, NValLabel2, NValLabel3, NValLabel4,
                                                           NValLabel5};
        for (int i = 0; i < kGridColumns; ++i)
            totals[i]->setValue((*result.TotalValues)[i]);
    }
}

// ---- Grid -------------------------------------------------------------------

void TForm1::StringGrid1DrawCell(QPainter &canvas, int ACol, int ARow, const QRect &Rect,
                                 ResultGridView::DrawCellState State)
{
    // Selected cells look like any other: no highlight colours.
    if (State.selected) {
        canvas.setPen(StringGrid1->palette().color(QPalette::Text));
        canvas.setBrush(StringGrid1->palette().color(QPalette::Base));
    }
    canvas.fillRect(Rect, canvas.brush());
    const QRect textRect = Rect.adjusted(0, 2, 0, 0);
    const QString text = StringGrid1->Cells(ACol, ARow);
    // Numbers end at the cell's right edge; the header row and the period
    // column are centred.  Text wider than the cell is cut at the cell.
    const int horizontal = (ARow != 0 && ACol != 0) ? Qt::AlignRight : Qt::AlignHCenter;
    canvas.save();
    canvas.setClipRect(Rect, Qt::IntersectClip);
    canvas.drawText(textRect, horizontal | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    canvas.restore();
}

void TForm1::BitBtn5Click()
{
    services_.setClipboardText(StringGrid1->gridModel().clipboardText());
}

// ---- Commands ---------------------------------------------------------------

void TForm1::BitBtn4Click()
{
    NValEdit1->setValue(0);
    NValEdit2->setValue(0);
    NValEdit3->setValue(0);
    StringGrid1->gridModel().clearPeriodRows();
    for (NValLabel *label : {NValLabel1, NValLabel2, NValLabel3, NValLabel4, NValLabel5})
        label->setValue(0);
}

void TForm1::DateTimePicker2CloseUp()
{
    services_.plainMessage(this, applicationTitle(),
                           DayCount::message(DateTimePicker1->date(), DateTimePicker2->date()));
}

void TForm1::BitBtn1Click()
{
    services_.showHelp(this, QStringLiteral("kalvio.hlp"), QStringLiteral("contents()"));
}

void TForm1::BitBtn2Click()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!services_.printerSetup(this, *printer_))
        return;
    WindowPrinter::printClientArea(*this, *printer_);
}

void TForm1::BitBtn3Click()
{
    services_.information(this, aboutText());
}

} // namespace kalvio

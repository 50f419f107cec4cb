// The main window's controls: every child with its name, place, size,
// caption, font, colours and settings as the window is designed, in pixels
// (no layout managers, no scaling), and the tab order.
#include "app/kihon.h"

#include "app/AppPictures.h"
#include "app/AppServices.h"
#include "app/CompactStyle.h"
#include "app/DatePicker.h"
#include "app/GothicFont.h"
#include "controls/NValEdit.h"
#include "controls/NValLabel.h"
#include "engine/CalcMode.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kalvio {

namespace {

template <class W> W *place(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const char *name, int left, int top, int width, int height,
                  const QString &caption)
{
    auto *label = place(new QLabel(caption, parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    return label;
}

QRadioButton *makeRadio(QWidget *parent, const char *name, int left, int top, int width, int height,
                        const QString &caption)
{
    return place(new QRadioButton(caption, parent), name, left, top, width, height);
}

// A mode button's caption is the engine's name for the mode it selects.
QString modeCaption(std::string_view key)
{
    const std::string_view caption = CalcMode::Find(key)->Caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

QPushButton *makeButton(QWidget *parent, const char *name, int left, int top, const QString &caption,
                        int width = 34)
{
    auto *button = place(new QPushButton(caption, parent), name, left, top, width, 33);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

void TForm1::createControls()
{
    setWindowTitle(caption());
    setWindowIcon(AppPictures::windowIcon());
    setFont(GothicFont::ofPixelSize(GothicFont::WindowPixels));
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    // The stored layout's own position, always replaced by FormCreate.
    setGeometry(289, 141, OuterWidth, OuterHeight);
    setFixedSize(OuterWidth, OuterHeight);

    createInputs();
    createModeGroup();
    createButtons();
    createTotals();
    createDayCount();

    StringGrid1 = place(new ResultGridView(this), "StringGrid1", 0, 112, 627, 213);
    StringGrid1->setFont(GothicFont::ofPixelSize(GothicFont::EntryPixels));

    auto *compact = new CompactStyle(this);
    for (QWidget *widget : findChildren<QRadioButton *>())
        widget->setStyle(compact);
    DateTimePicker1->setStyle(compact);
    DateTimePicker2->setStyle(compact);

    setTabOrderChain();
    NValEdit1->setFocus();
}

void TForm1::createInputs()
{
    struct EntrySetting {
        NValEdit *TForm1::*field;
        const char *name;
        int top;
        int maxDigits;
        int fixDecimal;
    };
    const EntrySetting entries[] = {{&TForm1::NValEdit1, "NValEdit1", 8, 12, 0},
                                    {&TForm1::NValEdit2, "NValEdit2", 40, 5, 3},
                                    {&TForm1::NValEdit3, "NValEdit3", 72, 3, 0}};
    for (const EntrySetting &entry : entries) {
        auto *edit = place(new NValEdit(this), entry.name, 64, entry.top, 129, 23);
        edit->beginLoading();
        edit->setServices(&services_);
        edit->setFont(GothicFont::ofPixelSize(GothicFont::EntryPixels));
        edit->setMaxDigits(entry.maxDigits);
        edit->setPrmtNegative(false);
        edit->setFixDecimal(entry.fixDecimal);
        edit->setDelAllClear(true);
        edit->setZeroDisplay(true);
        edit->setEnterNext(true);
        edit->setArrowNext(true);
        this->*entry.field = edit;
    }

    Label1 = makeLabel(this, "Label1", 8, 8, 48, 12, QStringLiteral("計算元本"));
    Label2 = makeLabel(this, "Label2", 8, 40, 52, 12, QStringLiteral("年利 （％）"));
    Label3 = makeLabel(this, "Label3", 8, 72, 52, 12, QStringLiteral("期間 （年）"));
    Label4 = makeLabel(this, "Label4", 8, 72, 52, 12, QStringLiteral("期間 （月）"));
    setTextColour(Label4, QColor(255, 0, 0));
    Label4->hide();

    GroupBox1 = place(new QGroupBox(QStringLiteral("期間"), this), "GroupBox1", 400, 0, 89, 65);
    RadioButton1 = makeRadio(GroupBox1, "RadioButton1", 8, 16, 73, 17, QStringLiteral("年額計算"));
    RadioButton2 = makeRadio(GroupBox1, "RadioButton2", 8, 40, 73, 17, QStringLiteral("月額計算"));
    RadioButton1->setChecked(true);
}

void TForm1::createModeGroup()
{
    GroupBox2 = place(new QGroupBox(QStringLiteral("計算"), this), "GroupBox2", 200, 0, 193, 105);
    RadioButton12 = makeRadio(GroupBox2, "RadioButton12", 8, 80, 81, 17, modeCaption("seireki"));
    setTextColour(RadioButton12, QColor(255, 0, 255));
    RadioButton3 = makeRadio(GroupBox2, "RadioButton3", 8, 16, 73, 17, modeCaption("ganri"));
    RadioButton4 = makeRadio(GroupBox2, "RadioButton4", 8, 32, 113, 17, modeCaption("gankin"));
    RadioButton5 = makeRadio(GroupBox2, "RadioButton5", 8, 48, 89, 17, modeCaption("nenkin"));
    RadioButton6 = makeRadio(GroupBox2, "RadioButton6", 8, 64, 89, 17, modeCaption("teiki"));
    RadioButton7 = makeRadio(GroupBox2, "RadioButton7", 96, 16, 73, 17, modeCaption("hukuri"));
    RadioButton8 = makeRadio(GroupBox2, "RadioButton8", 96, 32, 73, 17, modeCaption("tanri"));
    RadioButton9 = makeRadio(GroupBox2, "RadioButton9", 96, 48, 73, 17, modeCaption("hukurigenka"));
    RadioButton10 = makeRadio(GroupBox2, "RadioButton10", 96, 64, 89, 17, modeCaption("nenkingenka"));
    RadioButton11 = makeRadio(GroupBox2, "RadioButton11", 96, 80, 89, 17, modeCaption("tanrigenka"));
    RadioButton3->setChecked(true);
}

void TForm1::createButtons()
{
    Button1 = makeButton(this, "Button1", 400, 72, QStringLiteral("計　算"), 50);
    BitBtn1 = makeButton(this, "BitBtn1", 558, 72, QStringLiteral("Help"));
    BitBtn2 = makeButton(this, "BitBtn2", 491, 72, QString());
    BitBtn3 = makeButton(this, "BitBtn3", 591, 72, QString());
    BitBtn4 = makeButton(this, "BitBtn4", 458, 72, QStringLiteral("clear"));
    BitBtn5 = makeButton(this, "BitBtn5", 525, 72, QStringLiteral("Exce"));
    BitBtn5->setToolTip(QStringLiteral("Clipboardにコピー"));

    const QPixmap printer = AppPictures::printerPicture();
    BitBtn2->setIcon(QIcon(printer));
    BitBtn2->setIconSize(printer.size());
    const QPixmap portrait = AppPictures::portraitPicture();
    BitBtn3->setIcon(QIcon(portrait));
    BitBtn3->setIconSize(portrait.size());
}

void TForm1::createTotals()
{
    GroupBox3 = place(new QGroupBox(QStringLiteral("合　計"), this), "GroupBox3", 0, 328, 625, 57);
    struct TotalSetting {
        NValLabel *TForm1::*field;
        const char *name;
        int left;
        int width;
    };
    const TotalSetting totals[] = {{&TForm1::NValLabel1, "NValLabel1", 16, 105},
                                   {&TForm1::NValLabel2, "NValLabel2", 120, 121},
                                   {&TForm1::NValLabel3, "NValLabel3", 240, 126},
                                   {&TForm1::NValLabel4, "NValLabel4", 366, 122},
                                   {&TForm1::NValLabel5, "NValLabel5", 488, 121}};
    for (const TotalSetting &total : totals) {
        auto *label = new NValLabel(GroupBox3);
        label->beginLoading();
        place(label, total.name, total.left, 16, total.width, 23);
        label->setFont(GothicFont::ofPixelSize(GothicFont::EntryPixels));
        label->setFixDecimal(0);
        label->setZeroDisplay(true);
        this->*total.field = label;
    }
}

void TForm1::createDayCount()
{
    GroupBox4 = place(new QGroupBox(QStringLiteral("日数計算"), this), "GroupBox4", 496, 0, 129, 65);
    DateTimePicker1 = place(new DatePicker(GroupBox4), "DateTimePicker1", 6, 16, 87, 20);
    DateTimePicker2 = place(new DatePicker(GroupBox4), "DateTimePicker2", 6, 40, 87, 20);
    Label5 = makeLabel(GroupBox4, "Label5", 96, 24, 22, 12, QStringLiteral("から"));
    Label6 = makeLabel(GroupBox4, "Label6", 96, 40, 22, 12, QStringLiteral("まで"));
}

void TForm1::setTabOrderChain()
{
    QWidget *const chain[] = {NValEdit1,       NValEdit2,       NValEdit3,    RadioButton1, RadioButton2,
                              Button1,         RadioButton12,   RadioButton3, RadioButton4, RadioButton5,
                              RadioButton6,    RadioButton7,    RadioButton8, RadioButton9, RadioButton10,
                              RadioButton11,   BitBtn1,         BitBtn2,      BitBtn3,      BitBtn4,
                              DateTimePicker1, DateTimePicker2, BitBtn5,      StringGrid1};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6})
        label->setFocusPolicy(Qt::NoFocus);
}

} // namespace kalvio

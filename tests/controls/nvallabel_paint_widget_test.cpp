// The numeric label's painting, checked pixel by pixel in rendered images: the
// frame colours, the text placement and clipping, the "&" underline, the
// disabled emboss, and which repaints property changes ask for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTest>

#include <optional>
#include <vector>

#include "controls/NValLabel.h"
#include "numeric/NumberText.h"

namespace kalvio {
namespace {

const QColor kBase(250, 250, 230);
const QColor kText(0, 0, 0);
const QColor kLight(255, 0, 0);
const QColor kDark(0, 128, 0);
const QColor kMidlight(0, 0, 255);
const QColor kShadow(255, 0, 255);
const QColor kFrame(0, 200, 200);
const QColor kBehind(90, 90, 90); // what lies under the label

Extended Number(const char *text)
{
    return *ParseDecimal<Extended>(text);
}

QFont LabelFont()
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(15);
    font.setStyleStrategy(QFont::NoAntialias); // glyph pixels in the pen colour only
    return font;
}

struct InkBox {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool found() const { return left >= 0; }
};

InkBox FindInk(const QImage &image, const QColor &ink)
{
    InkBox box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ink) {
                if (!box.found()) {
                    box = {x, y, x, y};
                    continue;
                }
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

class NValLabelPaint : public ::testing::Test {
protected:
    NValLabelPaint() : label(&window)
    {
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, kBehind);
        colours.setColor(QPalette::Base, kBase);
        colours.setColor(QPalette::Text, kText);
        colours.setColor(QPalette::Light, kLight);
        colours.setColor(QPalette::Dark, kDark);
        colours.setColor(QPalette::Midlight, kMidlight);
        colours.setColor(QPalette::Shadow, kShadow);
        colours.setColor(QPalette::WindowText, kFrame);
        window.setPalette(colours);
        window.resize(300, 100);
        label.beginLoading();
        label.setGeometry(10, 10, 121, 20);
        label.setFixDecimal(0);
        label.setZeroDisplay(true);
        label.setFont(LabelFont());
        label.loaded();
    }

    QImage Render()
    {
        QImage image(label.size(), QImage::Format_RGB32);
        image.fill(kBehind);
        label.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }

    QWidget window;
    NValLabel label;
};

struct FramePixel {
    int x, y; // negative: counted from the right or bottom edge (-1 is the last)
    QColor colour;
};

void ExpectFrame(const QImage &image, const std::vector<FramePixel> &pixels)
{
    for (const FramePixel &p : pixels) {
        const int x = p.x < 0 ? image.width() + p.x : p.x;
        const int y = p.y < 0 ? image.height() + p.y : p.y;
        EXPECT_EQ(image.pixelColor(x, y), p.colour) << "at " << x << "," << y;
    }
}

TEST_F(NValLabelPaint, SunkenFrameCornersComeFromTheLaterLines)
{
    label.setValue(0);
    const QImage image = Render();
    ExpectFrame(image, {
                           // outer ring: highlight, then the shadow over its left and top
                           {0, 0, kDark},
                           {-1, 0, kLight},
                           {0, -1, kDark},
                           {-1, -1, kLight},
                           {50, 0, kDark},
                           {50, -1, kLight},
                           {0, 10, kDark},
                           {-1, 10, kLight},
                           // inner ring: 3D light, then the dark shadow over its left and top
                           {1, 1, kShadow},
                           {-2, 1, kMidlight},
                           {1, -2, kShadow},
                           {-2, -2, kMidlight},
                           {50, 1, kShadow},
                           {50, -2, kMidlight},
                           {1, 10, kShadow},
                           {-2, 10, kMidlight},
                           // the background inside
                           {2, 2, kBase},
                           {-3, -3, kBase},
                           {3, 10, kBase},
                       });
}

TEST_F(NValLabelPaint, FlatFrameIsOneLineInTheFrameColour)
{
    label.setCtl3D(false);
    label.setValue(0);
    ASSERT_EQ(label.textRect(), QRect(QPoint(1, 1), QPoint(label.width() - 3, label.height() - 3)));
    ExpectFrame(Render(), {
                              {0, 0, kFrame},
                              {-1, 0, kFrame},
                              {0, -1, kFrame},
                              {-1, -1, kFrame},
                              {50, 0, kFrame},
                              {0, 10, kFrame},
                              {1, 1, kBase},
                              {-2, -2, kBase},
                          });
}

TEST_F(NValLabelPaint, TransparentLabelFillsAndFramesNothing)
{
    label.setTransparent(true);
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.textRect(), label.rect());
    label.setValue(Number("1234567.5"));
    const QImage image = Render();
    ExpectFrame(image, {{0, 0, kBehind}, {-1, -1, kBehind}, {1, 1, kBehind}, {2, 2, kBehind}});
    EXPECT_TRUE(FindInk(image, kText).found());
    EXPECT_FALSE(FindInk(image, kBase).found());
}

TEST_F(NValLabelPaint, TextIsRightAlignedInsideTheTextRectangle)
{
    ASSERT_EQ(label.textRect(), QRect(QPoint(4, 3), QPoint(115, 19)));
    label.setValue(Number("1234567.5"));
    ASSERT_EQ(label.text(), QStringLiteral("1,234,568"));
    const InkBox ink = FindInk(Render(), kText);
    ASSERT_TRUE(ink.found());
    EXPECT_LE(ink.right, label.textRect().right());
    EXPECT_GE(ink.right, label.textRect().right() - 2);
    EXPECT_GT(ink.left, label.textRect().left() + 20);
}

struct Placement {
    TAlignment alignment;
    const char *name;
};

class NValLabelAlignment : public NValLabelPaint, public ::testing::WithParamInterface<Placement> {};

TEST_P(NValLabelAlignment, PlacesTheTextHorizontally)
{
    label.setAlignment(GetParam().alignment);
    label.setValue(Number("1234"));
    const QRect area = label.textRect();
    const InkBox ink = FindInk(Render(), kText);
    ASSERT_TRUE(ink.found());
    const int leftGap = ink.left - area.left();
    const int rightGap = area.right() - ink.right;
    ASSERT_GE(leftGap, 0);
    ASSERT_GE(rightGap, 0);
    switch (GetParam().alignment) {
    case taLeftJustify:
        EXPECT_LE(leftGap, 2);
        break;
    case taRightJustify:
        EXPECT_LE(rightGap, 2);
        break;
    case taCenter:
        EXPECT_NEAR(leftGap, rightGap, 3);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, NValLabelAlignment,
                         ::testing::Values(Placement{taLeftJustify, "left"},
                                           Placement{taRightJustify, "right"}, Placement{taCenter, "centre"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(NValLabelPaint, LayoutMovesTheTextFromTopToBottom)
{
    label.resize(121, 60);
    label.setValue(Number("1234"));
    std::vector<InkBox> boxes;
    for (TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
        label.setLayout(layout);
        boxes.push_back(FindInk(Render(), kText));
        ASSERT_TRUE(boxes.back().found());
    }
    const QRect area = label.textRect();
    EXPECT_LT(boxes[0].top - area.top(), 6);
    EXPECT_LT(boxes[0].bottom, boxes[1].top);
    EXPECT_LT(boxes[1].bottom, boxes[2].top);
    EXPECT_LT(area.bottom() - boxes[2].bottom, 6);
    EXPECT_LE(boxes[2].bottom, area.bottom());
}

TEST_F(NValLabelPaint, TextIsClippedToTheTextRectangle)
{
    label.resize(40, label.height());
    label.setFixDecimal(14);
    label.setValue(Number("-123456789.25"));
    for (bool flat : {false, true}) {
        label.setCtl3D(!flat);
        for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
            label.setAlignment(alignment);
            const QImage image = Render();
            const InkBox ink = FindInk(image, kText);
            ASSERT_TRUE(ink.found());
            EXPECT_TRUE(
                label.textRect().contains(QRect(QPoint(ink.left, ink.top), QPoint(ink.right, ink.bottom))))
                << "Ctl3D " << !flat << " alignment " << alignment;
        }
    }
}

TEST_F(NValLabelPaint, AmpersandUnderlinesTheNextCharacter)
{
    label.setValue(Number("7"));
    const QImage plain = Render();
    label.setLeadingChar('&');
    ASSERT_EQ(label.text(), QStringLiteral("&7"));
    const QImage marked = Render();

    // The ampersand itself is not drawn: the digit stays where it was, and
    // the only new pixels are one horizontal run under it.
    const InkBox digit = FindInk(plain, kText);
    ASSERT_TRUE(digit.found());
    std::optional<int> underlineRow;
    int added = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const bool before = plain.pixelColor(x, y) == kText;
            const bool after = marked.pixelColor(x, y) == kText;
            EXPECT_FALSE(before && !after) << "digit pixel lost at " << x << "," << y;
            if (after && !before) {
                ++added;
                if (!underlineRow)
                    underlineRow = y;
                EXPECT_EQ(y, *underlineRow) << "more than one underline row";
                EXPECT_GE(x, digit.left - 2);
                EXPECT_LE(x, label.textRect().right()); // the underline spans the advance
            }
        }
    ASSERT_TRUE(underlineRow.has_value());
    EXPECT_GT(*underlineRow, digit.bottom - 2);
    EXPECT_GE(added, digit.right - digit.left - 1);
}

// A label whose drawn text is not its own: shows that painting goes through
// DisplayText, and how a doubled ampersand draws.
class FixedTextLabel : public NValLabel {
public:
    using NValLabel::NValLabel;
    QString shown;
    QString DisplayText() const override { return shown; }
};

TEST_F(NValLabelPaint, DoubledAmpersandDrawsOneAmpersand)
{
    FixedTextLabel custom(&window);
    custom.setGeometry(label.geometry());
    custom.setFont(LabelFont());
    custom.setAlignment(taLeftJustify);
    custom.shown = QStringLiteral("&&");

    QImage drawn(custom.size(), QImage::Format_RGB32);
    drawn.fill(kBehind);
    custom.render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());

    // The same single ampersand drawn literally into the same rectangle.
    QImage expected(custom.size(), QImage::Format_RGB32);
    expected.fill(kBase);
    {
        QPainter painter(&expected);
        painter.setFont(LabelFont());
        painter.setPen(kText);
        painter.drawText(custom.textRect(), Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("&"));
    }
    const InkBox a = FindInk(drawn, kText);
    const InkBox b = FindInk(expected, kText);
    ASSERT_TRUE(a.found());
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.bottom, b.bottom);
}

TEST_F(NValLabelPaint, DisabledTextIsEmbossed)
{
    label.setValue(Number("1234567.5"));
    label.setEnabled(false);
    const QImage image = Render();
    // Inside the frame only: the frame uses the same two colours.
    const QRect inside(QPoint(2, 2), QPoint(label.width() - 3, label.height() - 3));
    int highlights = 0;
    int shadows = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            EXPECT_NE(c, kText) << "enabled text colour at " << x << "," << y;
            if (c == kDark) {
                ++shadows;
                const QColor below = image.pixelColor(x + 1, y + 1);
                EXPECT_TRUE(below == kLight || below == kDark) << "no highlight under " << x << "," << y;
            } else if (c == kLight) {
                ++highlights;
                EXPECT_EQ(image.pixelColor(x - 1, y - 1), kDark)
                    << "highlight without shadow at " << x << "," << y;
            }
        }
    EXPECT_GT(shadows, 20);
    EXPECT_GT(highlights, 5);
}

// Records the paint events the label gets once it is on screen.
class PaintRecorder : public QObject {
public:
    std::vector<QRect> rects;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent *>(event)->rect());
        return false;
    }
};

class NValLabelRepaint : public NValLabelPaint {
protected:
    void SetUp() override
    {
        label.setValue(Number("1234567.5"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        Settle();
        label.installEventFilter(&recorder);
    }

    // Delivers the pending repaints, then hands back what was painted.
    std::vector<QRect> Painted()
    {
        Settle();
        std::vector<QRect> painted;
        painted.swap(recorder.rects);
        return painted;
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    PaintRecorder recorder;
};

TEST_F(NValLabelRepaint, UnchangedTextOrPlacementPaintsNothing)
{
    label.setValue(Number("1234567.6")); // same text "1,234,568"
    label.setPutAComma(true);
    label.setZeroDisplay(true);
    label.setFixDecimal(0);
    label.setAlignment(taRightJustify);
    label.setLayout(tlCenter);
    label.setLeadingChar('\t');
    label.setTransparent(false);
    label.setAutoSize(true);
    EXPECT_TRUE(Painted().empty());
    EXPECT_EQ(label.Value(), Number("1234567.6"));
}

TEST_F(NValLabelRepaint, ChangedTextRepaintsOnlyTheTextRectangle)
{
    const auto textOnly = [&](const char *what) {
        const std::vector<QRect> painted = Painted();
        ASSERT_FALSE(painted.empty()) << what;
        for (const QRect &r : painted)
            EXPECT_TRUE(label.textRect().contains(r)) << what;
    };
    label.setValue(Number("2"));
    textOnly("Value");
    label.setPutAComma(false);
    label.setValue(Number("1234567.5"));
    textOnly("Value again");
    label.setPutAComma(true);
    textOnly("PutAComma");
    label.setAlignment(taCenter);
    textOnly("Alignment");
    label.setLayout(tlBottom);
    textOnly("Layout");
    label.setFixDecimal(15);
    textOnly("FixDecimal");
    EXPECT_EQ(label.text(), QStringLiteral("1,234,567.50000000000000"));
}

TEST_F(NValLabelRepaint, FontChangeOfTheSameHeightRepaintsOnlyTheText)
{
    QFont bold = LabelFont();
    bold.setBold(true);
    label.setFont(bold);
    EXPECT_EQ(label.height(), 23);
    const std::vector<QRect> painted = Painted();
    ASSERT_FALSE(painted.empty());
    for (const QRect &r : painted)
        EXPECT_TRUE(label.textRect().contains(r));

    QFont larger = LabelFont();
    larger.setPixelSize(18);
    label.setFont(larger);
    EXPECT_EQ(label.height(), 26);
    QRegion covered;
    for (const QRect &r : Painted())
        covered += r;
    EXPECT_EQ(covered.boundingRect(), label.rect());
}

TEST_F(NValLabelRepaint, WithoutAutoSizeFontAndFrameChangesWaitForTheNextRepaint)
{
    label.setAutoSize(false);
    QFont larger = LabelFont();
    larger.setPixelSize(18);
    label.setFont(larger);
    label.setCtl3D(false);
    EXPECT_TRUE(Painted().empty());
    EXPECT_EQ(label.height(), 23);
}

TEST_F(NValLabelRepaint, TransparentLabelRepaintsItsWholeAreaForANewText)
{
    label.setTransparent(true);
    Painted();
    label.setValue(Number("42"));
    QRegion covered;
    for (const QRect &r : Painted())
        covered += r;
    EXPECT_EQ(covered.boundingRect(), label.rect());
}

TEST_F(NValLabelRepaint, TextOnlyRepaintLeavesTheFrameAndDrawsTheNewText)
{
    QImage image = Render();
    // Change a frame colour; a text-only repaint must not show it.
    QPalette colours = label.palette();
    colours.setColor(QPalette::Light, QColor(1, 2, 3));
    label.setPalette(colours);
    label.setValue(Number("5"));
    label.render(&image, label.textRect().topLeft(), QRegion(label.textRect()), QWidget::RenderFlags());
    EXPECT_EQ(image.pixelColor(label.width() - 1, label.height() - 1), kLight);
    const InkBox ink = FindInk(image, kText);
    ASSERT_TRUE(ink.found());
    EXPECT_GT(ink.left, label.width() / 2); // only the one digit at the right
}

TEST_F(NValLabelRepaint, TransparencyChangeRepaintsTheWholeLabel)
{
    label.setTransparent(true);
    const std::vector<QRect> painted = Painted();
    ASSERT_FALSE(painted.empty());
    QRegion covered;
    for (const QRect &r : painted)
        covered += r;
    EXPECT_EQ(covered.boundingRect(), label.rect());
}

} // namespace
} // namespace kalvio

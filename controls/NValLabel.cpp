// The numeric display label's widget: properties that reformat or redraw,
// the framed painting, the text-only repaint and the height fitted to the font.
#include "controls/NValLabel.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace kalvio {

namespace {

// Height of a window border in pixels; the frame lines are one pixel.
constexpr int kBorderHeight = 1;

QColor SystemColor(const QWidget &widget, QPalette::ColorRole role)
{
    // The frame and emboss colours stay the same whether the window is active
    // or the label enabled; only the text changes its look when disabled.
    return widget.palette().color(QPalette::Active, role);
}

// Draws a polyline of horizontal and vertical segments the way the frame was
// designed: every point but the last is drawn, and a later line overwrites
// the pixels of an earlier one.  Pixel runs are filled directly so no pen
// width, cap or antialiasing can move a pixel.
void DrawPolyline(QPainter &painter, std::initializer_list<QPoint> points, const QColor &color)
{
    const QPoint *from = points.begin();
    for (const QPoint *to = from + 1; to != points.end(); from = to, ++to) {
        const int dx = (to->x() > from->x()) - (to->x() < from->x());
        const int dy = (to->y() > from->y()) - (to->y() < from->y());
        if (dx == 0 && dy == 0)
            continue;
        const QPoint last = *to - QPoint(dx, dy);
        const QPoint topLeft(std::min(from->x(), last.x()), std::min(from->y(), last.y()));
        const QPoint bottomRight(std::max(from->x(), last.x()), std::max(from->y(), last.y()));
        painter.fillRect(QRect(topLeft, bottomRight), color);
    }
}

// The cell height of the label's font.  The Japanese Gothic this label is
// laid out for has no internal leading, so its cell is exactly its pixel
// size; IPA's ascent plus descent is about 1.08 em and would make every label
// a pixel taller than the window's layout expects.  So the font's pixel size
// stands for the cell height, and the metrics only when there is none.
int CellHeight(const QFont &font)
{
    const int pixels = QFontInfo(font).pixelSize();
    return pixels > 0 ? pixels : QFontMetrics(font).height();
}

} // namespace

NValLabel::NValLabel(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAutoFillBackground(false);
    resize(121, 20);
}

NValLabel::~NValLabel() = default;

void NValLabel::beginLoading()
{
    m_loading = true;
}

void NValLabel::loaded()
{
    m_loading = false;
    fitHeight();
}

Extended NValLabel::Value() const
{
    return m_model.Value();
}

void NValLabel::setValue(Extended value)
{
    textChanged(m_model.setValue(value));
}

int NValLabel::FixDecimal() const
{
    return m_model.FixDecimal();
}

void NValLabel::setFixDecimal(int decimals)
{
    textChanged(m_model.setFixDecimal(decimals));
}

bool NValLabel::PutAComma() const
{
    return m_model.PutAComma();
}

void NValLabel::setPutAComma(bool on)
{
    textChanged(m_model.setPutAComma(on));
}

bool NValLabel::ZeroDisplay() const
{
    return m_model.ZeroDisplay();
}

void NValLabel::setZeroDisplay(bool on)
{
    textChanged(m_model.setZeroDisplay(on));
}

char NValLabel::LeadingChar() const
{
    return m_model.LeadingChar();
}

void NValLabel::setLeadingChar(char ch)
{
    textChanged(m_model.setLeadingChar(ch));
}

TAlignment NValLabel::Alignment() const
{
    return m_alignment;
}

void NValLabel::setAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    redrawText();
}

TTextLayout NValLabel::Layout() const
{
    return m_layout;
}

void NValLabel::setLayout(TTextLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    redrawText();
}

bool NValLabel::AutoSize() const
{
    return m_autoSize;
}

void NValLabel::setAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    fitHeight();
}

bool NValLabel::Ctl3D() const
{
    return m_ctl3D;
}

void NValLabel::setCtl3D(bool on)
{
    // Shows through the new height, or at the next full repaint.
    m_ctl3D = on;
    fitHeight();
}

bool NValLabel::Transparent() const
{
    return !testAttribute(Qt::WA_OpaquePaintEvent);
}

void NValLabel::setTransparent(bool on)
{
    if (on == Transparent())
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

QColor NValLabel::Color() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

void NValLabel::setColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color);
    setPalette(colours);
}

QString NValLabel::text() const
{
    return QString::fromStdString(m_model.Text());
}

QString NValLabel::DisplayText() const
{
    return text();
}

QRect NValLabel::textRect() const
{
    if (Transparent())
        return rect();
    const int w = width();
    const int h = height();
    if (m_ctl3D)
        return QRect(QPoint(4, 3), QPoint(w - 6, h - 4));
    return QRect(QPoint(1, 1), QPoint(w - 3, h - 3));
}

void NValLabel::textChanged(bool changed)
{
    if (changed)
        redrawText();
}

QRect NValLabel::redrawRect() const
{
    // A disabled text's highlight reaches one pixel past the text area; it is
    // erased with the text so no stale highlight is left behind.
    const QRect area = textRect();
    return isEnabled() ? area : area.united(area.translated(1, 1));
}

void NValLabel::redrawText()
{
    // A transparent label has no background of its own: repainting its whole
    // area lets the parent paint beneath first, so an old text never shows
    // through a new one.
    update(Transparent() ? rect() : redrawRect());
}

void NValLabel::fitHeight()
{
    if (m_loading || !m_autoSize)
        return;
    const int extra = (m_ctl3D ? 8 : 6) * kBorderHeight;
    const int newHeight = CellHeight(font()) + extra;
    if (newHeight == height())
        redrawText();
    else
        resize(width(), newHeight);
}

int NValLabel::textFlags() const
{
    int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignAbsolute;
    switch (m_alignment) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    switch (m_layout) {
    case tlTop:
        flags |= Qt::AlignTop;
        break;
    case tlCenter:
        flags |= Qt::AlignVCenter;
        break;
    case tlBottom:
        flags |= Qt::AlignBottom;
        break;
    }
    return flags;
}

void NValLabel::drawFrame(QPainter &painter) const
{
    const int r = width() - 1;
    const int b = height() - 1;
    if (m_ctl3D) {
        DrawPolyline(painter, {{0, 0}, {0, b}, {r, b}, {r, 0}, {0, 0}}, SystemColor(*this, QPalette::Light));
        DrawPolyline(painter, {{0, b}, {0, 0}, {r, 0}}, SystemColor(*this, QPalette::Dark));
        DrawPolyline(painter, {{1, 1}, {1, b - 1}, {r - 1, b - 1}, {r - 1, 1}, {1, 1}},
                     SystemColor(*this, QPalette::Midlight));
        DrawPolyline(painter, {{1, b - 1}, {1, 1}, {r - 1, 1}}, SystemColor(*this, QPalette::Shadow));
    } else {
        DrawPolyline(painter, {{0, 0}, {0, b}, {r, b}, {r, 0}, {0, 0}},
                     SystemColor(*this, QPalette::WindowText));
    }
}

void NValLabel::drawValueText(QPainter &painter, const QRect &rect) const
{
    const QString shown = DisplayText();
    if (shown.isEmpty())
        return;
    const int flags = textFlags();
    painter.setFont(font());
    const auto drawInto = [&](const QRect &area, const QColor &color) {
        if (area.isEmpty())
            return;
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        painter.setPen(color);
        painter.drawText(area, flags, shown);
        painter.restore();
    };
    if (isEnabled()) {
        drawInto(rect, SystemColor(*this, QPalette::Text));
    } else {
        drawInto(rect.translated(1, 1), SystemColor(*this, QPalette::Light));
        drawInto(rect, SystemColor(*this, QPalette::Dark));
    }
}

void NValLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const bool opaque = !Transparent();
    const QRect redraw = redrawRect();
    if (opaque && redraw.contains(event->rect())) {
        // A text-only repaint: the frame is not touched.
        painter.fillRect(redraw, Color());
    } else if (opaque) {
        painter.fillRect(rect(), Color());
        drawFrame(painter);
    }
    drawValueText(painter, textRect());
}

void NValLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        // No repaint of its own: with AutoSize off the new font shows at the
        // next full repaint; otherwise fitHeight redraws or resizes.
        const int oldHeight = height();
        fitHeight();
        if (height() != oldHeight)
            update();
        return;
    }
    QWidget::changeEvent(event);
}

void NValLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void NValLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void NValLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The release that ends a double click is no click of its own.
    m_pressed = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace kalvio

// Pictures drawn pixel by pixel without antialiasing: the icon must keep to
// its 16 colours, and the button pictures must not fade into their
// background, or the key colour would leave a fringe around the motif.
#include "app/AppPictures.h"

#include <QPainter>

namespace kalvio {

namespace {

// The standard 16-colour VGA palette in its usual order.
constexpr QRgb vgaBlack = qRgb(0, 0, 0);
constexpr QRgb vgaMaroon = qRgb(128, 0, 0);
constexpr QRgb vgaGreen = qRgb(0, 128, 0);
constexpr QRgb vgaOlive = qRgb(128, 128, 0);
constexpr QRgb vgaNavy = qRgb(0, 0, 128);
constexpr QRgb vgaPurple = qRgb(128, 0, 128);
constexpr QRgb vgaTeal = qRgb(0, 128, 128);
constexpr QRgb vgaSilver = qRgb(192, 192, 192);
constexpr QRgb vgaGray = qRgb(128, 128, 128);
constexpr QRgb vgaRed = qRgb(255, 0, 0);
constexpr QRgb vgaLime = qRgb(0, 255, 0);
constexpr QRgb vgaYellow = qRgb(255, 255, 0);
constexpr QRgb vgaBlue = qRgb(0, 0, 255);
constexpr QRgb vgaFuchsia = qRgb(255, 0, 255);
constexpr QRgb vgaAqua = qRgb(0, 255, 255);
constexpr QRgb vgaWhite = qRgb(255, 255, 255);

// A painter for crisp pixel art: no antialiasing, one-pixel pens.
class PixelPainter {
public:
    explicit PixelPainter(QImage &image) : painter_(&image)
    {
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }

    void fill(QRgb colour, const QRect &area) { painter_.fillRect(area, QColor(colour)); }
    void pixel(QRgb colour, int x, int y) { fill(colour, QRect(x, y, 1, 1)); }
    void line(QRgb colour, int x1, int y1, int x2, int y2)
    {
        painter_.setPen(QPen(QColor(colour), 1));
        painter_.drawLine(x1, y1, x2, y2);
    }
    // Outline and interior of an ellipse inside the given pixel box.
    void ellipse(QRgb outline, QRgb inside, const QRect &box)
    {
        painter_.setPen(QPen(QColor(outline), 1));
        painter_.setBrush(QColor(inside));
        painter_.drawEllipse(box.adjusted(0, 0, -1, -1));
    }
    void rect(QRgb outline, QRgb inside, const QRect &box)
    {
        painter_.setPen(QPen(QColor(outline), 1));
        painter_.setBrush(QColor(inside));
        painter_.drawRect(box.adjusted(0, 0, -1, -1));
    }

private:
    QPainter painter_;
};

// A 24-bit picture filled with its background colour.
QImage buttonCanvas(int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(background));
    return image;
}

QImage drawIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(vgaYellow);
    {
        PixelPainter p(image);
        // The bob: a rounded crown with straight sides cut at chin height.
        p.ellipse(vgaBlack, vgaMaroon, QRect(4, 2, 24, 22));
        p.rect(vgaBlack, vgaMaroon, QRect(4, 12, 24, 13));
        p.fill(vgaMaroon, QRect(5, 11, 22, 3));
        // The face, reaching below the hair at the chin.
        p.ellipse(vgaBlack, vgaWhite, QRect(8, 8, 16, 21));
        // The fringe, cut straight across the forehead.
        p.fill(vgaMaroon, QRect(9, 8, 14, 6));
        // Eyes, cheeks and the smile.
        p.fill(vgaBlack, QRect(12, 16, 2, 3));
        p.fill(vgaBlack, QRect(18, 16, 2, 3));
        p.fill(vgaRed, QRect(10, 20, 2, 1));
        p.fill(vgaRed, QRect(20, 20, 2, 1));
        p.pixel(vgaBlack, 12, 21);
        p.pixel(vgaBlack, 19, 21);
        p.line(vgaBlack, 13, 22, 18, 22);
        p.fill(vgaRed, QRect(14, 23, 4, 1));
        p.line(vgaBlack, 14, 24, 17, 24);
    }
    return image.convertToFormat(QImage::Format_Indexed8, AppPictures::iconPalette(),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

QImage drawPrinter()
{
    constexpr QRgb background = qRgb(255, 255, 0);
    constexpr QRgb paper = qRgb(255, 255, 255);
    constexpr QRgb ink = qRgb(64, 64, 160);
    constexpr QRgb body = qRgb(200, 200, 200);
    constexpr QRgb light = qRgb(236, 236, 236);
    constexpr QRgb shade = qRgb(128, 128, 128);
    constexpr QRgb outline = qRgb(0, 0, 0);
    QImage image = buttonCanvas(30, 29, background);
    PixelPainter p(image);
    // The sheet going in at the back, with lines of text on it.
    p.rect(outline, paper, QRect(8, 1, 14, 13));
    for (int y = 4; y <= 10; y += 2)
        p.line(ink, 10, y, y == 10 ? 16 : 19, y);
    // The printer: a light top, the paper slot, a darker front.
    p.rect(outline, body, QRect(2, 11, 26, 13));
    p.line(light, 3, 12, 26, 12);
    p.fill(outline, QRect(6, 14, 18, 1));
    p.fill(shade, QRect(3, 18, 24, 5));
    p.line(outline, 3, 17, 26, 17);
    p.fill(qRgb(0, 200, 0), QRect(22, 15, 2, 1));
    // The printed sheet coming out at the front.
    p.rect(outline, paper, QRect(7, 21, 16, 6));
    p.line(ink, 9, 23, 19, 23);
    return image;
}

QImage drawPortrait()
{
    constexpr QRgb background = qRgb(0, 128, 0);
    constexpr QRgb skin = qRgb(255, 214, 170);
    constexpr QRgb skinShade = qRgb(220, 160, 120);
    constexpr QRgb hair = qRgb(72, 40, 16);
    constexpr QRgb frame = qRgb(0, 0, 0);
    constexpr QRgb lens = qRgb(210, 235, 255);
    constexpr QRgb jacket = qRgb(40, 60, 150);
    constexpr QRgb shirt = qRgb(255, 255, 255);
    constexpr QRgb lips = qRgb(180, 40, 40);
    QImage image = buttonCanvas(31, 29, background);
    PixelPainter p(image);
    // Shoulders in a jacket over a white collar, clear of the corners.
    p.ellipse(frame, jacket, QRect(3, 21, 25, 16));
    p.fill(shirt, QRect(13, 22, 5, 7));
    p.fill(lips, QRect(15, 23, 1, 2));
    p.fill(lips, QRect(14, 25, 3, 4));
    p.fill(skinShade, QRect(13, 19, 5, 3));
    // Head with short hair.
    p.ellipse(frame, hair, QRect(7, 1, 17, 15));
    p.ellipse(frame, skin, QRect(8, 5, 15, 18));
    p.fill(hair, QRect(9, 5, 13, 3));
    p.pixel(hair, 9, 8);
    p.pixel(hair, 21, 8);
    // Glasses: two lenses, the bridge and the side pieces.
    p.rect(frame, lens, QRect(9, 10, 6, 5));
    p.rect(frame, lens, QRect(16, 10, 6, 5));
    p.line(frame, 15, 11, 15, 11);
    p.pixel(frame, 8, 11);
    p.pixel(frame, 22, 11);
    p.pixel(frame, 12, 12);
    p.pixel(frame, 18, 12);
    // Nose and a smile.
    p.pixel(skinShade, 15, 15);
    p.pixel(skinShade, 15, 16);
    p.pixel(lips, 12, 18);
    p.pixel(lips, 18, 18);
    p.line(lips, 13, 19, 17, 19);
    return image;
}

} // namespace

QList<QRgb> AppPictures::iconPalette()
{
    return {vgaBlack, vgaMaroon, vgaGreen, vgaOlive,  vgaNavy, vgaPurple,  vgaTeal, vgaSilver,
            vgaGray,  vgaRed,    vgaLime,  vgaYellow, vgaBlue, vgaFuchsia, vgaAqua, vgaWhite};
}

QImage AppPictures::iconImage()
{
    return drawIcon();
}

QImage AppPictures::printerImage()
{
    return drawPrinter();
}

QImage AppPictures::portraitImage()
{
    return drawPortrait();
}

QImage AppPictures::withBottomLeftTransparent(const QImage &picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    const QRgb key = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return result;
}

QPixmap AppPictures::iconPicture32()
{
    return QPixmap::fromImage(iconImage());
}

QPixmap AppPictures::printerPicture()
{
    return QPixmap::fromImage(withBottomLeftTransparent(printerImage()));
}

QPixmap AppPictures::portraitPicture()
{
    return QPixmap::fromImage(withBottomLeftTransparent(portraitImage()));
}

QIcon AppPictures::windowIcon()
{
    return QIcon(iconPicture32());
}

} // namespace kalvio

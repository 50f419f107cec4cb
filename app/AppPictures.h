// The program's icon and the pictures of the print and about buttons, drawn
// in code so the project ships no binary artwork.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRgb>

namespace kalvio {

class AppPictures {
public:
    // The window's and the program's icon: the 32 x 32 picture.
    static QIcon windowIcon();
    static QPixmap iconPicture32();
    // Button pictures; the colour of the bottom-left pixel is transparent.
    static QPixmap printerPicture();
    static QPixmap portraitPicture();

    // The drawn images themselves: the icon as an indexed image over the
    // 16-colour palette, the button pictures in 24-bit colour with their
    // opaque background.
    static QImage iconImage();
    static QImage printerImage();
    static QImage portraitImage();
    // The 16 colours of the icon: the standard VGA palette.
    static QList<QRgb> iconPalette();

    // A copy of the picture in which every pixel of the bottom-left pixel's
    // colour is fully transparent.
    static QImage withBottomLeftTransparent(const QImage &picture);
};

} // namespace kalvio

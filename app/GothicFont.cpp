// The window's Japanese Gothic face.
#include "app/GothicFont.h"

#include <QStringList>

namespace kalvio {

QFont GothicFont::ofPixelSize(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                      QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                      QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

} // namespace kalvio

// The window's typeface: a proportional Japanese Gothic at a pixel height,
// IPAPGothic first, then whatever similar face the font database offers.
#pragma once

#include <QFont>

namespace kalvio {

class GothicFont {
public:
    static constexpr int WindowPixels = 12; // captions, labels, buttons
    static constexpr int EntryPixels = 15;  // inputs, totals, grid

    static QFont ofPixelSize(int pixels);
};

} // namespace kalvio

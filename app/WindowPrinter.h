// Prints a window as it looks on the screen: one page with the image of its
// client area, at the same size in inches.
#pragma once

class QPrinter;
class QWidget;

namespace kalvio {

class WindowPrinter {
public:
    // One print job with one page.  The image of the window's client area
    // (frame and caption bar excluded) is placed at the top-left corner of
    // the printable area, the origin the printer's painter starts at, and
    // scaled by the printer's pixels per inch over the screen's.  Throws
    // std::runtime_error when the printer cannot be opened or the job fails;
    // nothing is printed in that case.
    static void printClientArea(QWidget &window, QPrinter &printer);
};

} // namespace kalvio

// The program from start to end: the application object, the title, the one
// window, the message loop.  main() is nothing but this; the start-up
// benchmark runs the same path with a hook at the first paint.
#pragma once

#include <functional>

namespace kalvio {

class TForm1;

class KalvioProgram {
public:
    using FirstShownHook = std::function<void(TForm1 &window)>;

    // Returns the exit code.  firstShown, when given, is called once, at the
    // window's first paint.
    static int run(int argc, char **argv, const FirstShownHook &firstShown = {});
};

} // namespace kalvio

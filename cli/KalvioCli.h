// kalvio-cli: one calculation from the command line, printed as the window's
// copy button would put the result grid on the clipboard, or as JSON.
#pragma once

#include <ostream>

namespace kalvio {

class KalvioCli {
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitFault = 1;
    static constexpr int kExitBadInput = 2;

    // Writes to out only when the run succeeds; every problem is one line on err.
    static int Run(int argc, const char *const *argv, std::ostream &out, std::ostream &err);
};

} // namespace kalvio

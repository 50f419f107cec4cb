// Fuzz target: the entry field reading arbitrary bytes as a number. It must
// never crash, "not a number" must read as 0, and whatever the field then
// shows, separators and signs included, must read as a number again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/NValEditModel.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using kalvio::Extended;
    using kalvio::NValEditModel;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (char leading : {' ', '$', '#'}) {
        NValEditModel field;
        field.setZeroDisplay(true);
        field.setLeadingChar(leading);
        const std::optional<Extended> read = field.ReadNumber(text);
        const Extended value = field.TextToValue(text);
        check(read ? value == *read : value == 0);
        using std::isfinite;
        check(isfinite(value));

        field.setValue(value);
        const std::string shown = field.Text();
        using std::abs;
        if (abs(field.Value()) < field.ZeroLimit())
            continue; // "-0" for a tiny negative reads as plain zero
        const std::optional<Extended> again = field.ReadNumber(shown);
        check(again.has_value());
        field.setValue(*again);
        check(field.ReadNumber(field.Text()).has_value());
    }
    return 0;
}

// Full-width forms to their half-width ASCII counterparts.
#include "controls/FullWidth.h"

#include "controls/NValEditUtf8.h"

namespace kalvio {

char32_t FullWidth::ToHalfWidth(char32_t ch)
{
    if (ch >= 0xFF01 && ch <= 0xFF5E)
        return ch - 0xFEE0;
    if (ch == 0x3000)
        return U' ';
    return ch;
}

std::optional<std::string> FullWidth::ToHalfWidth(std::string_view utf8)
{
    auto decoded = NValEditUtf8::Decode(utf8);
    if (!decoded)
        return std::nullopt;
    for (char32_t &ch : *decoded)
        ch = ToHalfWidth(ch);
    return NValEditUtf8::Encode(*decoded);
}

} // namespace kalvio

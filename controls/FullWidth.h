// The locale's full-width to half-width mapping: the full-width ASCII forms
// (U+FF01..U+FF5E) become their ASCII characters and the ideographic space
// becomes a space; everything else is left as it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvio {

class FullWidth {
public:
    static char32_t ToHalfWidth(char32_t ch);
    // nullopt when the text is not well-formed UTF-8.
    static std::optional<std::string> ToHalfWidth(std::string_view utf8);
};

} // namespace kalvio

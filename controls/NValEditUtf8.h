// UTF-8 to code points and back, strict where a text is read as a number and
// lenient where a text only has to be kept and measured.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvio {

class NValEditUtf8 {
public:
    // nullopt for a malformed sequence (overlong forms, surrogates, beyond U+10FFFF, cut short).
    static std::optional<std::u32string> Decode(std::string_view utf8);
    // Each malformed byte becomes U+FFFD.
    static std::u32string DecodeLenient(std::string_view utf8);
    static std::string Encode(std::u32string_view text);
};

} // namespace kalvio

// UTF-8 decoding and encoding for the entry field's texts.
#include "controls/NValEditUtf8.h"

namespace kalvio {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Reads one sequence at text[pos]; returns its length, or 0 when malformed.
std::size_t readOne(std::string_view text, std::size_t pos, char32_t &out)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        out = lead;
        return 1;
    }
    std::size_t len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        len = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > text.size())
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const auto cont = static_cast<unsigned char>(text[pos + i]);
        if ((cont & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cont & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    out = cp;
    return len;
}

} // namespace

std::optional<std::u32string> NValEditUtf8::Decode(std::string_view utf8)
{
    std::u32string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = readOne(utf8, pos, cp);
        if (len == 0)
            return std::nullopt;
        result.push_back(cp);
        pos += len;
    }
    return result;
}

std::u32string NValEditUtf8::DecodeLenient(std::string_view utf8)
{
    std::u32string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = readOne(utf8, pos, cp);
        result.push_back(len == 0 ? kReplacement : cp);
        pos += len == 0 ? 1 : len;
    }
    return result;
}

std::string NValEditUtf8::Encode(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char32_t cp : text) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            cp = kReplacement;
        if (cp < 0x80) {
            result.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            result.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            result.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            result.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return result;
}

} // namespace kalvio

// Fuzz target for the number texts: any bytes as decimal text, and any ten
// bytes as an 80-bit value, must give texts that read back as promised.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numeric/NumberText.h"

namespace {

using kalvio::BinaryParts;
namespace numbertext = kalvio::numbertext;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool SameParts(const BinaryParts &a, const BinaryParts &b)
{
    return a.kind == b.kind && a.negative == b.negative && a.significand == b.significand &&
           a.exponent == b.exponent;
}

bool OnlyNumberCharacters(const std::string &text)
{
    return text.find_first_not_of("0123456789,.-E ") == std::string::npos;
}

void CheckValue(const BinaryParts &parts, unsigned selector)
{
    for (auto pattern : {kalvio::NumberPattern::Grouped0, kalvio::NumberPattern::Plain14,
                         kalvio::NumberPattern::Grouped14}) {
        const std::string text = numbertext::FormatPattern(parts, pattern);
        Require(!text.empty());
        Require(parts.kind != BinaryParts::Kind::Finite || OnlyNumberCharacters(text));
    }
    const int precision = static_cast<int>(selector % 20);
    const int width = static_cast<int>((selector >> 5) % 40) - 20;
    const std::string fixed =
        numbertext::FormatFixed(parts, width, precision, (selector & 1) != 0, (selector & 2) != 0);
    Require(fixed.size() >= static_cast<std::size_t>(width < 0 ? -width : width));
    if (parts.kind != BinaryParts::Kind::Finite)
        return;
    Require(OnlyNumberCharacters(fixed));
    // Plain fixed text without separators reads back to the same text.
    const std::string plain = numbertext::FormatFixed(parts, 0, precision, false);
    if (plain.find('E') == std::string::npos) {
        const auto back = numbertext::ParseDecimal(plain);
        Require(back.has_value());
        Require(numbertext::FormatFixed(*back, 0, precision, false) == plain);
    }
    const auto shortest = numbertext::ParseDecimal(numbertext::ShortestText(parts));
    Require(shortest.has_value() && SameParts(*shortest, parts));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (const auto parsed = numbertext::ParseDecimal(text)) {
        Require(parsed->kind == BinaryParts::Kind::Finite);
        Require(parsed->significand == 0 || (parsed->significand >> 63) != 0);
        CheckValue(*parsed, size);
        // Through long double and back unchanged.
        Require(SameParts(kalvio::ToParts(kalvio::FromParts<long double>(*parsed)), *parsed));
    }
    if (size >= 10) {
        long double value = 0;
        std::memcpy(&value, data, 10);
        CheckValue(kalvio::ToParts(value), data[size - 1]);
    }
    return 0;
}

// The entry field's text-to-number rule.
#include "controls/NValEditNumberReader.h"

#include <string>

#include "controls/FullWidth.h"
#include "numeric/NumberText.h"

namespace kalvio {

namespace {

bool isAllowed(char ch)
{
    return (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == ',';
}

bool isSign(char ch)
{
    return ch == '+' || ch == '-';
}

// An optional sign, digits with at most one point, at least a digit or the point.
std::optional<Extended> readPlain(const std::string &s)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && isSign(s[pos])) {
        negative = s[pos] == '-';
        ++pos;
    }
    if (pos == s.size())
        return std::nullopt;
    std::string digits = negative ? "-" : "";
    bool point = false;
    bool anyDigit = false;
    for (; pos < s.size(); ++pos) {
        const char ch = s[pos];
        if (ch == '.') {
            if (point)
                return std::nullopt;
            point = true;
            if (!anyDigit)
                digits += '0';
            digits += '.';
        } else if (ch >= '0' && ch <= '9') {
            anyDigit = true;
            digits += ch;
        } else {
            return std::nullopt;
        }
    }
    if (digits.back() == '.')
        digits += '0';
    auto value = ParseDecimal<Extended>(digits);
    if (!value)
        return std::nullopt; // beyond the range of the number type
    if (*value == 0)
        return Extended(0); // no signed zero from a text
    return value;
}

} // namespace

std::optional<Extended> NValEditNumberReader::Read(std::string_view text, char leadingChar)
{
    if (text.empty())
        return std::nullopt;
    const std::optional<std::string> half = FullWidth::ToHalfWidth(text);
    if (!half || half->empty())
        return std::nullopt;
    const char first = half->front();
    const bool dropLeading = leadingChar != ' ' ? first == leadingChar : (first == '$' || first == '\\');
    std::string s = dropLeading ? half->substr(1) : *half;

    // Positions count from 1, as the separator rule is stated that way.
    const std::size_t length = s.size();
    const std::size_t pointPos = s.find('.') == std::string::npos ? length + 1 : s.find('.') + 1;
    std::size_t separators = 0;
    for (std::size_t pos = length; pos >= 1; --pos) {
        const char ch = s[pos - 1];
        if (!isAllowed(ch))
            return std::nullopt;
        if (ch == ',') {
            if (pos >= pointPos || pos == 1 || (pointPos - pos) % 4 != 0)
                return std::nullopt;
            ++separators;
        }
    }
    if (separators > 0) {
        // A leading sign is not a digit of the first group: the field's own
        // text for a negative number must read back as that number.
        const long signLength = isSign(s[0]) ? 1 : 0;
        const long groups =
            (static_cast<long>(pointPos) - static_cast<long>(separators) - 2 - signLength) / 3;
        if (static_cast<long>(separators) != groups)
            return std::nullopt;
        std::string plain;
        plain.reserve(s.size());
        for (char ch : s) {
            if (ch != ',')
                plain += ch;
        }
        s = std::move(plain);
    }
    return readPlain(s);
}

} // namespace kalvio

// Reads a text the way the entry field reads pasted or written-in text:
// full-width forms, one leading currency or leading character, thousands
// separators in groups of three, an optional sign and decimal point.
#pragma once

#include <optional>
#include <string_view>

#include "numeric/Extended.h"

namespace kalvio {

class NValEditNumberReader {
public:
    // leadingChar: the field's LeadingChar (a space when it has none).
    // nullopt when the text is not a number (the field then takes 0).
    static std::optional<Extended> Read(std::string_view text, char leadingChar);
};

} // namespace kalvio

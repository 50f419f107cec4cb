// The ten calculation modes: the key the window and the CLI pass, the caption
// of the radio button that selects it, and the header texts of grid columns
// 1 to 4 (UTF-8, padded with ideographic spaces as the grid shows them).
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kalvio {

enum class RowStepKind {
    Ganri,
    Gankin,
    Nenkin,
    Teiki,
    Hukuri,
    Tanri,
    Hukurigenka,
    Nenkingenka,
    Tanrigenka,
    Seireki
};

struct CalcMode {
    std::string_view Key;
    std::string_view Caption;
    std::array<std::string_view, 4> Headers; // columns 1 to 4
    RowStepKind Step;

    // All ten, in the order of the window's radio buttons.
    static std::span<const CalcMode> All();
    // nullptr when the key names no mode; keys compare exactly.
    static const CalcMode *Find(std::string_view key);
};

} // namespace kalvio

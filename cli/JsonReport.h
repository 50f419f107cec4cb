// kalvio-cli's --json output: the three entry fields' texts after the
// calculation, the notice flag, the grid's header and period rows, the totals
// labels' texts and the raw totals as shortest round-trip decimals.
#pragma once

#include <array>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/CalcResult.h"

namespace kalvio {

class JsonReport {
public:
    // fieldTexts: principal, rate, periods as their fields show them.
    static nlohmann::ordered_json Build(const CalcResult &result,
                                        const std::array<std::string, 3> &fieldTexts);
};

} // namespace kalvio

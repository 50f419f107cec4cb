// The table of calculation modes.
#include "engine/CalcMode.h"

#include <algorithm>

namespace kalvio {

namespace {

constexpr std::array<std::string_view, 4> kLoanHeaders = {"　　元本返済額", "　　利息支払額",
                                                          "　　合計支払額", "　　　　残元本"};

constexpr std::array<CalcMode, 10> kModes = {{
    {"ganri", "元利均等", kLoanHeaders, RowStepKind::Ganri},
    {"gankin", "元金均等", kLoanHeaders, RowStepKind::Gankin},
    {"nenkin",
     "年金受給額",
     {" 元本からの受給", " 利息からの受給", "　　　年金額", "　　　残元本"},
     RowStepKind::Nenkin},
    {"teiki",
     "定期積み金",
     {"　　　　積み金", "　　　　　利息", "　　　元利合計", "　　　元利累計"},
     RowStepKind::Teiki},
    {"hukuri", "複利計算", {"　　　　　元本", "", "　　　　　利息", "　　　元利累計"}, RowStepKind::Hukuri},
    {"tanri", "単利計算", {"　　　　　元本", "", "　　　　　利息", "　　　元利累計"}, RowStepKind::Tanri},
    {"hukurigenka",
     "複利現価",
     {"　　　　　元本", "", "　　　　　利息", "　　　複利現価"},
     RowStepKind::Hukurigenka},
    {"nenkingenka",
     "複利年金現価",
     {"　　年金受給金", "　　　　　利息", "　　　複利現価", "　複利年金現価"},
     RowStepKind::Nenkingenka},
    {"tanrigenka",
     "単利年金現価",
     {"　　年金受給金", "　　　　　利息", "　　　単利現価", "　単利年金現価"},
     RowStepKind::Tanrigenka},
    {"seireki",
     "西暦と元号",
     {"　　　　　西暦", "　　　　　昭和", "　　　　　平成", ""},
     RowStepKind::Seireki},
}};

} // namespace

std::span<const CalcMode> CalcMode::All()
{
    return kModes;
}

const CalcMode *CalcMode::Find(std::string_view key)
{
    const auto *it =
        std::find_if(kModes.begin(), kModes.end(), [key](const CalcMode &m) { return m.Key == key; });
    return it == kModes.end() ? nullptr : &*it;
}

} // namespace kalvio

// Building kalvio-cli's JSON object.
#include "cli/JsonReport.h"

#include "controls/NValLabelModel.h"
#include "numeric/NumberText.h"

namespace kalvio {

namespace {

// The totals labels of the window: no decimals, zero shown as "0".
std::string TotalsLabelText(const Extended &value)
{
    return NValLabelModel::Format(value, 0, true, true, ' ');
}

} // namespace

nlohmann::ordered_json JsonReport::Build(const CalcResult &result,
                                         const std::array<std::string, 3> &fieldTexts)
{
    nlohmann::ordered_json report;
    report["principal"] = fieldTexts[0];
    report["rate"] = fieldTexts[1];
    report["periods"] = fieldTexts[2];
    report["missing_amount"] = result.MissingAmount;
    report["header"] = result.HeaderTexts;
    report["rows"] = result.CellTexts;
    if (result.TotalValues) {
        nlohmann::ordered_json texts = nlohmann::ordered_json::array();
        nlohmann::ordered_json values = nlohmann::ordered_json::array();
        for (const Extended &total : *result.TotalValues) {
            texts.push_back(TotalsLabelText(total));
            values.push_back(ShortestText(total));
        }
        report["totals"] = texts;
        report["total_values"] = values;
    } else {
        report["totals"] = nullptr;
        report["total_values"] = nullptr;
    }
    return report;
}

} // namespace kalvio

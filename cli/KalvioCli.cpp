// Argument handling and output of kalvio-cli.
#include "cli/KalvioCli.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/AmountField.h"
#include "cli/JsonReport.h"
#include "engine/CalcMode.h"
#include "engine/GridText.h"
#include "engine/MissingAmountNotice.h"
#include "engine/RunCalculation.h"

namespace kalvio {

namespace {

constexpr const char *kProgram = "kalvio-cli";

std::string ModeList()
{
    std::string list = "Modes (MODE, exactly as written):\n";
    for (const CalcMode &mode : CalcMode::All()) {
        std::string key(mode.Key);
        key.resize(14, ' ');
        list += "  " + key + std::string(mode.Caption) + "\n";
    }
    return list;
}

std::string ModeKeys()
{
    std::string keys;
    for (const CalcMode &mode : CalcMode::All())
        keys += (keys.empty() ? "" : ", ") + std::string(mode.Key);
    return keys;
}

bool LooksLikeOption(const std::string &arg)
{
    // "-5" stays an amount (and is refused as negative later).
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

std::string ExtrasProblem(const std::vector<std::string> &extras)
{
    for (const std::string &arg : extras)
        if (LooksLikeOption(arg))
            return "unknown option \"" + arg + "\"";
    std::string list;
    for (const std::string &arg : extras)
        list += (list.empty() ? "\"" : ", \"") + arg + "\"";
    return "too many arguments, expected MODE PRINCIPAL RATE PERIODS; not expected: " + list;
}

struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

Extended ReadAmount(AmountField &field, const char *name, const std::string &text)
{
    try {
        return field.Read(text);
    } catch (const std::invalid_argument &problem) {
        throw BadInput(std::string(name) + " " + problem.what());
    }
}

} // namespace

int KalvioCli::Run(int argc, const char *const *argv, std::ostream &out, std::ostream &err)
{
    CLI::App app("Runs one Kalvio calculation and prints the result table as the window's copy button puts "
                 "it on the clipboard: 102 lines of five tab-terminated cells, CR LF, UTF-8.",
                 kProgram);
    bool months = false;
    bool json = false;
    std::string mode;
    std::string principal;
    std::string rate;
    std::string periods;
    app.add_flag("--months", months, "PERIODS counts months (the rate stays annual)");
    app.add_flag("--json", json, "print one JSON object instead of the table");
    app.add_option("MODE", mode, "the calculation mode")->required();
    app.add_option("PRINCIPAL", principal, "whole amount, up to 12 digits, e.g. 1000000 or 1,000,000")
        ->required();
    app.add_option("RATE", rate, "annual rate in percent, up to 99.999")->required();
    app.add_option("PERIODS", periods, "number of periods, up to 999")->required();
    app.footer(ModeList());

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ExtrasError &) {
        err << kProgram << ": " << ExtrasProblem(app.remaining()) << " (see --help)\n";
        return kExitBadInput;
    } catch (const CLI::RequiredError &problem) {
        err << kProgram << ": too few arguments, expected MODE PRINCIPAL RATE PERIODS: " << problem.what()
            << " (see --help)\n";
        return kExitBadInput;
    } catch (const CLI::ParseError &problem) {
        err << kProgram << ": " << problem.what() << " (see --help)\n";
        return kExitBadInput;
    }

    CalcRequest request;
    AmountField principalField = AmountField::Principal();
    AmountField rateField = AmountField::Rate();
    AmountField periodsField = AmountField::Periods();
    try {
        if (CalcMode::Find(mode) == nullptr)
            throw BadInput("unknown MODE \"" + mode + "\"; one of: " + ModeKeys());
        request.Principal = ReadAmount(principalField, "PRINCIPAL", principal);
        request.RatePercent = ReadAmount(rateField, "RATE", rate);
        request.Periods = ReadAmount(periodsField, "PERIODS", periods);
    } catch (const BadInput &problem) {
        err << kProgram << ": " << problem.what() << "\n";
        return kExitBadInput;
    }
    request.CalcMode = mode;
    request.PeriodUnit = months ? 0 : 1;

    const CalcResult result = RunCalculation(request);
    if (result.Fault) {
        err << kProgram << ": " << *result.Fault << "\n";
        return kExitFault;
    }
    if (result.MissingAmount)
        err << kMissingAmountNotice << "\n";

    if (json) {
        const std::array<std::string, 3> fieldTexts = {principalField.Show(result.Principal),
                                                       rateField.Show(result.RatePercent),
                                                       periodsField.Show(result.Periods)};
        out << JsonReport::Build(result, fieldTexts).dump(2) << "\n";
    } else {
        GridText grid;
        grid.ApplyResult(result);
        out << grid.ClipboardText();
    }
    out.flush();
    return kExitOk;
}

} // namespace kalvio

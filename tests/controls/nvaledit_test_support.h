// Shared set-up of the entry field tests: the main window's three field
// settings, applied the way a loading window applies them, and a model whose
// beeps, clipboard and change notifications are counted.
#pragma once

#include <optional>
#include <string>

#include "controls/NValEditModel.h"
#include "numeric/NumberText.h"

namespace kalvio::test {

struct FieldSettings {
    int maxDigits;
    int fixDecimal;
    bool prmtNegative;
};

inline constexpr FieldSettings kPrincipal{12, 0, false};
inline constexpr FieldSettings kRate{5, 3, false};
inline constexpr FieldSettings kPeriods{3, 0, false};
// The component's own defaults for digits, decimals and sign, with the main
// window's flags.
inline constexpr FieldSettings kFree{9, -1, true};

inline Extended Dec(const char *text)
{
    return *ParseDecimal<Extended>(text);
}

// A model with counted beeps and change notifications and a clipboard of its own.
struct CountingModel {
    NValEditModel model;
    int beeps = 0;
    int changes = 0;
    std::optional<std::string> clipboard;

    CountingModel()
    {
        NValEditModel::Hooks hooks;
        hooks.beep = [this] { ++beeps; };
        hooks.changed = [this] { ++changes; };
        hooks.clipboardText = [this] { return clipboard; };
        hooks.setClipboardText = [this](const std::string &text) { clipboard = text; };
        model.setHooks(std::move(hooks));
    }

    // As the main window loads its fields: DelAllClear, ZeroDisplay, EnterNext
    // and ArrowNext on.
    void load(FieldSettings settings, Extended value = 0)
    {
        model.beginLoading();
        model.setMaxDigits(settings.maxDigits);
        model.setPrmtNegative(settings.prmtNegative);
        model.setFixDecimal(settings.fixDecimal);
        model.setDelAllClear(true);
        model.setZeroDisplay(true);
        model.setValue(value);
        model.setEnterNext(true);
        model.setArrowNext(true);
        model.loaded();
    }
};

} // namespace kalvio::test

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

// As the main window loads its fields: DelAllClear, ZeroDisplay, EnterNext and
// ArrowNext on. Serves the model and the widget alike.
template <class Field> void LoadLikeTheMainWindow(Field &field, FieldSettings settings, Extended value = 0)
{
    field.beginLoading();
    field.setMaxDigits(settings.maxDigits);
    field.setPrmtNegative(settings.prmtNegative);
    field.setFixDecimal(settings.fixDecimal);
    field.setDelAllClear(true);
    field.setZeroDisplay(true);
    field.setValue(value);
    field.setEnterNext(true);
    field.setArrowNext(true);
    field.loaded();
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

    void load(FieldSettings settings, Extended value = 0) { LoadLikeTheMainWindow(model, settings, value); }
};

} // namespace kalvio::test

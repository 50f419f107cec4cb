// ControlServices on the real desktop: QApplication::beep and the system
// clipboard as plain text.
#pragma once

#include "controls/ControlServices.h"

namespace kalvio {

class SystemControlServices final : public ControlServices {
public:
    void beep() override;
    std::optional<QString> clipboardText() const override;
    void setClipboardText(const QString &text) override;
};

} // namespace kalvio

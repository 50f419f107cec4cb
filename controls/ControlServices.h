// The desktop services the controls use: the system beep and the clipboard.
// Injectable, so tests can count beeps and hand in clipboard contents without
// touching the real desktop.
#pragma once

#include <QString>

#include <optional>

namespace kalvio {

class ControlServices {
public:
    virtual ~ControlServices() = default;
    virtual void beep() = 0;
    // nullopt when the clipboard holds no text.
    virtual std::optional<QString> clipboardText() const = 0;
    virtual void setClipboardText(const QString &text) = 0;
};

} // namespace kalvio

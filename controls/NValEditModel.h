// The value logic of the numeric entry field, free of any widget: the
// properties and their run-time corrections, the Value setter, the shown text,
// reading text as a number, and the keystroke state machine.
//
// AGREED PUBLIC SURFACE (used by the widget, the CLI and the main window);
// the owner of this class may add to it but keeps these signatures.
//
// The model keeps its own copy of what the edit window holds: the text, the
// selection (start and length in characters of the text), the undo buffer and
// the font colour. A widget mirrors these and reports the user's mouse
// selections back through setSelection().
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/Extended.h"

namespace kalvio {

class NValEditModel {
public:
    // 0xAARRGGBB.
    using Color = std::uint32_t;
    static constexpr Color kWindowText = 0xFF000000u;

    // What the model needs from its surroundings; every hook may be left empty.
    struct Hooks {
        std::function<void()> beep;
        std::function<std::optional<std::string>()> clipboardText; // nullopt: no text on the clipboard
        std::function<void(const std::string &)> setClipboardText;
        std::function<void()> changed;        // OnChange: the shown text really changed
        std::function<void(Color)> fontColor; // the model changes the font colour itself
    };

    NValEditModel();
    // windowText: the ordinary font colour, taken as the normal and the minus colour.
    explicit NValEditModel(Color windowText);

    void setHooks(Hooks hooks);

    int MaxDigits() const;
    void setMaxDigits(int digits);
    bool PrmtNegative() const;
    void setPrmtNegative(bool allowed);
    int FixDecimal() const;
    void setFixDecimal(int decimals);
    bool DelAllClear() const;
    void setDelAllClear(bool on);
    char LeadingChar() const;
    void setLeadingChar(char ch);
    bool ZeroDisplay() const;
    void setZeroDisplay(bool on);
    Extended Value() const;
    void setValue(Extended value); // the Value setter, with its corrections
    bool PutAComma() const;
    void setPutAComma(bool on);
    bool EnterNext() const;
    void setEnterNext(bool on);
    bool ArrowNext() const;
    void setArrowNext(bool on);
    Color MinusColor() const;
    void setMinusColor(Color color);

    // Properties of the edit window itself.
    bool ReadOnly() const;
    void setReadOnly(bool on);
    bool AutoSelect() const;
    void setAutoSelect(bool on);
    bool Modified() const;
    void setModified(bool on);

    // Stored-settings reading: the setters run, nothing is shown, no change fires.
    void beginLoading();
    void loaded();
    bool Loading() const;

    // The text the field shows (UTF-8).
    const std::string &Text() const;

    // Reads a text (UTF-8, full-width forms allowed) as the field reads
    // pasted text; 0 when it is not a number.
    Extended TextToValue(std::string_view text) const;
    // The same reading, telling "not a number" (nullopt) apart from a zero.
    std::optional<Extended> ReadNumber(std::string_view text) const;

    // The largest magnitude and the smallest non-zero magnitude the current
    // MaxDigits and FixDecimal allow.
    Extended MaxMagnitude() const;
    Extended ZeroLimit() const;
    // The text ShowValue builds for x from the current state, without showing it.
    std::string BuildText(Extended x) const;
    // The number the text was last built from (differs from Value for a
    // number too small to show).
    Extended ShownValue() const;

    // Selection of the shown text, in characters.
    int SelStart() const;
    int SelLength() const;
    void setSelection(int start, int length);
    void selectAll();
    std::string SelText() const;
    bool CanUndo() const;

    // Typed characters (after the key-down handling): digits, "-", ".",
    // Ctrl+C/V/X/Z as codes 3/22/24/26; anything else is swallowed.
    void keyPress(char32_t ch);
    void digit(int d);
    void minusKey();
    void pointKey();
    // Keys handled on key down.
    void backspace();
    void deleteKey();
    void escape();
    void home();
    // The edit commands. paste reads the clipboard through the hook;
    // pasteText takes the clipboard's content directly. cut and copy return
    // what went to the clipboard (nothing when nothing is selected).
    void paste();
    void pasteText(const std::optional<std::string> &clipboard);
    std::optional<std::string> cut();
    std::optional<std::string> copy();
    void clear();
    void undo();
    // Text written into the window by anyone else; hasParent: the field sits in a window.
    void setTextFromOutside(std::string_view text, bool hasParent = true);

    // Focus and mouse.
    void mouseActivate(); // a mouse button went down over the field
    void focusIn();
    void focusOut();
    void doubleClick();
    void mouseUp();

    // Font colour: the notification that the font changed, with its new colour.
    void fontColorChanged(Color color);
    Color FontColor() const;
    Color NormalColor() const;
    bool ColorUpdating() const;

    // The state of the entry in progress.
    int DigitCount() const;
    int DecimalCount() const;
    bool PointEntered() const;
    bool MinusEntered() const;
    Extended SavedValue() const;
    bool FocusByMouse() const;
    bool AfterDblClick() const;
    bool ParseSetText() const;

private:
    void updateLimits();
    void storeValue(Extended x);
    void showValue(Extended x);
    void setBaseText(std::string text);
    void textChanged();
    void deleteSelection();
    void entryReset(bool keepSign = false);
    void beep() const;
    void setFontColor(Color color);
    int textLength() const;

    Hooks hooks_;

    int maxDigits_ = 9;
    bool prmtNegative_ = true;
    int fixDecimal_ = -1;
    bool delAllClear_ = false;
    char leadingChar_ = ' ';
    bool zeroDisplay_ = false;
    Extended value_ = 0;
    bool putAComma_ = true;
    bool enterNext_ = false;
    bool arrowNext_ = false;
    Color minusColor_;
    Extended maxMagnitude_ = 0; // follow MaxDigits and FixDecimal
    Extended zeroLimit_ = 0;

    bool readOnly_ = false;
    bool autoSelect_ = true;
    bool modified_ = false;
    bool loading_ = false;
    bool changeDetached_ = false;

    int digitCount_ = 0;
    int decimalCount_ = 0;
    bool pointEntered_ = false;
    bool minusEntered_ = false;
    Extended savedValue_ = 0;
    bool focusByMouse_ = false;
    bool afterDblClick_ = false;
    bool parseSetText_ = false;
    Color normalColor_;
    bool colorUpdating_ = false;
    Color fontColor_;

    std::string text_;
    std::optional<std::string> undoText_;
    int selStart_ = 0;
    int selLength_ = 0;
    Extended shownValue_ = 0;
};

} // namespace kalvio

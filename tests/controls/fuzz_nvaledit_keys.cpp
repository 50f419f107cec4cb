// Fuzz target: random sequences of keys, clipboard commands, focus and mouse
// events and property changes on the entry field's model. After every step
// the number stays within the field's limits, the digit count within
// MaxDigits, and the text is what the shown number and the state build.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "controls/NValEditModel.h"
#include "numeric/NumberText.h"

namespace {

using kalvio::Extended;
using kalvio::NValEditModel;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class Input {
public:
    Input(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string text()
    {
        static const char *const pieces[] = {"1", "2", "0",    "9",  ",",   ".",    "-",
                                             "+", "$", "\\",   "１", "，",  "．",   "－",
                                             "a", " ", "\xff", "e",  "123", ",456", "\xe3\x80\x80"};
        std::string t;
        for (int n = byte() % 12; n > 0; --n)
            t += pieces[byte() % (sizeof pieces / sizeof *pieces)];
        return t;
    }
    Extended number()
    {
        switch (byte() % 8) {
        case 0:
            return std::numeric_limits<Extended>::quiet_NaN();
        case 1:
            return std::numeric_limits<Extended>::infinity() * (byte() % 2 ? 1 : -1);
        case 2:
            return kalvio::PowerOfTen<Extended>(static_cast<int>(byte() % 40) - 20) * (byte() % 2 ? 1 : -1);
        default: {
            const auto parsed = kalvio::ParseDecimal<Extended>(text() + "0");
            return parsed ? *parsed : Extended(0);
        }
        }
    }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void checkInvariants(const NValEditModel &m)
{
    if (m.Loading())
        return;
    const Extended value = m.Value();
    using std::abs;
    using std::isnan;
    check(!isnan(value));
    check(abs(value) <= m.MaxMagnitude());
    if (!m.PrmtNegative()) {
        check(value >= 0);
        check(!m.MinusEntered());
    }
    if (value < 0)
        check(m.MinusEntered()); // the sign shown and the number agree
    check(m.DigitCount() >= 0 && m.DigitCount() <= m.MaxDigits());
    check(m.DecimalCount() >= 0);
    if (m.DecimalCount() > 0)
        check(m.PointEntered());
    if (m.FixDecimal() >= 0)
        check(m.DecimalCount() <= m.FixDecimal());
    check(m.Text() == m.BuildText(m.ShownValue()));
    check(m.SelStart() >= 0 && m.SelLength() >= 0);
    check(m.MaxDigits() >= 1 && m.MaxDigits() <= 15 && m.FixDecimal() >= -1 &&
          m.FixDecimal() < m.MaxDigits());
}

void step(NValEditModel &m, Input &in)
{
    static const char keys[] = "0123456789-.";
    const std::uint8_t op = in.byte();
    switch (op % 40) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
        m.keyPress(static_cast<char32_t>(keys[op % 40]));
        break;
    case 12:
        m.backspace();
        break;
    case 13:
        m.deleteKey();
        break;
    case 14:
        m.escape();
        break;
    case 15:
        m.home();
        break;
    case 16:
        m.pasteText(in.text());
        break;
    case 17:
        m.pasteText(std::nullopt);
        break;
    case 18:
        m.keyPress(24);
        break;
    case 19:
        m.clear();
        break;
    case 20:
        m.keyPress(26);
        break;
    case 21:
        m.selectAll();
        break;
    case 22:
        m.focusIn();
        break;
    case 23:
        m.mouseActivate();
        m.focusIn();
        break;
    case 24:
        m.focusOut();
        break;
    case 25:
        m.mouseUp();
        break;
    case 26:
        m.doubleClick();
        break;
    case 27: {
        const int start = in.byte() % 24;
        m.setSelection(start, static_cast<int>(in.byte() % 24) - 4);
        break;
    }
    case 28:
        m.setMaxDigits(static_cast<int>(in.byte() % 18) - 1);
        break;
    case 29:
        m.setFixDecimal(static_cast<int>(in.byte() % 20) - 3);
        break;
    case 30:
        m.setPrmtNegative(in.byte() % 2);
        break;
    case 31:
        m.setZeroDisplay(in.byte() % 2);
        break;
    case 32:
        m.setPutAComma(in.byte() % 2);
        break;
    case 33:
        m.setLeadingChar(static_cast<char>(in.byte()));
        break;
    case 34:
        m.setValue(in.number());
        break;
    case 35:
        m.setReadOnly(in.byte() % 2);
        break;
    case 36:
        m.setDelAllClear(in.byte() % 2);
        break;
    case 37:
        m.setMinusColor(in.byte() % 2 ? 0xFFFF0000u : NValEditModel::kWindowText);
        break;
    case 38:
        m.fontColorChanged(0xFF000000u | in.byte());
        break;
    default:
        switch (in.byte() % 4) {
        case 0:
            m.setTextFromOutside(in.text());
            break;
        case 1:
            m.keyPress(static_cast<char32_t>(in.byte()));
            break;
        case 2:
            m.copy();
            break;
        default:
            if (m.Loading())
                m.loaded();
            else
                m.beginLoading();
            break;
        }
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    NValEditModel m;
    m.beginLoading();
    const int maxDigits = 1 + in.byte() % 15;
    m.setMaxDigits(maxDigits);
    m.setPrmtNegative(in.byte() % 2);
    m.setFixDecimal(static_cast<int>(in.byte() % (maxDigits + 1)) - 1);
    m.setDelAllClear(in.byte() % 2);
    m.setZeroDisplay(in.byte() % 2);
    m.loaded();
    checkInvariants(m);
    for (int steps = 0; steps < 1000 && !in.empty(); ++steps) {
        step(m, in);
        checkInvariants(m);
    }
    return 0;
}

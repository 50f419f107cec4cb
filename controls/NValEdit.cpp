// The entry field widget: the user never edits the text directly; every key,
// click, focus change and command goes to the model, and the widget then shows
// the model's text and selection.
#include "controls/NValEdit.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <string>

namespace kalvio {

namespace {

// The model counts characters, QString UTF-16 units.
int unitsForCharacters(const QString &text, int characters)
{
    int units = 0;
    for (int n = 0; n < characters && units < text.size(); ++n)
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return units;
}

int charactersForUnits(const QString &text, int units)
{
    int characters = 0;
    for (int pos = 0; pos < units && pos < text.size(); ++characters)
        pos += text.at(pos).isHighSurrogate() && pos + 1 < text.size() ? 2 : 1;
    return characters;
}

} // namespace

NValEdit::NValEdit(QWidget *parent)
    : QLineEdit(parent),
      model_(std::make_unique<NValEditModel>(palette().color(QPalette::Active, QPalette::Text).rgba()))
{
    model_->setHooks(makeHooks());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, &NValEdit::onBaseTextChanged);
}

NValEdit::~NValEdit() = default;

NValEditModel::Hooks NValEdit::makeHooks()
{
    NValEditModel::Hooks hooks;
    hooks.beep = [this] { services().beep(); };
    hooks.clipboardText = [this]() -> std::optional<std::string> {
        const std::optional<QString> text = services().clipboardText();
        if (!text)
            return std::nullopt;
        return text->toStdString();
    };
    hooks.setClipboardText = [this](const std::string &text) {
        services().setClipboardText(QString::fromStdString(text));
    };
    hooks.changed = [this] {
        syncText();
        emit changed();
    };
    hooks.fontColor = [this](NValEditModel::Color color) { applyFontColor(color); };
    return hooks;
}

ControlServices &NValEdit::services()
{
    return services_ ? *services_ : systemServices_;
}

void NValEdit::setServices(ControlServices *services)
{
    services_ = services;
}

template <class Operation> void NValEdit::run(Operation &&operation)
{
    pushSelection();
    model_->setReadOnly(isReadOnly());
    operation();
    syncFromModel();
}

// --- properties ------------------------------------------------------------

void NValEdit::beginLoading()
{
    model_->beginLoading();
}

void NValEdit::loaded()
{
    run([this] { model_->loaded(); });
}

int NValEdit::MaxDigits() const
{
    return model_->MaxDigits();
}

void NValEdit::setMaxDigits(int digits)
{
    run([&] { model_->setMaxDigits(digits); });
}

bool NValEdit::PrmtNegative() const
{
    return model_->PrmtNegative();
}

void NValEdit::setPrmtNegative(bool allowed)
{
    run([&] { model_->setPrmtNegative(allowed); });
}

int NValEdit::FixDecimal() const
{
    return model_->FixDecimal();
}

void NValEdit::setFixDecimal(int decimals)
{
    run([&] { model_->setFixDecimal(decimals); });
}

bool NValEdit::DelAllClear() const
{
    return model_->DelAllClear();
}

void NValEdit::setDelAllClear(bool on)
{
    model_->setDelAllClear(on);
}

char NValEdit::LeadingChar() const
{
    return model_->LeadingChar();
}

void NValEdit::setLeadingChar(char ch)
{
    run([&] { model_->setLeadingChar(ch); });
}

bool NValEdit::ZeroDisplay() const
{
    return model_->ZeroDisplay();
}

void NValEdit::setZeroDisplay(bool on)
{
    run([&] { model_->setZeroDisplay(on); });
}

Extended NValEdit::Value() const
{
    return model_->Value();
}

void NValEdit::setValue(Extended value)
{
    run([&] { model_->setValue(value); });
}

bool NValEdit::PutAComma() const
{
    return model_->PutAComma();
}

void NValEdit::setPutAComma(bool on)
{
    run([&] { model_->setPutAComma(on); });
}

bool NValEdit::EnterNext() const
{
    return model_->EnterNext();
}

void NValEdit::setEnterNext(bool on)
{
    model_->setEnterNext(on);
}

bool NValEdit::ArrowNext() const
{
    return model_->ArrowNext();
}

void NValEdit::setArrowNext(bool on)
{
    model_->setArrowNext(on);
}

QColor NValEdit::MinusColor() const
{
    return QColor::fromRgba(model_->MinusColor());
}

void NValEdit::setMinusColor(const QColor &color)
{
    run([&] { model_->setMinusColor(color.rgba()); });
}

bool NValEdit::AutoSelect() const
{
    return model_->AutoSelect();
}

void NValEdit::setAutoSelect(bool on)
{
    model_->setAutoSelect(on);
}

const NValEditModel &NValEdit::model() const
{
    return *model_;
}

void NValEdit::setTextFromOutside(const QString &text)
{
    run([&] { model_->setTextFromOutside(text.toStdString(), parentWidget() != nullptr); });
}

void NValEdit::onBaseTextChanged(const QString &text)
{
    if (syncing_ || text == QString::fromStdString(model_->Text()))
        return;
    setTextFromOutside(text);
}

// --- mirroring the model ---------------------------------------------------

void NValEdit::pushSelection()
{
    const QString shown = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    const int first = charactersForUnits(shown, start);
    model_->setSelection(first, charactersForUnits(shown, end) - first);
}

void NValEdit::syncText()
{
    const QString wanted = QString::fromStdString(model_->Text());
    if (wanted == text())
        return;
    syncing_ = true;
    QLineEdit::setText(wanted);
    syncing_ = false;
}

void NValEdit::syncFromModel()
{
    syncText();
    const QString shown = text();
    const int start = unitsForCharacters(shown, model_->SelStart());
    const int end = unitsForCharacters(shown, model_->SelStart() + model_->SelLength());
    if (end > start) {
        setSelection(start, end - start);
    } else {
        deselect();
        setCursorPosition(start);
    }
    setModified(model_->Modified());
}

// --- keys ------------------------------------------------------------------

void NValEdit::keyPressEvent(QKeyEvent *event)
{
    if (!handleKeyDown(event))
        handleCharacter(event);
}

// With EnterNext off, a dialog's default and cancel buttons come first.
bool NValEdit::windowTakesEnterAndEscape() const
{
    return !model_->EnterNext() && qobject_cast<const QDialog *>(window()) != nullptr;
}

// The keys the field handles when they go down, whatever the modifiers.
bool NValEdit::handleKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        run([this] { model_->backspace(); });
        break;
    case Qt::Key_Delete:
        run([this] { model_->deleteKey(); }); // Shift+Delete never cuts
        break;
    case Qt::Key_Escape:
        if (windowTakesEnterAndEscape()) {
            event->ignore();
            return true;
        }
        run([this] { model_->escape(); });
        break;
    case Qt::Key_Home:
        run([this] { model_->home(); });
        break;
    case Qt::Key_Left:
        break; // the caret stays at the end
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!model_->EnterNext()) {
            passToBase(event); // the base only signals and lets the window see it
            return true;
        }
        focusNextPrevChild(true);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!model_->ArrowNext()) {
            passToBase(event);
            return true;
        }
        focusNextPrevChild(event->key() == Qt::Key_Down);
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

void NValEdit::handleCharacter(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & (Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();

    char32_t command = 0;
    if (event->matches(QKeySequence::Copy))
        command = 3;
    else if (event->matches(QKeySequence::Paste))
        command = 22;
    else if (event->matches(QKeySequence::Cut))
        command = 24;
    else if (event->matches(QKeySequence::Undo))
        command = 26;
    else if (ctrl && !alt && key >= Qt::Key_A && key <= Qt::Key_Z)
        command = static_cast<char32_t>(key - Qt::Key_A + 1); // the control character the key types
    if (command != 0) {
        run([&] { model_->keyPress(command); });
        event->accept();
        return;
    }

    const QString typed = event->text();
    if (typed.isEmpty()) {
        passToBase(event); // Right, End, Insert, function keys: nothing that edits
        return;
    }
    if (alt && !ctrl) {
        event->ignore(); // menu and button mnemonics
        return;
    }
    if (!ctrl) {
        run([&] {
            for (char32_t ch : typed.toUcs4())
                model_->keyPress(ch);
        });
    }
    event->accept();
}

void NValEdit::passToBase(QKeyEvent *event)
{
    syncing_ = true; // should the base ever edit, the model's text comes back below
    QLineEdit::keyPressEvent(event);
    syncing_ = false;
    pushSelection();
    syncFromModel();
}

// --- focus and mouse -------------------------------------------------------

void NValEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    if (event->reason() == Qt::PopupFocusReason) {
        syncFromModel(); // back from our own menu: the field never lost the focus
        return;
    }
    // The base may have selected the text itself; the model decides instead.
    model_->setReadOnly(isReadOnly());
    if (event->reason() == Qt::MouseFocusReason) {
        // Qt moves the focus before it delivers the press that caused it.
        model_->mouseActivate();
        focusedByThisPress_ = true;
    }
    model_->focusIn();
    syncFromModel();
}

void NValEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    focusedByThisPress_ = false;
    if (event->reason() == Qt::PopupFocusReason) {
        syncFromModel();
        return;
    }
    run([this] { model_->focusOut(); });
}

void NValEdit::mousePressEvent(QMouseEvent *event)
{
    if (!focusedByThisPress_)
        model_->mouseActivate();
    focusedByThisPress_ = false;
    if (event->button() == Qt::MiddleButton) {
        event->accept(); // no selection paste
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NValEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton)
        QLineEdit::mouseReleaseEvent(event);
    run([this] { model_->mouseUp(); });
    event->accept();
}

void NValEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event); // selects a word
    if (event->button() == Qt::LeftButton) {
        pushSelection();
        model_->doubleClick();
    }
}

// --- commands --------------------------------------------------------------

std::unique_ptr<QMenu> NValEdit::createContextMenu()
{
    pushSelection();
    auto menu = std::make_unique<QMenu>(this);
    const bool editable = !isReadOnly();
    const bool selected = model_->SelLength() > 0;
    const auto hasClipboardText = services().clipboardText().has_value();
    const int length = charactersForUnits(text(), static_cast<int>(text().size()));

    QAction *undo =
        menu->addAction(QStringLiteral("元に戻す(&U)"), this, [this] { run([this] { model_->undo(); }); });
    undo->setEnabled(editable && model_->CanUndo());
    menu->addSeparator();
    QAction *cut =
        menu->addAction(QStringLiteral("切り取り(&T)"), this, [this] { run([this] { model_->cut(); }); });
    cut->setEnabled(editable && selected);
    QAction *copy =
        menu->addAction(QStringLiteral("コピー(&C)"), this, [this] { run([this] { model_->copy(); }); });
    copy->setEnabled(selected);
    QAction *paste =
        menu->addAction(QStringLiteral("貼り付け(&P)"), this, [this] { run([this] { model_->paste(); }); });
    paste->setEnabled(editable && hasClipboardText);
    QAction *clear =
        menu->addAction(QStringLiteral("削除(&D)"), this, [this] { run([this] { model_->clear(); }); });
    clear->setEnabled(editable && selected);
    menu->addSeparator();
    QAction *selectAll = menu->addAction(QStringLiteral("すべて選択(&A)"), this,
                                         [this] { run([this] { model_->selectAll(); }); });
    selectAll->setEnabled(length > 0 && model_->SelLength() < length);
    return menu;
}

void NValEdit::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu = createContextMenu();
    menu->exec(event->globalPos());
    event->accept();
}

// --- no input method, no drops ---------------------------------------------

QVariant NValEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void NValEdit::inputMethodEvent(QInputMethodEvent *event)
{
    event->ignore();
}

void NValEdit::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}

void NValEdit::dragMoveEvent(QDragMoveEvent *event)
{
    event->ignore();
}

void NValEdit::dropEvent(QDropEvent *event)
{
    event->ignore();
}

// --- font colour -----------------------------------------------------------

NValEditModel::Color NValEdit::fontColor() const
{
    return palette().color(QPalette::Active, QPalette::Text).rgba();
}

void NValEdit::applyFontColor(NValEditModel::Color color)
{
    applyingColor_ = true;
    QPalette changed = palette();
    const QColor wanted = QColor::fromRgba(color);
    changed.setColor(QPalette::Active, QPalette::Text, wanted);
    changed.setColor(QPalette::Inactive, QPalette::Text, wanted);
    setPalette(changed);
    applyingColor_ = false;
}

void NValEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::ReadOnlyChange:
        model_->setReadOnly(isReadOnly());
        setAttribute(Qt::WA_InputMethodEnabled, false); // QLineEdit switches it back on
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        if (!applyingColor_)
            model_->fontColorChanged(fontColor());
        break;
    default:
        break;
    }
}

} // namespace kalvio

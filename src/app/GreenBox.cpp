#include "app/GreenBox.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/currency.h"
#include "app/Dialogs.h"
#include "app/input_filters.h"
#include "app/number_format.h"
#include "app/QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace fiscalia {

void makeGreen(QWidget* box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0x9c, 0xe6, 0x9c));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x1f, 0x6f, 0x3f));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
}

namespace {

bool isNavigationOrShortcut(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    // Alt+letter belongs to the window's buttons; AltGr characters have text.
    if ((event->modifiers() & Qt::AltModifier) && event->text().isEmpty())
        return true;
    const QString text = event->text();
    return text.isEmpty() || (text.at(0).isNull());
}

} // namespace

GreenLineEdit::GreenLineEdit(BoxHost& host, BoxSpec spec, QWidget* parent)
    : QLineEdit(parent), host_(host), spec_(std::move(spec))
{
    makeGreen(this);
    setAcceptDrops(false); // dropped text would bypass the key filter
    // Numbers stand at the right, as their right-justified texts are built.
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString GreenLineEdit::formatValue(double typedValue) const
{
    const AppState& st = host_.state;
    std::string number = formatNumber(typedValue, ss(spec_.pattern), st.Symbols);
    if (spec_.currencyPrefix)
        number = st.CurrencySymbol + number;
    return qs(RightJustify(number, spec_.width)) + spec_.suffix;
}

void GreenLineEdit::showStoredValue()
{
    if (spec_.slot <= 0)
        return;
    const auto& values = host_.state.InputValues;
    const Currency stored = spec_.slot < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(spec_.slot)]
                                                                         : Currency();
    setText(formatValue(stored.toDouble() * spec_.scale));
}

void GreenLineEdit::beginEditing()
{
    clear();
    if (host_.clearResults)
        host_.clearResults();
    host_.state.EditFlag = 1;
}

void GreenLineEdit::typeCharacter(QChar c)
{
    AppState& st = host_.state;
    if (st.EditFlag == 0)
        beginEditing();
    bool passes = false;
    switch (spec_.filter) {
    case KeyFilter::Decimal:
        if (spec_.decimals > 2)
            st.DecimalsOverride = spec_.decimals;
        passes = decimalFilterPasses(c.unicode(), ss(text()), st.DecimalsOverride);
        break;
    case KeyFilter::WholeNumber:
        passes = wholeNumberFilterPasses(c.unicode());
        break;
    case KeyFilter::ListOnly:
        passes = false;
        break;
    }
    if (!passes) {
        host_.dialogs.beep();
        return;
    }
    if (c.unicode() == 8)
        backspace();
    else if (c.unicode() == 127)
        del();
    else
        insert(QString(c));
}

void GreenLineEdit::typeText(const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            break; // only the first line of a pasted text
        typeCharacter(c);
    }
}

void GreenLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        typeText(QApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            copy();
            typeCharacter(QChar(8));
        }
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return; // undo would bring back a text that is not the stored value
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (spec_.next)
            spec_.next->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    case Qt::Key_Delete:
        if (host_.clearResults)
            host_.clearResults();
        QLineEdit::keyPressEvent(event);
        return;
    case Qt::Key_Backspace:
        typeCharacter(QChar(8));
        return;
    default:
        break;
    }
    if (isNavigationOrShortcut(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (const QChar c : event->text())
        typeCharacter(c);
}

void GreenLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const auto reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return; // back from a list or another window: still the same visit
    host_.state.EditFlag = 0;
    if (spec_.selectAllOnFocus)
        selectAll();
}

void GreenLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const auto reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (host_.state.EditFlag == 1)
        storeTypedValue();
}

void GreenLineEdit::commit()
{
    if (host_.state.EditFlag == 1)
        storeTypedValue();
}

void commitFocusedBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* box = qobject_cast<GreenLineEdit*>(focus)) {
        box->commit();
        return;
    }
    if (auto* combo = qobject_cast<GreenComboBox*>(focus); combo && combo->box())
        combo->box()->commit();
}

double GreenLineEdit::readTypedValue() const
{
    // Typed text holds digits and the point; a shown value that was only
    // partly changed (the Delete key) still carries its symbol, separators
    // and suffix, which are taken off before the reading.
    const AppState& st = host_.state;
    QString text = this->text();
    if (spec_.currencyPrefix && !st.CurrencySymbol.empty())
        text.remove(qs(st.CurrencySymbol));
    if (!spec_.suffix.isEmpty() && text.endsWith(spec_.suffix))
        text.chop(spec_.suffix.size());
    const QString decimal = qs(st.Symbols.decimal);
    const QString group = qs(st.Symbols.group);
    if (decimal != QLatin1String(".") && text.contains(decimal)) {
        text.remove(group);
        text.replace(decimal, QStringLiteral("."));
    } else if (!group.isEmpty() && group != QLatin1String(".")) {
        text.remove(group);
    }
    return Val(ss(text));
}

void GreenLineEdit::storeTypedValue()
{
    AppState& st = host_.state;
    double typed = readTypedValue();
    if (spec_.limit > 0 && typed > spec_.limit) {
        if (spec_.limitMessage)
            host_.dialogs.message(spec_.limitMessage);
        typed = spec_.limit;
    }
    Currency stored;
    try {
        stored = Currency::fromDouble(typed / spec_.scale);
    } catch (const CalcError&) {
        host_.dialogs.message(3); // "Wrong or missing entry, try again."
        stored = Currency();
    }
    if (spec_.onValue)
        spec_.onValue(stored);
    if (spec_.slot > 0) {
        if (static_cast<int>(st.InputValues.size()) <= spec_.slot)
            st.InputValues.resize(static_cast<std::size_t>(spec_.slot) + 1);
        st.InputValues[static_cast<std::size_t>(spec_.slot)] = stored;
    }
    setText(formatValue(spec_.scale == 1.0 ? stored.toDouble() : stored.toDouble() * spec_.scale));
    st.EditFlag = 0;
    if (spec_.onStored)
        spec_.onStored();
}

void GreenLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        // The X11 selection paste, typed in through the filter.
        if (QApplication::clipboard()->supportsSelection())
            typeText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void GreenLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &QLineEdit::copy);
    copyAction->setEnabled(hasSelectedText());
    QAction* pasteAction = menu.addAction(tr("&Paste"), this,
                                          [this] { typeText(QApplication::clipboard()->text()); });
    pasteAction->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

GreenComboBox::GreenComboBox(BoxHost& host, BoxSpec spec, QWidget* parent)
    : QComboBox(parent), host_(host), listSpec_(spec)
{
    if (spec.filter != KeyFilter::ListOnly) {
        setEditable(true);
        box_ = new GreenLineEdit(host, std::move(spec), this);
        setLineEdit(box_);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    makeGreen(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (host_.clearResults)
            host_.clearResults();
        host_.state.EditFlag = 1;
        if (onChosen)
            onChosen();
    });
}

BoxSpec& GreenComboBox::spec()
{
    return box_ ? box_->spec() : listSpec_;
}

void GreenComboBox::setNext(QWidget* next)
{
    spec().next = next;
}

void GreenComboBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool listKey = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
                         || key == Qt::Key_PageDown || key == Qt::Key_F4
                         || (!box_ && (key == Qt::Key_Home || key == Qt::Key_End));
    if (listKey) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (spec().next)
            spec().next->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    if (box_) {
        box_->processKey(event);
        return;
    }
    // A list-only box: typed characters are dropped with a beep and clear
    // the results; other keys keep their normal meaning.
    if (!isNavigationOrShortcut(event) || key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        host_.dialogs.beep();
        if (host_.clearResults)
            host_.clearResults();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace fiscalia

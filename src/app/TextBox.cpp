#include "app/TextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace fiscalia {

bool sameVisit(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false); // dropped text would bypass the rules
}

bool TextBox::acceptsText(const QString&, bool) const
{
    return true;
}

void TextBox::refuse()
{
    if (beep)
        beep();
}

void TextBox::startEditing()
{
    clear();
    if (editFlag_)
        *editFlag_ = 1;
}

bool TextBox::change(const QString& insertText, bool pasted)
{
    QString candidate;
    if (firstKeyPending()) {
        // A typed first key empties the box whether or not it is taken; a
        // paste changes nothing unless it is taken.
        if (!pasted)
            startEditing();
        candidate = insertText;
    } else {
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int length = hasSelectedText() ? selectionLength() : 0;
        candidate = text();
        candidate.replace(start, length, insertText);
    }
    if (candidate.size() > maxChars || !acceptsText(candidate, pasted)) {
        refuse();
        return false;
    }
    if (firstKeyPending())
        startEditing();
    insert(insertText);
    return true;
}

void TextBox::erase(bool forward)
{
    if (!forward && firstKeyPending()) {
        startEditing();
        return;
    }
    const QString current = text();
    int start = cursorPosition();
    int length = 0;
    if (hasSelectedText()) {
        start = selectionStart();
        length = selectionLength();
    } else if (forward) {
        length = start < current.size() ? 1 : 0;
    } else if (start > 0) {
        --start;
        length = 1;
    }
    if (length == 0)
        return;
    QString candidate = current;
    candidate.remove(start, length);
    if (!acceptsText(candidate, false)) {
        refuse();
        return;
    }
    setSelection(start, length);
    del();
}

void TextBox::typeCharacter(QChar c)
{
    if (c == QLatin1Char('"')) {
        refuse();
        return;
    }
    const QChar taken = mapCharacter(c);
    if (taken.isNull()) {
        if (firstKeyPending())
            startEditing();
        refuse();
        return;
    }
    change(QString(taken), false);
}

void TextBox::typeText(const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            break;
        typeCharacter(c);
    }
}

void TextBox::pasteText(const QString& text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
        ++end;
    QString line = text.left(end);
    line.remove(QLatin1Char('"'));
    line = cleanPaste(line);
    const qsizetype room = firstKeyPending()
                               ? maxChars
                               : maxChars - this->text().size() + (hasSelectedText() ? selectionLength() : 0);
    line.truncate(std::max<qsizetype>(room, 0));
    if (line.isEmpty()) {
        refuse();
        return;
    }
    change(line, true);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QWidget* target = enterTarget())
            target->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            const QString selected = selectedText();
            const int before = text().size();
            erase(true);
            if (text().size() != before)
                QApplication::clipboard()->setText(selected);
        }
        return;
    }
    for (const auto sequence : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
                                QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
                                QKeySequence::DeleteCompleteLine}) {
        if (event->matches(sequence))
            return; // edits that would bypass the rules
    }
    if (event->key() == Qt::Key_Backspace) {
        erase(false);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        if (!deleteKeyPressed())
            erase(true);
        return;
    }
    const QString typed = event->text();
    const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                          || ((event->modifiers() & Qt::AltModifier) && typed.isEmpty());
    // Format characters (a right-to-left override, say) are typing too: the
    // line edit would insert them.
    const bool typing = !typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0).category() == QChar::Other_Format);
    if (shortcut || !typing) {
        QLineEdit::keyPressEvent(event); // moving the caret, selecting, copying
        return;
    }
    for (const QChar c : typed)
        typeCharacter(c);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (editFlag_ && !sameVisit(event->reason()))
        *editFlag_ = 0;
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        // The X11 selection paste, through the same rules.
        if (QApplication::clipboard()->supportsSelection())
            pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &QLineEdit::copy);
    copyAction->setEnabled(hasSelectedText());
    QAction* pasteAction =
        menu.addAction(tr("&Paste"), this, [this] { pasteText(QApplication::clipboard()->text()); });
    pasteAction->setEnabled(!isReadOnly() && !QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

} // namespace fiscalia

#pragma once
#include <QLineEdit>

#include <functional>

namespace fiscalia {

// The one key policy of the program's text boxes (the green number boxes,
// the settings boxes, the one-line input and the date box):
// - Enter moves the focus on (to `next`, else to the next control);
// - the double quote is refused: it would end a text in the program's files;
// - with the first-key rule on, the first key typed after the box gets the
//   focus replaces the shown text;
// - every change (a key, a paste, a cut, Delete, Backspace) is decided on the
//   whole text as it would stand afterwards, wherever the caret is, and a
//   change the box refuses beeps and leaves the box as it was;
// - a paste takes the first line of the clipboard, cleaned by the box and cut
//   to its length limit, as one change: all of it or, with a beep, nothing;
// - undo and dropped text are off: they would bypass the rules.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Where Enter sends the focus.
    QWidget* next = nullptr;
    // The beep of a refused change.
    std::function<void()> beep;
    // The longest text the box takes (a paste is cut to it). Unlike the line
    // edit's own limit, it never cuts a text the program shows.
    int maxChars = 32767;

    // Turns the first-key rule on; `editFlag` is the program's edit flag, 0
    // until the box with the focus has been typed into.
    void setFirstKeyReplaces(int* editFlag) { editFlag_ = editFlag; }
    bool firstKeyPending() const { return editFlag_ && *editFlag_ == 0; }

    // A paste of `text`, as Ctrl+V, the middle button and the menu do it.
    void pasteText(const QString& text);
    // Types a text key by key.
    void typeText(const QString& text);

protected:
    // Whether `candidate`, the whole text as it would stand after a change,
    // may stand in the box; `pasted` tells a paste from a typed key.
    virtual bool acceptsText(const QString& candidate, bool pasted) const;
    // A typed character as the box takes it; a null character refuses it.
    virtual QChar mapCharacter(QChar c) const { return c; }
    // What a paste keeps of the clipboard's first line.
    virtual QString cleanPaste(const QString& text) const { return text; }
    // The first key after the focus came: the box is emptied and marked
    // typed into.
    virtual void startEditing();
    // One typed character.
    virtual void typeCharacter(QChar c);
    // The Delete key, before it deletes; true when that was all it does.
    virtual bool deleteKeyPressed() { return false; }
    // Where Enter sends the focus.
    virtual QWidget* enterTarget() const { return next; }
    void refuse();

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Replaces the selection (or inserts at the caret) when the result is
    // acceptable; false (and a beep) when it is not.
    bool change(const QString& insertText, bool pasted);
    // The text after deleting the selection, or one character before (or
    // after) the caret.
    void erase(bool forward);

    int* editFlag_ = nullptr;
};

// Whether a focus change belongs to the same visit of a box (a list popped
// up, another window activated) rather than a new one.
bool sameVisit(Qt::FocusReason reason);

} // namespace fiscalia

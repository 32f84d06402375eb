#pragma once
#include <QComboBox>
#include <QLineEdit>

#include <functional>

namespace fiscalia {

class Currency;
struct AppState;
class Dialogs;

// What a window offers its green boxes: the program-wide state (edit flag,
// input slots, currency symbol), the dialogs (beep, limit message) and the
// window's own clear results.
struct BoxHost {
    AppState& state;
    Dialogs& dialogs;
    std::function<void()> clearResults;
};

enum class KeyFilter {
    Decimal,     // digits and the point, two decimals (or three)
    WholeNumber, // digits only
    ListOnly,    // a list that can only be chosen from: typed keys beep
};

// How one box takes, stores and shows its value.
struct BoxSpec {
    int slot = 0;                   // InputValues slot; 0 = the value is not stored
    KeyFilter filter = KeyFilter::Decimal;
    int decimals = 2;               // 3 for rate boxes
    QString pattern = QStringLiteral("####,,###.00");
    bool currencyPrefix = false;    // CurrencySymbol in front of the number
    QString suffix;                 // e.g. "%" after the field
    int width = 16;                 // the field is right-justified to this width
    double scale = 1.0;             // slot = typed / scale; shown = slot * scale
    QWidget* next = nullptr;        // where Enter sends the focus
    double limit = 0;               // typed values above it are refused; 0 = no limit
    int limitMessage = 0;           // message shown for a value above the limit
    bool selectAllOnFocus = false;
    std::function<void()> onStored; // after a changed value has been stored
    // Where a box without a slot puts its value (in the box's own units).
    std::function<void(const Currency&)> onValue;
};

// A green text box: the first key replaces the shown value and clears the
// window's results, keys pass the box's filter, Enter moves on, leaving the box
// stores the value and shows it formatted. Pasted text is typed in character
// by character through the same rules; the clipboard is never touched.
class GreenLineEdit : public QLineEdit {
    Q_OBJECT
public:
    GreenLineEdit(BoxHost& host, BoxSpec spec, QWidget* parent = nullptr);

    BoxSpec& spec() { return spec_; }
    // Shows the stored value of the slot in the box's format.
    void showStoredValue();
    // The box's format applied to a value (in typed units).
    QString formatValue(double typedValue) const;
    // Types a text as if its characters were keyed one by one.
    void typeText(const QString& text);
    // Stores the typed value now, as leaving the box would, when it has been
    // typed into.
    void commit();
    // A key pressed on the combo box this box belongs to.
    void processKey(QKeyEvent* event) { keyPressEvent(event); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void typeCharacter(QChar c);
    void beginEditing();
    void storeTypedValue();
    double readTypedValue() const;

    BoxHost& host_;
    BoxSpec spec_;
};

// A green combo box: an editable one behaves as a green text box with a list
// of typical values; a list-only one can only be chosen from. Choosing from
// the list runs the window's clear results (and the box's onChosen).
class GreenComboBox : public QComboBox {
    Q_OBJECT
public:
    GreenComboBox(BoxHost& host, BoxSpec spec, QWidget* parent = nullptr);

    GreenLineEdit* box() const { return box_; } // null for a list-only box
    BoxSpec& spec();
    void setNext(QWidget* next);
    std::function<void()> onChosen;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    BoxHost& host_;
    BoxSpec listSpec_;
    GreenLineEdit* box_ = nullptr;
};

// Stores the value of the green box that has the focus, if it was typed
// into: an action started without the focus leaving the box (a keyboard
// shortcut, a menu) then still sees what was typed.
void commitFocusedBox();

// The green look of the boxes.
void makeGreen(QWidget* box);

} // namespace fiscalia

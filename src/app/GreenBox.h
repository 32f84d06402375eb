#pragma once
#include "app/TextBox.h"

#include <QComboBox>

#include <functional>

namespace fiscalia {

class Currency;
struct AppState;
class Dialogs;

// What a window offers its green boxes: the program-wide state (edit flag,
// input slots, currency symbol, separators), the dialogs (beep, limit
// message) and the window's own clear results.
struct BoxHost {
    AppState& state;
    Dialogs& dialogs;
    std::function<void()> clearResults;
};

enum class KeyFilter {
    Decimal,     // digits and the point, up to the box's decimals
    WholeNumber, // digits only
    ListOnly,    // a list that can only be chosen from: typed keys beep
};

// How one box takes, stores and shows its value.
struct BoxSpec {
    int slot = 0;                   // InputValues slot; 0 = the value is not stored
    KeyFilter filter = KeyFilter::Decimal;
    int decimals = 2;               // the decimals the box takes and shows (3 for rates)
    QString pattern = QStringLiteral("####,,###.00");
    bool currencyPrefix = false;    // CurrencySymbol in front of the number
    QString suffix;                 // e.g. "%" after the field
    int width = 16;                 // the field is right-justified to this width
    double scale = 1.0;             // slot = typed / scale; shown = slot * scale
    QWidget* next = nullptr;        // where Enter sends the focus
    double limit = 0;               // typed values above it are set to it; 0 = no limit
    int limitMessage = 0;           // message shown for a value above the limit
    bool allowMinus = false;        // "-" typed anywhere starts a negative value
    bool deleteEmpties = false;     // the Delete key empties the whole box
    bool selectAllOnFocus = false;
    std::function<void()> onStored; // after a changed value has been stored
    // Where a box without a slot puts its value (in the box's own units).
    std::function<void(const Currency&)> onValue;
};

// A green number box: the first key replaces the shown value and clears the
// window's results; keys and pastes pass the box's rules on the text as it
// would stand afterwards (digits, the point or the locale's decimal
// separator, at most the box's decimals, never more than the slot can hold);
// Enter moves on; leaving the box stores the value and shows it formatted,
// so the stored value is always the one shown. A value wider than the field
// widens the box rather than being cut.
class GreenLineEdit : public TextBox {
    Q_OBJECT
public:
    GreenLineEdit(BoxHost& host, BoxSpec spec, QWidget* parent = nullptr);

    BoxSpec& spec() { return spec_; }
    // Shows the stored value of the slot in the box's format.
    void showStoredValue();
    // The box's format applied to a value (in typed units).
    QString formatValue(double typedValue) const;
    QString formatValue(const Currency& typedValue) const;
    // Stores the typed value now, as leaving the box would, when it has been
    // typed into.
    void commit();
    // A list item chosen: stored and shown at once.
    void takeChosenText(const QString& itemText);
    // A key pressed on the combo box this box belongs to.
    void processKey(QKeyEvent* event) { keyPressEvent(event); }
    // The narrowest the box (or its combo box) may be; it grows past it to
    // show a wider value whole.
    void setBaseWidth(int pixels);

protected:
    bool acceptsText(const QString& candidate, bool pasted) const override;
    QChar mapCharacter(QChar c) const override;
    QString cleanPaste(const QString& text) const override;
    void startEditing() override;
    void typeCharacter(QChar c) override;
    bool deleteKeyPressed() override;
    QWidget* enterTarget() const override { return spec_.next ? spec_.next : next; }
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The text without currency symbol, suffix, group separators and blanks,
    // with "." for the locale's decimal separator.
    QString numericCore(const QString& text) const;
    void storeTypedValue();
    void fitWidth();

    BoxHost& host_;
    BoxSpec spec_;
    int baseWidth_ = 0;
};

// A green combo box: an editable one behaves as a green text box with a list
// of typical values; a list-only one can only be chosen from. An item chosen
// from the list, whichever way (mouse, wheel, keys, a screen reader), is
// taken at once: the window's results are cleared, an editable box stores
// the item's value, and onChosen runs.
class GreenComboBox : public QComboBox {
    Q_OBJECT
public:
    GreenComboBox(BoxHost& host, BoxSpec spec, QWidget* parent = nullptr);

    GreenLineEdit* box() const { return box_; } // null for a list-only box
    BoxSpec& spec();
    void setNext(QWidget* next);
    // Runs after an item has been chosen, with its index.
    std::function<void(int)> onChosen;
    // The list's items replaced, and an item shown as the current one,
    // without counting as a choice.
    void setItems(const QStringList& items);
    void showChoice(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chosen(int index);

    BoxHost& host_;
    BoxSpec listSpec_;
    GreenLineEdit* box_ = nullptr;
    int lastChosen_ = -1;
    int shownIndex_ = -1;
    bool inserting_ = false;
};

// Stores the value of the green box that has the focus, if it was typed
// into: an action started without the focus leaving the box (a keyboard
// shortcut, a menu) then still sees what was typed.
void commitFocusedBox();

// The green look of the boxes. Called from the constructor of a box class
// with a Q_OBJECT of its own: every box of the class then shares one green
// palette.
void makeGreen(QWidget* box);

} // namespace fiscalia

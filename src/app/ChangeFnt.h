#pragma once
#include "app/TextBox.h"

#include <QDialog>

class QRadioButton;
class QPushButton;

namespace fiscalia {

struct AppState;
class Dialogs;
class SettingsStore;

// The currency box of the settings window: clicking into it or the first key
// empties it; it takes at most 4 characters and no control or format
// characters (a symbol that would garble every amount); Enter moves on;
// leaving it fits the text to 2 characters.
class CurrencySymbolBox : public TextBox {
    Q_OBJECT
public:
    CurrencySymbolBox(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    bool acceptsText(const QString& candidate, bool pasted) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    AppState& state_;
};

// The name box: a one-line box whose text becomes the user's name when it
// is left.
class NameBox : public TextBox {
    Q_OBJECT
public:
    NameBox(AppState& state, QWidget* parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    AppState& state_;
};

// The settings window "Personalize": the user's name, the currency symbol and
// the printer font. Leaving it by "E&xit to Menu" (or by closing it) keeps
// the values and writes Personal.fsc.
class ChangeFnt : public QDialog {
    Q_OBJECT
public:
    ChangeFnt(AppState& state, Dialogs& dialogs, const SettingsStore& store, QWidget* parent = nullptr);

    // True when the settings file was written on exit; else why not.
    bool saved() const { return saved_; }
    const QString& saveFailure() const { return saveFailure_; }

    void done(int result) override;

private:
    void exitToMenu();

    AppState& state_;
    const SettingsStore& store_;
    CurrencySymbolBox* currency_;
    NameBox* name_;
    bool saved_ = false;
    QString saveFailure_;
    bool exited_ = false;
};

} // namespace fiscalia

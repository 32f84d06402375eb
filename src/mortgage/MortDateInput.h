#pragma once
#include "app/TextBox.h"

#include <QDialog>

class QPushButton;

namespace fiscalia {

struct AppState;
class Dialogs;

// The date box: the program's text-box rules with the first key replacing
// the shown date; leaving the box checks the date.
class DateBox : public TextBox {
    Q_OBJECT
public:
    DateBox(AppState& state, QWidget* parent = nullptr);
    std::function<void()> onLeave;

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// "Date Input": the date of the first payment.
class MortDateInput : public QDialog {
    Q_OBJECT
public:
    MortDateInput(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads the box; false (and message 10) when it holds no valid date.
    bool takeDate();
    void done(int result) override;

private:
    AppState& state_;
    Dialogs& dialogs_;
    DateBox* box_;
    bool checking_ = false;
    bool refused_ = false; // the date last checked was wrong: the window stays
};

} // namespace fiscalia

#pragma once
#include <QDialog>
#include <QLineEdit>

class QPushButton;

namespace fiscalia {

struct AppState;
class Dialogs;

// The date box: the first key replaces the shown date, Enter moves on, and
// leaving the box checks the date.
class DateBox : public QLineEdit {
    Q_OBJECT
public:
    DateBox(AppState& state, QWidget* parent = nullptr);
    QWidget* next = nullptr;
    std::function<void()> onLeave;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    AppState& state_;
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
    bool refused_ = false; // a wrong date was just reported: the window stays
};

} // namespace fiscalia

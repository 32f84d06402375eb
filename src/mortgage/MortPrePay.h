#pragma once
#include "app/GreenBox.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace fiscalia {

class Grid;
struct AppState;
class Dialogs;

// "Additional Payments": amounts added at the start of chosen years, typed
// into the grid, and a percentage increase of every payment.
class MortPrePay : public QDialog {
    Q_OBJECT
public:
    MortPrePay(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MortPrePay() override;

    // The years shown (the term rounded to whole years).
    int years() const { return years_; }

    void done(int result) override;

private:
    bool gridKey(QKeyEvent* event);
    void showAmount(int year);
    void eraseAll();

    AppState& state_;
    Dialogs& dialogs_;
    std::unique_ptr<BoxHost> host_;
    Grid* grid_ = nullptr;
    GreenLineEdit* percent_ = nullptr;
    QString typed_;   // the text typed into the current cell
    int typedRow_ = 0;
    int years_ = 0;
};

} // namespace fiscalia

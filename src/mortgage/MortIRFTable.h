#pragma once
#include <QDialog>

namespace fiscalia {

struct AppState;

// "Accelerated payments": how many days a year has when the periodic rate
// of weekly and two-weekly payments is worked out.
class MortIRFTable : public QDialog {
    Q_OBJECT
public:
    explicit MortIRFTable(AppState& state, QWidget* parent = nullptr);
    void done(int result) override;

private:
    AppState& state_;
    int choice_;
};

} // namespace fiscalia

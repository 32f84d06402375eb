#pragma once
#include <QDialog>

class QListWidget;

namespace fiscalia {

struct FundState;

// "Select Fund to Display": a fund chosen by a double click or Enter, or
// all funds; the choice is left in ActiveFund (31 for all, 0 when
// cancelled).
class FundChoose : public QDialog {
    Q_OBJECT
public:
    FundChoose(FundState& funds, QWidget* parent = nullptr);

    void chooseFund(int row);
    void chooseAll();

protected:
    void reject() override;

private:
    FundState& funds_;
    QListWidget* list_;
};

} // namespace fiscalia

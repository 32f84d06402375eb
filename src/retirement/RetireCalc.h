#pragma once
#include "app/CalculatorWindow.h"
#include "retirement/retirement.h"

class QLabel;
class QRadioButton;

namespace fiscalia {

// The Retirement Calculations window: a capital drawn down by a percentage
// of its value each year, or by a fixed monthly amount raised every year.
class RetireCalc : public CalculatorWindow {
    Q_OBJECT
public:
    explicit RetireCalc(const ToolContext& context);

    void calculate() override;
    void print() override;
    // The option set-up: captions, slots, lists and box rules of an option.
    void setUpOption(Withdrawal option);

protected:
    std::string quickHelpText() const override;
    int graphKind() const override;
    void releaseResults() override;

private:
    Withdrawal option() const;

    GreenComboBox* invest_ = nullptr;
    GreenComboBox* rate_ = nullptr;
    GreenComboBox* drawn_ = nullptr;
    GreenComboBox* term_ = nullptr;
    QRadioButton* percentage_ = nullptr;
    QRadioButton* fixedAmount_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
};

} // namespace fiscalia

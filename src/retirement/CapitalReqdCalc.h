#pragma once
#include "app/CalculatorWindow.h"
#include "retirement/capital_required.h"

class QLabel;
class QRadioButton;

namespace fiscalia {

// The Capital Required window: the yearly saving that builds a capital, or
// the capital that yields an income.
class CapitalReqdCalc : public CalculatorWindow {
    Q_OBJECT
public:
    explicit CapitalReqdCalc(const ToolContext& context);

    void calculate() override;
    void print() override;
    // The option set-up: the goal's slots, list and caption.
    void setUpGoal(CapitalGoal goal);

protected:
    std::string quickHelpText() const override;
    int graphKind() const override { return 5; }
    void releaseResults() override;

private:
    CapitalGoal goal() const;

    GreenComboBox* amount_ = nullptr;
    GreenComboBox* rate_ = nullptr;
    GreenComboBox* term_ = nullptr;
    QRadioButton* capital_ = nullptr;
    QRadioButton* income_ = nullptr;
    QLabel* label1_ = nullptr;
};

} // namespace fiscalia

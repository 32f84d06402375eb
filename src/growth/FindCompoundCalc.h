#pragma once
#include "app/CalculatorWindow.h"

namespace fiscalia {

class TextBox;

// The Find Annual Compound Growth window: every Calculate adds one
// investment's annual compound growth rate to the table, up to 22.
class FindCompoundCalc : public CalculatorWindow {
    Q_OBJECT
public:
    explicit FindCompoundCalc(const ToolContext& context);

    void calculate() override;
    void print() override;

protected:
    std::string quickHelpText() const override;
    int graphKind() const override { return 6; }
    void prepareGraph() override;
    // Comparison rows stay; the grid is emptied only before the first.
    bool gridKeepsRows() const override;
    // The rows remain for the graph and the printout.
    bool resultsOutliveEdits() const override { return true; }
    void releaseResults() override;

private:
    GreenLineEdit* cost_ = nullptr;
    GreenLineEdit* value_ = nullptr;
    GreenLineEdit* term_ = nullptr;
    TextBox* name_ = nullptr;
};

} // namespace fiscalia

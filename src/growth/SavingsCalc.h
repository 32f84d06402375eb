#pragma once
#include "app/CalculatorWindow.h"

namespace fiscalia {

// The Investment Growth window: one plan's period table (Planning mode,
// ToolMode 1) or up to 22 plans side by side (Comparisons mode, ToolMode 2).
class SavingsCalc : public CalculatorWindow {
    Q_OBJECT
public:
    explicit SavingsCalc(const ToolContext& context);

    void calculate() override;
    void print() override;
    bool comparisons() const { return mode_ == 2; }

protected:
    std::string quickHelpText() const override;
    int graphKind() const override { return 1; }
    // Comparison rows survive edits: the grid is emptied only while none
    // has been added.
    bool gridKeepsRows() const override;
    void releaseResults() override;

private:
    void buildControls();
    void layOutInputs();
    void loadDefaults();
    GreenComboBox* numberBox(const char* name, BoxSpec spec, const QStringList& items);

    int mode_;

    GreenComboBox* lumpSum_ = nullptr;
    GreenComboBox* invest_ = nullptr;
    GreenComboBox* frequency_ = nullptr;
    GreenComboBox* rate_ = nullptr;
    GreenComboBox* increase_ = nullptr;
    GreenComboBox* inflation_ = nullptr;
    GreenComboBox* term_ = nullptr;
};

} // namespace fiscalia

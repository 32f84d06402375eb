#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"
#include "app/WindowLayout.h"

#include <memory>

class QPushButton;

namespace fiscalia {

class Grid;

// The Investment Growth window: one plan's period table (Planning mode,
// ToolMode 1) or up to 22 plans side by side (Comparisons mode, ToolMode 2).
class SavingsCalc : public ToolWindow {
    Q_OBJECT
public:
    explicit SavingsCalc(const ToolContext& context);
    ~SavingsCalc() override;

    void calculate();
    void clearResults();
    void toggleQuickHelp();
    void showGraph();
    void print();
    bool comparisons() const { return mode_ == 2; }

protected:
    void releaseResults() override;

private:
    void buildControls();
    void layOut();
    void loadDefaults();
    // The grid's columns, widths and headings for the mode.
    void setUpGrid();
    GreenComboBox* numberBox(const char* name, BoxSpec spec, const QStringList& items);

    std::unique_ptr<BoxHost> host_;
    int mode_;
    bool quickHelpOpen_ = false;

    GreenComboBox* lumpSum_ = nullptr;
    GreenComboBox* invest_ = nullptr;
    GreenComboBox* frequency_ = nullptr;
    GreenComboBox* rate_ = nullptr;
    GreenComboBox* increase_ = nullptr;
    GreenComboBox* inflation_ = nullptr;
    GreenComboBox* term_ = nullptr;
    Grid* grid_ = nullptr;
    QuickHelpPanel* helpText_ = nullptr;
    std::unique_ptr<QuickHelpSwitch> quickHelp_;
    QPushButton* calc_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* graphs_ = nullptr;
    QPushButton* printer_ = nullptr;
    QPushButton* exit_ = nullptr;
};

} // namespace fiscalia

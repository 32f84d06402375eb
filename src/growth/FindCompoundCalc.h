#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"
#include "app/WindowLayout.h"

#include <memory>

class QPushButton;

namespace fiscalia {

class Grid;
class TextBox;

// The Find Annual Compound Growth window: every Calculate adds one
// investment's annual compound growth rate to the table, up to 22.
class FindCompoundCalc : public ToolWindow {
    Q_OBJECT
public:
    explicit FindCompoundCalc(const ToolContext& context);
    ~FindCompoundCalc() override;

    void calculate();
    void clearResults();
    void toggleQuickHelp();
    void showGraph();
    void print();

protected:
    void releaseResults() override;

private:
    void setUpGrid();

    std::unique_ptr<BoxHost> host_;
    bool quickHelpOpen_ = false;
    GreenLineEdit* cost_ = nullptr;
    GreenLineEdit* value_ = nullptr;
    GreenLineEdit* term_ = nullptr;
    TextBox* name_ = nullptr;
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

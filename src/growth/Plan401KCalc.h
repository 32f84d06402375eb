#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"
#include "app/WindowLayout.h"

#include <memory>
#include <vector>

class QPushButton;

namespace fiscalia {

class Grid;

// The 401(k) window: a 401(k) account projected year by year.
class Plan401KCalc : public ToolWindow {
    Q_OBJECT
public:
    explicit Plan401KCalc(const ToolContext& context);
    ~Plan401KCalc() override;

    void calculate();
    void clearResults();
    void toggleQuickHelp();
    void showGraph();
    void print();

protected:
    void releaseResults() override;

private:
    void loadDefaults();

    std::unique_ptr<BoxHost> host_;
    bool quickHelpOpen_ = false;
    std::vector<GreenLineEdit*> boxes_; // in Enter order
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

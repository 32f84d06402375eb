#pragma once
#include "app/CalculatorWindow.h"

#include <vector>

namespace fiscalia {

// The 401(k) window: a 401(k) account projected year by year.
class Plan401KCalc : public CalculatorWindow {
    Q_OBJECT
public:
    explicit Plan401KCalc(const ToolContext& context);

    void calculate() override;
    void print() override;

protected:
    std::string quickHelpText() const override;
    int graphKind() const override { return 7; }
    void releaseResults() override;

private:
    std::vector<GreenLineEdit*> boxes_; // in Enter order
};

} // namespace fiscalia

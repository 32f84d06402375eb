#pragma once
#include "app/Shell.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QKeyEvent;
class QPushButton;

namespace fiscalia {

class Grid;
class QuickHelpPanel;
class QuickHelpSwitch;

// "Current Prices": today's price per share of every fund typed into a
// grid; "&Calculate" values the holdings and shows the current value table.
class FundCurrValue : public QWidget {
    Q_OBJECT
public:
    FundCurrValue(const ToolContext& context, std::function<void()> backToMenu);
    ~FundCurrValue() override;

    void calculate();
    void toggleQuickHelp();
    void exitToMenu();

private:
    bool typeKey(QKeyEvent* event);
    void showPrice(int row);

    AppState& state_;
    Dialogs& dialogs_;
    Shell& shell_;
    std::function<void()> backToMenu_;
    Grid* grid_ = nullptr;
    QPushButton* help_ = nullptr;
    QuickHelpPanel* helpText_ = nullptr;
    std::unique_ptr<QuickHelpSwitch> quickHelp_;
    std::string buffer_; // the price being typed into the current cell
};

} // namespace fiscalia

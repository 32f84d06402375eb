#pragma once
#include "app/ToolWindow.h"
#include "networth/net_worth.h"

#include <memory>
#include <string>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace fiscalia {

class Grid;
class QuickHelpPanel;
class QuickHelpSwitch;
class ResultLabel;

// The Net Worth window: assets and liabilities typed into two spreadsheets,
// grouped by "Sub Total" lines, totalled into the net worth; kept in .kvw
// files and printed on one page.
class NetWorthCalc : public ToolWindow {
    Q_OBJECT
public:
    explicit NetWorthCalc(const ToolContext& context);
    ~NetWorthCalc() override;

    // "&Calculate": the lists closed up and totalled, NetInfo hidden.
    void calculate();
    // "&Insert blank line" of the assets (0) or liabilities (1).
    void insertLine(int side);
    void openFile();
    void saveFile();
    void print();
    void toggleQuickHelp();
    // "E&xit to Menu": asks first when the statement holds changes not saved.
    void leave();
    bool mayClose() override;

protected:
    void releaseResults() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One spreadsheet: its grid, its list and the cell being typed into.
    struct Side {
        Grid* grid = nullptr;
        bool assets = true;
        int row = 1;
        int col = 0;
        std::string buffer;
    };
    NetList& list(const Side& side);
    int& count(const Side& side);
    bool typeKey(Side& side, QKeyEvent* event);
    void storeCell(Side& side, const NetCellEdit& edit);
    // The statement worked out again and shown; false (message 3) when a
    // total cannot be held.
    bool recalculate();
    void showStatement();
    void markChanged();
    void hideQuickHelp();

    Side sides_[2];
    QWidget* grids_ = nullptr;
    QLabel* netInfo_ = nullptr;
    ResultLabel* net_ = nullptr;
    QPushButton* help_ = nullptr;
    QuickHelpPanel* helpText_ = nullptr;
    std::unique_ptr<QuickHelpSwitch> quickHelp_;
};

} // namespace fiscalia

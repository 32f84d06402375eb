#pragma once
#include "app/Shell.h"
#include "app/currency.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QPushButton;

namespace fiscalia {

class Grid;
struct TableTexts;

// The table window of the Investment Manager: the current value of all
// funds, or the records of one fund or of all funds. It prints what it
// shows, hands the funds to the graph window, and values one fund at a
// typed price.
class FundTable : public QWidget {
    Q_OBJECT
public:
    enum class Mode { CurrentValues, Records };
    FundTable(const ToolContext& context, std::function<void()> backToMenu, Mode mode);

    void print();
    // "&Show Graph" (current values) or "&Current Value" (one fund's records).
    void graphOrValue();
    void exitToMenu();
    const std::string& trailer() const { return trailer_; }

private:
    // A table's headings, column widths (the names 2000 twips, the figures
    // `figureColumnTwips`) and rows.
    void showTable(const TableTexts& table, int figureColumnTwips);
    void showCurrentValues();
    void showRecords();
    void valueFund();

    AppState& state_;
    Dialogs& dialogs_;
    Shell& shell_;
    std::function<void()> backToMenu_;
    Mode mode_;
    Grid* grid_ = nullptr;
    QPushButton* graph_ = nullptr;
    int lastTableRow_ = 0;              // the table's last used row, before any valuation
    std::optional<Currency> gainPercent_; // of the last valuation
    std::string trailer_;               // the valuation lines of the records printout
};

} // namespace fiscalia

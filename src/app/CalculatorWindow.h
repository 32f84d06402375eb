#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"
#include "app/WindowLayout.h"

#include <memory>
#include <string>
#include <vector>

class QLayout;
class QPushButton;

namespace fiscalia {

class Grid;

// How a calculator's results grid is laid out.
struct GridDesign {
    const char* name;             // "SGrid", "KGrid" ...
    int cols = 4;
    int rows = 25;
    int headingTwips = 500;
    int columnTwips = 800;        // the grid's own column width
    std::vector<int> widthAdded;  // each column's addition to it
    std::vector<const char*> headings;
    QString accessibleName;
    QString exportName;           // the file name offered for an export
    int centredCols = 1;          // the leading columns centred, the rest right-aligned
};

// What every calculator window shares: the green-box host, the results grid,
// the Quick Help panel that takes the grid's place, the five buttons
// ("&Calculate", "Quick &Help", "&Show Graph", "To &Printer", "E&xit to
// Menu", named with the tool's letter), clear results, the Quick Help
// toggle, and the layout of inputs above the grid and the buttons below.
class CalculatorWindow : public ToolWindow {
    Q_OBJECT
public:
    CalculatorWindow(const ToolContext& context, QString caption, int helpContext, char letter,
                     const GridDesign& grid);
    ~CalculatorWindow() override;

    virtual void calculate() = 0;
    virtual void print() = 0;
    // Clear results: the edit flag set; unless Quick Help is open, the grid
    // emptied (unless it keeps rows), Quick Help put away, ResultsReady 0
    // (unless the results outlive edits).
    void clearResults();
    void toggleQuickHelp();
    void showGraph();

protected:
    // The Quick Help text, lines joined by CR LF.
    virtual std::string quickHelpText() const = 0;
    // The graph kind of "&Show Graph".
    virtual int graphKind() const = 0;
    // Anything the graph needs set just before "&Show Graph" draws it.
    virtual void prepareGraph() {}
    // Comparison rows survive edits: the grid is not emptied.
    virtual bool gridKeepsRows() const { return false; }
    // The results stay available to the graph and the printout after an edit.
    virtual bool resultsOutliveEdits() const { return false; }

    // Inputs above the grid, the grid (or Quick Help) and the buttons.
    void layOut(QLayout* inputs);
    // Tab goes through the inputs in this order, then the buttons, the grid
    // and Quick Help; the first input is the window's first control.
    void setTabChain(const QList<QWidget*>& inputs);
    // The grid's data rows replaced in one go; the selection on row 1.
    void showRows(int rows, const std::vector<std::string>& cells);
    // Quick Help closes and results are cleared before a calculation.
    void startCalculation();
    // The Quick Help text rebuilt, when it is open, for a changed option.
    void refreshQuickHelp();
    // Where Enter in the Quick Help panel goes.
    void setHelpEnterTarget(QWidget* target);
    // The Quick Help panel emptied, as the window lets its results go.
    void clearQuickHelpText();

    BoxHost& host() { return *host_; }
    Grid* grid() const { return grid_; }
    QPushButton* calcButton() const { return calc_; }
    QPushButton* printerButton() const { return printer_; }

private:
    std::unique_ptr<BoxHost> host_;
    bool quickHelpOpen_ = false;
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

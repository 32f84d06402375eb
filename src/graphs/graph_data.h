#pragma once
#include <string>
#include <vector>

namespace fiscalia {

struct AppState;

// What the graph window can show.
enum class GraphView {
    FundGainLoss = 1, // gain/loss bars of the funds
    FundPie = 2,      // value pie of the funds
    YearBars = 3,     // year bars, 2D
    Fund3D = 4,       // the fund graph on show, in 3D
    YearBars3D = 5,
    Comparison = 6,   // comparison bars, 2D
    Comparison3D = 7,
};

enum class ChartType { Pie3D = 2, Bar2D = 3, Bar3D = 4 };

// One drawing: a title, a left axis title and one data set of points.
struct GraphSeries {
    std::string title;
    std::string axisTitle;
    std::vector<std::string> labels;
    std::vector<double> values;
    ChartType type = ChartType::Bar2D;
};

// Readies the program-wide tables when the graph window loads: the column
// copies of kinds 2, 3, 5 and 7 and the mortgage graph routine of kind 4,
// which also sets ResultsReady to the number of years drawn.
void loadGraphTables(AppState& state);

// The view the window opens with for the state's GraphKind and ToolMode.
GraphView firstView(const AppState& state);

// The views the buttons lead to.
GraphView view2D(const AppState& state);
GraphView view3D(const AppState& state);

// The data of a view: P points (ResultsReady, or 2 when it is 1), labels
// and values from the tables the kind names. In the Fund3D view the data is
// that of `previous` (the fund view on show), redrawn as 3D bars.
GraphSeries graphSeries(const AppState& state, GraphView view, GraphView previous = GraphView::FundGainLoss);

// Whether the views show calculator data (year or comparison bars).
bool isCalculatorView(GraphView view);

} // namespace fiscalia

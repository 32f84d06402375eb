#pragma once
#include "app/table_text.h"
#include "app/ToolWindow.h"
#include "graphs/ChartPainter.h"

#include <QPointer>

#include <memory>

class QPushButton;

namespace fiscalia {

struct ExportTarget;

// The one painted widget of the program: a chart of one series. Hovering a
// bar or slice shows its label and exact value; the accessible description
// lists the data. Its data is copied with Ctrl+C as tab-separated text; the
// context menu offers "Copy" and "Export as CSV…".
class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(const NumberSymbols& symbols, QWidget* parent = nullptr);
    ~GraphWidget() override;
    void setSeries(GraphSeries series);
    const GraphSeries& series() const { return series_; }
    // The point under a position of the widget, or -1.
    int pointAt(const QPointF& position) const;
    // The text shown for point `index`.
    QString pointText(int index) const;
    // The points as a table: a heading row, then label and value.
    TextTable table() const;
    void enableExport(const ExportTarget& target);
    bool exportAll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    const NumberSymbols& symbols_;
    std::unique_ptr<ExportTarget> export_;
    GraphSeries series_;
    std::vector<ChartItem> items_;
};

// The graph window: the results of the tool that asked for it, as 2D bars,
// 3D bars or a 3D pie, with its view buttons, printing and exit.
class GraphsAll : public ToolWindow {
    Q_OBJECT
public:
    // `returnTo` is the window shown again on exit.
    GraphsAll(const ToolContext& context, QWidget* returnTo);

    GraphView currentView() const { return view_; }
    void showView(GraphView view);
    GraphWidget* graph() const { return graph_; }
    int colourFlag() const { return colourFlag_; }

    // "&To Printer": questions 1 and 2, then the picture to the printer.
    void print();
    // "E&xit to Menu": back to the window that asked; its results stay.
    void exitGraph();

    // The current view drawn into an image of the given size.
    QImage render(const QSize& size, bool colour) const;

private:
    QPointer<QWidget> returnTo_;
    GraphWidget* graph_;
    QPushButton* sav2D_;
    QPushButton* threeDee_;
    QPushButton* oned_;
    QPushButton* pie2d_;
    QPushButton* printer_;
    QPushButton* exit_;
    GraphView view_ = GraphView::YearBars;
    GraphView fundView_ = GraphView::FundGainLoss; // the fund view on show before view 4
    int colourFlag_ = 0;
};

// "&Show Graph" of a tool window: message 2 without results; otherwise
// GraphKind is set and the graph window takes the tool's place until its
// exit.
void showGraphFor(QWidget* tool, const ToolContext& context, int graphKind);

} // namespace fiscalia

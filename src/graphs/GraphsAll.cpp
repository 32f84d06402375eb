#include "graphs/GraphsAll.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/TableExport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace fiscalia {

GraphWidget::GraphWidget(const NumberSymbols& symbols, QWidget* parent) : QWidget(parent), symbols_(symbols)
{
    setObjectName(QStringLiteral("Graph1"));
    setMouseTracking(true);
    setMinimumSize(300, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus); // its data can be copied from the keyboard
    setAccessibleName(tr("Graph"));
}

GraphWidget::~GraphWidget() = default;

TextTable GraphWidget::table() const
{
    TextTable rows{{"Point", "Value"}};
    for (std::size_t i = 0; i < series_.values.size(); ++i)
        rows.push_back({series_.labels[i], formatNumber(series_.values[i], "#,,##0.00", symbols_)});
    return rows;
}

void GraphWidget::enableExport(const ExportTarget& target)
{
    export_ = std::make_unique<ExportTarget>(target);
}

bool GraphWidget::exportAll()
{
    return export_ && exportTable(*export_, table());
}

void GraphWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyTable(table());
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphWidget::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("&Copy"), this, [this] { copyTable(table()); });
    if (export_)
        menu.addAction(tr("&Export as CSV\u2026"), this, &GraphWidget::exportAll);
    menu.exec(event->globalPos());
}

void GraphWidget::setSeries(GraphSeries series)
{
    series_ = std::move(series);
    QStringList points;
    for (std::size_t i = 0; i < series_.values.size(); ++i)
        points << pointText(static_cast<int>(i));
    setAccessibleDescription(qs(series_.title) + QStringLiteral(". ") + points.join(QStringLiteral("; ")));
    update();
}

QString GraphWidget::pointText(int index) const
{
    if (index < 0 || index >= static_cast<int>(series_.values.size()))
        return {};
    return qs(series_.labels[static_cast<std::size_t>(index)]) + QStringLiteral(": ")
           + qs(formatNumber(series_.values[static_cast<std::size_t>(index)], "#,,##0.00", symbols_));
}

int GraphWidget::pointAt(const QPointF& position) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (it->shape.contains(position))
            return it->index;
    return -1;
}

void GraphWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    items_ = paintChart(painter, QRectF(rect()), series_, true, symbols_);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int index = pointAt(event->position());
    if (index >= 0)
        QToolTip::showText(event->globalPosition().toPoint(), pointText(index), this);
    else
        QToolTip::hideText();
    QWidget::mouseMoveEvent(event);
}

bool GraphWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = pointAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), pointText(index), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

GraphsAll::GraphsAll(const ToolContext& context, QWidget* returnTo)
    : ToolWindow(context, context.shell.frameWidget()->windowTitle(), HelpTopic::Graph), returnTo_(returnTo)
{
    setObjectName(QStringLiteral("GraphsAll"));
    graph_ = new GraphWidget(state_.Symbols, this);
    graph_->enableExport({dialogs_, state_.LastExportFile, QStringLiteral("Graph.csv")});

    sav2D_ = addButton("Sav2D", "Show Graph in &2D");
    threeDee_ = addButton("ThreeDee", "Show Graph in &3D");
    oned_ = addButton("Oned", "&Gain/Loss %");
    pie2d_ = addButton("Pie2d", "&Value of each fund");
    printer_ = addButton("GPrinter", "&To Printer");
    exit_ = addButton("ExitBut", "E&xit to Menu");
    connect(sav2D_, &QPushButton::clicked, this, [this] { showView(view2D(state_)); });
    connect(threeDee_, &QPushButton::clicked, this, [this] { showView(view3D(state_)); });
    connect(oned_, &QPushButton::clicked, this, [this] { showView(GraphView::FundGainLoss); });
    connect(pie2d_, &QPushButton::clicked, this, [this] { showView(GraphView::FundPie); });
    connect(printer_, &QPushButton::clicked, this, &GraphsAll::print);
    connect(exit_, &QPushButton::clicked, this, &GraphsAll::exitGraph);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(threeDee_);
    buttons->addWidget(oned_);
    buttons->addWidget(sav2D_); // in the place of "&Value of each fund"
    buttons->addWidget(pie2d_);
    buttons->addStretch();
    buttons->addWidget(printer_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(graph_, 1);
    layout->addLayout(buttons);

    // On load: the fund buttons and "3D" shown, "2D" hidden; then the first
    // view of the kind.
    sav2D_->hide();
    loadGraphTables(state_);
    showView(firstView(state_));
}

void GraphsAll::showView(GraphView view)
{
    const GraphView previous = view_;
    if (view == GraphView::FundGainLoss || view == GraphView::FundPie)
        fundView_ = view;
    view_ = view;
    switch (view) {
    case GraphView::YearBars:
    case GraphView::Comparison: {
        const bool wasDisabled = !threeDee_->isEnabled();
        threeDee_->setEnabled(true);
        if (wasDisabled)
            threeDee_->setFocus();
        sav2D_->show();
        sav2D_->setEnabled(false);
        oned_->hide();
        pie2d_->hide();
        break;
    }
    case GraphView::YearBars3D:
    case GraphView::Comparison3D:
        sav2D_->show();
        sav2D_->setEnabled(true);
        sav2D_->setFocus();
        threeDee_->setEnabled(false);
        oned_->hide();
        pie2d_->hide();
        break;
    case GraphView::FundGainLoss:
    case GraphView::FundPie:
        threeDee_->setEnabled(true);
        break;
    case GraphView::Fund3D:
        threeDee_->setEnabled(false);
        if (fundView_ == GraphView::FundPie)
            pie2d_->setFocus();
        break;
    }
    Q_UNUSED(previous);
    graph_->setSeries(graphSeries(state_, view, fundView_));
}

QImage GraphsAll::render(const QSize& size, bool colour) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), graph_->series(), colour, state_.Symbols);
    return image;
}

void GraphsAll::print()
{
    if (!dialogs_.question(1)) // " Continue with Printout."
        return;
    colourFlag_ = dialogs_.question(2) ? 1 : 0; // " Print in Color."
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The picture of the window's graph, 9530 by 5900 twips, drawn at
    // 200 dots an inch for the paper.
    const QImage image = render(QSize(9530 * 200 / 1440, 5900 * 200 / 1440), colourFlag_ == 1);
    PrinterOutput output(dialogs_);
    const auto result = output.printImage(image, qs(graph_->series().title), colourFlag_ == 1);
    QApplication::restoreOverrideCursor();
    colourFlag_ = 0;
    if (result == PrinterOutput::Result::Failed)
        dialogs_.notice(output.error() + QStringLiteral(" Check the printer or the file name and try again."));
}

void GraphsAll::exitGraph()
{
    QWidget* back = returnTo_;
    shell_.unloadWindow(this);
    if (back)
        shell_.showWindow(back);
    else
        shell_.showMenu();
}

} // namespace fiscalia

namespace fiscalia {

void showGraphFor(QWidget* tool, const ToolContext& context, int graphKind)
{
    if (context.state.ResultsReady == 0) {
        context.dialogs.message(2); // "No data to graph. Calculate."
        return;
    }
    context.state.GraphKind = graphKind;
    auto* graph = new GraphsAll(context, tool);
    context.shell.hideWindow(tool);
    context.shell.showWindow(graph);
}

} // namespace fiscalia

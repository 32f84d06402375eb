#include "app/CalculatorWindow.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/QtText.h"
#include "app/TableExport.h"
#include "graphs/GraphsAll.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

QByteArray named(char letter, const char* role)
{
    return QByteArray(1, letter) + role;
}

} // namespace

CalculatorWindow::CalculatorWindow(const ToolContext& context, QString caption, int helpContext, char letter,
                                   const GridDesign& design)
    : ToolWindow(context, std::move(caption), helpContext)
{
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, [this] { clearResults(); }});
    calc_ = addButton(named(letter, "Calc").constData(), "&Calculate");
    help_ = addButton(named(letter, "Help").constData(), "Quick &Help");
    graphs_ = addButton(named(letter, "Graphs").constData(), "&Show Graph");
    printer_ = addButton(named(letter, "Printer").constData(), "To &Printer");
    exit_ = addButton(named(letter, "Exit").constData(), "E&xit to Menu");
    connect(calc_, &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(help_, &QPushButton::clicked, this, &CalculatorWindow::toggleQuickHelp);
    connect(graphs_, &QPushButton::clicked, this, &CalculatorWindow::showGraph);
    connect(printer_, &QPushButton::clicked, this, &CalculatorWindow::print);
    connect(exit_, &QPushButton::clicked, this, &ToolWindow::exitToMenu);

    grid_ = new Grid(this);
    grid_->setObjectName(QString::fromLatin1(design.name));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setCols(design.cols);
    grid_->setRows(design.rows);
    grid_->setHeadingHeightTwips(design.headingTwips);
    for (int c = 0; c < design.cols; ++c) {
        const auto i = static_cast<std::size_t>(c);
        grid_->setColWidthTwips(c, design.columnTwips + (i < design.widthAdded.size() ? design.widthAdded[i] : 0));
        if (i < design.headings.size())
            grid_->setText(0, c, QString::fromLatin1(design.headings[i]));
        grid_->setColAlignment(c, c < design.centredCols ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->setFillWidth(true);
    grid_->setAccessibleName(design.accessibleName);
    grid_->enableExport({dialogs_, state_.LastExportFile, design.exportName});

    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("%1TextBox").arg(QLatin1Char(letter)));
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_, QList<QWidget*>{printer_, graphs_});
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::layOut(QLayout* inputs)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addLayout(inputs);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttonRows({{calc_, help_, graphs_, printer_, exit_}}));
}

void CalculatorWindow::setTabChain(const QList<QWidget*>& inputs)
{
    // The window holds a place in the chain while it is reordered: the chain
    // then starts at the first input rather than merely passing through it,
    // and that input is the control the window opens on.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    QWidget* previous = nullptr;
    for (QWidget* next : inputs + QList<QWidget*>{calc_, help_, graphs_, printer_, exit_, grid_, helpText_}) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    setFocusPolicy(policy);
}

void CalculatorWindow::setHelpEnterTarget(QWidget* target)
{
    helpText_->enterTarget = target;
}

void CalculatorWindow::clearQuickHelpText()
{
    helpText_->clear();
}

void CalculatorWindow::clearResults()
{
    AppState& st = state_;
    st.EditFlag = 1;
    if (quickHelpOpen_)
        return; // the help text stays on screen
    if (!gridKeepsRows())
        grid_->clearData();
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        st.EditFlag = 0;
    }
    quickHelpOpen_ = false;
    if (!resultsOutliveEdits())
        st.ResultsReady = 0;
}

void CalculatorWindow::toggleQuickHelp()
{
    if (!quickHelpOpen_) {
        quickHelpOpen_ = true;
        quickHelp_->show(qs(quickHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        helpText_->setFocus();
        return;
    }
    quickHelpOpen_ = false;
    clearResults();
}

void CalculatorWindow::refreshQuickHelp()
{
    if (quickHelpOpen_)
        helpText_->setHelpText(qs(quickHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CalculatorWindow::startCalculation()
{
    commitFocusedBox();
    quickHelpOpen_ = false;
    clearResults();
    state_.EditFlag = 0;
}

void CalculatorWindow::showRows(int rows, const std::vector<std::string>& cells)
{
    grid_->cells().setDataRows(rows, cells);
    grid_->scrollToTop();
    grid_->setCurrentCell(1, 0);
}

void CalculatorWindow::showGraph()
{
    prepareGraph();
    showGraphFor(this, ToolContext{state_, dialogs_, shell_}, graphKind());
}

} // namespace fiscalia

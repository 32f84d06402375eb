// The chart painter on images, and the graph window with its buttons.
#include "app/app_state.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "graphs/ChartPainter.h"
#include "graphs/GraphsAll.h"
#include "mortgage/MortgageCalc.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace fiscalia;

namespace {

GraphSeries bars(std::vector<double> values, ChartType type = ChartType::Bar2D)
{
    GraphSeries s;
    s.title = "Test";
    s.axisTitle = "$Value ";
    s.type = type;
    for (std::size_t i = 0; i < values.size(); ++i)
        s.labels.push_back(std::to_string(i + 1));
    s.values = std::move(values);
    return s;
}

struct Drawn {
    QImage image;
    std::vector<ChartItem> items;
};

// Draws into the middle of a larger transparent image, so that anything
// drawn outside the chart's rectangle would show.
Drawn draw(const GraphSeries& series, bool colour = true, QRect rect = QRect(40, 30, 640, 400))
{
    Drawn d;
    d.image = QImage(rect.width() + 80, rect.height() + 60, QImage::Format_ARGB32);
    d.image.fill(Qt::transparent);
    QPainter painter(&d.image);
    d.items = paintChart(painter, QRectF(rect), series, colour, NumberSymbols{});
    return d;
}

bool untouchedOutside(const QImage& image, const QRect& rect)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!rect.contains(x, y) && qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

QRectF barRect(const Drawn& d, int index)
{
    for (const auto& item : d.items)
        if (item.index == index)
            return item.shape.boundingRect();
    return {};
}

// The default mortgage calculated and its graph on show.
GraphsAll* defaultMortgageGraph(test::TestProgram& program)
{
    program.frame->menu()->button(QStringLiteral("Canadian"))->click();
    auto* calc = qobject_cast<MortgageCalc*>(program.frame->activeTool());
    calc->calculate();
    calc->showGraph();
    return program.frame->findChild<GraphsAll*>();
}

} // namespace

class GraphsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }
    void cleanup() { qunsetenv("FISCALIA_PRINT_TO"); }

    void barHeightsFollowTheValues()
    {
        const QRect rect(40, 30, 640, 400);
        for (ChartType type : {ChartType::Bar2D, ChartType::Bar3D}) {
            const Drawn d = draw(bars({300, 100, 200, 50}, type), true, rect);
            QCOMPARE(d.items.size(), std::size_t(4));
            QVERIFY(barRect(d, 0).height() > barRect(d, 2).height());
            QVERIFY(barRect(d, 2).height() > barRect(d, 1).height());
            QVERIFY(barRect(d, 1).height() > barRect(d, 3).height());
            QVERIFY(barRect(d, 0).left() < barRect(d, 1).left()); // left to right in order
            // The bar is painted: its middle is not the white background.
            const QPointF middle = barRect(d, 0).center();
            QVERIFY(d.image.pixelColor(middle.toPoint()) != QColor(Qt::white));
            QVERIFY(untouchedOutside(d.image, rect));
        }
    }

    void negativeValuesHangBelowTheAxis()
    {
        const Drawn d = draw(bars({40, -20, 10}));
        const QRectF up = barRect(d, 0);
        const QRectF down = barRect(d, 1);
        QCOMPARE(qRound(down.top()), qRound(up.bottom())); // both meet the zero line
        QVERIFY(down.bottom() > up.bottom());
        QVERIFY(down.height() > barRect(d, 2).height());
    }

    void anEmptyDataSetDrawsNoBar()
    {
        const QRect rect(40, 30, 640, 400);
        const Drawn d = draw(bars({}), true, rect);
        QVERIFY(d.items.empty());
        QVERIFY(untouchedOutside(d.image, rect));
        QVERIFY(draw(bars({}, ChartType::Pie3D)).items.empty());
    }

    void fiftyPointsAllFit()
    {
        std::vector<double> values;
        for (int i = 0; i < 50; ++i)
            values.push_back(1000.0 * (50 - i));
        const QRect rect(40, 30, 640, 400);
        for (ChartType type : {ChartType::Bar2D, ChartType::Bar3D}) {
            const Drawn d = draw(bars(values, type), true, rect);
            QCOMPARE(d.items.size(), std::size_t(50));
            QVERIFY(barRect(d, 49).right() <= rect.right());
            QVERIFY(untouchedOutside(d.image, rect));
        }
    }

    void valuesAtTheEdgeOfWhatDoublesHoldStillDraw_data()
    {
        QTest::addColumn<std::vector<double>>("values");
        // A tick step below the spacing of doubles at these values once
        // never moved the axis loop on.
        QTest::newRow("nearly equal large values") << std::vector<double>{1e15, 1e15 + 0.125, -1e15};
        QTest::newRow("the largest doubles") << std::vector<double>{1.7e308, -1.7e308};
        QTest::newRow("infinity") << std::vector<double>{std::numeric_limits<double>::infinity(), 1};
        QTest::newRow("not a number") << std::vector<double>{std::nan(""), 2};
    }

    void valuesAtTheEdgeOfWhatDoublesHoldStillDraw()
    {
        QFETCH(std::vector<double>, values);
        const Drawn d = draw(bars(values));
        QCOMPARE(d.items.size(), values.size());
    }

    void aPieHasASliceForEveryPositiveValue()
    {
        GraphSeries pie = bars({600, 300, 100, 0}, ChartType::Pie3D);
        pie.labels = {"Growth Fund", "Bond Fund", "Cash", "Empty"};
        const QRect rect(40, 30, 640, 400);
        const Drawn d = draw(pie, true, rect);
        QCOMPARE(d.items.size(), std::size_t(3));
        auto area = [](const QPainterPath& path) {
            const QRectF b = path.boundingRect();
            int inside = 0;
            for (int i = 0; i < 60; ++i)
                for (int j = 0; j < 60; ++j)
                    if (path.contains(QPointF(b.left() + b.width() * i / 59, b.top() + b.height() * j / 59)))
                        ++inside;
            return b.width() * b.height() * inside;
        };
        QVERIFY(area(d.items[0].shape) > area(d.items[1].shape));
        QVERIFY(area(d.items[1].shape) > area(d.items[2].shape));
        QVERIFY(untouchedOutside(d.image, rect));
    }

    void blackAndWhiteUsesNoColour()
    {
        const Drawn d = draw(bars({5, 3, 4}, ChartType::Bar3D), false);
        for (int y = 0; y < d.image.height(); y += 2)
            for (int x = 0; x < d.image.width(); x += 2) {
                const QColor c = d.image.pixelColor(x, y);
                QVERIFY2(std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
    }

    void hoveringAPointNamesItsValue()
    {
        NumberSymbols symbols;
        GraphWidget widget(symbols);
        widget.resize(640, 400);
        GraphSeries s = bars({1234.5, 10});
        widget.setSeries(s);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.repaint();
        const Drawn d = draw(s, true, QRect(0, 0, 640, 400));
        QCOMPARE(widget.pointAt(barRect(d, 0).center()), 0);
        QCOMPARE(widget.pointText(0), QStringLiteral("1: 1,234.50"));
        QCOMPARE(widget.pointAt(QPointF(2, 2)), -1);
        QVERIFY(widget.accessibleDescription().contains(QStringLiteral("2: 10.00")));
    }

    void theMortgageGraphOpensAndReturns()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        frame.menu()->button(QStringLiteral("Canadian"))->click();
        auto* calc = qobject_cast<MortgageCalc*>(frame.activeTool());
        calc->showGraph();
        QCOMPARE(program.dialogs->messages, std::vector<int>{2}); // nothing calculated
        calc->calculate();
        calc->showGraph();
        auto* graph = frame.findChild<GraphsAll*>();
        QVERIFY(graph);
        QVERIFY(!calc->isVisible());
        QCOMPARE(frame.area()->activeSubWindow()->widget(), graph);
        QCOMPARE(frame.area()->activeSubWindow()->pos(), QPoint(-3, -2));
        QCOMPARE(frame.state().GraphKind, 4);
        QCOMPARE(graph->currentView(), GraphView::YearBars);
        QCOMPARE(graph->graph()->series().values.size(), std::size_t(25));

        auto* sav2D = graph->findChild<QPushButton*>(QStringLiteral("Sav2D"));
        auto* threeDee = graph->findChild<QPushButton*>(QStringLiteral("ThreeDee"));
        auto* oned = graph->findChild<QPushButton*>(QStringLiteral("Oned"));
        auto* pie2d = graph->findChild<QPushButton*>(QStringLiteral("Pie2d"));
        QVERIFY(!sav2D->isHidden() && !sav2D->isEnabled());
        QVERIFY(threeDee->isEnabled());
        QVERIFY(oned->isHidden() && pie2d->isHidden());
        threeDee->click();
        QCOMPARE(graph->currentView(), GraphView::YearBars3D);
        QVERIFY(sav2D->isEnabled() && sav2D->hasFocus());
        QVERIFY(!threeDee->isEnabled());
        QCOMPARE(graph->graph()->series().type, ChartType::Bar3D);
        sav2D->click();
        QCOMPARE(graph->currentView(), GraphView::YearBars);
        QVERIFY(threeDee->hasFocus());

        graph->findChild<QPushButton*>(QStringLiteral("ExitBut"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frame.findChild<GraphsAll*>());
        QVERIFY(calc->isVisible());
        QCOMPARE(frame.activeTool(), calc);
        QCOMPARE(frame.state().ResultsReady, 25); // the tool's results stay
        QCOMPARE(frame.windowTitle(), QStringLiteral("Mortgage Tables"));
    }

    void theFundViewsKeepTheirButtons()
    {
        test::TestProgram program;
        AppState& s = program.frame->state();
        s.GraphKind = 0;
        s.Funds.FundCount = 3;
        for (int f = 1; f <= 3; ++f) {
            s.Funds.FundList[static_cast<std::size_t>(f)].name = "Fund " + std::to_string(f);
            s.Funds.FundValueTable[static_cast<std::size_t>(f)][3] = Currency::fromInt(1000 * f);
            s.Funds.FundValueTable[static_cast<std::size_t>(f)][5] = Currency::fromInt(f * 2 - 3);
        }
        auto* graph = new GraphsAll(ToolContext{s, *program.dialogs, *program.frame}, nullptr);
        program.frame->showWindow(graph);
        auto* sav2D = graph->findChild<QPushButton*>(QStringLiteral("Sav2D"));
        auto* threeDee = graph->findChild<QPushButton*>(QStringLiteral("ThreeDee"));
        auto* pie2d = graph->findChild<QPushButton*>(QStringLiteral("Pie2d"));
        QCOMPARE(graph->currentView(), GraphView::FundGainLoss);
        QVERIFY(sav2D->isHidden());
        QVERIFY(!pie2d->isHidden());
        pie2d->click();
        QCOMPARE(graph->currentView(), GraphView::FundPie);
        QCOMPARE(graph->graph()->series().title, std::string("Distribution"));
        threeDee->click();
        QCOMPARE(graph->currentView(), GraphView::Fund3D);
        QVERIFY(!threeDee->isEnabled());
        QVERIFY(pie2d->hasFocus());
        QCOMPARE(graph->graph()->series().type, ChartType::Bar3D);
        graph->findChild<QPushButton*>(QStringLiteral("Oned"))->click();
        QCOMPARE(graph->currentView(), GraphView::FundGainLoss);
        QVERIFY(threeDee->isEnabled());
        QVERIFY(sav2D->isHidden());
    }

    void printingAsksTwiceAndGoesToThePrinter()
    {
        test::TestProgram program;
        GraphsAll* graph = defaultMortgageGraph(program);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
        qputenv("FISCALIA_PRINT_TO", pdf.toLocal8Bit());

        program.dialogs->replies = {false}; // not continued
        graph->print();
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(program.dialogs->questions, std::vector<int>{1});

        program.dialogs->replies = {true, true};
        graph->print();
        QCOMPARE(program.dialogs->questions, (std::vector<int>{1, 1, 2}));
        QVERIFY(QFile::exists(pdf));
        QVERIFY(QFile(pdf).size() > 1000);
        QCOMPARE(graph->colourFlag(), 0); // later drawings are not in colour mode
        QVERIFY(program.dialogs->notices.isEmpty());
    }

    void theGraphCopiesExportsAndPreviewsItsPoints()
    {
        test::TestProgram program;
        GraphsAll* graph = defaultMortgageGraph(program);
        GraphWidget* widget = graph->graph();
        widget->setFocus();
        QTest::keySequence(widget, QKeySequence::Copy);
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.at(0), QStringLiteral("Point\tValue"));
        QCOMPARE(lines.at(1), QStringLiteral("1\t100,000.00"));
        QCOMPARE(lines.at(2), QStringLiteral("2\t99,072.41"));

        QTemporaryDir dir;
        program.dialogs->fileAnswers.push_back(dir.filePath(QStringLiteral("balances")));
        QVERIFY(widget->exportAll());
        QFile csv(dir.filePath(QStringLiteral("balances.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readLine(), QByteArray("\"Point\",\"Value\"\r\n"));
        QCOMPARE(csv.readLine(), QByteArray("\"1\",\"100,000.00\"\r\n"));

        // The print dialog's preview shows the one page that prints.
        program.dialogs->replies = {true, false};
        program.dialogs->preview = true;
        graph->print();
        QCOMPARE(program.dialogs->previewPages, 1);
    }

    void theImageForPaperKeepsItsColourSetting()
    {
        test::TestProgram program;
        GraphsAll* graph = defaultMortgageGraph(program);
        const QImage mono = graph->render(QSize(600, 380), false);
        bool grey = true;
        for (int y = 0; y < mono.height(); y += 3)
            for (int x = 0; x < mono.width(); x += 3) {
                const QColor c = mono.pixelColor(x, y);
                grey = grey && std::abs(c.red() - c.blue()) < 8;
            }
        QVERIFY(grey);
        const QImage colour = graph->render(QSize(600, 380), true);
        QVERIFY(colour != mono);
    }
};

FISCALIA_TEST_MAIN(GraphsTest)
#include "tst_graphs.moc"

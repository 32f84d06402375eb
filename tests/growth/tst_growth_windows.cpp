// The 401(k) window and the compound growth finder, typed into with real keys.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/TextBox.h"
#include "graphs/GraphsAll.h"
#include "growth/compound_growth.h"
#include "growth/FindCompoundCalc.h"
#include "growth/Plan401KCalc.h"
#include "growth/plan401k.h"
#include "support/ScriptedDialogs.h"
#include "support/opened_tool.h"
#include "support/test_env.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

using namespace fiscalia;

using Window = test::OpenedTool;

class GrowthWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void the401KDefaultsAndTheirTable()
    {
        Window w("Plan401K");
        QVERIFY(qobject_cast<Plan401KCalc*>(w.tool));
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" 401(k) Investment Growth Calculations"));
        QCOMPARE(w.box("InCurrBal")->text(), QStringLiteral("   $10,000.00"));
        QCOMPARE(w.box("InRetnRate")->text(), QStringLiteral("         10.00%"));
        QCOMPARE(w.box("InNumYears")->text(), QStringLiteral("             25"));
        QCOMPARE(w.grid("KGrid")->text(0, 3), QStringLiteral(" Interest/Growth Compounded"));
        w.press("KCalc");
        Grid* grid = w.grid("KGrid");
        QCOMPARE(grid->rows(), 30);
        QCOMPARE(grid->text(1, 4), QStringLiteral("10,000.00")); // the opening balance
        QCOMPARE(grid->text(2, 2), QStringLiteral("4,500.00"));
        QCOMPARE(grid->text(3, 4), QStringLiteral("22,693.00"));
        QCOMPARE(grid->text(28, 0), QStringLiteral("Total:"));
        QCOMPARE(grid->text(28, 2), QStringLiteral("$197,406.58"));
        QCOMPARE(grid->text(28, 4), QStringLiteral("$782,278.81"));
        QCOMPARE(w.state().ResultsReady, 25);
        w.press("KGraphs");
        auto* graph = w.program.frame->findChild<GraphsAll*>();
        QVERIFY(graph);
        QCOMPARE(w.state().GraphKind, 7);
        QCOMPARE(graph->graph()->series().values.size(), 25u);
        QVERIFY(std::abs(graph->graph()->series().values.back() - 782278.81) < 0.005);
    }

    void the401KLimitsAndTheDeleteKey()
    {
        Window w("Plan401K");
        w.type("InNumYears", QStringLiteral("60"));
        w.press("KCalc");
        QCOMPARE(w.dialogs().messages, std::vector<int>{4});
        QCOMPARE(w.box("InNumYears")->text(), QStringLiteral("             50"));
        QCOMPARE(w.state().ResultsReady, 50);
        // The Delete key empties the whole box here.
        w.box("InCompRate")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.box("InCompRate"), Qt::Key_Delete);
        QCOMPARE(w.box("InCompRate")->text(), QString());
        QCOMPARE(w.state().ResultsReady, 0);
        // No box takes a minus.
        const int beeps = w.dialogs().beeps;
        w.type("InInflRate", QStringLiteral("-3"));
        QCOMPARE(w.dialogs().beeps, beeps + 1);
        QCOMPARE(w.box("InInflRate")->text(), QStringLiteral("3"));
    }

    void the401KQuickHelpClosesTheResults()
    {
        Window w("Plan401K");
        w.press("KCalc");
        w.press("KHelp");
        auto* help = w.tool->findChild<QTextEdit*>(QStringLiteral("KTextBox"));
        QVERIFY(help->hasFocus());
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" For results click Calculate.")));
        QTest::keyClick(help, Qt::Key_Return);
        QVERIFY(w.box("InCurrBal")->hasFocus());
        w.press("KHelp");
        QCOMPARE(w.grid("KGrid")->text(2, 2), QString());
        w.press("KPrinter");
        QCOMPARE(w.dialogs().messages, std::vector<int>{1});
    }

    void compoundRowsAccumulateAndSurviveEdits()
    {
        Window w("Compound");
        QVERIFY(qobject_cast<FindCompoundCalc*>(w.tool));
        QCOMPARE(w.box("InCost")->text(), QStringLiteral("      $10,000.00"));
        QCOMPARE(w.box("NamInv")->text(), QStringLiteral("XYZ mutual fund."));
        QCOMPARE(w.button("FPrinter")->text(), QStringLiteral("To &Printer "));
        w.press("FCalc");
        Grid* grid = w.grid("FGrid");
        QCOMPARE(grid->text(1, 0), QStringLiteral("XYZ mutual fund."));
        QCOMPARE(grid->text(1, 4), QStringLiteral("14.870%"));
        QCOMPARE(grid->text(1, 5), QStringLiteral("100.00%"));
        // An edit keeps the rows and the results.
        w.type("InValNow", QStringLiteral("7500"));
        w.box("NamInv")->setFocus(Qt::TabFocusReason);
        w.box("NamInv")->selectAll();
        QTest::keyClick(w.box("NamInv"), Qt::Key_Delete);
        QCOMPARE(w.state().ResultsReady, 1);
        w.press("FCalc");
        QCOMPARE(grid->text(1, 4), QStringLiteral("14.870%"));
        QCOMPARE(grid->text(2, 0), QString());
        QCOMPARE(grid->text(2, 3), QStringLiteral("$7,500.00"));
        QCOMPARE(grid->text(2, 4), QStringLiteral("-5.591%"));
        QCOMPARE(w.state().ResultsReady, 2);
        QCOMPARE(w.state().GraphLabels[2][0], std::string());
        w.press("FGraphs");
        auto* graph = w.program.frame->findChild<GraphsAll*>();
        QCOMPARE(graph->currentView(), GraphView::Comparison);
        QCOMPARE(graph->graph()->series().title, std::string("Annual compound growth comparisons"));
    }

    void compoundLimitsAndWrongEntries()
    {
        Window w("Compound");
        w.type("InTerm", QStringLiteral("60"));
        w.press("FCalc");
        QCOMPARE(w.dialogs().messages, std::vector<int>{4});
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("                 50"));
        QCOMPARE(w.state().ResultsReady, 1);
        w.type("InCost", QStringLiteral("0"));
        w.press("FCalc");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{4, 3}));
        QCOMPARE(w.state().ResultsReady, 1);
        w.type("InCost", QStringLiteral("100"));
        for (int i = 2; i <= 22; ++i)
            w.press("FCalc");
        QCOMPARE(w.state().ResultsReady, 22);
        w.press("FCalc");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{4, 3, 6}));
        QCOMPARE(w.state().ResultsReady, 22);
    }

    void compoundQuickHelpAndItsPrintout()
    {
        Window w("Compound");
        w.press("FCalc");
        w.press("FHelp");
        auto* help = w.tool->findChild<QTextEdit*>(QStringLiteral("FTextBox"));
        QVERIFY(help->toPlainText().contains(QStringLiteral("compound growth rate of 14.8698%.")));
        w.press("FHelp");
        QCOMPARE(w.grid("FGrid")->text(1, 4), QStringLiteral("14.870%")); // rows survive
        QTemporaryDir dir;
        w.dialogs().printerAnswer = true;
        w.dialogs().printedTo = dir.filePath(QStringLiteral("compound.pdf"));
        w.dialogs().lineAnswers = {QStringLiteral("Mine"), QStringLiteral("Again")};
        w.press("FPrinter");
        QVERIFY(QFile::exists(w.dialogs().printedTo));
        QVERIFY(!w.state().ReportLines[1].empty()); // printing again gives the same report
    }

    void fOneOpensEachToolsTopicWithTheEnginesFigures()
    {
        for (const auto& [button, topic] : {std::pair{"Plan401K", 14}, std::pair{"Compound", 17}}) {
            Window w(button, true);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QCOMPARE(w.program.frame->helpViewer()->currentContext(), topic);
        }
        Window w("Plan401K", true);
        const QString help = w.helpAt(14);
        Plan401KInput in{Currency::fromInt(10000), Currency::fromInt(50000), Currency::fromInt(5), Currency::fromInt(4),
                         Currency::fromInt(4),     Currency::fromInt(10),    Currency(),           Currency::fromInt(25)};
        QVERIFY(help.contains(QStringLiteral("$") + QString::fromStdString(formatNumber(calculate401K(in).finalValue, "#,,##0.00"))));
        in.returnRate = Currency::fromInt(6);
        QVERIFY(help.contains(QString::fromStdString(formatNumber(calculate401K(in).finalValue, "#,,##0.00"))));
        const CompoundInput house{Currency::fromInt(25000), Currency::fromInt(200000), Currency::fromInt(20), ""};
        const auto cells = compoundCells(house, findCompoundGrowth(house), "$", {});
        QVERIFY(help.contains(QString::fromStdString(cells[4])));
        QVERIFY(help.contains(QString::fromStdString(cells[5])));
    }
};

FISCALIA_TEST_MAIN(GrowthWindowsTest)
#include "tst_growth_windows.moc"

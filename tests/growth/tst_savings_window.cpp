// The Investment Growth window in both modes, typed into with real keys.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "graphs/GraphsAll.h"
#include "growth/investment_growth.h"
#include "growth/SavingsCalc.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include <cmath>

using namespace fiscalia;

namespace {

struct Window {
    test::TestProgram program;
    SavingsCalc* calc = nullptr;

    explicit Window(const char* menuButton = "Savings", bool withHelp = false) : program(withHelp)
    {
        program.frame->menu()->button(QString::fromLatin1(menuButton))->click();
        calc = qobject_cast<SavingsCalc*>(program.frame->activeTool());
    }
    AppState& state() { return program.frame->state(); }
    test::ScriptedDialogs& dialogs() { return *program.dialogs; }
    QComboBox* combo(const char* name) { return calc->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QString text(const char* name)
    {
        QComboBox* box = combo(name);
        return box->lineEdit() ? box->lineEdit()->text() : box->currentText();
    }
    void type(const char* name, const QString& keys)
    {
        combo(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(combo(name), keys);
        click("SCalc", false);
    }
    void click(const char* name, bool press = true)
    {
        auto* button = calc->findChild<QPushButton*>(QString::fromLatin1(name));
        button->setFocus(Qt::TabFocusReason); // leaving a box stores it
        if (press)
            button->click();
    }
    Grid* grid() { return calc->findChild<Grid*>(QStringLiteral("SGrid")); }
    double slot(int n) { return state().InputValues[static_cast<std::size_t>(n)].toDouble(); }
};

} // namespace

class SavingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }
    void cleanup() { qunsetenv("FISCALIA_PRINT_TO"); }

    void thePlanningDefaultsGiveTwentyNineRows()
    {
        Window w;
        QVERIFY(w.calc);
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Investment Growth Calculations"));
        QCOMPARE(w.text("InLumpInv"), QStringLiteral("           $.00"));
        QCOMPARE(w.text("InInvest"), QStringLiteral("    $1,200.00"));
        QCOMPARE(w.text("InMonthsYrs"), QStringLiteral("Annually"));
        QCOMPARE(w.text("InRate"), QStringLiteral("         20.00%"));
        QCOMPARE(w.text("InIncrRate"), QStringLiteral("           .00%"));
        QCOMPARE(w.text("InTerm"), QStringLiteral("               25"));
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral(" Year  Number"));
        QCOMPARE(w.grid()->cols(), 4);
        w.click("SCalc");
        QCOMPARE(w.grid()->rows(), 29);
        QCOMPARE(w.grid()->text(1, 1), QStringLiteral("1,200.00"));
        QCOMPARE(w.grid()->text(1, 2), QStringLiteral("240.00"));
        QCOMPARE(w.grid()->text(26, 0), QStringLiteral("Total:"));
        QCOMPARE(w.grid()->text(26, 1), QStringLiteral("$30,000.00"));
        QCOMPARE(w.grid()->text(26, 3), QStringLiteral("$679,652.79"));
        QCOMPARE(w.state().ResultsReady, 25);
        QCOMPARE(w.grid()->currentRow(), 1);
    }

    void monthlyForFortyYearsGivesFourHundredEightyFourRows()
    {
        Window w;
        w.combo("InMonthsYrs")->setCurrentIndex(2); // "Monthly", however it is chosen
        w.type("InTerm", QStringLiteral("40"));
        w.click("SCalc");
        QCOMPARE(w.grid()->rows(), 484);
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral(" Month Number"));
        QCOMPARE(w.grid()->text(0, 1), QStringLiteral("          Invested         Monthly"));
        QCOMPARE(w.grid()->text(481, 0), QStringLiteral("Total:"));
        QCOMPARE(w.state().ResultsReady, 40);
        QCOMPARE(w.state().Savings.TablePeriods, 480);
    }

    void theIncreaseAndInflationRatesTakeAMinusTheOthersDoNot()
    {
        Window w;
        w.type("inInflatRate", QStringLiteral("-5"));
        QCOMPARE(w.slot(6), -5.0);
        QCOMPARE(w.text("inInflatRate"), QStringLiteral("         -5.00%")); // 14 wide, then "%"
        const int beeps = w.dialogs().beeps;
        w.type("InRate", QStringLiteral("-"));
        QCOMPARE(w.dialogs().beeps, beeps + 1);
        QCOMPARE(w.slot(4), 0.0); // the first key emptied the box; the minus was refused
        // A minus anywhere starts the value afresh.
        w.combo("InIncrRate")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.combo("InIncrRate"), QStringLiteral("3-2.5"));
        w.click("SCalc", false);
        QCOMPARE(w.slot(5), -2.5);
    }

    void aTermOverFortyYearsIsCut()
    {
        Window w;
        w.type("InTerm", QStringLiteral("45"));
        QCOMPARE(w.dialogs().messages, std::vector<int>{5});
        QCOMPARE(w.slot(7), 40.0);
    }

    void closingQuickHelpLeavesNothingToGraph()
    {
        Window w;
        w.click("SCalc");
        w.click("SHelp");
        auto* help = w.calc->findChild<QTextEdit*>(QStringLiteral("STextBox"));
        QVERIFY(help->isVisibleTo(w.calc));
        QVERIFY(help->hasFocus());
        QVERIFY(help->toPlainText().contains(QStringLiteral("Example 1: Shows the future value of $1,000.00")));
        QVERIFY(!w.calc->findChild<QPushButton*>(QStringLiteral("SGraphs"))->isEnabled());
        w.click("SHelp");
        QVERIFY(!help->isVisibleTo(w.calc));
        QCOMPARE(w.grid()->text(1, 1), QString());
        w.click("SGraphs");
        w.click("SPrinter");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{2, 1}));
    }

    void comparisonRowsSurviveEditsUpToTwentyTwo()
    {
        Window w("SavingComp");
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Investment Growth Comparisons"));
        QCOMPARE(w.grid()->cols(), 8);
        QCOMPARE(w.grid()->rows(), 23);
        QCOMPARE(w.grid()->text(0, 6), QStringLiteral("   Total       Invested"));
        w.click("SCalc");
        w.type("InLumpInv", QStringLiteral("5000"));
        QCOMPARE(w.text("InLumpInv"), QStringLiteral("    $5,000.00"));
        QCOMPARE(w.grid()->text(1, 7), QStringLiteral("679,652.79")); // the edit kept row 1
        w.click("SCalc");
        QCOMPARE(w.grid()->text(1, 1), QStringLiteral(".00"));
        QCOMPARE(w.grid()->text(2, 1), QStringLiteral("5,000.00"));
        QCOMPARE(w.grid()->text(2, 6), QStringLiteral("35,000.00"));
        QCOMPARE(w.state().ResultsReady, 2);
        QCOMPARE(w.state().GraphLabels[2][0], std::string("Row  2"));
        for (int i = 3; i <= 22; ++i)
            w.click("SCalc");
        QVERIFY(w.dialogs().messages.empty());
        w.click("SCalc"); // the 23rd
        QCOMPARE(w.dialogs().messages, std::vector<int>{6});
        QCOMPARE(w.state().Savings.ComparisonCount, 22);
        QCOMPARE(w.state().ResultsReady, 22);
    }

    void theGraphShowsTheYearsOrTheComparisons()
    {
        Window w;
        w.click("SCalc");
        w.click("SGraphs");
        auto* graph = w.program.frame->findChild<GraphsAll*>();
        QVERIFY(graph);
        QCOMPARE(w.state().GraphKind, 1);
        QCOMPARE(graph->graph()->series().values.size(), 25u);
        QVERIFY(std::abs(graph->graph()->series().values.back() - 679652.79) < 0.005);
        QCOMPARE(graph->graph()->series().title, std::string("Investment value at end of each Year"));
        graph->exitGraph();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.calc->isVisible());

        Window c("SavingComp");
        c.click("SCalc");
        c.click("SCalc");
        c.click("SGraphs");
        auto* comparisons = c.program.frame->findChild<GraphsAll*>();
        QCOMPARE(comparisons->currentView(), GraphView::Comparison);
        QCOMPARE(comparisons->graph()->series().labels,
                 (std::vector<std::string>{"Row  1", "Row  2"}));
    }

    void aComparisonsPrintoutHoldsTheRowsSinceThePreviousOne()
    {
        Window w("SavingComp");
        w.click("SCalc");
        QTemporaryDir dir;
        w.dialogs().printerAnswer = true;
        w.dialogs().printedTo = dir.filePath(QStringLiteral("comparisons.pdf"));
        w.dialogs().lineAnswers.push_back(QStringLiteral("Plans"));
        w.click("SPrinter");
        QVERIFY(QFile::exists(w.dialogs().printedTo));
        QVERIFY(w.state().ReportLines[1].empty());
        // A cancelled print dialog keeps the lines for the next attempt.
        w.click("SCalc");
        w.dialogs().printerAnswer = false;
        w.dialogs().lineAnswers.push_back(QStringLiteral("Plans"));
        w.click("SPrinter");
        QVERIFY(!w.state().ReportLines[1].empty());
    }

    void everyBoxIsNamedByItsCaption()
    {
        Window w;
        for (const char* name : {"InLumpInv", "InInvest", "InMonthsYrs", "InRate", "InIncrRate", "inInflatRate", "InTerm"}) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w.combo(name));
            QVERIFY2(access && !access->text(QAccessible::Name).isEmpty(), name);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(w.combo("InMonthsYrs"))->text(QAccessible::Name),
                 QStringLiteral("Frequency of each contribution period."));
    }

    void fOneOpensTheToolsOwnTopicAndItsExampleIsTheEnginesFigure()
    {
        for (const auto& [button, topic] : {std::pair{"Savings", 12}, std::pair{"SavingComp", 13}}) {
            Window w(button, true);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            HelpViewer* viewer = w.program.frame->helpViewer();
            QVERIFY(viewer && viewer->isVisible());
            QCOMPARE(viewer->currentContext(), topic);
        }
        // The worked example of both topics: 1,200.00 a year at 6% for 30,
        // 20 and 10 years.
        Window w("Savings", true);
        w.program.frame->openHelp(QStringLiteral("fscuse35.hlp"), 12);
        const QString help = w.program.frame->helpViewer()->browser()->toPlainText();
        for (const int years : {30, 20, 10}) {
            SavingsInput in;
            in.contribution = Currency::fromInt(1200);
            in.rate = Currency::fromInt(6);
            in.term = Currency::fromInt(years);
            const std::string value = formatNumber(calculateSavings(in).finalValue, "#,,##0.00");
            QVERIFY2(help.contains(QStringLiteral("$") + QString::fromStdString(value)), value.c_str());
        }
    }
};

FISCALIA_TEST_MAIN(SavingsWindowTest)
#include "tst_savings_window.moc"

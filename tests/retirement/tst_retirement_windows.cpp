// The Retirement Calculations and Capital Required windows, typed into with
// real keys.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "graphs/GraphsAll.h"
#include "retirement/CapitalReqdCalc.h"
#include "retirement/RetireCalc.h"
#include "support/ScriptedDialogs.h"
#include "support/opened_tool.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

using namespace fiscalia;

using Window = test::OpenedTool;

class RetirementWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void thePercentageDefaultsAndTheirTable()
    {
        Window w("Retirement");
        QVERIFY(qobject_cast<RetireCalc*>(w.tool));
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Retirement Calculations"));
        QCOMPARE(QApplication::focusWidget(), w.combo("InInvest")); // the window opens on its first box
        QCOMPARE(w.text("InInvest"), QStringLiteral("$500,000.00"));
        QCOMPARE(w.text("InRate"), QStringLiteral("10.00%"));
        QCOMPARE(w.text("InRateDrawn"), QStringLiteral("8.00%"));
        QCOMPARE(w.text("InTerm"), QStringLiteral("20"));
        QCOMPARE(w.state().ToolMode, 0);
        QCOMPARE(w.label("Label4"), QStringLiteral(" Annual Income Withdrawn    as a (%) of Current Value."));
        w.press("RCalc");
        Grid* grid = w.grid("RGrid");
        QCOMPARE(grid->rows(), 25);
        QCOMPARE(grid->text(1, 1), QStringLiteral("50,000.00"));
        QCOMPARE(grid->text(1, 3), QStringLiteral("510,000.00"));
        QCOMPARE(grid->text(21, 0), QString());
        QCOMPARE(grid->text(22, 0), QStringLiteral("Total:"));
        QCOMPARE(w.state().ResultsReady, 20);
        w.press("RGraphs");
        QCOMPARE(w.state().GraphKind, 2);
        auto* graph = w.program.frame->findChild<GraphsAll*>();
        QCOMPARE(graph->graph()->series().title, std::string("Retirement value at end of each Year"));
    }

    void switchingOptionsKeepsTheRateAndResetsTheCapital()
    {
        Window w("Retirement");
        w.type("InRate", QStringLiteral("7.5"));
        w.press("RCalc");
        w.toggle("Option2");
        QCOMPARE(w.state().ToolMode, 2);
        QCOMPARE(w.state().ResultsReady, 0);
        QCOMPARE(w.text("InRate"), QStringLiteral("7.50%"));
        QCOMPARE(w.text("InInvest"), QStringLiteral("$100,000.00"));
        QCOMPARE(w.text("InRateDrawn"), QStringLiteral("$1,000.00"));
        QCOMPARE(w.text("InTerm"), QStringLiteral(".00%"));
        QCOMPARE(w.label("Label3"), QStringLiteral(" Increase Annual Amount       Withdrawn by %."));
        QCOMPARE(w.combo("InTerm")->itemText(1), QStringLiteral("2.5"));
        // The raise takes decimals under this option.
        w.type("InTerm", QStringLiteral("2.5"));
        w.press("RCalc");
        QCOMPARE(w.state().InputValues[4], Currency::fromDouble(2.5));
        QCOMPARE(w.state().GraphKind, 3);
        w.toggle("Option1");
        QCOMPARE(w.text("InInvest"), QStringLiteral("$100,000.00")); // unchanged by this option
        QCOMPARE(w.text("InTerm"), QStringLiteral("20"));
    }

    void theTermStopsAtFiftyYears()
    {
        Window w("Retirement");
        w.type("InTerm", QStringLiteral("75"));
        w.press("RCalc");
        QCOMPARE(w.dialogs().messages, std::vector<int>{4});
        QCOMPARE(w.text("InTerm"), QStringLiteral("50"));
        QCOMPARE(w.state().ResultsReady, 50);
        // A first withdrawal above the capital.
        w.type("InRateDrawn", QStringLiteral("120"));
        w.press("RCalc");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{4, 7}));
        QCOMPARE(w.state().ResultsReady, 0);
        QCOMPARE(w.grid("RGrid")->text(1, 1), QString());
    }

    void closingQuickHelpClearsTheResults()
    {
        Window w("Retirement");
        w.press("RCalc");
        w.press("RHelp");
        auto* help = w.tool->findChild<QTextEdit*>(QStringLiteral("RTextBox"));
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" Using Percentage Option.")));
        // The option changed while the help is open: its text follows.
        w.toggle("Option2");
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" Using Fixed Amount Option.")));
        w.press("RHelp");
        w.press("RGraphs");
        w.press("RPrinter");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{2, 1}));
    }

    void capitalRequiredDefaultsAndTheIncomeOption()
    {
        Window w("HowMuch");
        QVERIFY(qobject_cast<CapitalReqdCalc*>(w.tool));
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Capital Required"));
        QCOMPARE(QApplication::focusWidget(), w.combo("InLumpInv"));
        QCOMPARE(w.text("InLumpInv"), QStringLiteral("$100,000.00"));
        QCOMPARE(w.label("Label1"), QStringLiteral(" Amount of capital required at     retirement"));
        w.press("CCalc");
        Grid* grid = w.grid("CGrid");
        QCOMPARE(grid->text(1, 1), QStringLiteral("408.64"));
        QCOMPARE(grid->text(2, 2), QStringLiteral("131.79"));
        QCOMPARE(grid->text(25, 3), QStringLiteral("100,000.00"));
        QCOMPARE(grid->text(27, 1), QStringLiteral("$10,216.09"));
        QCOMPARE(w.state().ResultsReady, 25);
        w.press("CGraphs");
        QCOMPARE(w.state().GraphKind, 5);

        Window income("HowMuch");
        income.toggle("CRCapitalChoices1");
        QCOMPARE(income.state().ToolMode, 2);
        QCOMPARE(income.text("InLumpInv"), QStringLiteral("$40,000.00"));
        QCOMPARE(income.label("Label1"), QStringLiteral(" Annual income required at         retirement"));
        income.press("CCalc");
        QCOMPARE(income.grid("CGrid")->text(25, 3), QStringLiteral("266,666.67"));
        // A rate of 0 cannot be calculated; 51 years are refused when the box
        // is left, and the Calculate that follows still meets the zero rate.
        income.type("InRate", QStringLiteral("0"));
        income.press("CCalc");
        QCOMPARE(income.dialogs().messages, std::vector<int>{3});
        income.type("InTerm", QStringLiteral("51"));
        income.press("CCalc");
        QCOMPARE(income.dialogs().messages, (std::vector<int>{3, 4, 3}));
        QCOMPARE(income.text("InTerm"), QStringLiteral("50"));
    }

    void fOneOpensEachToolsTopicWithTheEnginesFigures()
    {
        for (const auto& [button, topic] : {std::pair{"Retirement", 15}, std::pair{"HowMuch", 16}}) {
            Window w(button, true);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QCOMPARE(w.program.frame->helpViewer()->currentContext(), topic);
        }
        Window w("Retirement", true);
        w.program.frame->openHelp(QStringLiteral("fscuse35.hlp"), 15);
        const QString help = w.program.frame->helpViewer()->browser()->toPlainText();
        const RetirementResult fixed = calculateRetirement(
            {Withdrawal::FixedAmount, Currency::fromInt(100000), Currency::fromInt(10), Currency::fromInt(1000), Currency()});
        QVERIFY(help.contains(QStringLiteral("$") + QString::fromStdString(formatNumber(fixed.table[1][2], "#,,##0.00"))));
        QVERIFY(help.contains(QStringLiteral("$") + QString::fromStdString(formatNumber(fixed.table[1][4], "#,,##0.00"))));
        const CapitalResult capital = calculateCapitalRequired(
            {CapitalGoal::Capital, Currency::fromInt(100000), Currency::fromInt(15), Currency::fromInt(25)});
        QVERIFY(help.contains(QStringLiteral("$") + QString::fromStdString(formatNumber(capital.payment, "#,,##0.00"))));
        QVERIFY(help.contains(QStringLiteral("$") + QString::fromStdString(formatNumber(capital.invested, "#,,##0.00"))));
    }
};

FISCALIA_TEST_MAIN(RetirementWindowsTest)
#include "tst_retirement_windows.moc"

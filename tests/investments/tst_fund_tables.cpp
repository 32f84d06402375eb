// Current prices, the table window (current values and records), the fund
// chooser, the one-fund valuation, the graph hand-over and printing.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/QtText.h"
#include "graphs/GraphsAll.h"
#include "investments/FundCurrValue.h"
#include "investments/FundTable.h"
#include "investments/fund_database.h"
#include "investments/fund_values.h"
#include "support/ScriptedDialogs.h"
#include "support/opened_tool.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace fiscalia;

namespace {

Date day(int y, int m, int d)
{
    return *Date::fromYmd(y, m, d);
}

// Growth Fund: 100 shares bought at 10.00 with 50.00 commission (book
// 1050.00). Bonus Fund: 20 shares received as dividends only (book 0).
FundState twoFunds()
{
    FundState db = emptyFundDatabase();
    addFund(db, "Growth Fund");
    addFund(db, "Bonus Fund");
    db.RecordTable[1] = storeRecord(TransactionType::Bought,
                                    {Currency::fromInt(10), Currency::fromInt(100), Currency::fromInt(50), {}}, 1,
                                    day(2020, 1, 15), 1);
    db.RecordTable[2] = storeRecord(TransactionType::DividendShares,
                                    {Currency::fromInt(5), Currency::fromInt(20), {}, {}}, 2, day(2021, 6, 30), 2);
    db.RecordCount = 2;
    return db;
}

struct Tables : test::OpenedTool {
    Tables(bool withHelp = false) : test::OpenedTool("Manager", withHelp) { state().Funds = twoFunds(); }
    template <class T> T* find(const char* name) { return program.frame->findChild<T*>(QString::fromLatin1(name)); }
    Grid* prices() { return find<Grid>("CPGrid"); }
    Grid* table() { return find<Grid>("TGrid"); }
    void typePrice(int row, const QString& keys)
    {
        prices()->setFocus();
        prices()->setCurrentCell(row, 1);
        QTest::keyClicks(prices(), keys);
    }
    void click(const char* name) { find<QPushButton>(name)->click(); }
    // The fund chooser answers with a fund's row (Enter), All Records, or Cancel.
    void answerChooser(int row)
    {
        dialogs().scripts[QStringLiteral("FundChoose")] = [row](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("Fund"));
            if (row == AllRecordsSlot) {
                dialog.findChild<QPushButton*>(QStringLiteral("AllRec"))->click();
            } else if (row < 0) {
                dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            } else {
                list->setFocus();
                list->setCurrentRow(row);
                QTest::keyClick(list, Qt::Key_Return);
            }
        };
    }
    void answerPrice(const QString& keys)
    {
        dialogs().scripts[QStringLiteral("FundCurValInput")] = [keys](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("CurVal")), keys);
            dialog.findChild<QPushButton*>(QStringLiteral("Accept"))->click();
        };
    }
};

} // namespace

class FundTablesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void pricingAndTheCurrentValueTable()
    {
        Tables t;
        t.press("CompCurr");
        QVERIFY(t.find<FundCurrValue>("FundCurrValue"));
        QCOMPARE(t.program.frame->windowTitle(), QStringLiteral(" Current Prices"));
        QCOMPARE(t.prices()->text(2, 0), QStringLiteral("Bonus Fund"));
        // Letters beep; the names take no typing; Backspace empties a price.
        t.typePrice(1, QStringLiteral("1x2"));
        QCOMPARE(t.prices()->text(1, 1), QStringLiteral("12.00"));
        QCOMPARE(t.dialogs().beeps, 1);
        t.typePrice(2, QStringLiteral("7"));
        QTest::keyClick(t.prices(), Qt::Key_Backspace);
        QCOMPARE(t.prices()->text(2, 1), QString());
        t.prices()->setCurrentCell(2, 0);
        QTest::keyClicks(t.prices(), QStringLiteral("9"));
        QCOMPARE(t.prices()->text(2, 0), QStringLiteral("Bonus Fund"));
        // A held fund without a price: message 24, the typed price kept.
        t.click("CurValOK");
        QCOMPARE(t.dialogs().messages, std::vector<int>{24});
        QCOMPARE(t.state().Funds.FundValueTable[1][2], Currency::fromInt(12));
        t.typePrice(2, QStringLiteral("6.5"));
        t.click("CurValOK");

        QVERIFY(t.table());
        QCOMPARE(t.program.frame->windowTitle(), QStringLiteral(" Current Value of all Funds"));
        QCOMPARE(t.state().Funds.ValuesReady, 1);
        Grid* g = t.table();
        QCOMPARE(g->cols(), 9);
        QCOMPARE(g->text(0, 8), QStringLiteral("Annual return %"));
        QCOMPARE(g->text(1, 4), QStringLiteral("1,200.00"));
        QCOMPARE(g->text(1, 5), QStringLiteral("150.00"));
        QCOMPARE(g->text(1, 6), QStringLiteral("14.29%"));
        QCOMPARE(g->text(2, 6), QStringLiteral("100.00%")); // no cost at all
        QCOMPARE(g->text(4, 0), QStringLiteral("Total:"));
        QCOMPARE(g->text(4, 7), QStringLiteral("100.00%"));
        QVERIFY(!g->text(1, 8).isEmpty()); // money went in: a return is shown
        QVERIFY(g->text(2, 8).isEmpty());  // none went in: nothing to show

        // The graph window draws the funds and returns here.
        t.click("DrwGraph");
        auto* graph = t.find<GraphsAll>("GraphsAll");
        QVERIFY(graph && graph->isVisible());
        QCOMPARE(t.state().GraphKind, 0);
        QCOMPARE(graph->graph()->series().labels.front(), std::string("Growth Fund"));
        graph->exitGraph();
        QVERIFY(t.find<FundTable>("FundTable")->isVisible());

        // Printed, then back to the menu with the prices remembered.
        QTemporaryDir dir;
        t.dialogs().printerAnswer = true;
        t.dialogs().printedTo = dir.filePath(QStringLiteral("values.pdf"));
        t.dialogs().lineAnswers = {QStringLiteral("Today")};
        t.click("Printr");
        QVERIFY(QFile::exists(t.dialogs().printedTo));
        t.click("TExit");
        QCOMPARE(t.state().Funds.ValuesReady, 0);
        QCOMPARE(t.program.frame->windowTitle(), QStringLiteral(" Investment Management Menu"));
        t.press("CompCurr");
        QCOMPARE(t.prices()->text(1, 1), QStringLiteral("12.00"));
    }

    void theChooserAndTheRecordsTables()
    {
        Tables t;
        t.answerChooser(-1);
        t.press("Display");
        QCOMPARE(t.state().Funds.ActiveFund, 0);
        QVERIFY(t.tool->isVisible()); // cancelled: the menu stays

        t.answerChooser(0);
        t.press("Display");
        QCOMPARE(t.program.frame->windowTitle(), QStringLiteral("Growth Fund"));
        Grid* g = t.table();
        QCOMPARE(g->rows(), 25);
        QCOMPARE(g->text(3, 0), QStringLiteral("Total:"));
        QCOMPARE(t.find<QPushButton>("DrwGraph")->text(), QStringLiteral("&Current Value"));
        // The valuation at 12.00, written below the table and kept for print.
        t.answerPrice(QStringLiteral("12"));
        t.click("DrwGraph");
        QCOMPARE(g->text(6, 2), QStringLiteral("Current   "));
        QCOMPARE(g->text(9, 3), QStringLiteral("$1,200.00"));
        QCOMPARE(g->text(9, 5), QStringLiteral("14.29%"));
        QVERIFY(t.find<FundTable>("FundTable")->trailer().find("1,200.00") != std::string::npos);
        t.click("TExit");
        QCOMPARE(t.state().Funds.ActiveFund, 0);

        // A fund of dividend shares only cannot be valued: message 26.
        t.answerChooser(1);
        t.press("Display");
        t.answerPrice(QStringLiteral("5"));
        t.click("DrwGraph");
        QCOMPARE(t.dialogs().messages, std::vector<int>{26});
        t.click("TExit");

        // All Records: no valuation offered.
        t.answerChooser(AllRecordsSlot);
        t.press("Display");
        QCOMPARE(t.program.frame->windowTitle(), QStringLiteral("All Records"));
        QVERIFY(!t.find<QPushButton>("DrwGraph")->isVisible());
        QCOMPARE(t.table()->text(1, 0), QStringLiteral("Growth Fund"));
    }

    void helpTopicsWithTheirExamples()
    {
        Tables t(true);
        t.press("CompCurr");
        QTest::keyClick(t.prices(), Qt::Key_F1);
        QCOMPARE(t.program.frame->helpViewer()->currentContext(), int(HelpTopic::CurrentPrices));
        t.click("CancelBut");
        t.answerChooser(0);
        t.press("Display");
        t.table()->setFocus();
        QTest::keyClick(t.table(), Qt::Key_F1);
        QCOMPARE(t.program.frame->helpViewer()->currentContext(), int(HelpTopic::FundTable));
        t.click("TExit");
        // The topic's example is the Growth Fund at 12.00.
        FundState db = twoFunds();
        db.FundValueTable[1][2] = Currency::fromInt(12);
        db.FundValueTable[2][2] = Currency::fromInt(1);
        sumFundRecords(db);
        computeCurrentValues(db);
        const QString prices = t.helpAt(HelpTopic::CurrentPrices);
        for (const auto& figure : {formatNumber(db.FundValueTable[1][3], "#,##0.00"),
                                   formatNumber(db.FundValueTable[1][4], "#,##0.00"),
                                   formatNumber(db.FundValueTable[1][5], "#0.00")})
            QVERIFY2(prices.contains(qs(figure)), figure.c_str());
        // 1,000.00 in on 1 January 2020, 1,210.00 on 1 January 2022.
        FundState growth = emptyFundDatabase();
        addFund(growth, "Growth Fund");
        growth.RecordTable[1] = storeRecord(TransactionType::Bought, {Currency::fromInt(10), Currency::fromInt(100), {}, {}},
                                            1, day(2020, 1, 1), 1);
        growth.RecordCount = 1;
        growth.FundValueTable[1][2] = Currency::fromDouble(12.1);
        sumFundRecords(growth);
        computeCurrentValues(growth);
        const auto yearly = annualReturn(growth, 1, day(2022, 1, 1));
        QVERIFY(yearly.has_value());
        QVERIFY(prices.contains(qs(formatNumber(*yearly, "#0.00") + "%")));
        const auto valuation = valueFund(Currency::fromInt(12), fundSums(db, 1), std::nullopt);
        QVERIFY(valuation.ok());
        const QString records = t.helpAt(HelpTopic::FundTable);
        QVERIFY(records.contains(qs("$" + formatNumber(valuation->value, "#,##0.00"))));
        QVERIFY(records.contains(qs(formatNumber(*valuation->gainPercent, "#0.00") + "%")));
    }
};

FISCALIA_TEST_MAIN(FundTablesTest)
#include "tst_fund_tables.moc"

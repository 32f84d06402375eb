// The additional-payments, days-in-year and start-date windows.
#include "app/app_state.h"
#include "app/Grid.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace fiscalia;

namespace {

struct State {
    AppState state;
    test::ScriptedDialogs dialogs;
    State()
    {
        state.InputValues.assign(6, Currency());
        state.InputValues[3] = Currency::fromInt(25);
        state.Mortgage.StartDate = *Date::fromYmd(2027, 3, 15);
    }
};

template <typename Window> void showActive(Window& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
}

} // namespace

class MortgageDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void aPercentageOfFiveStoresFiveHundredths()
    {
        State s;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Additional Payments"));
        auto* percent = window.findChild<QLineEdit*>(QStringLiteral("InPercent"));
        QCOMPARE(percent->text(), QStringLiteral("    0.000%"));
        percent->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(percent, QStringLiteral("5"));
        QTest::keyClick(percent, Qt::Key_Return);
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->hasFocus());
        QCOMPARE(percent->text(), QStringLiteral("    5.000%"));
        QCOMPARE(s.state.Mortgage.PIIncrease, 0.05f);
    }

    void aPercentageOverOneHundredIsCut()
    {
        State s;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        auto* percent = window.findChild<QLineEdit*>(QStringLiteral("InPercent"));
        percent->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(percent, QStringLiteral("150.5"));
        QTest::keyClick(percent, Qt::Key_Return);
        QCOMPARE(s.dialogs.messages, std::vector<int>{52});
        QCOMPARE(percent->text(), QStringLiteral("  100.000%"));
        QCOMPARE(s.state.Mortgage.PIIncrease, 1.0f);
    }

    void amountsAreTypedIntoTheGrid()
    {
        State s;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        auto* grid = window.findChild<Grid*>(QStringLiteral("PGrid"));
        QCOMPARE(grid->rows(), 26);
        QCOMPARE(grid->text(0, 1), QStringLiteral("Amount of Payment"));
        QCOMPARE(grid->text(25, 0), QStringLiteral("25"));
        QCOMPARE(grid->text(1, 1), QStringLiteral(".00"));
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentCol(), 1);
        QTest::keyClicks(grid, QStringLiteral("2500.555"));
        QCOMPARE(grid->text(1, 1), QStringLiteral("2,500.55")); // the third decimal is ignored
        QCOMPARE(s.state.Mortgage.ExtraPayments[1][2], Currency::fromDouble(2500.55));
        QTest::keyClicks(grid, QStringLiteral("x\""));
        QCOMPARE(s.dialogs.beeps, 1); // the quote is dropped without a beep
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->currentRow(), 2);
        QTest::keyClicks(grid, QStringLiteral("300"));
        QTest::keyClick(grid, Qt::Key_Backspace);
        QCOMPARE(grid->text(2, 1), QStringLiteral(".00"));
        QTest::keyClicks(grid, QStringLiteral("75"));
        QCOMPARE(s.state.Mortgage.ExtraPayments[2][2], Currency::fromInt(75));
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(s.state.Mortgage.ExtraPayments[2][2], Currency());
        grid->setCurrentCell(3, 0); // the year column takes no typing
        QTest::keyClicks(grid, QStringLiteral("9"));
        QCOMPARE(grid->text(3, 0), QStringLiteral("3"));
        QCOMPARE(s.state.Mortgage.ExtraPayments[3][2], Currency());
        window.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->click();
        QCOMPARE(s.state.Mortgage.ExtraCount, 1);
        QCOMPARE(s.state.Mortgage.ExtraRows, 25);
    }

    void anAmountTooLargeForTheTableIsRefusedAsItIsTyped()
    {
        State s;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        auto* grid = window.findChild<Grid*>(QStringLiteral("PGrid"));
        QTest::keyClicks(grid, QString(20, QLatin1Char('9'))); // no crash: the digits that do not fit beep
        QCOMPARE(grid->text(1, 1), QStringLiteral("99,999,999,999,999.00"));
        QCOMPARE(s.dialogs.beeps, 6);
        QCOMPARE(s.state.Mortgage.ExtraPayments[1][2].raw(), Currency::fromInt(99999999999999).raw());
        QVERIFY(grid->columnWidth(1) >= grid->fontMetrics().horizontalAdvance(grid->text(1, 1)));
    }

    void tabLeavesTheGrid()
    {
        State s;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        auto* grid = window.findChild<Grid*>(QStringLiteral("PGrid"));
        QVERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("InPercent"))->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(grid->hasFocus());
    }

    void eraseAllEmptiesEverything()
    {
        State s;
        s.state.Mortgage.ExtraPayments[4][2] = Currency::fromInt(900);
        s.state.Mortgage.ExtraCount = 1;
        s.state.Mortgage.PIIncrease = 0.1f;
        MortPrePay window(s.state, s.dialogs);
        showActive(window);
        auto* grid = window.findChild<Grid*>(QStringLiteral("PGrid"));
        QCOMPARE(grid->text(4, 1), QStringLiteral("900.00"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("InPercent"))->text(), QStringLiteral("   10.000%"));
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        window.findChild<QPushButton*>(QStringLiteral("DoNotUse"))->click();
        QCOMPARE(grid->text(4, 1), QStringLiteral(".00"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("InPercent"))->text(), QStringLiteral("    0.000%"));
        QCOMPARE(s.state.Mortgage.PIIncrease, 0.0f);
        window.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->click();
        QCOMPARE(s.state.Mortgage.ExtraCount, 0);
    }

    void aShorterTermShowsItsYears()
    {
        State s;
        s.state.InputValues[3] = Currency::fromDouble(4.1667); // a 50-month loan
        MortPrePay window(s.state, s.dialogs);
        auto* grid = window.findChild<Grid*>(QStringLiteral("PGrid"));
        QCOMPARE(window.years(), 4);
        QCOMPARE(grid->rows(), 20);
        QCOMPARE(grid->text(4, 0), QStringLiteral("4"));
        QCOMPARE(grid->text(5, 0), QString());
    }

    void daysInYearOptionsSetTheirPeriods_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<float>("days");
        QTest::addColumn<double>("biweekly");
        QTest::addColumn<double>("weekly");
        QTest::newRow("365.25") << 0 << 365.25f << 365.25 / 14 << 365.25 / 7;
        QTest::newRow("364") << 2 << 364.0f << 26.0 << 52.0;
        QTest::newRow("363") << 3 << 363.0f << 363.0 / 14 << 363.0 / 7;
    }

    void daysInYearOptionsSetTheirPeriods()
    {
        QFETCH(int, option);
        QFETCH(float, days);
        QFETCH(double, biweekly);
        QFETCH(double, weekly);
        State s;
        MortIRFTable window(s.state);
        showActive(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Accelerated payments"));
        QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("IRFactor1"))->isChecked());
        window.findChild<QRadioButton*>(QStringLiteral("IRFactor%1").arg(option))->click();
        window.findChild<QPushButton*>(QStringLiteral("ExitMort"))->click();
        QCOMPARE(s.state.Mortgage.DaysChoice, option);
        QCOMPARE(s.state.Mortgage.DaysInYear, days);
        QCOMPARE(s.state.Mortgage.BiweeklyPeriods, biweekly);
        QCOMPARE(s.state.Mortgage.WeeklyPeriods, weekly);
    }

    void aDayOptionCheckedByAScreenReaderCounts()
    {
        State s;
        MortIRFTable window(s.state);
        showActive(window);
        auto* option = window.findChild<QRadioButton*>(QStringLiteral("IRFactor2"));
        QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        window.findChild<QPushButton*>(QStringLiteral("ExitMort"))->click();
        QCOMPARE(s.state.Mortgage.DaysChoice, 2);
        QCOMPARE(s.state.Mortgage.BiweeklyPeriods, 26.0);
    }

    void aValidDateAfterARefusalLetsOkClose()
    {
        State s;
        MortDateInput window(s.state, s.dialogs);
        showActive(window);
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("InDate"));
        auto* ok = window.findChild<QPushButton*>(QStringLiteral("OkExit"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("2/31/2027"));
        QTest::keyClick(box, Qt::Key_Return); // refused: the box keeps the focus
        QCOMPARE(s.dialogs.messages, std::vector<int>{10});
        QVERIFY(box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("4/1/2027"));
        ok->setFocus(Qt::MouseFocusReason); // the press of "OK" leaves the box
        ok->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(s.state.Mortgage.StartDate, *Date::fromYmd(2027, 4, 1));
    }

    void theStartDateIsTypedInTheShortForm()
    {
        State s;
        MortDateInput window(s.state, s.dialogs);
        showActive(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Date Input"));
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("InDate"));
        QCOMPARE(box->text(), QStringLiteral("3/15/2027"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("1/31/2028"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("OkExit"))->hasFocus());
        QCOMPARE(box->text(), QStringLiteral("1/31/2028"));
        QCOMPARE(s.state.Mortgage.StartDate, *Date::fromYmd(2028, 1, 31));
    }

    void otherDateFormsAreShownBackInTheShortForm()
    {
        State s;
        MortDateInput window(s.state, s.dialogs);
        showActive(window);
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("InDate"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("July 4, 2029"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("7/4/2029"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("2/1/30"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.state.Mortgage.StartDate, *Date::fromYmd(2030, 2, 1));
        QVERIFY(s.dialogs.messages.empty());
    }

    void theThirtyFirstOfFebruaryIsRefused()
    {
        State s;
        MortDateInput window(s.state, s.dialogs);
        showActive(window);
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("InDate"));
        auto* ok = window.findChild<QPushButton*>(QStringLiteral("OkExit"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("2/31/2027"));
        ok->setFocus(Qt::TabFocusReason); // leaving the box checks it
        QCOMPARE(s.dialogs.messages, std::vector<int>{10});
        QCOMPARE(box->text(), QStringLiteral("3/15/2027"));
        QVERIFY(box->hasFocus());
        QCOMPARE(s.state.Mortgage.StartDate, *Date::fromYmd(2027, 3, 15));
        // OK with a wrong date typed keeps the window open.
        QTest::keyClicks(box, QStringLiteral("nonsense"));
        ok->click();
        QVERIFY(window.isVisible());
        QCOMPARE(s.dialogs.messages, (std::vector<int>{10, 10}));
        ok->click();
        QVERIFY(!window.isVisible());
    }
};

FISCALIA_TEST_MAIN(MortgageDialogsTest)
#include "tst_mortgage_dialogs.moc"

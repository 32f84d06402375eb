// The Mortgage and Loan Tables window, typed into with real keys.
#include "app/app_state.h"
#include "app/GreenBox.h"
#include "app/Grid.h"
#include "app/QtText.h"
#include "app/WindowLayout.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ToolWindow.h"
#include "mortgage/amortization.h"
#include "mortgage/MortgageCalc.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

using namespace fiscalia;

namespace {

struct Window {
    test::TestProgram program;
    MortgageCalc* calc = nullptr;

    explicit Window(const char* menuButton = "Canadian")
    {
        program.frame->menu()->button(QString::fromLatin1(menuButton))->click();
        calc = qobject_cast<MortgageCalc*>(program.frame->activeTool());
    }
    AppState& state() { return program.frame->state(); }
    test::ScriptedDialogs& dialogs() { return *program.dialogs; }
    template <typename T> T* get(const char* name) { return calc->findChild<T*>(QString::fromLatin1(name)); }
    QString label(const char* name) { return get<QLabel>(name)->text(); }
    QLineEdit* box(const char* name)
    {
        if (auto* combo = get<QComboBox>(name))
            return combo->lineEdit();
        return get<QLineEdit>(name);
    }
    QWidget* focusTarget(const char* name)
    {
        if (auto* combo = get<QComboBox>(name))
            return combo;
        return get<QLineEdit>(name);
    }
    void type(const char* name, const QString& keys)
    {
        QWidget* target = focusTarget(name);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(target, keys);
    }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    Grid* grid() { return get<Grid>("MGrid"); }
};

} // namespace

class MortgageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void theMortgageModeOpensWithItsDefaults()
    {
        Window w;
        QVERIFY(w.calc);
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral("Mortgage Tables"));
        QCOMPARE(w.box("InPrincipal")->text(), QStringLiteral("   $100,000.00"));
        QCOMPARE(w.box("InRate")->text(), QStringLiteral("        10.125%"));
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("            25"));
        QCOMPARE(w.get<QComboBox>("InRate")->count(), 5);
        QCOMPARE(w.get<QComboBox>("InTerm")->itemText(2), QStringLiteral("40"));
        QCOMPARE(w.get<QComboBox>("Comperiod")->currentText(), QStringLiteral("      Monthly"));
        QCOMPARE(w.get<QComboBox>("FreqPmt")->count(), 6);
        QVERIFY(w.get<QRadioButton>("Option2")->isChecked());
        QCOMPARE(w.state().ToolMode, 1);
        QCOMPARE(w.label("Label1"), QStringLiteral(" Principal amount of           mortgage."));
        QCOMPARE(w.label("Label16"), QStringLiteral(" P+I includes      0.000%"));
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral(" Payment  Year"));
        QCOMPARE(w.grid()->text(0, 5), QStringLiteral("Cumulative Principal"));
        QVERIFY(w.grid()->rows() >= 23);
        QCOMPARE(w.state().Mortgage.DaysInYear, 365.0f);
    }

    void theLoanModeTreatsFortyEightMonthsAsFourYears()
    {
        Window w("LoanPmt");
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral("Personal Loan Tables"));
        QCOMPARE(w.box("InPrincipal")->text(), QStringLiteral("   $20,000.00"));
        QCOMPARE(w.box("InRate")->text(), QStringLiteral("         10.125%"));
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("            48"));
        QCOMPARE(w.state().InputValues[3], Currency::fromInt(4));
        QCOMPARE(w.label("Label3"), QStringLiteral(" Payback period of the      loan in months."));
        QCOMPARE(w.label("Label11"), QStringLiteral(" No. months to   final payment."));
        w.get<QRadioButton>("Option1")->click();
        w.click("MCalc");
        QVERIFY(w.dialogs().messages.empty());
        QCOMPARE(w.label("EndMortYear"), QStringLiteral("       48.00"));
        QCOMPARE(w.state().Mortgage.Results->result.rowCount, 48);
        QCOMPARE(w.grid()->text(48, 3), QStringLiteral(".00"));
        // Typing 50 months stores 50 / 12 and shows 50 again.
        w.type("InTerm", QStringLiteral("50"));
        w.get<QPushButton>("MCalc")->setFocus();
        QCOMPARE(w.state().InputValues[3], Currency::fromDouble(4.1667));
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("              50"));
        w.click("MCalc");
        QCOMPARE(w.label("EndMortYear"), QStringLiteral("       50.00"));
        // 481 months is over the limit.
        w.type("InTerm", QStringLiteral("481"));
        w.get<QPushButton>("MCalc")->setFocus();
        QCOMPARE(w.dialogs().messages, std::vector<int>{5});
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("             480"));
        QCOMPARE(w.state().InputValues[3], Currency::fromInt(40));
    }

    void aTermOverFortyYearsIsCutToForty()
    {
        Window w;
        w.type("InTerm", QStringLiteral("45"));
        QTest::keyClick(w.focusTarget("InTerm"), Qt::Key_Return);
        QVERIFY(w.get<QComboBox>("Comperiod")->hasFocus());
        QCOMPARE(w.dialogs().messages, std::vector<int>{5});
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("              40"));
        QCOMPARE(w.state().InputValues[3], Currency::fromInt(40));
    }

    void calculateFillsLabelsAndGridInBothViews()
    {
        Window w;
        w.click("MCalc");
        QCOMPARE(w.label("InMonthPI"), QStringLiteral("     $917.53"));
        QCOMPARE(w.label("PeriodicR"), QStringLiteral("0.0084375"));
        QCOMPARE(w.label("NumPmtsYear"), QStringLiteral("          12"));
        QCOMPARE(w.label("EndMortYear"), QStringLiteral("       25.00"));
        QCOMPARE(w.label("AllPayments"), QStringLiteral(" $275,258.20"));
        QCOMPARE(w.label("InDays"), QStringLiteral("Normal"));
        QCOMPARE(w.state().ResultsReady, 25);
        QCOMPARE(w.grid()->text(1, 0), QStringLiteral("   1"));
        QCOMPARE(w.grid()->text(25, 3), QStringLiteral(".00"));
        QCOMPARE(w.grid()->text(27, 0), QStringLiteral("Total:"));
        QCOMPARE(w.grid()->text(27, 5), QStringLiteral("$100,000.00"));
        QCOMPARE(w.state().GraphTitle, std::string("Mortgage balance at start of each Year"));

        w.get<QRadioButton>("Option1")->click(); // "All "
        QCOMPARE(w.state().ToolMode, 2);
        QCOMPARE(w.state().ResultsReady, 0);     // the option cleared the results
        QCOMPARE(w.label("InMonthPI"), QString());
        w.click("MCalc");
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral("  Payment   No.  Year"));
        QCOMPARE(w.grid()->rows(), 304);
        QCOMPARE(w.grid()->text(300, 0), QStringLiteral(" 300      25"));
        QCOMPARE(w.grid()->text(302, 4), QStringLiteral("$175,258.20"));
        QVERIFY(w.state().ResultsReady > 0);
        QCOMPARE(w.state().Mortgage.Results->result.rowCount, 300);
    }

    void payNumbersOrDatesToggle()
    {
        Window w;
        w.get<QRadioButton>("Option1")->click();
        w.state().Mortgage.StartDate = *Date::fromYmd(2027, 1, 31);
        w.click("MDateNumber");
        QCOMPARE(w.get<QPushButton>("MDateNumber")->text(), QStringLiteral("&View payment No."));
        QCOMPARE(w.state().Mortgage.DatesOn, 1);
        w.click("MCalc");
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral(" Payment  Date"));
        QCOMPARE(w.grid()->text(1, 0), QStringLiteral("1/31/2027"));
        QCOMPARE(w.grid()->text(2, 0), QStringLiteral("2/28/2027"));
        w.click("MDateNumber");
        QCOMPARE(w.get<QPushButton>("MDateNumber")->text(), QStringLiteral("&View payment date"));
        QCOMPARE(w.state().Mortgage.DatesOn, 0);
    }

    void aZeroRateIsAWrongEntry()
    {
        Window w;
        w.type("InRate", QStringLiteral("0"));
        w.click("MCalc");
        QCOMPARE(w.dialogs().messages, std::vector<int>{3});
        QCOMPARE(w.state().ResultsReady, 0);
        w.click("MGraphs");
        w.click("MPrinter");
        QCOMPARE(w.dialogs().messages, (std::vector<int>{3, 2, 1}));
    }

    void typingWhileQuickHelpIsOpenKeepsTheHelpText()
    {
        Window w;
        w.click("MCalc");
        w.click("MHelp");
        auto* help = w.get<QTextEdit>("MTextBox");
        QCOMPARE(w.get<QPushButton>("MHelp")->text(), QStringLiteral("Close &Help"));
        QVERIFY(!w.get<QPushButton>("MPrinter")->isEnabled());
        QVERIFY(!w.get<QPushButton>("MSaveFile")->isEnabled());
        QVERIFY(!w.get<QPushButton>("MGraphs")->isEnabled());
        QVERIFY(help->isVisibleTo(w.calc));
        QVERIFY(!w.grid()->isVisibleTo(w.calc));
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("Click any green box")));
        QVERIFY(help->toPlainText().contains(QStringLiteral("American = Monthly.  Canadian = Semi-Annual.")));

        w.type("InPrincipal", QStringLiteral("5"));
        QCOMPARE(w.label("InMonthPI"), QString());
        QVERIFY(help->isVisibleTo(w.calc));
        QVERIFY(!help->toPlainText().isEmpty());

        // The help panel takes no typing: Enter goes to the principal.
        help->setFocus();
        const int beeps = w.dialogs().beeps;
        QTest::keyClicks(help, QStringLiteral("ab"));
        QCOMPARE(w.dialogs().beeps, beeps + 2);
        QTest::keyClick(help, Qt::Key_Return);
        QVERIFY(w.get<QLineEdit>("InPrincipal")->hasFocus());

        w.click("MHelp"); // closes the help and the results
        QCOMPARE(w.get<QPushButton>("MHelp")->text(), QStringLiteral("Quick &Help"));
        QVERIFY(w.grid()->isVisibleTo(w.calc));
        QVERIFY(!help->isVisibleTo(w.calc));
        QVERIFY(w.get<QPushButton>("MPrinter")->isEnabled());
        QCOMPARE(w.state().ResultsReady, 0);
        QCOMPARE(w.state().EditFlag, 0);
    }

    void theListsAreChosenFromOnly()
    {
        Window w;
        w.click("MCalc");
        auto* period = w.get<QComboBox>("Comperiod");
        period->setFocus();
        QTest::keyClicks(period, QStringLiteral("q"));
        QCOMPARE(w.dialogs().beeps, 1);
        QCOMPARE(w.state().ResultsReady, 0); // any key clears the results
        QCOMPARE(period->currentText(), QStringLiteral("      Monthly"));
        QTest::keyClick(period, Qt::Key_Down);
        QCOMPARE(period->currentText(), QStringLiteral("    Bimonthly"));
        QTest::keyClick(period, Qt::Key_Return);
        auto* frequency = w.get<QComboBox>("FreqPmt");
        QVERIFY(frequency->hasFocus());
        QTest::keyClick(frequency, Qt::Key_Down);
        QTest::keyClick(frequency, Qt::Key_Down);
        QCOMPARE(frequency->currentText(), QStringLiteral("      2 Weeks"));
        QTest::keyClick(frequency, Qt::Key_Return);
        QVERIFY(w.get<QPushButton>("MCalc")->hasFocus());
        QTest::keyClick(w.get<QPushButton>("MCalc"), Qt::Key_Return);
        QCOMPARE(w.label("NumPmtsYear"), QStringLiteral("          26"));
        QCOMPARE(w.label("InDays"), QStringLiteral("365"));
    }

    void theEnterKeyWalksThroughTheBoxes()
    {
        Window w;
        w.type("InPrincipal", QStringLiteral("250000"));
        QTest::keyClick(w.focusTarget("InPrincipal"), Qt::Key_Return);
        QVERIFY(w.get<QComboBox>("InRate")->hasFocus());
        QCOMPARE(w.box("InPrincipal")->text(), QStringLiteral("     $250,000.00"));
        QTest::keyClicks(w.focusTarget("InRate"), QStringLiteral("5.5"));
        QTest::keyClick(w.focusTarget("InRate"), Qt::Key_Return);
        QVERIFY(w.get<QComboBox>("InTerm")->hasFocus());
        QCOMPARE(w.box("InRate")->text(), QStringLiteral("         5.500%"));
        QCOMPARE(w.state().InputValues[1], Currency::fromInt(250000));
        QCOMPARE(w.state().InputValues[2], Currency::fromDouble(5.5));
    }

    void changingTheTermDiscardsAdditionalPayments()
    {
        Window w;
        w.state().Mortgage.ExtraPayments[3][2] = Currency::fromInt(1000);
        w.state().Mortgage.ExtraCount = 1;
        w.type("InTerm", QStringLiteral("20"));
        w.get<QPushButton>("MCalc")->setFocus();
        QCOMPARE(w.state().Mortgage.ExtraCount, 0);
        QCOMPARE(w.state().Mortgage.ExtraPayments[3][2], Currency());

        w.state().Mortgage.ExtraPayments[2][2] = Currency::fromInt(500);
        w.state().Mortgage.ExtraCount = 1;
        w.state().Mortgage.PIIncrease = 0.05f;
        auto* term = w.get<QComboBox>("InTerm");
        term->setFocus();
        QTest::keyClick(term, Qt::Key_Down); // a choice from the list
        QCOMPARE(w.state().Mortgage.ExtraCount, 0);
        QCOMPARE(w.state().Mortgage.PIIncrease, 0.0f);
    }

    void exitReturnsAndTheNextVisitStartsFresh()
    {
        Window w;
        w.type("InPrincipal", QStringLiteral("5000"));
        w.click("MCalc");
        w.click("MExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Fiscalia Menu"));
        QCOMPARE(w.state().ResultsReady, 0);
        QCOMPARE(w.state().ToolMode, 0);
        QVERIFY(!w.state().Mortgage.Results);
        w.program.frame->menu()->button(QStringLiteral("LoanPmt"))->click();
        auto* loan = qobject_cast<MortgageCalc*>(w.program.frame->activeTool());
        QVERIFY(loan);
        QCOMPARE(loan->findChild<QLineEdit*>(QStringLiteral("InPrincipal"))->text(), QStringLiteral("   $20,000.00"));
        QCOMPARE(w.state().LoanMode, 2);
    }

    void theViewOptionsActHoweverTheyAreChecked()
    {
        Window w;
        w.click("MCalc");
        QVERIFY(w.state().ResultsReady > 0);
        // A screen reader's toggle checks "All " without a click.
        auto* all = w.get<QRadioButton>("Option1");
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(all);
        QVERIFY(access && access->actionInterface());
        access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(all->isChecked());
        QCOMPARE(w.state().ToolMode, 2);
        QCOMPARE(w.state().ResultsReady, 0);
        w.click("MCalc");
        QCOMPARE(w.grid()->text(0, 0), QStringLiteral("  Payment   No.  Year"));
        QCOMPARE(w.state().Mortgage.Results->result.rowCount, 300);
    }

    void aListTurnedByTheWheelIsTheOneCalculated()
    {
        Window w;
        w.state().Mortgage.ExtraPayments[3][2] = Currency::fromInt(1000);
        w.state().Mortgage.ExtraCount = 1;
        w.get<QPushButton>("MCalc")->setFocus();
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.get<QComboBox>("InTerm"), &down); // 25 -> 30, never focused
        QApplication::sendEvent(w.get<QComboBox>("Comperiod"), &down); // Monthly -> Bimonthly
        QCOMPARE(w.box("InTerm")->text(), QStringLiteral("              30"));
        QCOMPARE(w.state().InputValues[3], Currency::fromInt(30));
        QCOMPARE(w.state().Mortgage.ExtraCount, 0); // the additional payments went with the old term
        QCOMPARE(w.get<QComboBox>("Comperiod")->currentText(), QStringLiteral("    Bimonthly"));
        w.click("MCalc");
        QCOMPARE(w.label("EndMortYear"), QStringLiteral("       30.00"));
        QCOMPARE(w.label("PeriodicR"), QStringLiteral("0.0084022")); // (1 + 0.10125 / 6)^(6 / 12) - 1
    }

    void tabLeavesTheSchedule()
    {
        Window w;
        w.click("MCalc");
        w.grid()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.grid(), Qt::Key_Down);
        QVERIFY(w.grid()->hasFocus());
        QTest::keyClick(w.grid(), Qt::Key_Tab);
        QVERIFY(!w.grid()->hasFocus());
        QWidget* after = QApplication::focusWidget();
        QTest::keyClick(after, Qt::Key_Backtab);
        QVERIFY(w.grid()->hasFocus());
    }

    void aHugePrincipalIsShownWholeEverywhere()
    {
        Window w;
        w.type("InPrincipal", QStringLiteral("100000000000000"));
        w.click("MCalc");
        QCOMPARE(w.box("InPrincipal")->text(), QStringLiteral("$100,000,000,000,000.00"));
        const QString payment = w.label("InMonthPI");
        QVERIFY2(payment.startsWith(QStringLiteral("$917,527,")), qPrintable(payment)); // not a thousand times less
        QCOMPARE(payment, qs(w.state().Mortgage.Results->result.inMonthPI));
        QCoreApplication::processEvents(); // the layout gives the wider figures their room
        auto* label = w.get<QLabel>("InMonthPI");
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(payment));
        auto* principal = w.get<QLineEdit>("InPrincipal");
        QVERIFY(principal->width() >= principal->fontMetrics().horizontalAdvance(principal->text()));
        // The grid's balance column is wide enough for its widest figure.
        const QString total = w.grid()->text(27, 4);
        QVERIFY(w.grid()->columnWidth(4) >= w.grid()->fontMetrics().horizontalAdvance(total));
    }

    void everyControlIsNamedByItsCaption()
    {
        Window w;
        auto name = [](QWidget* widget) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
            return access ? access->text(QAccessible::Name) : QString();
        };
        QStringList names;
        for (QWidget* widget : w.calc->findChildren<QWidget*>()) {
            const bool control = qobject_cast<GreenLineEdit*>(widget) || qobject_cast<GreenComboBox*>(widget)
                                 || qobject_cast<ResultLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)
                                 || qobject_cast<Grid*>(widget);
            if (control && !qobject_cast<QComboBox*>(widget->parentWidget()))
                names << name(widget);
        }
        for (const char* caption : {"Label1", "Label2", "Label3", "Label6", "Label10", "Label4", "Label9", "Label11",
                                    "Label8", "Label5", "Label14", "Label15", "Label16"}) {
            const QString spoken = w.label(caption).simplified();
            QCOMPARE(names.count(spoken), 1);
        }
        QCOMPARE(name(w.get<QComboBox>("InRate")), QStringLiteral("Annual interest rate %"));
        QCOMPARE(name(w.get<QComboBox>("FreqPmt")), QStringLiteral("Frequency and type of each payment."));
        QVERIFY(!names.contains(QStringLiteral("Monthly")));
        // A result figure is read as its caption with the figure as its value.
        w.click("MCalc");
        QAccessibleInterface* payment = QAccessible::queryAccessibleInterface(w.get<QLabel>("InMonthPI"));
        QCOMPARE(payment->text(QAccessible::Name), QStringLiteral("Principal + Interest payment."));
        QCOMPARE(payment->text(QAccessible::Value), QStringLiteral("$917.53"));
    }

    void theWindowGrowsWithALargeFrame()
    {
        Window w;
        QMdiSubWindow* sub = w.program.frame->area()->activeSubWindow();
        const QSize small = sub->size();
        w.program.frame->resize(1200, 900);
        QCOMPARE(sub->pos(), QPoint(80, 67));
        QVERIFY(sub->width() > small.width());
        QVERIFY(sub->height() > small.height());
    }
};

FISCALIA_TEST_MAIN(MortgageWindowTest)
#include "tst_mortgage_window.moc"

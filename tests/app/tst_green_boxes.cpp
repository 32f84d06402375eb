// Green input boxes typed into with real keys.
#include "app/app_state.h"
#include "app/GreenBox.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace fiscalia;

class GreenBoxesTest : public QObject {
    Q_OBJECT

    // A small window with the mortgage window's three boxes, a rate list and
    // a list-only box, a button to leave the boxes to.
    struct Window {
        AppState state;
        test::ScriptedDialogs dialogs;
        int clears = 0;
        BoxHost host{state, dialogs, [this] {
                         ++clears;
                         state.EditFlag = 1;
                     }};
        QWidget widget;
        GreenLineEdit* principal;
        GreenComboBox* rate;
        GreenComboBox* term;
        GreenComboBox* period;
        QPushButton* button;

        Window()
        {
            state.InputValues.resize(6);
            BoxSpec money;
            money.slot = 1;
            money.currencyPrefix = true;
            money.selectAllOnFocus = true;
            principal = new GreenLineEdit(host, money, &widget);
            BoxSpec rateSpec;
            rateSpec.slot = 2;
            rateSpec.decimals = 3;
            rateSpec.pattern = QStringLiteral("###.000");
            rateSpec.width = 14;
            rateSpec.suffix = QStringLiteral("%");
            rate = new GreenComboBox(host, rateSpec, &widget);
            rate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 ")});
            BoxSpec termSpec;
            termSpec.slot = 3;
            termSpec.filter = KeyFilter::WholeNumber;
            termSpec.pattern = QStringLiteral("###");
            termSpec.limit = 40;
            termSpec.limitMessage = 5;
            term = new GreenComboBox(host, termSpec, &widget);
            term->addItems({QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
            BoxSpec listSpec;
            listSpec.filter = KeyFilter::ListOnly;
            period = new GreenComboBox(host, listSpec, &widget);
            period->addItems({QStringLiteral("      Monthly"), QStringLiteral("   Semiannual")});
            button = new QPushButton(QStringLiteral("&Calculate"), &widget);
            principal->spec().next = rate;
            rate->setNext(term);
            term->setNext(period);
            period->setNext(button);
            auto* layout = new QVBoxLayout(&widget);
            for (QWidget* w : std::initializer_list<QWidget*>{principal, rate, term, period, button})
                layout->addWidget(w);
            state.InputValues[1] = Currency::fromInt(100000);
            principal->showStoredValue();
            rate->lineEdit()->setText(QStringLiteral("        10.125%"));
            state.InputValues[2] = Currency::fromDouble(10.125);
            term->lineEdit()->setText(QStringLiteral("            25"));
            state.InputValues[3] = Currency::fromInt(25);
            widget.show();
            QApplication::setActiveWindow(&widget);
        }

        void typeInto(QWidget* box, const QString& keys)
        {
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(box, keys);
        }
        void leave() { button->setFocus(Qt::TabFocusReason); }
        double slot(int n) const { return state.InputValues[static_cast<std::size_t>(n)].toDouble(); }
    };

private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void moneyBoxKeepsTwoDecimals()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("12.345"));
        QCOMPARE(w.principal->text(), QStringLiteral("12.34"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.slot(1), 12.34);
        QCOMPARE(w.principal->text(), QStringLiteral("          $12.34"));
        QCOMPARE(w.state.EditFlag, 0);
    }

    void firstKeyReplacesTheValueAndClearsResults()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("5"));
        QCOMPARE(w.principal->text(), QStringLiteral("5"));
        QCOMPARE(w.clears, 1);
        QTest::keyClicks(w.principal, QStringLiteral("00"));
        QCOMPARE(w.clears, 1); // only the first key clears
        w.leave();
        QCOMPARE(w.principal->text(), QStringLiteral("         $500.00"));
    }

    void rateBoxTakesThreeDecimals()
    {
        Window w;
        w.typeInto(w.rate, QStringLiteral("7.1255"));
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("7.125"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.slot(2), 7.125);
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("         7.125%"));
    }

    void aSecondPointIsTakenButStopsTheReading()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("1.2.5"));
        // The second point passes; the digit after it would be a third decimal.
        QCOMPARE(w.principal->text(), QStringLiteral("1.2."));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.slot(1), 1.2);
    }

    void tabbingThroughLeavesEverythingAsItWas()
    {
        Window w;
        const QString before = w.principal->text();
        w.principal->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.principal, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        w.leave();
        QCOMPARE(w.principal->text(), before);
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("        10.125%"));
        QCOMPARE(w.term->lineEdit()->text(), QStringLiteral("            25"));
        QCOMPARE(w.slot(1), 100000.0);
        QCOMPARE(w.slot(2), 10.125);
        QCOMPARE(w.slot(3), 25.0);
        QCOMPARE(w.clears, 0);
    }

    void aClearedResultElsewhereDoesNotChangeABoxJustVisited()
    {
        // Results cleared by a button (edit flag 1) and then a visit to a box
        // without typing must not read the shown "$100,000.00" as a number.
        Window w;
        w.host.clearResults();
        w.principal->setFocus(Qt::TabFocusReason);
        w.leave();
        QCOMPARE(w.slot(1), 100000.0);
    }

    void aWideMoneyValueIsCutAtTheRight()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("12345678901234"));
        w.leave();
        QCOMPARE(w.principal->text(), QStringLiteral("$12,345,678,901,"));
        QCOMPARE(w.principal->text().size(), 16);
        QCOMPARE(w.slot(1), 12345678901234.0);
    }

    void enterMovesToTheNextBox()
    {
        Window w;
        w.principal->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.principal, Qt::Key_Return);
        QVERIFY(w.rate->hasFocus());
        QTest::keyClick(w.rate, Qt::Key_Return);
        QVERIFY(w.term->hasFocus());
        QTest::keyClick(w.term, Qt::Key_Enter);
        QVERIFY(w.period->hasFocus());
        QTest::keyClick(w.period, Qt::Key_Return);
        QVERIFY(w.button->hasFocus());
        QCOMPARE(w.clears, 0);
    }

    void theDeleteKeyClearsResults()
    {
        Window w;
        w.principal->setFocus(Qt::TabFocusReason);
        w.principal->setCursorPosition(0);
        QTest::keyClick(w.principal, Qt::Key_Delete);
        QCOMPARE(w.clears, 1);
        w.leave();
        // The shown value, one blank shorter, still reads as 100,000.00.
        QCOMPARE(w.slot(1), 100000.0);
    }

    void wholeNumberBoxRefusesThePointAndKeepsItsLimit()
    {
        Window w;
        w.typeInto(w.term, QStringLiteral("4.5"));
        QCOMPARE(w.term->lineEdit()->text(), QStringLiteral("45"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.dialogs.messages, std::vector<int>{5});
        QCOMPARE(w.slot(3), 40.0);
        QCOMPARE(w.term->lineEdit()->text(), QStringLiteral("              40"));
    }

    void pastingTypesThroughTheFilterAndKeepsTheClipboard()
    {
        Window w;
        QApplication::clipboard()->setText(QStringLiteral("12.345"));
        w.principal->setFocus(Qt::TabFocusReason);
        QTest::keySequence(w.principal, QKeySequence::Paste);
        QCOMPARE(w.principal->text(), QStringLiteral("12.34"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.slot(1), 12.34);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12.345"));

        QApplication::clipboard()->setText(QStringLiteral("abc"));
        w.typeInto(w.rate, QString());
        QTest::keySequence(w.rate, QKeySequence::Paste);
        QCOMPARE(w.rate->lineEdit()->text(), QString());
        QCOMPARE(w.dialogs.beeps, 4);
    }

    void choosingFromAListClearsResultsAndStoresTheChoice()
    {
        Window w;
        w.rate->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.rate, Qt::Key_Down);
        QCOMPARE(w.clears, 1);
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("7 "));
        w.leave();
        QCOMPARE(w.slot(2), 7.0);
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("         7.000%"));
    }

    void aListOnlyBoxBeepsAtTypedKeys()
    {
        Window w;
        w.period->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.period, QStringLiteral("x"));
        QCOMPARE(w.dialogs.beeps, 1);
        QCOMPARE(w.clears, 1);
        QCOMPARE(w.period->currentText(), QStringLiteral("      Monthly"));
        QTest::keyClick(w.period, Qt::Key_Down);
        QCOMPARE(w.period->currentText(), QStringLiteral("   Semiannual"));
        QCOMPARE(w.clears, 2);
    }

    void undoCannotBringBackAnUnstoredText()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("7"));
        QTest::keySequence(w.principal, QKeySequence::Undo);
        QCOMPARE(w.principal->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(GreenBoxesTest)
#include "tst_green_boxes.moc"

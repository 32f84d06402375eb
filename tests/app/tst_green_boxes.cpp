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
#include <QWheelEvent>

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

    void aWideMoneyValueIsShownWholeAndTheBoxWidens()
    {
        Window w;
        w.principal->setBaseWidth(120);
        w.typeInto(w.principal, QStringLiteral("100000000000000"));
        w.leave();
        QCOMPARE(w.principal->text(), QStringLiteral("$100,000,000,000,000.00"));
        QCOMPARE(w.slot(1), 1e14);
        QVERIFY(w.principal->width() >= w.principal->fontMetrics().horizontalAdvance(w.principal->text()));
    }

    void aDigitThatWouldOverflowTheSlotIsRefused()
    {
        Window w;
        w.typeInto(w.principal, QStringLiteral("99999999999999999"));
        QCOMPARE(w.principal->text(), QStringLiteral("99999999999999")); // 15 nines would not fit
        QVERIFY(w.dialogs.beeps >= 1);
        w.leave();
        QVERIFY(w.dialogs.messages.empty());
    }

    void theKeyIsJudgedWhereTheCaretStands()
    {
        // 123456, Home, "1", "." would make 1.123456: the point is refused,
        // so what is stored is what is shown.
        Window w;
        w.typeInto(w.principal, QStringLiteral("123456"));
        QTest::keyClick(w.principal, Qt::Key_Home);
        QTest::keyClicks(w.principal, QStringLiteral("1."));
        QCOMPARE(w.principal->text(), QStringLiteral("1123456"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.leave();
        QCOMPARE(w.slot(1), 1123456.0);
        QCOMPARE(w.principal->text(), QStringLiteral("   $1,123,456.00"));
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

    void aPasteIsTakenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        QTest::newRow("symbol, separators and blanks dropped") << " $1,234.50 " << "1234.50" << 1234.5;
        QTest::newRow("only the first line") << "250\r\nignored" << "250" << 250.0;
        QTest::newRow("a minus") << "-5000" << "     $100,000.00" << 100000.0;
        QTest::newRow("an exponent") << "1e5" << "     $100,000.00" << 100000.0;
        QTest::newRow("a second point") << "1.2.3" << "     $100,000.00" << 100000.0;
        QTest::newRow("a third decimal") << "12.345" << "     $100,000.00" << 100000.0;
        QTest::newRow("ten thousand digits") << QString(10000, QLatin1Char('9')) << "     $100,000.00" << 100000.0;
    }

    void aPasteIsTakenWholeOrNotAtAll()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        Window w;
        QApplication::clipboard()->setText(clipboard);
        w.principal->setFocus(Qt::TabFocusReason);
        QTest::keySequence(w.principal, QKeySequence::Paste);
        QCOMPARE(w.principal->text(), shown);
        QCOMPARE(w.dialogs.beeps, stored == 100000.0 ? 1 : 0);
        w.leave();
        QCOMPARE(w.slot(1), stored);
        QCOMPARE(QApplication::clipboard()->text(), clipboard); // the clipboard is the user's
    }

    void choosingFromAListClearsResultsAndStoresTheChoice()
    {
        Window w;
        w.rate->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.rate, Qt::Key_Down);
        QCOMPARE(w.clears, 1);
        // Stored at once, whichever way the item was chosen.
        QCOMPARE(w.slot(2), 7.0);
        QCOMPARE(w.rate->lineEdit()->text(), QStringLiteral("         7.000%"));
        w.leave();
        QCOMPARE(w.slot(2), 7.0);
    }

    void theWheelOverAListWithoutTheFocusStoresWhatItShows()
    {
        Window w;
        w.button->setFocus();
        QWheelEvent wheel(QPointF(5, 5), w.term->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.term, &wheel);
        QVERIFY(!w.term->hasFocus());
        QCOMPARE(w.term->lineEdit()->text(), QStringLiteral("              30"));
        QCOMPARE(w.slot(3), 30.0);
        QCOMPARE(w.clears, 1);
        QApplication::sendEvent(w.period, &wheel);
        QCOMPARE(w.period->currentText(), QStringLiteral("   Semiannual"));
        QCOMPARE(w.clears, 2);
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

    // The style keeps what it draws of a combo box by palette: boxes that
    // share one palette are drawn once for all windows, not again (and kept
    // again) for each window opened.
    void theBoxesOfEveryWindowShareOnePalette()
    {
        const QColor green(0x9c, 0xe6, 0x9c);
        qint64 rateKey = 0;
        qint64 principalKey = 0;
        {
            Window first;
            QCOMPARE(first.rate->palette().color(QPalette::Base), green);
            QCOMPARE(first.rate->lineEdit()->palette().color(QPalette::Base), green);
            QCOMPARE(first.period->palette().color(QPalette::Base), green);
            QCOMPARE(first.principal->palette().color(QPalette::Base), green);
            QCOMPARE(first.principal->palette().color(QPalette::Text), QColor(Qt::black));
            QCOMPARE(first.period->palette().cacheKey(), first.rate->palette().cacheKey());
            rateKey = first.rate->palette().cacheKey();
            principalKey = first.principal->palette().cacheKey();
        }
        Window second;
        QCOMPARE(second.rate->palette().cacheKey(), rateKey);
        QCOMPARE(second.term->palette().cacheKey(), rateKey);
        QCOMPARE(second.principal->palette().cacheKey(), principalKey);
        QVERIFY(second.button->palette().color(QPalette::Button) != green);
    }

    void theBoxesStayGreenWhenTheDesktopPaletteChanges()
    {
        const QColor green(0x9c, 0xe6, 0x9c);
        const QPalette before = QApplication::palette();
        Window w;
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        QApplication::setPalette(dark);
        QCOMPARE(w.rate->palette().color(QPalette::Base), green);
        QCOMPARE(w.principal->palette().color(QPalette::Base), green);
        QCOMPARE(w.principal->palette().color(QPalette::Window), QColor(0x30, 0x30, 0x30));
        Window later;
        QCOMPARE(later.period->palette().color(QPalette::Base), green);
        QApplication::setPalette(before);
        QCOMPARE(w.rate->palette().color(QPalette::Base), green);
    }
};

FISCALIA_TEST_MAIN(GreenBoxesTest)
#include "tst_green_boxes.moc"

// The mortgage window under a decimal-comma, day-first locale (German):
// figures use its separators, its decimal separator is typed as the point,
// dates read and show day first, and files stay as they are everywhere.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/QtText.h"
#include "mortgage/MortgageCalc.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace fiscalia;

namespace {

struct Window {
    test::TestProgram program;
    MortgageCalc* calc = nullptr;

    Window()
    {
        program.frame->menu()->button(QStringLiteral("Canadian"))->click();
        calc = qobject_cast<MortgageCalc*>(program.frame->activeTool());
    }
    AppState& state() { return program.frame->state(); }
    QLineEdit* principal() { return calc->findChild<QLineEdit*>(QStringLiteral("InPrincipal")); }
    QString label(const char* name) { return calc->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void leave() { calc->findChild<QPushButton*>(QStringLiteral("MCalc"))->setFocus(Qt::TabFocusReason); }
};

} // namespace

class MortgageRegionalTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::pinTestEnvironment();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void figuresUseTheLocaleSeparators()
    {
        Window w;
        QCOMPARE(w.principal()->text(), QStringLiteral("   $100.000,00"));
        w.calc->calculate();
        QCOMPARE(w.label("InMonthPI"), QStringLiteral("     $917,53"));
        QCOMPARE(w.label("AllPayments"), QStringLiteral(" $275.258,20"));
        auto* grid = w.calc->findChild<Grid*>(QStringLiteral("MGrid"));
        QCOMPARE(grid->text(1, 1), QStringLiteral("10.082,74"));
    }

    void theLocaleDecimalSeparatorIsTypedAsThePoint()
    {
        Window w;
        w.principal()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.principal(), QStringLiteral("2500,5"));
        QCOMPARE(w.principal()->text(), QStringLiteral("2500,5"));
        w.leave();
        QCOMPARE(w.state().InputValues[1], Currency::fromDouble(2500.5));
        QCOMPARE(w.principal()->text(), QStringLiteral("       $2.500,50"));
        // A point typed here is the decimal separator too.
        w.principal()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.principal(), QStringLiteral("7.25"));
        QCOMPARE(w.principal()->text(), QStringLiteral("7,25"));
        w.leave();
        QCOMPARE(w.state().InputValues[1], Currency::fromDouble(7.25));
        // A pasted amount written the German way.
        QApplication::clipboard()->setText(QStringLiteral("1.234,50 $"));
        w.principal()->setFocus(Qt::TabFocusReason);
        QTest::keySequence(w.principal(), QKeySequence::Paste);
        w.leave();
        QCOMPARE(w.state().InputValues[1], Currency::fromDouble(1234.5));
    }

    void datesReadAndShowDayFirst()
    {
        Window w;
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        w.program.dialogs->scripts[QStringLiteral("MortDateInput")] = [](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("InDate"));
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(box, QStringLiteral("31.01.2027"));
            QTest::keyClick(box, Qt::Key_Return);
            dialog.findChild<QPushButton*>(QStringLiteral("OkExit"))->click();
        };
        w.calc->toggleDates();
        QCOMPARE(w.state().Mortgage.StartDate, *Date::fromYmd(2027, 1, 31));
        w.calc->calculate();
        auto* grid = w.calc->findChild<Grid*>(QStringLiteral("MGrid"));
        QCOMPARE(grid->text(1, 0), QStringLiteral("31.01.2027"));
        QCOMPARE(grid->text(2, 0), QStringLiteral("28.02.2027"));
    }

    void filesAreTheSameInEveryLocale()
    {
        Window w;
        w.state().Mortgage.StartDate = *Date::fromYmd(2027, 1, 31);
        w.calc->calculate();
        QTemporaryDir dir;
        w.program.dialogs->fileAnswers.push_back(dir.filePath(QStringLiteral("house")));
        w.calc->saveFile();
        QFile file(dir.filePath(QStringLiteral("house.umd")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("100000,10.125,25,\"      Monthly\",\"      Monthly\",\"2027-01-31\",0,1,1,0,0,1,365,\"O\",0\r\n"));
    }
};

FISCALIA_TEST_MAIN(MortgageRegionalTest)
#include "tst_mortgage_regional.moc"

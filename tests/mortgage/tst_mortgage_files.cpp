// The mortgage window's dialogs, files and printout, driven from the window.
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
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace fiscalia;

namespace {

struct Window {
    test::TestProgram program;
    QTemporaryDir files;
    MortgageCalc* calc = nullptr;

    explicit Window(const char* button = "Canadian") { open(button); }
    void open(const char* button)
    {
        program.frame->menu()->button(QString::fromLatin1(button))->click();
        calc = qobject_cast<MortgageCalc*>(program.frame->activeTool());
    }
    void exit()
    {
        calc->findChild<QPushButton*>(QStringLiteral("MExit"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        calc = nullptr;
    }
    AppState& state() { return program.frame->state(); }
    test::ScriptedDialogs& dialogs() { return *program.dialogs; }
    QString path(const char* name) { return files.filePath(QString::fromLatin1(name)); }
    QString label(const char* name) { return calc->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QString boxText(const char* name)
    {
        if (auto* combo = calc->findChild<QComboBox*>(QString::fromLatin1(name)))
            return combo->lineEdit() ? combo->lineEdit()->text() : combo->currentText();
        return calc->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    bool indicatorOn() { return calc->findChild<QLabel*>(QStringLiteral("AddPmtsOn"))->property("inForce").toBool(); }
    std::vector<std::array<Currency, 7>> schedule()
    {
        std::vector<std::array<Currency, 7>> rows;
        const AmortizationResult& r = state().Mortgage.Results->result;
        for (int m = 1; m <= r.rowCount; ++m)
            rows.push_back(r.schedule[static_cast<std::size_t>(m)].c);
        return rows;
    }
    void saveAs(const QString& file)
    {
        dialogs().fileAnswers.push_back(file);
        calc->saveFile();
    }
    void openFrom(const QString& file)
    {
        dialogs().fileAnswers.push_back(file);
        calc->openFile();
    }
    void type(const char* name, const QString& keys)
    {
        QWidget* target = calc->findChild<QComboBox*>(QString::fromLatin1(name));
        if (!target)
            target = calc->findChild<QLineEdit*>(QString::fromLatin1(name));
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(target, keys);
        calc->findChild<QPushButton*>(QStringLiteral("MCalc"))->setFocus();
    }
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

class MortgageFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }
    void cleanup() { qunsetenv("FISCALIA_PRINT_TO"); }

    void aSavedMortgageReopensToTheSameSchedule()
    {
        Window w;
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        w.calc->calculate();
        const auto before = w.schedule();
        QCOMPARE(int(before.size()), 300);

        w.saveAs(w.path("house.umd"));
        QCOMPARE(w.dialogs().fileCodes, std::vector<int>{6});
        QCOMPARE(w.dialogs().fileDefaults.last(), QString()); // nothing offered the first time
        QCOMPARE(w.state().LastMortgageFile, ss(w.path("house.umd"))); // the full path
        QCOMPARE(w.state().FileAction, 0);
        QVERIFY(w.calc->isVisible());
        QVERIFY(readFile(w.path("house.umd")).startsWith("100000,10.125,25,\"      Monthly\",\"      Monthly\""));

        // Change everything, then open the file again.
        w.type("InPrincipal", QStringLiteral("5000"));
        w.type("InRate", QStringLiteral("3"));
        w.calc->findChild<QComboBox*>(QStringLiteral("Comperiod"))->setCurrentIndex(3);
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        w.openFrom(w.path("house.umd"));
        QCOMPARE(w.dialogs().fileCodes.back(), 5);
        QCOMPARE(w.dialogs().fileDefaults.last(), w.path("house.umd"));
        QCOMPARE(w.boxText("InPrincipal"), QStringLiteral("     $100,000.00"));
        QCOMPARE(w.boxText("InRate"), QStringLiteral("        10.125%"));
        QCOMPARE(w.boxText("InTerm"), QStringLiteral("              25"));
        QCOMPARE(w.boxText("Comperiod"), QStringLiteral("      Monthly"));
        QVERIFY(w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
        QCOMPARE(w.state().ResultsReady, 0); // results are not kept in the file
        w.calc->calculate();
        QVERIFY(w.schedule() == before);
    }

    void savingWithoutResultsSaysNoRecords()
    {
        Window w;
        w.calc->saveFile();
        QCOMPARE(w.dialogs().messages, std::vector<int>{15});
        QVERIFY(w.dialogs().fileCodes.empty());
        QVERIFY(w.calc->isVisible());
    }

    void cancellingTheDialogWritesNothing()
    {
        Window w;
        w.calc->calculate();
        w.calc->saveFile(); // no answer queued: cancelled
        QCOMPARE(w.dialogs().fileCodes, std::vector<int>{6});
        QVERIFY(QDir(w.files.path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(w.state().LastMortgageFile, std::string());
        w.calc->openFile();
        QCOMPARE(w.boxText("InPrincipal"), QStringLiteral("   $100,000.00"));
        QVERIFY(w.dialogs().messages.empty());
    }

    void additionalPaymentsComeBackWithTheRedIndicator()
    {
        Window w;
        w.dialogs().scripts[QStringLiteral("MortPrePay")] = [](QDialog& dialog) {
            auto* grid = dialog.findChild<Grid*>(QStringLiteral("PGrid"));
            grid->setCurrentCell(3, 1);
            QTest::keyClicks(grid, QStringLiteral("1000"));
            auto* percent = dialog.findChild<QLineEdit*>(QStringLiteral("InPercent"));
            percent->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(percent, QStringLiteral("2.5"));
            dialog.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->setFocus();
            dialog.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->click();
        };
        w.calc->additionalPayments();
        QVERIFY(w.indicatorOn());
        QCOMPARE(w.state().Mortgage.ExtraCount, 1);
        QCOMPARE(w.state().Mortgage.PIIncrease, 0.025f);
        w.calc->calculate();
        QCOMPARE(w.label("Label16"), QStringLiteral(" P+I includes      2.500%"));
        const auto before = w.schedule();
        w.saveAs(w.path("extra.umd"));
        w.exit();

        w.open("Canadian");
        QVERIFY(!w.indicatorOn());
        w.openFrom(w.path("extra.umd"));
        QVERIFY(w.indicatorOn());
        QCOMPARE(w.state().Mortgage.ExtraPayments[3][2], Currency::fromInt(1000));
        QCOMPARE(w.state().Mortgage.ExtraCount, 1);
        w.calc->calculate();
        QVERIFY(w.schedule() == before);

        // Erase all and OK turn the indicator back.
        w.dialogs().scripts[QStringLiteral("MortPrePay")] = [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("DoNotUse"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("UsePrePay"))->click();
        };
        w.calc->additionalPayments();
        QVERIFY(!w.indicatorOn());
    }

    void aLoanFileSwitchesTheMortgageWindowToLoans()
    {
        Window w("LoanPmt");
        w.calc->calculate();
        w.saveAs(w.path("car.uld"));
        QCOMPARE(w.dialogs().fileCodes, std::vector<int>{8});
        QCOMPARE(w.state().LastLoanFile, ss(w.path("car.uld")));
        w.exit();
        w.open("Canadian");
        QCOMPARE(w.state().LoanMode, 1);
        w.openFrom(w.path("car.uld"));
        QCOMPARE(w.state().LoanMode, 2);
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral("Personal Loan Tables"));
        QCOMPARE(w.label("Label3"), QStringLiteral(" Payback period of the      loan in months."));
        QCOMPARE(w.boxText("InTerm"), QStringLiteral("              48"));
        w.calc->calculate();
        QCOMPARE(w.label("EndMortYear"), QStringLiteral("       48.00"));
    }

    void damagedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("truncated") << QByteArray("100000,10.125,25,\"      Mon");
        QTest::newRow("wrong types") << QByteArray("\"a\",\"b\",\"c\",1,2,3,4,5,6,7,8,9,10,11,12\r\n");
        QTest::newRow("huge counts")
            << QByteArray("1,1,1,\"      Monthly\",\"      Monthly\",\"2026-12-07\",0,1,1,32000,0,1,365,\"O\",0\r\n");
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\x02\xff\xfe\x7f,,\"\r\n", 11);
        QTest::newRow("missing file") << QByteArray();
    }

    void damagedFilesChangeNothing()
    {
        QFETCH(QByteArray, contents);
        Window w;
        w.state().LastMortgageFile = "remembered.umd";
        const QString file = w.path("bad.umd");
        if (!contents.isEmpty())
            writeFile(file, contents);
        w.openFrom(file);
        QCOMPARE(w.dialogs().messages, std::vector<int>{13});
        QCOMPARE(w.boxText("InPrincipal"), QStringLiteral("   $100,000.00"));
        QCOMPARE(w.state().InputValues[1], Currency::fromInt(100000));
        QCOMPARE(w.state().LoanMode, 1);
        QCOMPARE(w.state().LastMortgageFile, std::string()); // the remembered name is forgotten
        QVERIFY(w.calc->isVisible());
    }

    void aFailedSaveSaysWhyAndTheOldFileStays()
    {
        Window w;
        w.calc->calculate();
        // A missing folder is not a bad name: the system's reason is given.
        w.saveAs(w.path("no-such-folder/house.umd"));
        QVERIFY(w.dialogs().messages.empty());
        QCOMPARE(w.dialogs().notices.size(), 1);
        QVERIFY2(w.dialogs().notices.last().contains(QStringLiteral("No such file or directory")),
                 qPrintable(w.dialogs().notices.last()));

        // A read-only file is not replaced.
        writeFile(w.path("kept.umd"), "the old plan\r\n");
        QVERIFY(QFile::setPermissions(w.path("kept.umd"), QFileDevice::ReadOwner));
        w.dialogs().confirmReplies.push_back(true); // "replace it?" Yes
        w.saveAs(w.path("kept.umd"));
        QVERIFY(w.dialogs().notices.last().contains(QStringLiteral("read-only")));
        QCOMPARE(readFile(w.path("kept.umd")), QByteArray("the old plan\r\n"));
        QVERIFY(w.state().LastMortgageFile.empty());

        // A name that cannot be a file's is a bad name, in the mode's words.
        w.saveAs(w.files.filePath(QString(300, QLatin1Char('h')) + QStringLiteral(".umd")));
        QCOMPARE(w.dialogs().messages, std::vector<int>{37});
        w.exit();
        w.open("LoanPmt");
        w.calc->calculate();
        w.saveAs(w.files.filePath(QString(300, QLatin1Char('c')) + QStringLiteral(".uld")));
        QCOMPARE(w.dialogs().messages, (std::vector<int>{37, 38}));
    }

    void specialFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("folder") << "folder";
    }

    void specialFilesAreRefusedAtOnce()
    {
        QFETCH(QString, kind);
        Window w;
        const QString file = w.path("special.umd");
        if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(file.toLocal8Bit().constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(file));
        w.openFrom(file);
        QCOMPARE(w.dialogs().messages, std::vector<int>{13});
        QCOMPARE(w.dialogs().causes, QStringList{QStringLiteral("not a regular file")});
        QCOMPARE(w.state().InputValues[1], Currency::fromInt(100000));
    }

    void thePreviewShowsThePagesThatPrint()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        Window w;
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        w.calc->calculate();
        w.dialogs().lineAnswers.push_back(QStringLiteral("Smith house"));
        w.dialogs().preview = true;
        w.dialogs().printerAnswer = true;
        w.dialogs().printedTo = w.path("printed.pdf");
        w.calc->print();
        QCOMPARE(w.dialogs().printDialogs, 1);
        QCOMPARE(w.dialogs().previewPages, 7);
        QVERIFY(w.dialogs().notices.isEmpty());
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {w.dialogs().printedTo});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+7\\b"))));
    }

    void theScheduleCopiesAndExportsAsShown()
    {
        Window w;
        w.calc->calculate();
        auto* grid = w.calc->findChild<Grid*>(QStringLiteral("MGrid"));
        // Ctrl+C on a selection: tab-separated, padding dropped.
        grid->setFocus();
        grid->setCurrentCell(1, 0);
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keySequence(grid, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t10,082.74\n2\t9,984.34\n"));

        // The whole table with its headings, through the save dialog.
        w.dialogs().fileAnswers.push_back(w.path("schedule"));
        QVERIFY(grid->exportAll());
        QCOMPARE(w.dialogs().fileDefaults.last(), QStringLiteral("Mortgage Table.csv"));
        const QList<QByteArray> lines = readFile(w.path("schedule.csv")).split('\n');
        QCOMPARE(lines.first(), QByteArray("\"Payment  Year\",\"Interest Payment\",\"Principal Payment\",\"Remaining "
                                           "Balance\",\"Cumulative Interest\",\"Cumulative Principal\"\r"));
        QCOMPARE(lines.at(1), QByteArray("\"1\",\"10,082.74\",\"927.59\",\"99,072.41\",\"10,082.74\",\"927.59\"\r"));
        QCOMPARE(lines.at(27), QByteArray("\"Total:\",\"\",\"\",\"$.00\",\"$175,258.20\",\"$100,000.00\"\r"));
        QCOMPARE(w.state().LastExportFile, ss(w.path("schedule.csv")));
    }

    void theDaysInYearChangeTheAcceleratedPeriods()
    {
        Window w;
        w.dialogs().scripts[QStringLiteral("MortIRFTable")] = [](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("IRFactor2"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("ExitMort"))->click();
        };
        w.calc->chooseDaysInYear();
        QCOMPARE(w.dialogs().modalPlaces.back(), DialogPlace::DaysInYear);
        w.calc->findChild<QComboBox*>(QStringLiteral("FreqPmt"))->setCurrentText(QStringLiteral(" Biweekly(Acc)"));
        w.calc->calculate();
        QCOMPARE(w.label("InDays"), QStringLiteral("364"));
        QCOMPARE(w.label("PeriodicR"), QString::number(std::pow(1 + 0.10125 / 12, 12.0 / 26) - 1, 'f', 8));

        w.dialogs().scripts[QStringLiteral("MortIRFTable")] = [](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("IRFactor0"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("ExitMort"))->click();
        };
        w.calc->chooseDaysInYear();
        w.calc->calculate();
        QCOMPARE(w.label("InDays"), QStringLiteral("365.25"));
        w.calc->findChild<QComboBox*>(QStringLiteral("FreqPmt"))->setCurrentIndex(0);
        w.calc->calculate();
        QCOMPARE(w.label("InDays"), QStringLiteral("Normal"));
    }

    void paymentDatesStartOnTheDateTyped()
    {
        Window w;
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        w.dialogs().scripts[QStringLiteral("MortDateInput")] = [](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("InDate"));
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(box, QStringLiteral("10/31/2027"));
            QTest::keyClick(box, Qt::Key_Return);
            dialog.findChild<QPushButton*>(QStringLiteral("OkExit"))->click();
        };
        w.calc->toggleDates();
        QCOMPARE(w.dialogs().modalPlaces.back(), DialogPlace::StartDate);
        w.calc->calculate();
        auto* grid = w.calc->findChild<Grid*>(QStringLiteral("MGrid"));
        QCOMPARE(grid->text(1, 0), QStringLiteral("10/31/2027"));
        QCOMPARE(grid->text(2, 0), QStringLiteral("11/30/2027"));
        QCOMPARE(grid->text(3, 0), QStringLiteral("12/31/2027"));
    }

    void theThreeHundredRowTablePrintsOnSevenPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        Window w;
        w.calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
        w.calc->calculate();
        const QString pdf = w.path("table.pdf");
        qputenv("FISCALIA_PRINT_TO", pdf.toLocal8Bit());
        w.dialogs().lineAnswers.push_back(QStringLiteral("Smith house"));
        w.calc->print();
        QVERIFY(w.dialogs().notices.isEmpty());
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+7\\b"))), qPrintable(out));
    }

    void aCancelledHeaderPrintsNothing()
    {
        Window w;
        w.calc->calculate();
        const QString pdf = w.path("none.pdf");
        qputenv("FISCALIA_PRINT_TO", pdf.toLocal8Bit());
        w.calc->print();
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(w.state().PrintHeader, std::string("1"));
    }
};

FISCALIA_TEST_MAIN(MortgageFilesTest)
#include "tst_mortgage_files.moc"

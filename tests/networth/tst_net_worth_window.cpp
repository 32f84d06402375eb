// The Net Worth window, typed into with real keys, with its value input,
// files, printout and help.
#include "app/app_state.h"
#include "app/FundCurValInput.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/QtText.h"
#include "networth/NetWorthCalc.h"
#include "networth/net_worth.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

using namespace fiscalia;

namespace {

struct Window {
    test::TestProgram program;
    NetWorthCalc* tool = nullptr;
    QTemporaryDir files;

    explicit Window(bool withHelp = false) : program(withHelp)
    {
        program.frame->menu()->button(QStringLiteral("NetWorth"))->click();
        tool = qobject_cast<NetWorthCalc*>(program.frame->activeTool());
    }
    AppState& state() { return program.frame->state(); }
    test::ScriptedDialogs& dialogs() { return *program.dialogs; }
    Grid* grid(int side) { return tool->findChild<Grid*>(side == 0 ? QStringLiteral("NGrid1") : QStringLiteral("NGrid2")); }
    QLabel* label(const char* name) { return tool->findChild<QLabel*>(QString::fromLatin1(name)); }
    void press(const char* name) { tool->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    QString path(const char* name) { return files.filePath(QString::fromLatin1(name)); }
    // Lines typed from row 1 down: a name, then its value when there is one.
    void typeLines(int side, std::initializer_list<std::pair<const char*, const char*>> lines)
    {
        Grid* g = grid(side);
        g->setFocus();
        g->setCurrentCell(1, 0);
        for (const auto& [name, value] : lines) {
            QTest::keyClicks(g, QString::fromUtf8(name));
            if (*value) {
                QTest::keyClick(g, Qt::Key_Right);
                QTest::keyClicks(g, QString::fromLatin1(value));
                QTest::keyClick(g, Qt::Key_Left);
            }
            QTest::keyClick(g, Qt::Key_Return);
        }
    }
    void typeExample()
    {
        typeLines(0, {{"House", "200000"}, {"Car", "15000"}, {"Sub Total", ""}, {"Savings account", "5000"}});
        typeLines(1, {{"Mortgage", "120000"}, {"Car loan", "8000"}});
    }
    // The value input answers with `keys` typed and "&OK", or cancels.
    void answerValueInput(const QString& keys, bool ok = true)
    {
        dialogs().scripts[QStringLiteral("FundCurValInput")] = [keys, ok, this](QDialog& dialog) {
            lastPrompt = dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("CurVal"));
            lastOffered = box->text();
            QTest::keyClicks(box, keys);
            dialog.findChild<QPushButton*>(ok ? QStringLiteral("Accept") : QStringLiteral("NoAccept"))->click();
        };
    }
    QString lastPrompt;
    QString lastOffered;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class NetWorthWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void typingIntoBothGridsAndCalculating()
    {
        Window w;
        QVERIFY(w.tool);
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Net Worth"));
        QCOMPARE(w.grid(0)->text(3, 0), QStringLiteral("Total Assets")); // the empty statement
        QVERIFY(w.label("NetInfo")->isHidden());
        w.typeExample();
        QCOMPARE(w.grid(0)->text(1, 1), QStringLiteral("200,000.00"));
        QVERIFY(!w.label("NetInfo")->isHidden());
        QCOMPARE(w.state().NetWorth.NetChanged, 1); // typed lines are not lost unasked
        w.press("NCalc");
        QVERIFY(w.label("NetInfo")->isHidden());
        QCOMPARE(w.grid(0)->text(3, 1), QStringLiteral("215,000.00"));
        QCOMPARE(w.grid(0)->text(7, 0), QStringLiteral("Total Assets"));
        QCOMPARE(w.grid(0)->text(7, 1), QStringLiteral("$220,000.00"));
        QCOMPARE(w.grid(1)->text(5, 1), QStringLiteral("$128,000.00"));
        QCOMPARE(w.label("Net")->text(), QStringLiteral("$92,000.00"));
        QCOMPARE(w.label("Net")->accessibleName(), QStringLiteral("Net Worth"));
        QCOMPARE(w.grid(1)->accessibleName(), QStringLiteral("Liabilities"));

        // The value column: letters and the minus sign beep, a third decimal
        // is refused; the first key replaces the cell.
        Grid* g = w.grid(0);
        g->setFocus();
        g->setCurrentCell(2, 1);
        QTest::keyClicks(g, QStringLiteral("1x-2.505"));
        QCOMPARE(g->text(2, 1), QStringLiteral("12.50"));
        QCOMPARE(w.dialogs().beeps, 3);
        // Backspace: a name loses its last letter, a value is emptied;
        // Delete empties the cell; a double quote is refused.
        g->setCurrentCell(4, 0);
        QTest::keyClick(g, Qt::Key_Backspace);
        QTest::keyClicks(g, QStringLiteral("\""));
        QCOMPARE(g->text(4, 0), QStringLiteral("Savings accoun"));
        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Backspace);
        QCOMPARE(g->text(4, 1), QString());
        g->setCurrentCell(1, 0);
        QTest::keyClick(g, Qt::Key_Delete);
        w.press("NCalc");
        // The line without a name is gone with its value.
        QCOMPARE(g->text(1, 0), QStringLiteral("Car"));
        QCOMPARE(g->text(6, 1), QStringLiteral("$12.50"));
        // Below row 30: message 22 and nothing typed.
        g->setFocus();
        g->setCurrentCell(31, 0);
        QTest::keyClicks(g, QStringLiteral("x"));
        QCOMPARE(w.dialogs().messages, std::vector<int>{22});
        QCOMPARE(g->text(31, 0), QString());
    }

    void insertingABlankLineThroughTheValueInput()
    {
        Window w;
        w.typeExample();
        w.press("NCalc");
        w.grid(0)->setCurrentCell(2, 0);
        w.answerValueInput(QStringLiteral("x2"));
        w.press("InsertAss");
        QCOMPARE(w.lastPrompt, QStringLiteral("Insert a blank line at line number "));
        QCOMPARE(w.lastOffered, QStringLiteral("2"));
        QCOMPARE(w.grid(0)->text(2, 0), QStringLiteral("BlankLine"));
        QCOMPARE(w.grid(0)->text(2, 1), QString()); // its 0 shows nothing
        QCOMPARE(w.grid(0)->text(3, 0), QStringLiteral("Car"));
        QCOMPARE(w.grid(0)->currentRow(), 2);
        QCOMPARE(w.state().ToolMode, 0);
        // Cancelled, or a line outside 1 to 28: nothing changes.
        w.answerValueInput(QStringLiteral("1"), false);
        w.press("InsertLiab");
        w.answerValueInput(QStringLiteral("29"));
        w.press("InsertLiab");
        QCOMPARE(w.grid(1)->text(1, 0), QStringLiteral("Mortgage"));
        QCOMPARE(w.state().NetWorth.Statement.LiabilityCount, 2);
    }

    void thePriceInputTakesTwoDecimals()
    {
        test::ScriptedDialogs dialogs;
        FundCurValInput input(ValueRequest::Price, QStringLiteral("10"), dialogs);
        input.show();
        QApplication::setActiveWindow(&input);
        auto* box = input.findChild<QLineEdit*>(QStringLiteral("CurVal"));
        QCOMPARE(input.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Current Price per Share"));
        QCOMPARE(input.windowTitle(), QStringLiteral("Input "));
        QTest::keyClicks(box, QStringLiteral("12.3a45"));
        QCOMPARE(box->text(), QStringLiteral("12.34"));
        QCOMPARE(dialogs.beeps, 2);
        QTest::keyClick(box, Qt::Key_Return); // on to "&OK"
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Accept"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(input.reply(), QStringLiteral("12.34"));
        FundCurValInput cancelled(ValueRequest::Price, QStringLiteral("10"), dialogs);
        cancelled.show();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QCOMPARE(cancelled.reply(), QString());
    }

    void savingAndOpeningFiles()
    {
        Window w;
        w.press("SaveNet");
        QCOMPARE(w.dialogs().messages, std::vector<int>{15}); // nothing to save
        w.typeExample();
        w.press("NCalc");
        w.dialogs().fileAnswers = {w.path("mine")};
        w.press("SaveNet");
        QCOMPARE(w.dialogs().fileCodes.back(), 4);
        const QByteArray saved = readAll(w.path("mine.kvw"));
        QVERIFY(saved.startsWith("4,2\r\n\"House\",200000,\"Mortgage\",120000\r\n"));
        QCOMPARE(saved.count("\r\n"), 32);
        QCOMPARE(w.state().CurrentFileName, std::string("mine.kvw"));
        QCOMPARE(w.state().NetWorth.NetChanged, 0);
        QVERIFY(w.tool->isVisible());

        // A changed statement is not replaced unasked: Yes goes back.
        w.typeLines(1, {{"Tax", "1"}});
        w.dialogs().replies = {true};
        w.press("Loadnet");
        QCOMPARE(w.dialogs().questions, std::vector<int>{3});
        QCOMPARE(w.dialogs().fileCodes.size(), std::size_t(1)); // no open dialog
        // No: the file replaces it, unchanged.
        w.dialogs().replies = {false};
        w.dialogs().fileAnswers = {w.path("mine.kvw")};
        w.press("Loadnet");
        QCOMPARE(w.grid(1)->text(1, 0), QStringLiteral("Mortgage"));
        QCOMPARE(w.label("Net")->text(), QStringLiteral("$92,000.00"));
        QCOMPARE(w.state().NetWorth.NetChanged, 0);
        QCOMPARE(w.state().CurrentFilePath, ss(w.path("mine.kvw")));

        // A short file: message 13 with its cause, the statement kept.
        QFile shortFile(w.path("short.kvw"));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(saved.left(saved.indexOf("\r\n,,,\r\n")));
        shortFile.close();
        w.typeLines(0, {{"Boat", "1000"}});
        w.dialogs().replies = {false};
        w.dialogs().fileAnswers = {w.path("short.kvw")};
        w.press("Loadnet");
        QCOMPARE(w.dialogs().messages.back(), 13);
        QVERIFY(w.dialogs().causes.back().contains(QStringLiteral("lines")));
        QCOMPARE(w.grid(0)->text(1, 0), QStringLiteral("Boat"));
        QCOMPARE(w.state().NetWorth.NetChanged, 1);
    }

    void theSampleFileOpens()
    {
        Window w;
        w.dialogs().fileAnswers = {qEnvironmentVariable("FISCALIA_DATA_DIR") + QStringLiteral("/NetSampl.KVW")};
        w.press("Loadnet");
        QVERIFY(w.dialogs().messages.empty());
        QCOMPARE(w.grid(0)->text(3, 1), QStringLiteral("405,000.00"));
        QCOMPARE(w.label("Net")->text(), QStringLiteral("$325,450.00"));
        QCOMPARE(w.state().CurrentFileName, std::string("NetSampl.KVW"));
    }

    void aFailedSaveKeepsTheOldFileAndTheChangedFlag()
    {
        Window w;
        const QString folder = w.path("locked");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/old.kvw");
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old statement") > 0);
        old.close();
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        w.typeExample();
        w.press("NCalc");
        w.dialogs().fileAnswers = {file};
        w.dialogs().confirmReplies = {true}; // replace it
        w.press("SaveNet");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(w.dialogs().messages, std::vector<int>{14});
        QVERIFY2(w.dialogs().causes.back().contains(QStringLiteral("read-only")), qPrintable(w.dialogs().causes.back()));
        QCOMPARE(readAll(file), QByteArray("the old statement"));
        QCOMPARE(w.state().NetWorth.NetChanged, 1);
        // Leaving still asks; Yes stays, No leaves and forgets.
        w.dialogs().replies = {true, false};
        w.press("NExit");
        QCOMPARE(w.program.frame->activeTool(), w.tool);
        w.press("NExit");
        QCOMPARE(w.dialogs().questions, (std::vector<int>{3, 3}));
        QCOMPARE(w.program.frame->windowTitle(), QStringLiteral(" Fiscalia Menu"));
        QVERIFY(!hasLines(w.state().NetWorth.Statement.AssetList));
    }

    void closingTheProgramAsksFirst()
    {
        Window w;
        w.typeExample();
        w.dialogs().replies = {true};
        QVERIFY(!w.program.frame->close());
        QCOMPARE(w.dialogs().questions, std::vector<int>{3});
        w.dialogs().replies = {false};
        QVERIFY(w.program.frame->close());
    }

    void quickHelpPrintingAndHelp()
    {
        Window w(true);
        w.press("NHelp");
        auto* help = w.tool->findChild<QTextEdit*>(QStringLiteral("NTextBox"));
        QVERIFY(help->isVisible() && !w.grid(0)->isVisible());
        QVERIFY(help->toPlainText().contains(QStringLiteral("Load NetSampl.KVW")));
        QVERIFY(help->toPlainText().endsWith(QStringLiteral("End")));
        help->setFocus();
        w.grid(1)->setFocus(); // the help closes when it loses the focus
        QVERIFY(!help->isVisible() && w.grid(0)->isVisible());
        QCOMPARE(w.tool->findChild<QPushButton*>(QStringLiteral("NHelp"))->text(), QStringLiteral("Quick &Help"));

        // Printing needs no calculation: pending changes are calculated.
        w.typeExample();
        QTemporaryDir dir;
        w.dialogs().printerAnswer = true;
        w.dialogs().printedTo = dir.filePath(QStringLiteral("networth.pdf"));
        w.dialogs().lineAnswers = {QStringLiteral("Mine")};
        w.press("NPrinter");
        QVERIFY(QFile::exists(w.dialogs().printedTo));
        QCOMPARE(w.label("Net")->text(), QStringLiteral("$92,000.00"));

        // F1: the Net Worth topic, whose worked example is the one typed here.
        w.grid(0)->setFocus();
        QTest::keyClick(w.grid(0), Qt::Key_F1);
        QCOMPARE(w.program.frame->helpViewer()->currentContext(), int(HelpTopic::NetWorth));
        const QString topic = w.program.frame->helpViewer()->browser()->toPlainText();
        for (const char* figure : {"215,000.00", "220,000.00", "128,000.00", "$92,000.00"})
            QVERIFY2(topic.contains(QString::fromLatin1(figure)), figure);
    }
};

FISCALIA_TEST_MAIN(NetWorthWindowTest)
#include "tst_net_worth_window.moc"

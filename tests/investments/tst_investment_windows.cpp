// The Investment Management Menu and the record entry window, worked with
// real keys and the scripted dialogs.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/QtText.h"
#include "investments/FundMenu.h"
#include "investments/FundRecordEntry.h"
#include "investments/fund_database.h"
#include "support/ScriptedDialogs.h"
#include "support/opened_tool.h"
#include "support/test_env.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace fiscalia;

namespace {

struct Manager : test::OpenedTool {
    FundRecordEntry* entry = nullptr;
    QTemporaryDir files;

    explicit Manager(bool withHelp = false) : test::OpenedTool("Manager", withHelp) {}
    FundState& db() { return state().Funds; }
    QString path(const char* name) { return files.filePath(QString::fromLatin1(name)); }
    QString info() { return label("InfoBox"); }

    void openEntry()
    {
        press("Editrec");
        entry = program.frame->findChild<FundRecordEntry*>();
        QVERIFY(entry && entry->isVisible());
    }
    template <class T> T* in(const char* name) { return entry->findChild<T*>(QString::fromLatin1(name)); }
    void addFund(const QString& name)
    {
        dialogs().lineAnswers.push_back(name);
        in<QPushButton>("createfund")->click();
    }
    void chooseType(TransactionType type) { in<QComboBox>("ETransType")->setCurrentIndex(static_cast<int>(type)); }
    void typeInto(const char* box, const QString& keys)
    {
        auto* edit = in<QLineEdit>(box);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll(); // what was there is typed over
        QTest::keyClicks(edit, keys);
    }
    void pressEntry(const char* name)
    {
        auto* button = in<QPushButton>(name);
        button->setFocus(Qt::TabFocusReason); // leaving a box stores it
        button->click();
    }
    // A record typed into the entry row and added; empty texts are left
    // untyped.
    void addRecord(TransactionType type, const char* date, const char* price, const char* shares,
                   const char* commission = "", const char* cash = "")
    {
        chooseType(type);
        typeInto("InDate", QString::fromLatin1(date));
        const std::pair<const char*, const char*> values[] = {
            {"InPrice", price}, {"InNumber", shares}, {"InComm", commission}, {"InCashDiv", cash}};
        for (const auto& [box, text] : values)
            if (*text)
                typeInto(box, QString::fromLatin1(text));
        pressEntry("AddaRec");
    }
    Grid* records() { return in<Grid>("EGrid"); }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class InvestmentWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void enteringRecordsOfEveryKind()
    {
        Manager m;
        QCOMPARE(m.program.frame->windowTitle(), QStringLiteral(" Investment Management Menu"));
        QCOMPARE(m.info(), QStringLiteral(" None "));
        m.openEntry();
        QCOMPARE(m.program.frame->windowTitle(), QStringLiteral(" Add and Edit Records"));
        // A type before a fund: message 16.
        m.chooseType(TransactionType::Bought);
        QCOMPARE(m.dialogs().messages, std::vector<int>{16});
        QCOMPARE(m.in<QComboBox>("ETransType")->currentIndex(), -1);
        m.addFund(QStringLiteral("Growth Fund"));
        QCOMPARE(m.in<QComboBox>("Funds")->currentText(), QStringLiteral("Growth Fund"));
        QCOMPARE(m.in<QLabel>("NumFunds")->text(), QStringLiteral("1"));

        // An empty commission is 0; the price box takes four decimals;
        // Enter goes from the type to the date and on through the boxes.
        m.chooseType(TransactionType::Bought);
        QTest::keyClick(m.in<QComboBox>("ETransType"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m.in<QLineEdit>("InDate"));
        QTest::keyClicks(m.in<QLineEdit>("InDate"), QStringLiteral("1/15/1999x"));
        QTest::keyClick(m.in<QLineEdit>("InDate"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m.in<QLineEdit>("InPrice"));
        QCOMPARE(m.dialogs().beeps, 1); // the letter
        QVERIFY(m.in<QLineEdit>("InComm")->isVisible() && !m.in<QLineEdit>("InCashDiv")->isVisible());
        m.typeInto("InPrice", QStringLiteral("12.34567"));
        QCOMPARE(m.in<QLineEdit>("InPrice")->text(), QStringLiteral("12.3456"));
        QCOMPARE(m.dialogs().beeps, 2);
        m.addRecord(TransactionType::Bought, "1/15/1999", "10", "100");
        QCOMPARE(m.db().RecordCount, 1);
        QCOMPARE(m.records()->text(1, 1), QStringLiteral("Bought  "));
        QCOMPARE(m.records()->text(1, 2), QStringLiteral("1/15/1999"));
        QCOMPARE(m.records()->text(1, 8), QStringLiteral("1,000.00"));

        // A price typed before the type changed does not count: a cash
        // dividend of 0 is refused.
        m.chooseType(TransactionType::Bought);
        m.typeInto("InPrice", QStringLiteral("10"));
        m.chooseType(TransactionType::CashDividend);
        QVERIFY(!m.in<QLineEdit>("InPrice")->isVisible());
        m.typeInto("InDate", QStringLiteral("6/30/1999"));
        m.pressEntry("AddaRec");
        QCOMPARE(m.dialogs().messages.back(), 20);
        QCOMPARE(m.db().RecordCount, 1);

        // A missing type (Delete in the type list clears the row), a
        // missing date, a date that is none.
        m.in<QComboBox>("ETransType")->setFocus();
        QTest::keyClick(m.in<QComboBox>("ETransType"), Qt::Key_Delete);
        QCOMPARE(m.in<QComboBox>("ETransType")->currentIndex(), -1);
        m.pressEntry("AddaRec");
        QCOMPARE(m.dialogs().messages.back(), 51);
        m.chooseType(TransactionType::CashDividend);
        m.typeInto("InCashDiv", QStringLiteral("25"));
        m.pressEntry("AddaRec");
        QCOMPARE(m.dialogs().messages.back(), 31);
        m.typeInto("InDate", QStringLiteral("99/99/1999"));
        m.in<QLineEdit>("InCashDiv")->setFocus(Qt::TabFocusReason); // leaving the date checks it
        QCOMPARE(m.dialogs().messages.back(), 30);
        QCOMPARE(m.in<QLineEdit>("InDate")->text(), qs(m.state().TodayText));

        // Records are kept in date order whatever order they come in.
        m.addRecord(TransactionType::CashDividend, "6/30/1999", "", "", "", "25");
        m.addRecord(TransactionType::Sold, "3/1/1999", "12", "50", "25");
        QCOMPARE(m.records()->text(2, 1), QStringLiteral("Sold    "));
        QCOMPARE(m.records()->text(2, 8), QStringLiteral("-575.00"));
        QCOMPARE(m.records()->text(3, 8), QStringLiteral("-25.00"));
        QCOMPARE(m.records()->text(5, 0), QStringLiteral("Total:"));
        QCOMPARE(m.records()->text(5, 4), QStringLiteral("50.0000"));
        QCOMPARE(m.records()->text(5, 8), QStringLiteral("$400.00"));
        QCOMPARE(m.db().DatabaseChanged, 1);
    }

    void correctingASoldRecordAndDeletingTheLastRecordThenTheFund()
    {
        Manager m;
        m.openEntry();
        m.addFund(QStringLiteral("Maple Leaf Bank"));
        m.addRecord(TransactionType::Sold, "2/2/2002", "10", "100", "50");
        QCOMPARE(m.db().RecordTable[1].shares, Currency::fromInt(-100));
        // Correcting: the shares are shown as typed, positive.
        m.pressEntry("Correctrec");
        QCOMPARE(m.dialogs().messages, std::vector<int>{17}); // no record picked yet
        m.records()->setCurrentCell(1, 0);
        m.pressEntry("Correctrec");
        QCOMPARE(m.state().ToolMode, 1);
        QVERIFY(!m.in<QComboBox>("ETransType")->isEnabled());
        QCOMPARE(m.in<QLineEdit>("InNumber")->text(), QStringLiteral("100.0000"));
        QCOMPARE(m.in<QLineEdit>("InPrice")->text(), QStringLiteral("$10.0000"));
        m.typeInto("InPrice", QStringLiteral("11"));
        m.pressEntry("AddaRec");
        QCOMPARE(m.db().RecordCount, 1);
        QCOMPARE(m.db().RecordTable[1].shares, Currency::fromInt(-100));
        QCOMPARE(m.db().RecordTable[1].bookValue, Currency::fromInt(-1050));
        QCOMPARE(m.state().ToolMode, 0);

        // Deleting the only record leaves the fund; deleting again removes it.
        m.records()->setCurrentCell(1, 0);
        m.dialogs().replies = {true, true};
        m.pressEntry("DelRec");
        QCOMPARE(m.dialogs().questions, std::vector<int>{4});
        QCOMPARE(m.db().RecordCount, 0);
        QCOMPARE(m.db().FundCount, 1);
        m.pressEntry("DelRec");
        QCOMPARE(m.dialogs().questions, (std::vector<int>{4, 5}));
        QCOMPARE(m.db().FundCount, 0);
        QCOMPARE(m.in<QComboBox>("Funds")->count(), 0);
        m.pressEntry("EExit");
        QCOMPARE(m.program.frame->windowTitle(), QStringLiteral(" Investment Management Menu"));
        QVERIFY(m.tool->isVisible());
    }

    void theGridGrowsAndTheLimitsHold()
    {
        Manager m;
        m.openEntry();
        m.addFund(QStringLiteral("Income Fund"));
        for (int day = 1; day <= 10; ++day)
            m.addRecord(TransactionType::Bought, qPrintable(QStringLiteral("1/%1/2003").arg(day)), "10", "1");
        QCOMPARE(m.records()->rows(), 14);
        QCOMPARE(m.records()->text(12, 0), QStringLiteral("Total:"));

        // A database at its 1000 records refuses the 1001st.
        FundState& db = m.db();
        for (int r = db.RecordCount + 1; r <= RecordLimit; ++r)
            db.RecordTable[static_cast<std::size_t>(r)] = db.RecordTable[1];
        db.RecordCount = RecordLimit;
        sortRecordsByDate(db);
        m.addRecord(TransactionType::Bought, "1/1/2004", "10", "1");
        QCOMPARE(m.dialogs().messages.back(), 35);
        QCOMPARE(db.RecordCount, RecordLimit);
    }

    void savingOpeningAndLeaving()
    {
        Manager m;
        m.openEntry();
        m.addFund(QStringLiteral("Growth, Income & Co"));
        m.pressEntry("EExit");
        // A fund without records: nothing to save, and leaving asks nothing.
        m.press("SaveFile");
        QCOMPARE(m.dialogs().messages, std::vector<int>{15});
        QVERIFY(!QFile::exists(m.path("none.kvs")));
        m.press("CompCurr");
        QCOMPARE(m.dialogs().messages.back(), 15);

        m.openEntry();
        m.in<QComboBox>("Funds")->setCurrentIndex(0);
        m.addRecord(TransactionType::Bought, "1/15/1999", "10", "100", "50");
        m.addFund(QStringLiteral("Empty Fund"));
        m.pressEntry("EExit");
        QCOMPARE(m.info(), QStringLiteral(" Funds = 2    Records = 1 "));
        m.press("CompCurr");
        QCOMPARE(m.dialogs().messages.back(), 28); // a fund without records
        QCOMPARE(m.state().ToolMode, 0);

        m.dialogs().fileAnswers = {m.path("growth")};
        m.press("SaveFile");
        QCOMPARE(m.dialogs().fileCodes.back(), 2);
        QVERIFY(readAll(m.path("growth.kvs")).startsWith("1,2,\"All Records\",\"31\"\r\n\"Growth, Income & Co\",\" 1\"\r\n"));
        QCOMPARE(m.info(), QStringLiteral(" growth.kvs    Funds = 2    Records = 1 "));
        QCOMPARE(m.db().DatabaseChanged, 0);

        // Sorting marks the database changed: opening another file asks
        // first (Yes goes back), and a file that fails keeps the database.
        m.press("SortRec");
        QCOMPARE(m.db().DatabaseChanged, 1);
        m.dialogs().replies = {true};
        m.press("Loadfile");
        QCOMPARE(m.dialogs().questions, std::vector<int>{3});
        QCOMPARE(m.dialogs().fileCodes.size(), std::size_t(1));
        QFile bad(m.path("bad.kvs"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("5,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n") > 0);
        bad.close();
        m.dialogs().replies = {false};
        m.dialogs().fileAnswers = {m.path("bad.kvs")};
        m.press("Loadfile");
        QCOMPARE(m.dialogs().messages.back(), 13);
        QCOMPARE(m.db().FundCount, 2);
        QCOMPARE(m.db().DatabaseChanged, 1);
        // No: the saved file replaces the changes.
        m.dialogs().replies = {false};
        m.dialogs().fileAnswers = {m.path("growth.kvs")};
        m.press("Loadfile");
        QCOMPARE(m.db().RecordCount, 1);
        QCOMPARE(m.db().FundList[1].name, std::string("Growth, Income & Co"));

        // A save that fails keeps the changes unsaved; leaving then asks.
        m.press("SortRec");
        const QString folder = m.path("locked");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        m.dialogs().fileAnswers = {folder + QStringLiteral("/growth.kvs")};
        m.press("SaveFile");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(m.dialogs().messages.back(), 25);
        QCOMPARE(m.db().DatabaseChanged, 1);
        m.dialogs().replies = {true};
        QVERIFY(!m.program.frame->close()); // closing the program asks too
        m.dialogs().replies = {false};
        m.press("FExit");
        QCOMPARE(m.program.frame->windowTitle(), QStringLiteral(" Fiscalia Menu"));
        QCOMPARE(m.state().Funds.FundCount, 0);
        QVERIFY(m.state().CurrentFileName.empty());
    }

    void helpOfBothWindows()
    {
        Manager m(true);
        m.press("Help7");
        QCOMPARE(m.dialogs().messages, std::vector<int>{27});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(m.program.frame->helpViewer()->currentContext(), int(HelpTopic::InvestmentManager));
        QVERIFY(m.helpAt(HelpTopic::InvestmentManager)
                    .simplified()
                    .contains(qs(databaseInfo("Growth.kvs", 3, 45)).simplified()));
        m.openEntry();
        m.in<QComboBox>("Funds")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(m.program.frame->helpViewer()->currentContext(), int(HelpTopic::RecordEntry));
        m.pressEntry("EHelp");
        const QString quick = m.entry->findChild<QWidget*>(QStringLiteral("TxtBox"))->property("plainText").toString();
        QVERIFY(quick.contains(QStringLiteral("Load the file DtaSampl.KVS")));

        // The topic's worked example, entered here, gives its figures.
        m.pressEntry("EHelp");
        m.addFund(QStringLiteral("Growth Fund"));
        m.addRecord(TransactionType::Bought, "1/15/1999", "10", "100", "50");
        m.addRecord(TransactionType::Sold, "3/15/1999", "12", "40", "25");
        m.addRecord(TransactionType::CashDividend, "6/30/1999", "", "", "", "25");
        const QString topic = m.helpAt(HelpTopic::RecordEntry);
        for (const QString& figure : {m.records()->text(1, 8), m.records()->text(2, 8), m.records()->text(3, 8),
                                      m.records()->text(5, 4), m.records()->text(5, 8)})
            QVERIFY2(topic.contains(figure), qPrintable(figure));
    }
};

FISCALIA_TEST_MAIN(InvestmentWindowsTest)
#include "tst_investment_windows.moc"

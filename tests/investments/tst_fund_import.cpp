// Importing a comma-separated file of transactions from the Investment
// Management Menu: the file dialog, the preview window and what it stores.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/QtText.h"
#include "app/ToolWindow.h"
#include "investments/fund_database.h"
#include "support/ScriptedDialogs.h"
#include "support/opened_tool.h"
#include "support/test_env.h"

#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace fiscalia;

namespace {

const char* const Broker = "Date,Fund,Type,Shares,Price,Amount,Commission\r\n"
                           "1/15/2021,Growth Fund,Buy,100,10.00,,50\r\n"
                           "2021-03-15,GROWTH FUND,Sell,-100,10,,50\r\n"
                           "31/02/2021,Growth Fund,Buy,1,1,,\r\n"
                           "2021-06-30,Bond Fund,Dividend,,,100,\r\n";

struct Importer : test::OpenedTool {
    QTemporaryDir files;
    // What the preview showed when it was open.
    QString counts;
    QString fileShown;
    QStringList statuses;
    QString firstDate;
    bool acceptEnabled = false;
    bool menuHidden = false;

    explicit Importer(bool withHelp = false) : test::OpenedTool("Manager", withHelp) {}
    FundState& db() { return state().Funds; }
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = files.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        return path;
    }
    // The preview window notes what it shows, then presses `button`.
    void answerPreview(const char* button)
    {
        dialogs().scripts[QStringLiteral("FundImport")] = [this, button](QDialog& dialog) {
            menuHidden = !tool->isVisible();
            counts = dialog.findChild<QLabel*>(QStringLiteral("ImportCounts"))->text();
            fileShown = dialog.findChild<QLabel*>(QStringLiteral("ImportFile"))->text();
            auto* grid = dialog.findChild<Grid*>(QStringLiteral("ImportGrid"));
            statuses.clear();
            for (int row = 1; row < grid->rows(); ++row)
                statuses << grid->text(row, 1);
            firstDate = grid->text(1, 2);
            auto* accept = dialog.findChild<QPushButton*>(QStringLiteral("ImportAccept"));
            acceptEnabled = accept->isEnabled();
            dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        };
    }
    void importFile(const QString& path)
    {
        dialogs().fileAnswers = {path};
        press("ImportCsv");
    }
};

} // namespace

class FundImportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void theButtonHasALetterOfItsOwn()
    {
        Importer m;
        QPushButton* import = m.button("ImportCsv");
        QVERIFY(import && import->isVisible());
        QCOMPARE(import->text(), QStringLiteral("&Import CSV…"));
        QCOMPARE(QKeySequence::mnemonic(import->text()), QKeySequence(Qt::ALT | Qt::Key_I));
        // Every button of the menu has a letter of its own, so Alt and the
        // letter presses it rather than moving between two.
        QSet<QKeySequence> letters;
        for (auto* button : m.tool->findChildren<QPushButton*>()) {
            const QKeySequence letter = QKeySequence::mnemonic(button->text());
            QVERIFY2(!letters.contains(letter), qPrintable(button->text()));
            letters.insert(letter);
        }
    }

    void importingAddsTheLinesThatCanBeRead()
    {
        Importer m;
        m.answerPreview("ImportAccept");
        m.importFile(m.write("broker.csv", Broker));
        QCOMPARE(m.dialogs().fileCodes, std::vector<int>{0});
        QVERIFY(m.menuHidden);
        QCOMPARE(m.fileShown, QStringLiteral(" File: broker.csv"));
        QCOMPARE(m.counts, QStringLiteral(" 3 lines will be added, 1 cannot be added, 2 new funds"));
        QCOMPARE(m.statuses, (QStringList{QStringLiteral("will be added, new fund"),
                                         QStringLiteral("will be added, new fund"),
                                         QStringLiteral("not added: the date \"31/02/2021\" cannot be read"),
                                         QStringLiteral("will be added, new fund")}));
        QCOMPARE(m.firstDate, QStringLiteral("1/15/2021")); // the system's short form
        QVERIFY(m.acceptEnabled);
        QCOMPARE(m.dialogs().modalPlaces, std::vector<DialogPlace>{DialogPlace::ImportPreview});
        QVERIFY(m.dialogs().messages.empty());

        FundState& db = m.db();
        QCOMPARE(db.FundCount, 2);
        QCOMPARE(db.FundList[1].name, std::string("Growth Fund"));
        QCOMPARE(db.RecordCount, 3);
        QCOMPARE(db.RecordTable[1].bookValue, Currency::fromInt(1050));
        QCOMPARE(db.RecordTable[2].bookValue, Currency::fromInt(-950));
        QCOMPARE(db.RecordTable[3].bookValue, Currency::fromInt(-100));
        QCOMPARE(db.RecordTable[3].fund, Currency::fromInt(2));
        QCOMPARE(db.DatabaseChanged, 1);
        QVERIFY(m.tool->isVisible());
        QCOMPARE(m.label("InfoBox"), QStringLiteral(" Funds = 2    Records = 3 "));

        // The same file again goes to the funds now held; the file dialog
        // offers it.
        m.importFile(m.write("broker.csv", Broker));
        QCOMPARE(m.dialogs().fileDefaults.back(), m.files.filePath(QStringLiteral("broker.csv")));
        QCOMPARE(m.counts, QStringLiteral(" 3 lines will be added, 1 cannot be added, no new fund"));
        QCOMPARE(db.FundCount, 2);
        QCOMPARE(db.RecordCount, 6);
        // Leaving now asks about the changes not saved.
        m.dialogs().replies = {true};
        m.press("FExit");
        QCOMPARE(m.dialogs().questions, std::vector<int>{3});
    }

    void cancelAddsNothing()
    {
        Importer m;
        m.answerPreview("ImportCancel");
        m.importFile(m.write("broker.csv", Broker));
        QCOMPARE(m.counts, QStringLiteral(" 3 lines will be added, 1 cannot be added, 2 new funds"));
        QCOMPARE(m.db().FundCount, 0);
        QCOMPARE(m.db().RecordCount, 0);
        QCOMPARE(m.db().DatabaseChanged, 0);
        QCOMPARE(m.label("InfoBox"), QStringLiteral(" None "));
        QVERIFY(m.tool->isVisible());

        // Cancelling the file dialog shows nothing at all.
        m.dialogs().scripts.clear();
        m.press("ImportCsv");
        QCOMPARE(m.dialogs().modalPlaces.size(), std::size_t(1));
        QVERIFY(m.dialogs().messages.empty());
        QVERIFY(m.tool->isVisible());
    }

    void aFileThatCannotBeImportedSaysWhy()
    {
        Importer m;
        m.answerPreview("ImportAccept");
        const struct {
            QString path;
            const char* cause;
        } cases[] = {
            {m.write("picture.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
             "the file holds binary data, not text"},
            {m.write("letter.csv", "Dear broker,\nplease send me my statement.\n"),
             "the first line names none of the columns date, fund and type: this is not a file of transactions"},
            {m.files.filePath(QStringLiteral("missing.csv")), "No such file or directory"},
            {m.files.path(), "not a regular file"},
        };
        for (const auto& k : cases) {
            m.dialogs().clear();
            m.importFile(k.path);
            QCOMPARE(m.dialogs().messages, std::vector<int>{13});
            QCOMPARE(m.dialogs().causes, QStringList{QString::fromLatin1(k.cause)});
            QVERIFY(m.dialogs().modalPlaces.empty());
            QVERIFY(m.tool->isVisible());
        }
        QCOMPARE(m.db().RecordCount, 0);
    }

    void nothingToAddLeavesOnlyCancel()
    {
        Importer m;
        m.answerPreview("ImportCancel");
        m.importFile(m.write("bad.csv", "date;fund;type;shares;price\n2021-01-15;Growth;Transfer;1;1\n"));
        QCOMPARE(m.counts, QStringLiteral(" 0 lines will be added, 1 cannot be added, no new fund"));
        QCOMPARE(m.statuses,
                 QStringList{QStringLiteral("not added: the type \"Transfer\" is not one the program knows")});
        QVERIFY(!m.acceptEnabled);
        QCOMPARE(m.db().FundCount, 0);
    }

    void theHelpExampleImportsAsItSays()
    {
        Importer m(true);
        const QString help = m.helpAt(HelpTopic::InvestmentManager);
        QVERIFY(help.contains(QStringLiteral("Importing transactions from a CSV file")));
        QVERIFY(help.contains(QStringLiteral("Import CSV…")));
        const QString heading = QStringLiteral("Date,Fund,Type,Shares,Price,Amount,Commission");
        const QStringList example = help.mid(help.indexOf(heading)).split(QLatin1Char('\n')).mid(0, 3);
        QCOMPARE(example.size(), 3);
        m.answerPreview("ImportAccept");
        m.importFile(m.write("example.csv", example.join(QLatin1Char('\n')).toUtf8()));
        QCOMPARE(m.db().RecordCount, 2);
        const NumberSymbols symbols;
        for (int r = 1; r <= 2; ++r) {
            const QString book = qs(formatNumber(m.db().RecordTable[static_cast<std::size_t>(r)].bookValue,
                                                 "#,##0.00", symbols));
            QVERIFY2(help.contains(QStringLiteral("book value of ") + book)
                         || help.contains(QStringLiteral("one of ") + book),
                     qPrintable(book));
        }
    }
};

FISCALIA_TEST_MAIN(FundImportTest)
#include "tst_fund_import.moc"

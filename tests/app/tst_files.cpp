// The file dialog procedure and the atomic save every data file uses.
#include "app/app_state.h"
#include "app/AtomicSave.h"
#include "app/FileDirectory.h"
#include "app/QtText.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace fiscalia;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN); // a short write, not a signal
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void eachCodeOffersItsDefaultName_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("open investments") << 1 << "/home/ann/FUNDS.KVS" << "/home/ann/chosen";
        QTest::newRow("save investments") << 2 << "/home/ann/FUNDS.KVS" << "/home/ann/chosen.kvs";
        QTest::newRow("open net worth") << 3 << "/home/ann/FUNDS.KVS" << "/home/ann/chosen";
        QTest::newRow("save net worth") << 4 << "/home/ann/FUNDS.KVS" << "/home/ann/chosen.kvw";
        QTest::newRow("open mortgage") << 5 << "/home/ann/house.umd" << "/home/ann/chosen";
        QTest::newRow("save mortgage") << 6 << "/home/ann/house.umd" << "/home/ann/chosen.umd";
        QTest::newRow("open loan") << 7 << "/home/ann/car.uld" << "/home/ann/chosen";
        QTest::newRow("save loan") << 8 << "/home/ann/car.uld" << "/home/ann/chosen.uld";
    }

    void eachCodeOffersItsDefaultName()
    {
        QFETCH(int, code);
        QFETCH(QString, offered);
        QFETCH(QString, chosen);
        AppState state;
        state.CurrentFileName = "FUNDS.KVS"; // question 3 names it; the dialog offers its full path
        state.CurrentFilePath = "/home/ann/FUNDS.KVS";
        state.LastMortgageFile = "/home/ann/house.umd";
        state.LastLoanFile = "/home/ann/car.uld";
        test::ScriptedDialogs dialogs;
        dialogs.fileAnswers.push_back(QStringLiteral("/home/ann/chosen"));
        state.FileAction = code;
        FileDirectory(state, dialogs);
        QCOMPARE(dialogs.fileCodes, std::vector<int>{code});
        QCOMPARE(dialogs.fileDefaults.first(), offered);
        QCOMPARE(state.ChosenFile, ss(chosen));
        QCOMPARE(state.FileAction, code);
    }

    void anotherFileOfTheSameNameIsReplacedOnlyWhenAsked()
    {
        // The mortgage saved last lives in one folder; a file of the same
        // name in another folder is not it.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a")) && QDir(dir.path()).mkpath(QStringLiteral("b")));
        const QString mine = dir.filePath(QStringLiteral("a/house.umd"));
        const QString other = dir.filePath(QStringLiteral("b/house.umd"));
        for (const QString& path : {mine, other})
            QVERIFY(saveAtomically(path, "x"));
        AppState state;
        state.LastMortgageFile = ss(mine);
        test::ScriptedDialogs dialogs;
        dialogs.fileAnswers = {other, other, mine};
        dialogs.confirmReplies = {false, true};
        state.FileAction = 6;
        FileDirectory(state, dialogs);
        // No: the dialog comes back on the file chosen; Yes: it is taken.
        QCOMPARE(dialogs.confirmations.size(), 2);
        QVERIFY(dialogs.confirmations.first().contains(QDir::toNativeSeparators(other)));
        QCOMPARE(dialogs.fileDefaults, (QStringList{mine, other}));
        QCOMPARE(state.ChosenFile, ss(other));

        // The file saved last is replaced without a question.
        dialogs.clear();
        dialogs.fileAnswers = {mine};
        state.FileAction = 6;
        FileDirectory(state, dialogs);
        QVERIFY(dialogs.confirmations.isEmpty());
        QCOMPARE(state.ChosenFile, ss(mine));
    }

    void aNameThatCannotBeAFileIsABadName()
    {
        AppState state;
        test::ScriptedDialogs dialogs;
        const QString tooLong = QStringLiteral("/tmp/") + QString(300, QLatin1Char('a')) + QStringLiteral(".uld");
        dialogs.fileAnswers = {tooLong};
        state.FileAction = 8;
        FileDirectory(state, dialogs);
        QCOMPARE(dialogs.messages, std::vector<int>{38}); // "Bad Filename. Must be in the form MYFILE.ULD"
        QCOMPARE(dialogs.fileCodes.size(), 2u);           // the dialog again, then cancelled
        QCOMPARE(state.FileAction, 9);
    }

    void aCancelLeavesNineAndNoFile()
    {
        AppState state;
        test::ScriptedDialogs dialogs;
        state.FileAction = 6;
        state.ChosenFile = "stale";
        FileDirectory(state, dialogs);
        QCOMPARE(state.FileAction, 9);
        QCOMPARE(state.ChosenFile, std::string());
    }

    void anotherCodeShowsNoDialog()
    {
        AppState state;
        test::ScriptedDialogs dialogs;
        for (int code : {0, 9, 10, -3}) {
            state.FileAction = code;
            FileDirectory(state, dialogs);
            QCOMPARE(state.FileAction, code);
        }
        QVERIFY(dialogs.fileCodes.empty());
    }

    void aSaveReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.umd"));
        QVERIFY(saveAtomically(path, "first\r\n"));
        QVERIFY(saveAtomically(path, "second\r\n"));
        QCOMPARE(readFile(path), QByteArray("second\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left
    }

    void aSaveIntoAMissingFolderFailsAndSaysSo()
    {
        QTemporaryDir dir;
        const Result<void> saved = saveAtomically(dir.filePath(QStringLiteral("missing/plan.umd")), "x");
        QVERIFY(!saved);
        QCOMPARE(saved.reason(), std::string("No such file or directory"));
    }

    void aFullDiskLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.umd"));
        QVERIFY(saveAtomically(path, "the old plan\r\n"));
        std::string error;
        {
            FileSizeLimit limit(64);
            const Result<void> saved = saveAtomically(path, QByteArray(4096, 'x'));
            QVERIFY(!saved);
            error = saved.reason();
        }
        QVERIFY(!error.empty());
        QCOMPARE(readFile(path), QByteArray("the old plan\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void aFolderInTheWayIsNotReplaced()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("plan.umd")));
        QVERIFY(!saveAtomically(dir.filePath(QStringLiteral("plan.umd")), "x"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("plan.umd"))).isDir());
    }

    void aReadOnlyFileIsNotReplaced()
    {
        // A rename over it would succeed in a writable folder, even for root.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.umd"));
        QVERIFY(saveAtomically(path, "kept\r\n"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const Result<void> saved = saveAtomically(path, "new\r\n");
        QVERIFY(!saved);
        QCOMPARE(saved.reason(), std::string("the file is read-only"));
        QCOMPARE(readFile(path), QByteArray("kept\r\n"));
    }
};

FISCALIA_TEST_MAIN(FilesTest)
#include "tst_files.moc"

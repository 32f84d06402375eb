// The file dialog procedure and the atomic save every data file uses.
#include "app/app_state.h"
#include "app/AtomicSave.h"
#include "app/FileDirectory.h"
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
        QTest::newRow("open investments") << 1 << "FUNDS.KVS";
        QTest::newRow("save investments") << 2 << "FUNDS.KVS";
        QTest::newRow("open net worth") << 3 << "FUNDS.KVS";
        QTest::newRow("save net worth") << 4 << "FUNDS.KVS";
        QTest::newRow("open mortgage") << 5 << "house.umd";
        QTest::newRow("save mortgage") << 6 << "house.umd";
        QTest::newRow("open loan") << 7 << "car.uld";
        QTest::newRow("save loan") << 8 << "car.uld";
    }

    void eachCodeOffersItsDefaultName()
    {
        QFETCH(int, code);
        QFETCH(QString, offered);
        AppState state;
        state.CurrentFileName = "FUNDS.KVS";
        state.LastMortgageFile = "house.umd";
        state.LastLoanFile = "car.uld";
        test::ScriptedDialogs dialogs;
        dialogs.fileAnswers.push_back(QStringLiteral("/home/ann/chosen"));
        state.FileAction = code;
        FileDirectory(state, dialogs);
        QCOMPARE(dialogs.fileCodes, std::vector<int>{code});
        QCOMPARE(dialogs.fileDefaults.first(), offered);
        QCOMPARE(state.ChosenFile, std::string("/home/ann/chosen"));
        QCOMPARE(state.FileAction, code);
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
        QCOMPARE(saveAtomically(path, "first\r\n"), QString());
        QCOMPARE(saveAtomically(path, "second\r\n"), QString());
        QCOMPARE(readFile(path), QByteArray("second\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left
    }

    void aSaveIntoAMissingFolderFailsAndSaysSo()
    {
        QTemporaryDir dir;
        const QString error = saveAtomically(dir.filePath(QStringLiteral("missing/plan.umd")), "x");
        QVERIFY(!error.isEmpty());
    }

    void aFullDiskLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.umd"));
        QCOMPARE(saveAtomically(path, "the old plan\r\n"), QString());
        QString error;
        {
            FileSizeLimit limit(64);
            error = saveAtomically(path, QByteArray(4096, 'x'));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), QByteArray("the old plan\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void aFolderInTheWayIsNotReplaced()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("plan.umd")));
        QVERIFY(!saveAtomically(dir.filePath(QStringLiteral("plan.umd")), "x").isEmpty());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("plan.umd"))).isDir());
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"

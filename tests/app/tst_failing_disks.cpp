// Every save of the program on a disk that refuses it: the old file stays as
// it was, nothing half written is left behind, the user is told why, and the
// work is still marked unsaved.
#include "app/app_state.h"
#include "app/Grid.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ToolWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace fiscalia;

namespace {

enum class Save { Mortgage, Loan, NetWorth, Funds, Settings, TableCsv, PrintPdf };
enum class Failure { ReadOnlyFolder, MissingFolder, ReadOnlyFile, FolderInTheWay, FullDisk };

const QByteArray OldContents = "what the user saved before, kept to the byte\r\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPushButton* buttonIn(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// The disk's refusal, in force only while the save runs.
class Refusal {
public:
    explicit Refusal(Failure failure)
    {
        if (failure == Failure::FullDisk) {
            // A file may grow to two bytes: every write past that fails with
            // EFBIG, as a full disk fails with ENOSPC.
            getrlimit(RLIMIT_FSIZE, &limit_);
            oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = limit_;
            small.rlim_cur = 2;
            limited_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
        } else if (failure == Failure::ReadOnlyFolder && geteuid() == 0) {
            // Root passes over permission bits: the file system is asked as
            // nobody instead (user and group), so that the folder's bits
            // count as they do for every other user.
            setfsgid(65534);
            setfsuid(65534);
            droppedRoot_ = true;
        }
    }
    ~Refusal()
    {
        if (limited_)
            setrlimit(RLIMIT_FSIZE, &limit_);
        if (oldSignal_ != SIG_ERR)
            std::signal(SIGXFSZ, oldSignal_);
        if (droppedRoot_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    Refusal(const Refusal&) = delete;
    Refusal& operator=(const Refusal&) = delete;

private:
    rlimit limit_{};
    bool limited_ = false;
    void (*oldSignal_)(int) = SIG_ERR;
    bool droppedRoot_ = false;
};

} // namespace

class FailingDisksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void aRefusedSaveLosesNothingAndSaysWhy_data()
    {
        QTest::addColumn<Save>("save");
        QTest::addColumn<Failure>("failure");
        const std::pair<const char*, Save> saves[] = {
            {"mortgage .umd", Save::Mortgage}, {"loan .uld", Save::Loan},
            {"net worth .kvw", Save::NetWorth}, {"investments .kvs", Save::Funds},
            {"settings Personal.fsc", Save::Settings}, {"table as CSV", Save::TableCsv},
            {"printout to PDF", Save::PrintPdf}};
        const std::pair<const char*, Failure> failures[] = {
            {"read-only folder", Failure::ReadOnlyFolder}, {"missing folder", Failure::MissingFolder},
            {"read-only file", Failure::ReadOnlyFile}, {"folder in the file's place", Failure::FolderInTheWay},
            {"full disk", Failure::FullDisk}};
        for (const auto& [saveName, save] : saves)
            for (const auto& [failureName, failure] : failures)
                QTest::addRow("%s, %s", saveName, failureName) << save << failure;
    }

    void aRefusedSaveLosesNothingAndSaysWhy()
    {
        QFETCH(Save, save);
        QFETCH(Failure, failure);

        // The folder the file goes to, in the state the failure needs; the
        // folder around it may be searched by anyone, as a home folder is.
        QTemporaryDir root;
        QVERIFY(QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFileDevice::ExeOther
                                                       | QFileDevice::ReadOther));
        const QString folder = root.filePath(failure == Failure::MissingFolder ? QStringLiteral("gone")
                                                                               : QStringLiteral("files"));
        const QString name = save == Save::Mortgage   ? QStringLiteral("plan.umd")
                             : save == Save::Loan     ? QStringLiteral("plan.uld")
                             : save == Save::NetWorth ? QStringLiteral("statement.kvw")
                             : save == Save::Funds    ? QStringLiteral("funds.kvs")
                             : save == Save::Settings ? QStringLiteral("Personal.fsc")
                             : save == Save::TableCsv ? QStringLiteral("table.csv")
                                                      : QStringLiteral("printout.pdf");
        const QString target = QDir(folder).filePath(name);
        const bool oldFile = failure != Failure::MissingFolder && failure != Failure::FolderInTheWay;
        if (failure != Failure::MissingFolder)
            QVERIFY(QDir().mkpath(folder));
        if (oldFile) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(OldContents) == OldContents.size());
        }
        if (failure == Failure::FolderInTheWay)
            QVERIFY(QDir().mkpath(target));
        if (failure == Failure::ReadOnlyFile)
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                      | QFileDevice::ReadOther));
        if (failure == Failure::ReadOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));

        // The program, with something to save. Settings live in the program's
        // folder; the configuration folder they fall back to lies below a
        // plain file, so it can never be made.
        std::unique_ptr<test::TestProgram> program;
        test::ScriptedDialogs settingsDialogs;
        std::unique_ptr<MDIContainer> settingsFrame;
        if (save == Save::Settings) {
            QFile blocker(root.filePath(QStringLiteral("plain file")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            StartOptions options;
            options.programDir = folder;
            options.configDir = QDir(blocker.fileName()).filePath(QStringLiteral("Fiscalia"));
            options.dialogs = &settingsDialogs;
            options.changeDirectory = false;
            settingsFrame = std::make_unique<MDIContainer>(options);
        } else {
            program = std::make_unique<test::TestProgram>();
        }
        MDIContainer& frame = settingsFrame ? *settingsFrame : *program->frame;
        test::ScriptedDialogs& dialogs = settingsFrame ? settingsDialogs : *program->dialogs;
        const char* menuButton = save == Save::Loan       ? "LoanPmt"
                                 : save == Save::NetWorth ? "NetWorth"
                                 : save == Save::Funds    ? "Manager"
                                                          : "Canadian";
        ToolWindow* tool = nullptr;
        if (save != Save::Settings) {
            frame.menu()->button(QString::fromLatin1(menuButton))->click();
            tool = frame.activeTool();
            QVERIFY(tool);
        }
        AppState& state = frame.state();
        switch (save) {
        case Save::Mortgage:
        case Save::Loan:
        case Save::TableCsv:
        case Save::PrintPdf: buttonIn(tool, "MCalc")->click(); break;
        case Save::NetWorth: {
            auto* grid = tool->findChild<Grid*>(QStringLiteral("NGrid1"));
            grid->setFocus();
            grid->setCurrentCell(1, 0);
            QTest::keyClicks(grid, QStringLiteral("House"));
            QTest::keyClick(grid, Qt::Key_Right);
            QTest::keyClicks(grid, QStringLiteral("200000"));
            QTest::keyClick(grid, Qt::Key_Left);
            buttonIn(tool, "NCalc")->click();
            QCOMPARE(state.NetWorth.NetChanged, 1);
            break;
        }
        case Save::Funds:
            dialogs.fileAnswers = {qEnvironmentVariable("FISCALIA_DATA_DIR") + QStringLiteral("/DtaSampl.KVS")};
            buttonIn(tool, "Loadfile")->click();
            QVERIFY(state.Funds.RecordCount > 0);
            buttonIn(tool, "SortRec")->click(); // the database is changed
            QCOMPARE(state.Funds.DatabaseChanged, 1);
            break;
        case Save::Settings:
            dialogs.scripts[QStringLiteral("ChangeFnt")] = [](QDialog& dialog) {
                auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("InMyName"));
                name->setFocus();
                QTest::keyClicks(name, QStringLiteral("Lee"));
                dialog.findChild<QPushButton*>(QStringLiteral("ExitFonts"))->click();
            };
            break;
        }
        QVERIFY(dialogs.notices.isEmpty() && dialogs.causes.isEmpty() && dialogs.messages.empty());

        // The save, as the user asks for it; an existing file is replaced
        // when the program asks.
        dialogs.fileAnswers = {target};
        dialogs.confirmReplies = {true};
        bool claimedSuccess = false;
        {
            const Refusal refusal(failure);
            switch (save) {
            case Save::Mortgage:
            case Save::Loan: buttonIn(tool, "MSaveFile")->click(); break;
            case Save::NetWorth: buttonIn(tool, "SaveNet")->click(); break;
            case Save::Funds: buttonIn(tool, "SaveFile")->click(); break;
            case Save::Settings: frame.menu()->button(QStringLiteral("InitCurrFont"))->click(); break;
            case Save::TableCsv: claimedSuccess = tool->findChild<Grid*>(QStringLiteral("MGrid"))->exportAll(); break;
            case Save::PrintPdf:
                dialogs.lineAnswers = {QStringLiteral("Smith house")};
                dialogs.printerAnswer = true;
                dialogs.printedTo = target;
                buttonIn(tool, "MPrinter")->click();
                break;
            }
        }
        if (failure == Failure::ReadOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner));

        // Told why, in the system's words or the program's own.
        const QString told = (dialogs.notices + dialogs.causes).join(QLatin1Char('\n'));
        const char* cause = failure == Failure::ReadOnlyFolder   ? "read-only|Permission denied"
                            : failure == Failure::MissingFolder  ? "No such file or directory"
                            : failure == Failure::ReadOnlyFile   ? "read-only|Permission denied"
                            : failure == Failure::FolderInTheWay ? "folder|Is a directory"
                                                                 : "File too large|No space left|disk full";
        QVERIFY2(told.contains(QRegularExpression(QString::fromLatin1(cause))), qPrintable(told));
        QVERIFY(!claimedSuccess);

        // The old file (or the folder in its place) as it was, and nothing
        // else in the folder: no temporary file, no part of a new one.
        if (oldFile)
            QCOMPARE(readAll(target), OldContents);
        if (failure == Failure::FolderInTheWay)
            QVERIFY(QDir(target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        const QStringList left =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(left, failure == Failure::MissingFolder ? QStringList() : QStringList{name});

        // Still unsaved: nothing remembers the file as saved, and leaving
        // still asks to save.
        switch (save) {
        case Save::Mortgage: QVERIFY(state.LastMortgageFile.empty()); break;
        case Save::Loan: QVERIFY(state.LastLoanFile.empty()); break;
        case Save::TableCsv: QVERIFY(state.LastExportFile.empty()); break;
        case Save::NetWorth:
        case Save::Funds:
            QCOMPARE(save == Save::NetWorth ? state.NetWorth.NetChanged : state.Funds.DatabaseChanged, 1);
            QVERIFY(state.CurrentFilePath != target.toStdString());
            dialogs.replies = {true}; // "go back and save it?" Yes
            QVERIFY(!frame.close());
            QCOMPARE(dialogs.questions.back(), 3);
            break;
        case Save::Settings: QCOMPARE(state.UserName, std::string("Lee")); break; // in force for this run
        case Save::PrintPdf: break;
        }
    }
};

FISCALIA_TEST_MAIN(FailingDisksTest)
#include "tst_failing_disks.moc"

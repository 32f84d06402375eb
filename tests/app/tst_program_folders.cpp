// Where the program finds its help files and samples, and where it keeps
// Personal.fsc, in a build folder and installed.
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace fiscalia;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installed layout below a temporary prefix: bin/ and the data folder.
struct InstalledLayout {
    QTemporaryDir prefix;
    QString binDir = QDir(prefix.path()).filePath(QStringLiteral("bin"));
    QString dataDir = QDir::cleanPath(QDir(binDir).filePath(installedDataPath()));

    InstalledLayout()
    {
        QDir().mkpath(binDir);
        QDir().mkpath(dataDir);
    }
};

// The frame looks in the current folder first; an empty one, for the time of
// a test, keeps help files wherever the test runs out of the way.
struct EmptyCurrentFolder {
    QTemporaryDir empty;
    QString before = QDir::currentPath();
    EmptyCurrentFolder() { QDir::setCurrent(empty.path()); }
    ~EmptyCurrentFolder() { QDir::setCurrent(before); }
};

} // namespace

class ProgramFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void theInstalledDataFolderIsShareFiscaliaBesideBin()
    {
        QCOMPARE(installedDataPath(), QStringLiteral("../share/fiscalia"));
        QCOMPARE(helpFileNames(), QStringList({QStringLiteral("fscuse35.hlp"), QStringLiteral("fscdat35.grs")}));
        QVERIFY(sampleFileNames().contains(QStringLiteral("DtaSampl.KVS")));
        QVERIFY(sampleFileNames().contains(QStringLiteral("NetSampl.KVW")));
    }

    void aBuildFolderKeepsEverythingBesideTheProgram()
    {
        QTemporaryDir build;
        test::copyHelpFiles(build.path());
        const ProgramFolders folders = locateProgramFolders(build.path());
        QCOMPARE(folders.dataDir, build.path());
        QVERIFY(!folders.installed);
    }

    void anInstalledProgramFindsItsShareFolder()
    {
        InstalledLayout layout;
        test::copyHelpFiles(layout.dataDir);
        const ProgramFolders folders = locateProgramFolders(layout.binDir);
        QCOMPARE(folders.dataDir, layout.dataDir);
        QVERIFY(folders.installed);
    }

    void aShareFolderWithoutTheHelpFileIsNotTaken()
    {
        InstalledLayout layout;
        const ProgramFolders folders = locateProgramFolders(layout.binDir);
        QCOMPARE(folders.dataDir, layout.binDir);
        QVERIFY(!folders.installed);
    }

    void withoutAProgramFolderTheSettingsLiveInTheConfigurationFolder()
    {
        QTemporaryDir root;
        const QString configDir = QDir(root.path()).filePath(QStringLiteral("config/Fiscalia"));
        SettingsStore store(QString(), configDir);
        QVERIFY(store.programFile().isEmpty());
        PersonalSettings read;
        QVERIFY(!store.load(read)); // nothing saved yet: the defaults
        QCOMPARE(read.currencySymbol, std::string("$"));
        QVERIFY(store.save({"kr", 1, "Bo"}));
        QCOMPARE(readFile(store.configFile()), QByteArray("\"kr\",1,\"Bo\"\r\n"));
        QVERIFY(store.load(read));
        QCOMPARE(read.userName, std::string("Bo"));
    }

    void settingsWithNowhereToGoAreReported()
    {
        SettingsStore store{QString(), QString()};
        const Result<void> saved = store.save({"$", 0, ""});
        QVERIFY(!saved);
        QVERIFY(QString::fromStdString(saved.reason()).contains(QStringLiteral("Personal.fsc")));
    }

    void anInstalledFrameReadsItsHelpFromTheShareFolderAndWritesSettingsToTheConfigurationFolder()
    {
        EmptyCurrentFolder current;
        InstalledLayout layout;
        test::copyHelpFiles(layout.dataDir);
        QTemporaryDir config;
        const QString configDir = QDir(config.path()).filePath(QStringLiteral("Fiscalia"));
        test::ScriptedDialogs dialogs;
        StartOptions options;
        options.programDir = layout.binDir;
        options.dataDir = layout.dataDir;
        options.configDir = configDir;
        options.settingsBesideProgram = false;
        options.dialogs = &dialogs;
        options.changeDirectory = false;
        MDIContainer frame(options);
        frame.show();
        QCOMPARE(frame.dataDir(), layout.dataDir);
        QCOMPARE(frame.dataFile(QStringLiteral("fscuse35.hlp")),
                 QDir(layout.dataDir).filePath(QStringLiteral("fscuse35.hlp")));

        frame.openHelp(QStringLiteral("fscuse35.hlp"), HelpTopic::Menu);
        QVERIFY2(dialogs.notices.isEmpty(), qPrintable(dialogs.notices.join(QLatin1Char('\n'))));
        QVERIFY(frame.helpViewer() && frame.helpViewer()->isVisible());
        QCOMPARE(frame.helpViewer()->currentFile(), QDir(layout.dataDir).filePath(QStringLiteral("fscuse35.hlp")));

        dialogs.scripts[QStringLiteral("ChangeFnt")] = [](QDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("InMyName"));
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Lee"));
            dialog.findChild<QPushButton*>(QStringLiteral("ExitFonts"))->click();
        };
        frame.menu()->button(QStringLiteral("InitCurrFont"))->click();
        QVERIFY2(dialogs.notices.isEmpty(), qPrintable(dialogs.notices.join(QLatin1Char('\n'))));
        QCOMPARE(readFile(QDir(configDir).filePath(QStringLiteral("Personal.fsc"))),
                 QByteArray("\"$\",0,\"Lee\"\r\n"));
        QVERIFY(!QFile::exists(QDir(layout.binDir).filePath(QStringLiteral("Personal.fsc"))));
        QVERIFY(!QFile::exists(QDir(layout.dataDir).filePath(QStringLiteral("Personal.fsc"))));
    }

    void aMissingHelpFileNamesTheDataFolder()
    {
        EmptyCurrentFolder current;
        InstalledLayout layout;
        test::ScriptedDialogs dialogs;
        StartOptions options;
        options.programDir = layout.binDir;
        options.dataDir = layout.dataDir;
        options.settingsBesideProgram = false;
        options.dialogs = &dialogs;
        options.changeDirectory = false;
        MDIContainer frame(options);
        frame.openHelp(QStringLiteral("fscdat35.grs"), 1);
        QCOMPARE(dialogs.notices.size(), 1);
        QVERIFY2(dialogs.notices.first().contains(QDir::toNativeSeparators(layout.dataDir)),
                 qPrintable(dialogs.notices.first()));
    }

    void withoutADataFolderTheProgramFolderHoldsTheHelp()
    {
        test::TestProgram program(true);
        QCOMPARE(program.frame->dataDir(), program.programDir.path());
    }

    void theFrameCarriesTheProgramIcon()
    {
        test::TestProgram program;
        const QIcon icon = program.frame->windowIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }
};

FISCALIA_TEST_MAIN(ProgramFoldersTest)
#include "tst_program_folders.moc"

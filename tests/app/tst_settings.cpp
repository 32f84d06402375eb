// The settings window and where Personal.fsc is kept.
#include "app/app_state.h"
#include "app/ChangeFnt.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace fiscalia;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SettingsWindow {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    AppState state;
    test::ScriptedDialogs dialogs;
    SettingsStore store{programDir.path(), configDir.path()};
    ChangeFnt window{state, dialogs, store};
    QLineEdit* currency = window.findChild<QLineEdit*>(QStringLiteral("InCurrency"));
    QLineEdit* name = window.findChild<QLineEdit*>(QStringLiteral("InMyName"));
    QPushButton* exit = window.findChild<QPushButton*>(QStringLiteral("ExitFonts"));

    SettingsWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    void typeCurrency(const QString& keys)
    {
        currency->setFocus(Qt::TabFocusReason);
        test::typeKeys(currency, keys);
    }
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void showsTheSettingsInMemory()
    {
        SettingsWindow w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Personalize"));
        QCOMPARE(w.currency->text(), QStringLiteral("$"));
        QVERIFY(w.window.findChild<QRadioButton*>(QStringLiteral("PtrFt0"))->isChecked());
        QCOMPARE(w.window.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("  Change Currency Symbol."));
        QCOMPARE(w.window.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Type in your name"));
        QCOMPARE(w.exit->text(), QStringLiteral("E&xit to Menu"));
    }

    void aThreeLetterCodeKeepsItsFirstTwoLetters()
    {
        SettingsWindow w;
        w.typeCurrency(QStringLiteral("USD"));
        QTest::keyClick(w.currency, Qt::Key_Return);
        QVERIFY(w.name->hasFocus());
        QCOMPARE(w.currency->text(), QStringLiteral("US"));
        w.exit->click();
        QCOMPARE(w.state.CurrencySymbol, std::string("US"));
        QCOMPARE(readFile(w.store.programFile()), QByteArray("\"US\",0,\"\"\r\n"));
        QVERIFY(w.window.saved());
    }

    void aSingleCharacterGetsALeadingBlankThatExitTrims()
    {
        SettingsWindow w;
        w.typeCurrency(QStringLiteral("\u20AC"));
        w.name->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.currency->text(), QStringLiteral(" \u20AC"));
        w.exit->click();
        QCOMPARE(w.state.CurrencySymbol, std::string("\u20AC"));
    }

    void clickingIntoTheCurrencyBoxEmptiesIt()
    {
        SettingsWindow w;
        QTest::mouseClick(w.currency, Qt::LeftButton);
        QCOMPARE(w.currency->text(), QString());
        QTest::keyClicks(w.currency, QStringLiteral("DM"));
        w.exit->click();
        QCOMPARE(w.state.CurrencySymbol, std::string("DM"));
    }

    void doubleQuotesAreRefused()
    {
        SettingsWindow w;
        w.typeCurrency(QStringLiteral("\"L"));
        QCOMPARE(w.currency->text(), QStringLiteral("L"));
        w.name->setFocus(Qt::TabFocusReason);
        w.name->clear();
        QTest::keyClicks(w.name, QStringLiteral("Jo \"Jo\""));
        QCOMPARE(w.name->text(), QStringLiteral("Jo Jo"));
        QTest::keyClick(w.name, Qt::Key_Return);
        QVERIFY(w.exit->hasFocus());
        QCOMPARE(w.state.UserName, std::string("Jo Jo"));
    }

    void aFontOptionCheckedByAScreenReaderIsSaved()
    {
        // A screen reader's toggle checks the option without a click.
        SettingsWindow w;
        auto* option = w.window.findChild<QRadioButton*>(QStringLiteral("PtrFt3"));
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(option);
        QVERIFY(access && access->actionInterface());
        access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(option->isChecked());
        QCOMPARE(w.state.PrintFontChoice, 3);
        // And by the arrow keys.
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Up);
        QCOMPARE(w.state.PrintFontChoice, 2);
        w.exit->click();
        QCOMPARE(readFile(w.store.programFile()), QByteArray("\"$\",2,\"\"\r\n"));
    }

    void theSymbolTakesFourCharactersAtMostAndNoControls()
    {
        SettingsWindow w;
        w.typeCurrency(QStringLiteral("ABCDE"));
        QCOMPARE(w.currency->text(), QStringLiteral("ABCD"));
        QCOMPARE(w.dialogs.beeps, 1);
        w.name->setFocus(Qt::TabFocusReason);
        w.typeCurrency(QString(QChar(0x202E)) + QStringLiteral("R"));
        QCOMPARE(w.currency->text(), QStringLiteral("R")); // the right-to-left override is refused
        QApplication::clipboard()->setText(QString(60000, QLatin1Char('X')));
        w.name->setFocus(Qt::TabFocusReason);
        w.currency->setFocus(Qt::TabFocusReason);
        QTest::keySequence(w.currency, QKeySequence::Paste);
        QCOMPARE(w.currency->text(), QStringLiteral("XXXX")); // cut to the four it takes
        w.exit->click();
        QCOMPARE(w.state.CurrencySymbol, std::string("XX"));
    }

    void aFontOptionIsTakenAtOnceAndWritten()
    {
        SettingsWindow w;
        w.window.findChild<QRadioButton*>(QStringLiteral("PtrFt2"))->click();
        QCOMPARE(w.state.PrintFontChoice, 2);
        w.exit->click();
        QCOMPARE(readFile(w.store.programFile()), QByteArray("\"$\",2,\"\"\r\n"));
        QCOMPARE(pageLinesFor(w.state.PrintFontChoice), 56);
    }

    void closingTheWindowKeepsTheSettingsToo()
    {
        SettingsWindow w;
        w.typeCurrency(QStringLiteral("kr"));
        QTest::keyClick(&w.window, Qt::Key_Escape);
        QCOMPARE(w.state.CurrencySymbol, std::string("kr"));
        QVERIFY(QFile::exists(w.store.programFile()));
    }

    void anUnwritableProgramFolderKeepsTheFileInTheConfigurationFolder()
    {
        QTemporaryDir root;
        // A folder below a plain file can never be created, not even by root.
        QFile blocker(QDir(root.path()).filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString programDir = QDir(root.path()).filePath(QStringLiteral("file/program"));
        const QString configDir = QDir(root.path()).filePath(QStringLiteral("config/Fiscalia"));
        SettingsStore store(programDir, configDir);
        QVERIFY(store.save({"\u00A3", 3, "Kim"}));
        QVERIFY(QFile::exists(store.configFile()));

        PersonalSettings read;
        QVERIFY(store.load(read));
        QCOMPARE(read.currencySymbol, std::string("\u00A3"));
        QCOMPARE(read.printFontChoice, 3);
        QCOMPARE(read.userName, std::string("Kim"));
    }

    void theConfigurationCopyIsReadFirstAndRetiredWhenTheProgramFolderWorksAgain()
    {
        QTemporaryDir programDir;
        QTemporaryDir configDir;
        QFile program(QDir(programDir.path()).filePath(QStringLiteral("Personal.fsc")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("\"A\",1,\"old\"\r\n");
        program.close();
        QFile config(QDir(configDir.path()).filePath(QStringLiteral("Personal.fsc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("\"B\",2,\"new\"\r\n");
        config.close();
        SettingsStore store(programDir.path(), configDir.path());
        PersonalSettings read;
        store.load(read);
        QCOMPARE(read.userName, std::string("new"));
        QVERIFY(store.save({"C", 0, "newest"}));
        QVERIFY(!QFile::exists(store.configFile()));
        store.load(read);
        QCOMPARE(read.userName, std::string("newest"));
    }

    void aFailedSaveLeavesTheOldFile()
    {
        QTemporaryDir root;
        SettingsStore store(root.path(), QString());
        QVERIFY(store.save({"$", 1, "Pat"}));
        // A settings file that is a folder cannot be replaced: the save
        // fails and reports it; nothing is half written.
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkdir(QStringLiteral("Personal.fsc")));
        SettingsStore blocked(other.path(), QString());
        QVERIFY(!blocked.save({"$", 1, "Pat"}));
        PersonalSettings read;
        QVERIFY(store.load(read));
        QCOMPARE(read.userName, std::string("Pat"));
    }

    void aSettingsFileInAnOlderCodePageReadsRightAndIsWrittenAsUtf8()
    {
        test::TestProgram program(false, QByteArray("\"\xA3\",1,\"Jos\xE9\"\r\n"));
        MDIContainer& frame = *program.frame;
        QCOMPARE(frame.state().CurrencySymbol, std::string("\u00A3"));
        QCOMPARE(frame.state().UserName, std::string("Jos\u00E9"));
        program.dialogs->scripts[QStringLiteral("ChangeFnt")] = [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("ExitFonts"))->click();
        };
        frame.menu()->button(QStringLiteral("InitCurrFont"))->click();
        QCOMPARE(readFile(QDir(program.programDir.path()).filePath(QStringLiteral("Personal.fsc"))),
                 QByteArray("\"\xC2\xA3\",1,\"Jos\xC3\xA9\"\r\n"));
    }

    void aSymbolThatWouldGarbleEveryAmountReadsAsADollar()
    {
        test::TestProgram program(false, "\"" + QByteArray(60000, 'X') + "\",0,\"Ann\"\r\n");
        QCOMPARE(program.frame->state().CurrencySymbol, std::string("$"));
        QCOMPARE(program.frame->state().UserName, std::string("Ann"));
    }

    void aNamedPipeAsTheSettingsFileDoesNotStopTheStart()
    {
        QTemporaryDir programDir;
        QCOMPARE(::mkfifo(QDir(programDir.path()).filePath(QStringLiteral("Personal.fsc")).toLocal8Bit().constData(),
                          0600),
                 0);
        test::ScriptedDialogs dialogs;
        StartOptions options;
        options.programDir = programDir.path();
        options.dialogs = &dialogs;
        options.changeDirectory = false;
        MDIContainer frame(options);
        QCOMPARE(frame.state().CurrencySymbol, std::string("$"));
        QVERIFY(frame.menu());
    }

    void settingsThatCannotBeSavedAnywhereAreReportedWithWhereItTried()
    {
        QTemporaryDir root;
        // Folders below a plain file can never be made, not even by root.
        QFile blocker(QDir(root.path()).filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        test::ScriptedDialogs dialogs;
        StartOptions options;
        options.programDir = QDir(root.path()).filePath(QStringLiteral("file/program"));
        options.configDir = QDir(root.path()).filePath(QStringLiteral("file/config"));
        options.dialogs = &dialogs;
        options.changeDirectory = false;
        MDIContainer frame(options);
        dialogs.scripts[QStringLiteral("ChangeFnt")] = [](QDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("InMyName"));
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Lee"));
            dialog.findChild<QPushButton*>(QStringLiteral("ExitFonts"))->click();
        };
        frame.menu()->button(QStringLiteral("InitCurrFont"))->click();
        QCOMPARE(frame.state().UserName, std::string("Lee")); // in force for this run
        QCOMPARE(dialogs.notices.size(), 1);
        QVERIFY2(dialogs.notices.first().contains(QStringLiteral("file/program/Personal.fsc"))
                     && dialogs.notices.first().contains(QStringLiteral("file/config")),
                 qPrintable(dialogs.notices.first()));
    }

    void clearingTheNameHidesItOnTheMenu()
    {
        test::TestProgram program(false, "\"$\",0,\"Ann\"\r\n");
        MDIContainer& frame = *program.frame;
        auto* myName = frame.menu()->findChild<QLabel*>(QStringLiteral("MyName"));
        QVERIFY(!myName->isHidden());
        program.dialogs->scripts[QStringLiteral("ChangeFnt")] = [](QDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("InMyName"));
            name->setFocus();
            name->selectAll();
            QTest::keyClick(name, Qt::Key_Delete);
            dialog.findChild<QPushButton*>(QStringLiteral("ExitFonts"))->click();
        };
        frame.menu()->button(QStringLiteral("InitCurrFont"))->click();
        QVERIFY(myName->isHidden());
        QCOMPARE(frame.state().UserName, std::string());
        QCOMPARE(readFile(QDir(program.programDir.path()).filePath(QStringLiteral("Personal.fsc"))),
                 QByteArray("\"$\",0,\"\"\r\n"));
    }
};

FISCALIA_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"

// The frame and the Menu: start-up, every Menu button, placement, help, exit.
#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ToolWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QTextBrowser>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QPointer>
#include <QTest>

#include <memory>

using namespace fiscalia;

namespace {

QPushButton* menuButton(MDIContainer& frame, const char* name)
{
    return frame.menu()->button(QString::fromLatin1(name));
}

bool menuShown(MDIContainer& frame)
{
    return frame.menu()->isVisibleTo(frame.area()) && frame.menu()->parentWidget()->isVisible();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class FrameMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void startsWithoutASettingsFile()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral(" Fiscalia Menu"));
        QVERIFY(menuShown(frame));
        auto* name = frame.menu()->findChild<QLabel*>(QStringLiteral("MyName"));
        QVERIFY(name->isHidden());
        QCOMPARE(frame.state().CurrencySymbol, std::string("$"));
        QCOMPARE(frame.state().PrintFontChoice, 0);
        QCOMPARE(frame.state().PageLines, 53);
        QVERIFY(!frame.state().TodayText.empty());
        QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Fiscalia"));
    }

    void startsWithTheSettingsOfTheFile()
    {
        test::TestProgram program(false, "\"DM\",2,\"Ann Lee\"\r\n");
        MDIContainer& frame = *program.frame;
        auto* name = frame.menu()->findChild<QLabel*>(QStringLiteral("MyName"));
        QVERIFY(!name->isHidden());
        QCOMPARE(name->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(frame.state().CurrencySymbol, std::string("DM"));
        QCOMPARE(frame.state().PrintFontChoice, 2);
    }

    void aDamagedSettingsFileGivesTheDefaults()
    {
        test::TestProgram program(false, QByteArray("\x01\x02\xff,\"", 5));
        QCOMPARE(program.frame->state().CurrencySymbol, std::string("$"));
        QCOMPARE(program.frame->state().PrintFontChoice, 0);
        QVERIFY(menuShown(*program.frame));
    }

    void everyToolButtonOpensItsWindowAndReturns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("loanMode");
        QTest::addColumn<int>("toolMode");
        QTest::addColumn<int>("help");
        // The mortgage window opens in its "Annual" view (ToolMode 1).
        QTest::newRow("mortgages") << "Canadian" << "Mortgage Tables" << 1 << 1 << 10;
        QTest::newRow("loan") << "LoanPmt" << "Personal Loan Tables" << 2 << 1 << 11;
        QTest::newRow("savings") << "Savings" << " Investment Growth Calculations" << 0 << 1 << 12;
        QTest::newRow("comparisons") << "SavingComp" << " Investment Growth Comparisons" << 0 << 2 << 13;
        QTest::newRow("401k") << "Plan401K" << " 401(k) Investment Growth Calculations" << 0 << 0 << 14;
        QTest::newRow("retirement") << "Retirement" << " Retirement Calculations" << 0 << 0 << 15;
        QTest::newRow("capital") << "HowMuch" << " Capital Required" << 0 << 0 << 16;
        QTest::newRow("compound") << "Compound" << " Find Annual Compound Growth" << 0 << 0 << 17;
        QTest::newRow("net worth") << "NetWorth" << " Net Worth" << 0 << 0 << 18;
        QTest::newRow("manager") << "Manager" << " Investment Management Menu" << 0 << 0 << 19;
    }

    void everyToolButtonOpensItsWindowAndReturns()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, loanMode);
        QFETCH(int, toolMode);
        QFETCH(int, help);
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        frame.menu()->button(button)->click();
        QCOMPARE(frame.windowTitle(), caption);
        QVERIFY(!menuShown(frame));
        ToolWindow* tool = frame.activeTool();
        QVERIFY(tool);
        QCOMPARE(helpContextOf(tool), help);
        QCOMPARE(frame.state().LoanMode, loanMode);
        QCOMPARE(frame.state().ToolMode, toolMode);
        QCOMPARE(frame.area()->activeSubWindow()->widget(), tool);

        frame.state().ResultsReady = 5;
        frame.state().GraphKind = 4;
        QPushButton* exit = nullptr;
        for (auto* b : tool->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("E&xit to Menu") || b->text() == QLatin1String("E&xit to Main Menu"))
                exit = b;
        QVERIFY(exit);
        test::pressAlt(tool, Qt::Key_X);
        settle();
        QCOMPARE(frame.windowTitle(), QStringLiteral(" Fiscalia Menu"));
        QVERIFY(menuShown(frame));
        QVERIFY(!frame.activeTool());
        QCOMPARE(frame.area()->subWindowList().size(), 1);
        QCOMPARE(frame.state().ToolMode, 0);
        QCOMPARE(frame.state().ResultsReady, 0);
        QCOMPARE(frame.state().GraphKind, 0);
    }

    // An action that ends after its window was unloaded (Exit pressed while
    // it waited) shows the window again: it stays unloaded, with no warning.
    void anUnloadedWindowIsNotShownAgain()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        frame.openTool(Tool::Mortgage);
        ToolWindow* tool = frame.activeTool();
        QVERIFY(tool);
        QPointer<ToolWindow> alive(tool);
        tool->exitToMenu();
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        frame.showWindow(tool);
        QVERIFY(!tool->isVisible());
        QVERIFY(menuShown(frame));
        settle();
        QVERIFY(alive.isNull());
    }

    // Alt+X on the Investment Management Menu, then a click that leaves the
    // menu before Exit's delayed click comes: the click goes with the hidden
    // menu. A window the menu opened still gets back to the Menu when the
    // menu is gone.
    void aDelayedClickOfAHiddenWindowIsDropped()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        menuButton(frame, "Manager")->click();
        QPointer<ToolWindow> manager(frame.activeTool());
        QVERIFY(manager);
        auto* exit = manager->findChild<QPushButton*>(QStringLiteral("FExit"));
        QTest::keyClick(manager, Qt::Key_X, Qt::AltModifier);
        QVERIFY(exit->isDown());
        manager->findChild<QPushButton*>(QStringLiteral("Editrec"))->click();
        QVERIFY(QTest::qWaitFor([exit] { return !exit->isDown(); }, 2000));
        settle();
        auto* entry = frame.findChild<QWidget*>(QStringLiteral("FundRecordEntry"));
        QVERIFY(manager && entry && entry->isVisible());
        QVERIFY(!menuShown(frame));

        frame.unloadWindow(manager);
        settle();
        QVERIFY(manager.isNull());
        entry->findChild<QPushButton*>(QStringLiteral("EExit"))->click();
        settle();
        QVERIFY(menuShown(frame));
    }

    void theMenuButtonsAnswerTheirKeys()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        test::pressAlt(frame.menu(), Qt::Key_P);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Personal Loan Tables"));
        QCOMPARE(frame.state().LoanMode, 2);
        frame.activeTool()->exitToMenu();
        settle();
        test::pressAlt(frame.menu(), Qt::Key_M);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Mortgage Tables"));
        QCOMPARE(frame.state().LoanMode, 1);
    }

    void allFourteenButtonsHaveTheirCaptions()
    {
        test::TestProgram program;
        const QStringList expected{"&Mortgages", "&Payment on a Loan", "Planning your &Savings",
                                   "Sa&vings Comparisons", "Planning your &401(k)", "Planning your &Retirement",
                                   "Amount of &Capital Required", "&Find Annual Compound Growth", "&Net Worth",
                                   "&Investment Manager", "Persona&lize Settings", "&How to Use the Program",
                                   "How to &Get Rich and Stay Rich", "E&xit Fiscalia"};
        QStringList captions;
        for (auto* b : program.frame->menu()->findChildren<QPushButton*>())
            captions << b->text();
        for (const QString& caption : expected)
            QVERIFY2(captions.contains(caption), qPrintable(caption));
        QCOMPARE(captions.size(), 14);
    }

    void theFrameSizeRulePlacesTheActiveWindow()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        QCOMPARE(frame.state().FrameSize, 6810);
        menuButton(frame, "Canadian")->click();
        QMdiSubWindow* tool = frame.area()->activeSubWindow();
        QCOMPARE(tool->pos(), QPoint(-3, -2));
        frame.resize(1000, 700); // 10,500 twips high
        QCOMPARE(frame.state().FrameSize, 8670);
        QCOMPARE(tool->pos(), QPoint(80, 67));
        frame.activeTool()->exitToMenu();
        settle();
        QCOMPARE(frame.area()->activeSubWindow()->pos(), QPoint(80, 67)); // the Menu, large frame
        frame.resize(641, 454);
        QCOMPARE(frame.state().FrameSize, 6810);
        QCOMPARE(frame.area()->activeSubWindow()->pos(), QPoint(-2, -1)); // the Menu, small frame
    }

    void personalizeReturnsToTheMenuOnlyWhenTheSettingsClose()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        bool menuHiddenMeanwhile = false;
        QString captionMeanwhile;
        program.dialogs->scripts[QStringLiteral("ChangeFnt")] = [&](QDialog& dialog) {
            menuHiddenMeanwhile = !menuShown(frame);
            captionMeanwhile = frame.windowTitle();
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("InMyName"));
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Ann"));
            QTest::keyClick(name, Qt::Key_Return);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space); // E&xit to Menu has the focus
        };
        test::pressAlt(frame.menu(), Qt::Key_L);
        QVERIFY(menuHiddenMeanwhile);
        QCOMPARE(captionMeanwhile, QStringLiteral(" Personalize"));
        QCOMPARE(program.dialogs->modalPlaces.back(), DialogPlace::Settings);
        QVERIFY(menuShown(frame));
        QCOMPARE(frame.windowTitle(), QStringLiteral(" Fiscalia Menu"));
        auto* name = frame.menu()->findChild<QLabel*>(QStringLiteral("MyName"));
        QVERIFY(!name->isHidden());
        QCOMPARE(name->text(), QStringLiteral("Ann"));
    }

    void theHelpButtonsOpenTheirFilesAtTheirTopics()
    {
        test::TestProgram program(true);
        MDIContainer& frame = *program.frame;
        menuButton(frame, "HowTo")->click();
        QVERIFY(frame.helpViewer());
        QVERIFY(frame.helpViewer()->isVisible());
        QVERIFY(frame.helpViewer()->currentFile().endsWith(QStringLiteral("fscuse35.hlp")));
        QCOMPARE(frame.helpViewer()->currentContext(), 2);
        menuButton(frame, "Getrich")->click();
        QVERIFY(frame.helpViewer()->currentFile().endsWith(QStringLiteral("fscdat35.grs")));
        QCOMPARE(frame.helpViewer()->currentContext(), 1);
        QVERIFY(frame.helpViewer()->windowTitle().contains(QStringLiteral("Rich")));
        QVERIFY(program.dialogs->notices.isEmpty());
    }

    void everyHelpTopicHasItsAnchor()
    {
        test::TestProgram program(true);
        MDIContainer& frame = *program.frame;
        frame.openHelp(QStringLiteral("fscuse35.hlp"), 2);
        const QString html = frame.helpViewer()->browser()->toHtml();
        for (int topic : {2, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29})
            QVERIFY2(html.contains(QStringLiteral("name=\"ctx%1\"").arg(topic)), qPrintable(QString::number(topic)));
    }

    void fOneOpensTheHelpOfTheWindowInUse()
    {
        test::TestProgram program(true);
        MDIContainer& frame = *program.frame;
        menuButton(frame, "LoanPmt")->click();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_F1);
        QVERIFY(frame.helpViewer() && frame.helpViewer()->isVisible());
        QCOMPARE(frame.helpViewer()->currentContext(), 11);
    }

    void aMissingHelpFileIsReported()
    {
        test::TestProgram program(false);
        MDIContainer& frame = *program.frame;
        menuButton(frame, "HowTo")->click();
        QCOMPARE(program.dialogs->notices.size(), 1);
        QVERIFY(program.dialogs->notices.first().contains(QStringLiteral("fscuse35.hlp")));
        QVERIFY(!frame.helpViewer() || !frame.helpViewer()->isVisible());
    }

    void exitFiscaliaClosesTheFrame()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        QVERIFY(frame.isVisible());
        test::pressAlt(frame.menu(), Qt::Key_X);
        QVERIFY(!frame.isVisible());
        QVERIFY(program.dialogs->questions.empty());
    }

    // A button pressed by its letter clicks itself a moment later; when a
    // modal window has opened meanwhile (the letter, then a click on a button
    // that opens one), that click waits for it to close. Run at once, "Exit"
    // would unload the window whose action waits on the modal window.
    void aDelayedClickWaitsForTheModalWindowToClose()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        QPushButton* behind = menuButton(frame, "ExitButten");
        QDialog modal(&frame);
        auto* own = new QPushButton(QStringLiteral("OK"), &modal);
        auto* help = new QWidget(&modal, Qt::Window);
        auto* helpButton = new QPushButton(QStringLiteral("Close"), help);
        QTimerEvent timer(1);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::AltModifier);
        struct Case {
            const char* what;
            bool modalShown;
            QObject* receiver;
            QEvent* event;
            bool held;
        };
        const Case cases[] = {
            {"no modal window", false, behind, &timer, false},
            {"a button behind the modal window", true, behind, &timer, true},
            {"the modal window's own button", true, own, &timer, false},
            {"a window over the modal window", true, helpButton, &timer, false},
            {"a key, not the delayed click", true, behind, &key, false},
            {"not a button", true, frame.menu(), &timer, false},
        };
        for (const Case& c : cases) {
            if (c.modalShown) {
                modal.setWindowModality(Qt::ApplicationModal);
                modal.show();
            } else {
                modal.hide();
            }
            QCOMPARE(QApplication::activeModalWidget() == &modal, c.modalShown);
            QVERIFY2(clickHeldByModal(c.receiver, c.event) == c.held, c.what);
        }
        modal.hide();
        // The event loop of a modal window that has just closed (nested in
        // the program's own) is still running.
        bool heldInClosingLoop = false;
        QEventLoop outer;
        QMetaObject::invokeMethod(
            &outer,
            [&] {
                QEventLoop inner;
                QMetaObject::invokeMethod(
                    &inner,
                    [&] {
                        heldInClosingLoop = clickHeldByModal(behind, &timer);
                        inner.quit();
                    },
                    Qt::QueuedConnection);
                inner.exec();
                outer.quit();
            },
            Qt::QueuedConnection);
        outer.exec();
        QVERIFY(heldInClosingLoop);
    }

    void ctrlFFourDoesNotUnloadTheMenu()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        frame.area()->activeSubWindow()->close();
        settle();
        QVERIFY(menuShown(frame));
    }

    void aFailureThatEscapesAHandlerIsAWrongEntryAndTheProgramGoesOn()
    {
        test::TestProgram program;
        MDIContainer& frame = *program.frame;
        // A handler that fails the way a calculation can.
        class Failing : public QObject {
        public:
            bool event(QEvent* event) override
            {
                if (event->type() == QEvent::User)
                    throw CalcError("overflow");
                return QObject::event(event);
            }
        };
        Failing failing;
        QTest::ignoreMessage(QtWarningMsg, "An event handler failed: overflow");
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&failing, &event);
        QCoreApplication::processEvents(); // the message comes once the event is over
        QCOMPARE(program.dialogs->messages, std::vector<int>{3});
        menuButton(frame, "Canadian")->click();
        QVERIFY(frame.activeTool());
    }

    void theWindowsGoBeforeTheStateTheyUse()
    {
        auto program = std::make_unique<test::TestProgram>();
        menuButton(*program->frame, "Canadian")->click();
        ToolWindow* tool = program->frame->activeTool();
        QVERIFY(tool);
        // The state must still be there when the last tool window goes.
        AppState* state = &program->frame->state();
        int seen = -1;
        connect(tool, &QObject::destroyed, this, [state, &seen] { seen = state->LoanMode; });
        program.reset();
        QCOMPARE(seen, 1);
    }
};

FISCALIA_TEST_MAIN(FrameMenuTest)
#include "tst_frame_menu.moc"

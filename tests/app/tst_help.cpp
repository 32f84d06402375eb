// The help as a whole: every window and dialog reaches a topic with F1,
// every link resolves, the search finds every tool's topic, every message
// is explained, and every sample file opens with sensible figures.
#include "app/AMsgbox.h"
#include "app/app_state.h"
#include "app/ChangeFnt.h"
#include "app/FundCurValInput.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/messages.h"
#include "app/PrinterHeaderInput.h"
#include "app/QtText.h"
#include "app/safe_read.h"
#include "app/ToolWindow.h"
#include "investments/FundChoose.h"
#include "investments/fund_file.h"
#include "investments/fund_values.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortgageCalc.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace fiscalia;

namespace {

QString dataFile(const char* name)
{
    return qEnvironmentVariable("FISCALIA_DATA_DIR") + QLatin1Char('/') + QString::fromLatin1(name);
}

QString readText(const char* name)
{
    const Result<std::string> text = readFileSafely(ss(dataFile(name)));
    return text ? QString::fromStdString(*text) : QString();
}

QSet<int> anchorsOf(const QString& html)
{
    QSet<int> anchors;
    static const QRegularExpression name(QStringLiteral("name=\"ctx(\\d+)\""));
    for (auto it = name.globalMatch(html); it.hasNext();)
        anchors.insert(it.next().captured(1).toInt());
    return anchors;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void everyWindowAndDialogReachesATopic()
    {
        const QSet<int> anchors = anchorsOf(readText(ApplicationHelpFile));
        test::TestProgram program(true);
        MDIContainer& frame = *program.frame;
        // The tools, through the Menu; F1 opens their topic.
        for (const char* button : {"Canadian", "LoanPmt", "Savings", "SavingComp", "Plan401K", "Retirement",
                                   "HowMuch", "Compound", "NetWorth", "Manager"}) {
            QPushButton* b = frame.menu()->button(QString::fromLatin1(button));
            QVERIFY2(b, button);
            b->click();
            ToolWindow* tool = frame.activeTool();
            QVERIFY2(tool, button);
            QTest::keyClick(tool, Qt::Key_F1);
            QVERIFY2(anchors.contains(frame.helpViewer()->currentContext()), button);
            QCOMPARE(frame.helpViewer()->currentContext(), helpContextOf(tool));
            tool->exitToMenu();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(anchors.contains(helpContextOf(frame.menu())));
        // The dialogs.
        AppState& st = frame.state();
        test::ScriptedDialogs& dialogs = *program.dialogs;
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(new MortPrePay(st, dialogs));
        windows.emplace_back(new MortIRFTable(st));
        windows.emplace_back(new MortDateInput(st, dialogs));
        windows.emplace_back(new ChangeFnt(st, dialogs, frame.settingsStore()));
        windows.emplace_back(new PrinterHeaderInput(nullptr, QStringLiteral(" Header"), QStringLiteral("&OK")));
        windows.emplace_back(new AMsgbox(QStringLiteral("No Records.")));
        windows.emplace_back(new AllYesNo(QStringLiteral("Yes?")));
        windows.emplace_back(new FundCurValInput(ValueRequest::Price, QString(), dialogs));
        windows.emplace_back(new FundCurValInput(ValueRequest::AssetLine, QString(), dialogs));
        windows.emplace_back(new FundChoose(st.Funds));
        for (const auto& window : windows) {
            const int topic = helpContextOf(window.get());
            QVERIFY2(topic != HelpTopic::Menu && anchors.contains(topic), qPrintable(window->objectName()));
        }
    }

    void everyLinkResolves()
    {
        for (const char* file : {ApplicationHelpFile, GetRichHelpFile}) {
            const QString html = readText(file);
            QVERIFY2(!html.isEmpty(), file);
            const QSet<int> anchors = anchorsOf(html);
            static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
            int links = 0;
            for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
                const QString target = it.next().captured(1);
                // A topic ("#ctxN") or a section named inside the same file ("#import").
                const bool resolves = target.startsWith(QLatin1String("#ctx"))
                    ? anchors.contains(target.mid(4).toInt())
                    : target.startsWith(u'#')
                        && html.contains(QStringLiteral("name=\"%1\"").arg(target.mid(1)));
                QVERIFY2(resolves, qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(file), target)));
            }
            QVERIFY(links > 10);
        }
    }

    void theSearchFindsEveryToolsTopic()
    {
        test::TestProgram program(true);
        program.frame->openHelp(QString::fromLatin1(ApplicationHelpFile), HelpTopic::Menu);
        HelpViewer* viewer = program.frame->helpViewer();
        QVERIFY(viewer->topics().size() >= 20);
        // Every tool's topic tells the messages met in it.
        QSet<int> found;
        for (const auto& hit : viewer->search(QStringLiteral("messages you may meet here")))
            found.insert(hit.context);
        for (int topic : {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 27, 28})
            QVERIFY2(found.contains(topic), qPrintable(QString::number(topic)));
        // Typing in the box lists the hits; choosing one shows it.
        viewer->searchBox()->setText(QStringLiteral("book value"));
        QVERIFY(viewer->results()->count() >= 2);
        viewer->results()->setCurrentRow(1);
        QVERIFY(viewer->browser()->textCursor().selectedText().compare(QStringLiteral("book value"),
                                                                        Qt::CaseInsensitive)
                == 0);
        QCOMPARE(viewer->search(QStringLiteral("xylophone")).size(), std::size_t(0));
        QCOMPARE(viewer->results()->count(), 1); // says nothing was found
    }

    void everyMessageIsExplained()
    {
        QTextDocument help;
        help.setHtml(readText(ApplicationHelpFile));
        const QString text = help.toPlainText().simplified();
        for (int n = 1; n <= 60; ++n) {
            const QString message = qs(messageText(n, "12/8/2026")).simplified();
            if (message.isEmpty())
                continue;
            // Long messages are listed by their first sentence (a date or
            // record number that follows varies).
            const qsizetype end = message.indexOf(QRegularExpression(QStringLiteral("[.0-9]")), 10);
            const QString opening = message.left(end < 0 ? 40 : end).trimmed();
            QVERIFY2(text.contains(opening), qPrintable(QStringLiteral("%1: %2").arg(n).arg(message)));
        }
        for (int q : {3, 4, 5})
            QVERIFY(text.contains(qs(questionText(q, "", "")).simplified().left(30)));
    }

    void theSampleFilesOpen()
    {
        // Mortgage and loan: opened in their windows and calculated.
        for (const auto& [button, file] : {std::pair{"Canadian", "MortSampl.umd"}, std::pair{"LoanPmt", "LoanSampl.uld"}}) {
            test::TestProgram program;
            program.frame->menu()->button(QString::fromLatin1(button))->click();
            auto* calc = qobject_cast<MortgageCalc*>(program.frame->activeTool());
            QVERIFY(calc);
            program.dialogs->fileAnswers.push_back(dataFile(file));
            calc->openFile();
            QVERIFY2(program.dialogs->messages.empty(), file);
            calc->calculate();
            QVERIFY2(program.frame->state().ResultsReady > 0, file);
        }
        test::TestProgram program;
        AppState& st = program.frame->state();
        // The mortgage sample: two additional payments of 5,000.00.
        program.frame->menu()->button(QStringLiteral("Canadian"))->click();
        program.dialogs->fileAnswers.push_back(dataFile("MortSampl.umd"));
        qobject_cast<MortgageCalc*>(program.frame->activeTool())->openFile();
        QCOMPARE(st.Mortgage.ExtraCount, 2);
        QCOMPARE(st.InputValues[1], Currency::fromInt(250000));
        // The fund sample is sensible at 20.00 a share for every fund.
        const Result<std::string> text = readFileSafely(ss(dataFile("DtaSampl.KVS")));
        QVERIFY(text.ok());
        Result<FundState> db = parseFundFile(*text);
        QVERIFY(db.ok());
        for (int f = 1; f <= db->FundCount; ++f)
            db->FundValueTable[static_cast<std::size_t>(f)][2] = Currency::fromInt(20);
        sumFundRecords(*db);
        QCOMPARE(firstUnpricedFund(*db), 0);
        computeCurrentValues(*db);
        QVERIFY(db->FundValueTable[AllRecordsSlot][3] > Currency::fromInt(10000));
        QVERIFY(db->FundValueTable[AllRecordsSlot][4] > Currency());
    }
};

FISCALIA_TEST_MAIN(HelpTest)
#include "tst_help.moc"

// The header window, the printout's start and reports printed into a PDF.
#include "app/app_state.h"
#include "app/personal_settings.h"
#include "app/PrinterHeaderInput.h"
#include "app/PrinterOutput.h"
#include "app/report.h"
#include "support/ScriptedDialogs.h"
#include "support/test_env.h"

#include <QApplication>

#include <climits>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace fiscalia;

namespace {

// A report of three pages with fields at known columns.
Report threePageReport(int fontChoice)
{
    Printout p("Three page test", fontChoice, pageLinesFor(fontChoice));
    p.fields({{32, "Mortgage Table"}});
    p.setHeadings({" Payment    Interest   Principal", "No. Year     Payment     Payment"});
    p.fields({{2, " Payment    Interest   Principal"}});
    p.fields({{2, "No. Year     Payment     Payment"}});
    p.line();
    p.setCounter(24);
    for (int i = 1; i <= 100; ++i) {
        const auto row = placeFields({{2, std::to_string(i)}, {13, "1,234.56"}, {36, "$99,999.99"},
                                      {65, "end" + std::to_string(i)}});
        p.bodyRow(row.front());
    }
    p.closingBlock(2);
    p.fields({{2, "Total:"}, {36, "$0.00"}});
    return p.endReport();
}

// The lines right-trimmed, without the indent they all share.
QStringList withoutCommonIndent(QStringList lines)
{
    int common = INT_MAX;
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        int indent = 0;
        while (indent < line.size() && line[indent] == QLatin1Char(' '))
            ++indent;
        common = std::min(common, indent);
    }
    for (QString& line : lines)
        line.remove(0, common);
    return lines;
}

QString pdfToText(const QString& pdf, double characterWidth)
{
    // -fixed reads the text on a grid of the printed character width, so
    // every blank between two fields comes back.
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                                QString::number(characterWidth, 'f', 4), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }
    void cleanup() { qunsetenv("FISCALIA_PRINT_TO"); }

    void theHeaderWindowTakesOneLineWithoutDoubleQuotes()
    {
        PrinterHeaderInput input;
        QCOMPARE(input.windowTitle(), QStringLiteral("Input"));
        QCOMPARE(input.findChild<QLabel*>(QStringLiteral("FName"))->text(),
                 QStringLiteral(" Type in one line header information."));
        auto* box = input.findChild<QLineEdit*>(QStringLiteral("InFName"));
        auto* accept = input.findChild<QPushButton*>(QStringLiteral("Acept"));
        QCOMPARE(accept->text(), QStringLiteral("Continue &Printout"));
        QCOMPARE(input.findChild<QPushButton*>(QStringLiteral("NAcept"))->text(), QStringLiteral("&Cancel"));
        input.show();
        QApplication::setActiveWindow(&input);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("The \"Smith\" house"));
        QCOMPARE(box->text(), QStringLiteral("The Smith house"));
        QApplication::clipboard()->setText(QStringLiteral("a \"b\"\nsecond line"));
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), QStringLiteral("The Smith housea b"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(accept->hasFocus());
        QVERIFY(input.isVisible()); // Enter only moves the focus
        QTest::keyClick(accept, Qt::Key_Return);
        QVERIFY(!input.isVisible());
        QCOMPARE(input.answer(), std::optional<QString>(QStringLiteral("The Smith housea b")));

        // A name or heading stops at 255 characters, typed or pasted.
        PrinterHeaderInput fund(nullptr, QStringLiteral(" Type in the name of the Fund."), QStringLiteral("&OK"));
        auto* name = fund.findChild<QLineEdit*>(QStringLiteral("InFName"));
        fund.show();
        name->setFocus();
        QApplication::clipboard()->setText(QString(300, u'x'));
        QTest::keySequence(name, QKeySequence::Paste);
        QCOMPARE(name->text().size(), 255);
        QTest::keyClick(name, Qt::Key_Y);
        QCOMPARE(name->text().size(), 255);
    }

    void cancelOrAnEmptyHeader()
    {
        PrinterHeaderInput cancelled;
        cancelled.show();
        QApplication::setActiveWindow(&cancelled);
        test::pressAlt(&cancelled, Qt::Key_C);
        QVERIFY(!cancelled.answer());

        PrinterHeaderInput empty;
        empty.show();
        empty.findChild<QPushButton*>(QStringLiteral("Acept"))->click();
        QCOMPARE(empty.answer(), std::optional<QString>(QString()));

        PrinterHeaderInput other(nullptr, QStringLiteral(" Type in the name of the Fund."), QStringLiteral("&OK"));
        QCOMPARE(other.findChild<QPushButton*>(QStringLiteral("Acept"))->text(), QStringLiteral("&OK"));
    }

    void aPrintoutNeedsResultsAndAHeader()
    {
        AppState state;
        test::ScriptedDialogs dialogs;
        QVERIFY(!beginPrintout(state, dialogs));
        QCOMPARE(dialogs.messages, std::vector<int>{1});
        QVERIFY(dialogs.linePrompts.isEmpty());

        state.ResultsReady = 3;
        QVERIFY(!beginPrintout(state, dialogs)); // cancelled
        QCOMPARE(state.PrintHeader, std::string("1"));
        dialogs.lineAnswers.push_back(QStringLiteral("Plan B"));
        QVERIFY(beginPrintout(state, dialogs));
        QCOMPARE(state.PrintHeader, std::string("Plan B"));
        QCOMPARE(dialogs.linePrompts.last(), QStringLiteral(" Type in one line header information."));
    }

    void thePageLengthFollowsTheFontChoice()
    {
        AppState state;
        for (int choice : {0, 1, 2, 3}) {
            state.PrintFontChoice = choice;
            QCOMPARE(setupPrinterFont(state), choice);
            QCOMPARE(state.PageLines, pageLinesFor(choice));
        }
        QVERIFY(printerFont(2).fixedPitch());
        QCOMPARE(printerFont(2).pointSizeF(), 11.0);
    }

    void aThreePageReportComesBackFromThePdfInItsColumns_data()
    {
        QTest::addColumn<int>("fontChoice");
        QTest::newRow("standard") << 0;
        QTest::newRow("10 point") << 1;
        QTest::newRow("12 point") << 3;
    }

    void aThreePageReportComesBackFromThePdfInItsColumns()
    {
        QFETCH(int, fontChoice);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        qputenv("FISCALIA_PRINT_TO", pdf.toLocal8Bit());
        const Report report = threePageReport(fontChoice);
        QCOMPARE(report.pages.size(), std::size_t(3));
        test::ScriptedDialogs dialogs;
        PrinterOutput output(dialogs);
        QCOMPARE(output.printReport(report, QStringLiteral("test")), PrinterOutput::Result::Printed);
        QCOMPARE(dialogs.printDialogs, 0);

        const QString text = pdfToText(pdf, PrinterOutput::characterWidthPoints(report));
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QStringList printedPages;
        for (const QString& page : pages)
            if (!page.trimmed().isEmpty())
                printedPages << page;
        QCOMPARE(printedPages.size(), 3);
        for (int p = 0; p < 3; ++p) {
            QStringList printed;
            for (const QString& line : printedPages[p].split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    printed << line;
            QStringList expected;
            for (const auto& line : report.pages[static_cast<std::size_t>(p)])
                if (!QString::fromStdString(line).trimmed().isEmpty())
                    expected << QString::fromStdString(line);
            QCOMPARE(printed.size(), expected.size());
            // pdftotext drops (or adds) the blank margin all lines share; the
            // columns must otherwise come back exactly.
            QCOMPARE(withoutCommonIndent(printed), withoutCommonIndent(expected));
        }
    }

    void withoutAPrinterChoiceNothingIsPrinted()
    {
        test::ScriptedDialogs dialogs;
        PrinterOutput output(dialogs);
        QCOMPARE(output.printReport(threePageReport(0), QStringLiteral("test")), PrinterOutput::Result::Cancelled);
        QCOMPARE(dialogs.printDialogs, 1);
    }

    void anUnwritablePdfTargetIsReported()
    {
        qputenv("FISCALIA_PRINT_TO", "/nonexistent-folder/sub/report.pdf");
        test::ScriptedDialogs dialogs;
        finishPrintout(threePageReport(0), dialogs, QStringLiteral("test"));
        QCOMPARE(dialogs.notices.size(), 1);
        QVERIFY(dialogs.notices.first().contains(QStringLiteral("could not")));
    }
};

FISCALIA_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"

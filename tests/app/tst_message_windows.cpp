// The message window, the yes/no window and where they stand.
#include "app/AMsgbox.h"
#include "app/QtDialogs.h"

#include "support/test_env.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace fiscalia;

class MessageWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }
    void cleanup() { test::pinTestEnvironment(); }

    void theMessageWindowShowsTheTextOfItsNumber()
    {
        AMsgbox box(messageWindowText(3));
        QCOMPARE(box.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(box.findChild<QPlainTextEdit*>(QStringLiteral("TextMsg"))->toPlainText(),
                 QStringLiteral("Wrong or missing entry, try again."));
        auto* exit = box.findChild<QPushButton*>(QStringLiteral("AMsgExit"));
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        box.show();
        exit->click();
        QVERIFY(!box.isVisible());
    }

    void aNumberWithoutATextShowsAnEmptyWindow()
    {
        AMsgbox box(messageWindowText(8));
        QCOMPARE(box.text(), QString());
    }

    void messageTwentyEightIsThreeSentences()
    {
        QCOMPARE(messageWindowText(28),
                 QStringLiteral("You have Added a Fund Name but have not entered a record in it. Either delete the "
                                "Fund name or add a record. I cannot work with an empty Fund."));
    }

    void messageThirtyShowsTodayInADayFirstShortDate()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(messageWindowText(30),
                 QStringLiteral("Correct date format is ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(messageWindowText(30),
                 QStringLiteral("Correct date format is ") + QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    }

    void theYesNoWindowRepliesSixOrZero()
    {
        AllYesNo yes(QStringLiteral(" Continue with Printout."));
        QCOMPARE(yes.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(yes.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral(" Continue with Printout."));
        yes.show();
        yes.findChild<QPushButton*>(QStringLiteral("AllYes"))->click();
        QCOMPARE(yes.reply(), 6);
        AllYesNo no(QStringLiteral(" Print in Color."));
        no.show();
        QApplication::setActiveWindow(&no);
        test::pressAlt(&no, Qt::Key_N);
        QVERIFY(!no.isVisible());
        QCOMPARE(no.reply(), 0);
        AllYesNo closed(QStringLiteral("?"));
        closed.show();
        closed.close();
        QCOMPARE(closed.reply(), 0);
    }

    void dialogsStandAtTheirOffsetsFromTheFrame_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("frameSize");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("message small") << int(DialogPlace::Message) << 6810 << QPoint(237, 167);
        QTest::newRow("message large") << int(DialogPlace::Message) << 8670 << QPoint(320, 237);
        QTest::newRow("header small") << int(DialogPlace::PrinterHeader) << 6810 << QPoint(227, 200);
        QTest::newRow("settings small") << int(DialogPlace::Settings) << 6810 << QPoint(204, 47);
        QTest::newRow("settings large") << int(DialogPlace::Settings) << 8670 << QPoint(267, 133);
        QTest::newRow("prepay large") << int(DialogPlace::AdditionalPayments) << 8670 << QPoint(353, 110);
        QTest::newRow("fund chooser small") << int(DialogPlace::FundChooser) << 6810 << QPoint(213, 83);
    }

    void dialogsStandAtTheirOffsetsFromTheFrame()
    {
        QFETCH(int, place);
        QFETCH(int, frameSize);
        QFETCH(QPoint, offset);
        QWidget frame;
        frame.move(40, 30);
        QDialog dialog;
        placeDialog(dialog, &frame, static_cast<DialogPlace>(place), frameSize);
        QCOMPARE(dialog.pos(), frame.frameGeometry().topLeft() + offset);
    }
};

FISCALIA_TEST_MAIN(MessageWindowsTest)
#include "tst_message_windows.moc"

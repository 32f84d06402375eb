// The spreadsheet grid and its cell model.
#include "app/Grid.h"

#include "support/test_env.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace fiscalia;

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinTestEnvironment(); }

    void headingsDataAndRangesLiveInGridCoordinates()
    {
        Grid grid;
        QAbstractItemModelTester tester(&grid.cells(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.setCols(6);
        grid.setRows(23);
        QCOMPARE(grid.rows(), 23);
        QCOMPARE(grid.cells().rowCount(), 22); // row 0 is the heading row
        grid.setText(0, 1, QStringLiteral("Interest Payment"));
        QCOMPARE(grid.cells().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Interest Payment"));
        grid.setText(3, 2, QStringLiteral("1,234.56"));
        QCOMPARE(grid.cells().index(2, 2).data().toString(), QStringLiteral("1,234.56"));
        QCOMPARE(grid.text(3, 2), QStringLiteral("1,234.56"));
        grid.cells().fill(1, 0, 22, 5, QStringLiteral("x"));
        QCOMPARE(grid.text(22, 5), QStringLiteral("x"));
        QCOMPARE(grid.text(0, 1), QStringLiteral("Interest Payment"));
        grid.clearData();
        QCOMPARE(grid.text(3, 2), QString());
        // Out of range reads give nothing and writes change nothing.
        grid.setText(99, 99, QStringLiteral("lost"));
        QCOMPARE(grid.text(99, 99), QString());
        QCOMPARE(grid.text(-1, 0), QString());
        grid.setRows(5);
        QCOMPARE(grid.text(0, 1), QStringLiteral("Interest Payment"));
    }

    void aWholeScheduleFillsInOneReset()
    {
        Grid grid;
        QAbstractItemModelTester tester(&grid.cells(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.setCols(6);
        QSignalSpy resets(&grid.cells(), &QAbstractItemModel::modelReset);
        std::vector<QString> cells(2130 * 6, QStringLiteral("999,999.99"));
        cells[6] = QStringLiteral("   2");
        grid.cells().setDataRows(2131, cells);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(grid.rows(), 2131);
        QCOMPARE(grid.text(2, 0), QStringLiteral("   2"));
        QCOMPARE(grid.text(2130, 5), QStringLiteral("999,999.99"));
        // Fewer cells than rows: the rest are empty.
        grid.cells().setDataRows(30, {QStringLiteral("a")});
        QCOMPARE(grid.text(1, 0), QStringLiteral("a"));
        QCOMPARE(grid.text(29, 5), QString());
    }

    void theCurrentCellAndItsSignalsUseGridRows()
    {
        Grid grid;
        grid.setCols(2);
        grid.setRows(20);
        QSignalSpy changed(&grid, &Grid::currentCellChanged);
        grid.setCurrentCell(1, 1);
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(grid.currentCol(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toInt(), 1);
        QCOMPARE(changed.first().at(1).toInt(), 1);
    }

    void aKeyHandlerSeesKeysFirst()
    {
        Grid grid;
        grid.setCols(2);
        grid.setRows(20);
        grid.show();
        grid.setCurrentCell(1, 1);
        QString typed;
        grid.keyHandler = [&](QKeyEvent* event) {
            if (event->text().isEmpty())
                return false;
            typed += event->text();
            return true;
        };
        QTest::keyClicks(&grid, QStringLiteral("12.5"));
        QCOMPARE(typed, QStringLiteral("12.5"));
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.currentRow(), 2);
    }

    void widthsAreGivenInTwips()
    {
        Grid grid;
        grid.setCols(3);
        grid.setColWidthTwips(1, 1500);
        QCOMPARE(grid.columnWidth(1), 100);
        grid.setRowHeightTwips(300);
        QCOMPARE(grid.verticalHeader()->defaultSectionSize(), 20);
    }

    void aFillingGridSharesItsExtraWidth()
    {
        Grid grid;
        grid.setCols(2);
        grid.setRows(5);
        grid.setColWidthTwips(0, 1500);
        grid.setColWidthTwips(1, 3000);
        grid.setFillWidth(true);
        grid.resize(800, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const int extra = (grid.viewport()->width() - 300) / 2;
        QCOMPARE(grid.columnWidth(0), 100 + extra);
        QCOMPARE(grid.columnWidth(1), 200 + extra);
        grid.resize(200, 300); // narrower than the columns: they keep their widths
        QCoreApplication::processEvents();
        QCOMPARE(grid.columnWidth(0), 100);
    }
};

FISCALIA_TEST_MAIN(GridTest)
#include "tst_grid.moc"

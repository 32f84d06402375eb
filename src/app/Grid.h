#pragma once
#include "app/table_text.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fiscalia {

struct ExportTarget;

// The cells of a spreadsheet grid: row 0 is the fixed heading row (shown as
// the view's header), column 0 the fixed row-label column; everything else is
// data. Cells are plain texts held in one flat array.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int gridRows() const { return rows_; }
    int gridCols() const { return cols_; }
    void resize(int rows, int cols); // keeps the cells that stay in range

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    // Sets every cell of the range at once (the fill of a selected range).
    void fill(int row1, int col1, int row2, int col2, const QString& text);
    // Replaces all data rows (1 ...) in one reset; `cells` holds rows of
    // gridCols() texts each, short rows padded with empty cells.
    void setDataRows(int rows, const std::vector<QString>& cells);
    // The same from the engine's texts (UTF-8).
    void setDataRows(int rows, const std::vector<std::string>& cells);
    void setAlignment(int col, Qt::Alignment alignment);
    // Whether column 0 looks fixed (the row labels of a table) or like the
    // other columns (names typed into a statement).
    void setFixedFirstColumn(bool fixed) { fixedFirst_ = fixed; }
    // The texts of a range of cells, row by row (heading row 0 included
    // when the range starts there).
    TextTable texts(int row1, int col1, int row2, int col2) const;
    // The last row with any text in it.
    int lastFilledRow() const;
    // The longest text of a column (in characters), for its width.
    QString longestText(int col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool inRange(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    int rows_ = 1;
    int cols_ = 1;
    std::vector<QString> cells_;
    std::vector<Qt::Alignment> alignments_;
    bool fixedFirst_ = true;
};

// The spreadsheet grid widget used by every tool: grid rows and columns, row
// height, column widths (in twips), alignments, the current cell, cell texts,
// range fill and bulk fill, and click, cell-change and key hooks. Arrow keys
// move between cells; Tab and Shift+Tab move on to the window's other
// controls. A column widens to show its widest text whole. Selected cells
// are copied with Ctrl+C as tab-separated text; the context menu offers
// "Copy" and, once export is enabled, "Export as CSV…".
class Grid : public QTableView {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    GridModel& cells() { return model_; }
    const GridModel& cells() const { return model_; }

    void setRows(int rows);
    void setCols(int cols);
    int rows() const { return model_.gridRows(); }
    int cols() const { return model_.gridCols(); }

    void setColWidthTwips(int col, int twips);
    void setRowHeightTwips(int twips);
    void setHeadingHeightTwips(int twips);
    // Columns share any width beyond their own, so a wide window has no
    // empty band at the right.
    void setFillWidth(bool fill);
    void setColAlignment(int col, Qt::Alignment alignment) { model_.setAlignment(col, alignment); }

    QString text(int row, int col) const { return model_.cell(row, col); }
    void setText(int row, int col, const QString& text) { model_.setCell(row, col, text); }
    // Empties every data cell (rows 1..., all columns).
    void clearData();

    // The current cell in grid coordinates (row 1 is the first data row).
    int currentRow() const;
    int currentCol() const;
    void setCurrentCell(int row, int col);

    // A key press on the grid: return true when the key was taken.
    std::function<bool(QKeyEvent*)> keyHandler;

    // The selected cells as shown (the current cell when nothing is selected).
    TextTable selectedTexts() const;
    // The whole table with its headings, down to the last filled row.
    TextTable allTexts() const;
    void copySelection() const;
    // Lets the context menu export the whole table as comma-separated values.
    void enableExport(const ExportTarget& target);
    bool exportAll();

signals:
    void cellClicked(int row, int col);
    void currentCellChanged(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void spreadColumns();
    // Each column at least as wide as its widest text.
    void fitColumns(int firstCol, int lastCol);
    int baseWidth(int col) const;
    GridModel model_;
    bool fillWidth_ = false;
    std::vector<int> baseWidths_;
    std::vector<int> textWidths_;
    std::unique_ptr<ExportTarget> export_;
};

} // namespace fiscalia

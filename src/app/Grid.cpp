#include "app/Grid.h"

#include "app/placement.h"
#include "app/QtText.h"
#include "app/TableExport.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

#include <climits>

namespace fiscalia {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent)
{
    cells_.resize(1);
    alignments_.resize(1, Qt::AlignRight | Qt::AlignVCenter);
}

void GridModel::resize(int rows, int cols)
{
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    if (rows == rows_ && cols == cols_)
        return;
    beginResetModel();
    std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] = std::move(cells_[static_cast<std::size_t>(r * cols_ + c)]);
    cells_ = std::move(cells);
    alignments_.resize(static_cast<std::size_t>(cols), Qt::AlignRight | Qt::AlignVCenter);
    rows_ = rows;
    cols_ = cols;
    endResetModel();
}

QString GridModel::cell(int row, int col) const
{
    return inRange(row, col) ? cells_[static_cast<std::size_t>(row * cols_ + col)] : QString();
}

void GridModel::setCell(int row, int col, const QString& text)
{
    if (!inRange(row, col))
        return;
    cells_[static_cast<std::size_t>(row * cols_ + col)] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void GridModel::fill(int row1, int col1, int row2, int col2, const QString& text)
{
    row1 = std::max(row1, 0);
    col1 = std::max(col1, 0);
    row2 = std::min(row2, rows_ - 1);
    col2 = std::min(col2, cols_ - 1);
    if (row1 > row2 || col1 > col2)
        return;
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            cells_[static_cast<std::size_t>(r * cols_ + c)] = text;
    if (row1 == 0)
        emit headerDataChanged(Qt::Horizontal, col1, col2);
    if (row2 >= 1)
        emit dataChanged(index(std::max(row1, 1) - 1, col1), index(row2 - 1, col2));
}

void GridModel::setDataRows(int rows, const std::vector<std::string>& cells)
{
    std::vector<QString> texts;
    texts.reserve(cells.size());
    for (const std::string& text : cells)
        texts.push_back(qs(text));
    setDataRows(rows, texts);
}

void GridModel::setDataRows(int rows, const std::vector<QString>& cells)
{
    beginResetModel();
    rows_ = std::max(rows, 1);
    cells_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_));
    const std::size_t heading = static_cast<std::size_t>(cols_);
    std::fill(cells_.begin() + static_cast<std::ptrdiff_t>(heading), cells_.end(), QString());
    const std::size_t count = std::min(cells.size(), cells_.size() - heading);
    std::copy(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(count),
              cells_.begin() + static_cast<std::ptrdiff_t>(heading));
    endResetModel();
}

void GridModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= cols_)
        return;
    alignments_[static_cast<std::size_t>(col)] = alignment;
    if (rows_ > 1)
        emit dataChanged(index(0, col), index(rows_ - 2, col), {Qt::TextAlignmentRole});
}

TextTable GridModel::texts(int row1, int col1, int row2, int col2) const
{
    TextTable table;
    for (int r = std::max(row1, 0); r <= std::min(row2, rows_ - 1); ++r) {
        std::vector<std::string> row;
        for (int c = std::max(col1, 0); c <= std::min(col2, cols_ - 1); ++c)
            row.push_back(ss(cell(r, c)));
        table.push_back(std::move(row));
    }
    return table;
}

int GridModel::lastFilledRow() const
{
    for (int r = rows_ - 1; r > 0; --r)
        for (int c = 0; c < cols_; ++c)
            if (!cells_[static_cast<std::size_t>(r * cols_ + c)].trimmed().isEmpty())
                return r;
    return 0;
}

QString GridModel::longestText(int col) const
{
    qsizetype longest = -1;
    QString text;
    for (int r = 1; r < rows_; ++r) {
        const QString& cellText = cells_[static_cast<std::size_t>(r * cols_ + col)];
        if (cellText.size() > longest) {
            longest = cellText.size();
            text = cellText;
        }
    }
    return text;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_ - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !inRange(index.row() + 1, index.column()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cells_[static_cast<std::size_t>((index.row() + 1) * cols_ + index.column())];
    case Qt::TextAlignmentRole:
        return QVariant(int(alignments_[static_cast<std::size_t>(index.column())]));
    case Qt::BackgroundRole:
        if (index.column() == 0 && fixedFirst_)
            return QPalette().button();
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= cols_)
        return {};
    if (role == Qt::DisplayRole)
        return cells_[static_cast<std::size_t>(section)];
    if (role == Qt::TextAlignmentRole)
        return QVariant(int(Qt::AlignCenter | Qt::TextWordWrap));
    return {};
}

Grid::Grid(QWidget* parent) : QTableView(parent)
{
    setModel(&model_);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(255) + 2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control; the arrows move in it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        emit cellClicked(index.row() + 1, index.column());
    });
    // A column widens for a wider text, so no number is ever cut.
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { fitColumns(0, cols() - 1); });
    connect(&model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { fitColumns(from.column(), to.column()); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid())
                    emit currentCellChanged(current.row() + 1, current.column());
            });
}

Grid::~Grid() = default;

void Grid::setRows(int rows)
{
    model_.resize(rows, model_.gridCols());
}

void Grid::setCols(int cols)
{
    model_.resize(model_.gridRows(), cols);
}

void Grid::setColWidthTwips(int col, int twips)
{
    if (col < 0)
        return;
    if (static_cast<int>(baseWidths_.size()) <= col)
        baseWidths_.resize(static_cast<std::size_t>(col) + 1, 0);
    baseWidths_[static_cast<std::size_t>(col)] = twipsToPixels(twips);
    setColumnWidth(col, baseWidth(col));
    spreadColumns();
}

void Grid::setFillWidth(bool fill)
{
    fillWidth_ = fill;
    spreadColumns();
}

int Grid::baseWidth(int col) const
{
    const auto i = static_cast<std::size_t>(col);
    const int design = i < baseWidths_.size() && baseWidths_[i] > 0 ? baseWidths_[i] : 0;
    const int text = i < textWidths_.size() ? textWidths_[i] : 0;
    return std::max(design, text);
}

void Grid::fitColumns(int firstCol, int lastCol)
{
    textWidths_.resize(static_cast<std::size_t>(cols()), 0);
    bool wider = false;
    const QFontMetrics metrics(font());
    for (int c = std::max(firstCol, 0); c <= std::min(lastCol, cols() - 1); ++c) {
        const int needed = metrics.horizontalAdvance(model_.longestText(c)) + 2 * metrics.averageCharWidth();
        textWidths_[static_cast<std::size_t>(c)] = needed;
        if (needed > columnWidth(c)) {
            setColumnWidth(c, needed);
            wider = true;
        }
    }
    if (wider || fillWidth_)
        spreadColumns();
}

void Grid::spreadColumns()
{
    if (!fillWidth_ || baseWidths_.empty())
        return;
    int total = 0;
    for (int i = 0; i < cols(); ++i)
        total += baseWidth(i) > 0 ? baseWidth(i) : columnWidth(i);
    const int room = viewport()->width();
    const int extra = std::max(0, room - total) / std::max(1, cols());
    for (int i = 0; i < cols(); ++i)
        setColumnWidth(i, (baseWidth(i) > 0 ? baseWidth(i) : columnWidth(i)) + extra);
}

void Grid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    spreadColumns();
}

void Grid::setRowHeightTwips(int twips)
{
    verticalHeader()->setDefaultSectionSize(twipsToPixels(twips));
}

void Grid::setHeadingHeightTwips(int twips)
{
    horizontalHeader()->setFixedHeight(twipsToPixels(twips));
}

void Grid::clearData()
{
    model_.fill(1, 0, model_.gridRows() - 1, model_.gridCols() - 1, QString());
}

int Grid::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

int Grid::currentCol() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() : 0;
}

void Grid::setCurrentCell(int row, int col)
{
    const QModelIndex index = model_.index(row - 1, col);
    if (index.isValid())
        setCurrentIndex(index);
}

TextTable Grid::selectedTexts() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return {};
        return model_.texts(current.row() + 1, current.column(), current.row() + 1, current.column());
    }
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    return model_.texts(top + 1, left, bottom + 1, right);
}

TextTable Grid::allTexts() const
{
    return model_.texts(0, 0, model_.lastFilledRow(), cols() - 1);
}

void Grid::copySelection() const
{
    copyTable(selectedTexts());
}

void Grid::enableExport(const ExportTarget& target)
{
    export_ = std::make_unique<ExportTarget>(target);
}

bool Grid::exportAll()
{
    return export_ && exportTable(*export_, allTexts());
}

void Grid::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("&Copy"), this, &Grid::copySelection);
    if (export_)
        menu.addAction(tr("&Export as CSV\u2026"), this, &Grid::exportAll);
    menu.exec(event->globalPos());
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    if (keyHandler && keyHandler(event))
        return;
    QTableView::keyPressEvent(event);
}

} // namespace fiscalia

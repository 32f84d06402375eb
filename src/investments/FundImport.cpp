#include "investments/FundImport.h"

#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "app/WindowLayout.h"
#include "investments/fund_import.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// The status comes first, so why a line is left out shows without scrolling.
constexpr int StatusColumn = 1;

// The design widths of the preview's columns, in twips.
constexpr int ColumnTwips[ImportGridColumns] = {600, 2000, 1300, 2400, 1500, 1300, 1300, 1300, 1300, 1300};

// Lines that will not be added are written in dark red, their status saying why.
class RefusedLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString status = index.sibling(index.row(), StatusColumn).data(Qt::DisplayRole).toString();
        if (status.startsWith(QLatin1String("not added"))) {
            option->palette.setColor(QPalette::Text, QColor(160, 0, 0));
            option->palette.setColor(QPalette::HighlightedText, QColor(255, 200, 200));
        }
    }
};

} // namespace

FundImport::FundImport(const ImportPreview& preview, const QString& fileName, const NumberSymbols& symbols,
                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FundImport"));
    setWindowTitle(QStringLiteral("Import Transactions"));
    setHelpContext(this, HelpTopic::InvestmentManager);

    auto* file = new QLabel(QStringLiteral(" File: %1").arg(fileName), this);
    file->setObjectName(QStringLiteral("ImportFile"));
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counts_ = new QLabel(QLatin1Char(' ') + qs(importCounts(preview)), this);
    counts_->setObjectName(QStringLiteral("ImportCounts"));
    QFont bold = counts_->font();
    bold.setBold(true);
    counts_->setFont(bold);

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("ImportGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setCols(ImportGridColumns);
    grid_->setRows(1);
    for (int c = 0; c < ImportGridColumns; ++c) {
        grid_->setColWidthTwips(c, ColumnTwips[c]);
        grid_->setText(0, c, QString::fromLatin1(ImportGridHeadings[c]));
        const bool words = c >= StatusColumn && c <= 4;
        grid_->setColAlignment(c, c == 0 ? Qt::AlignCenter
                                  : words ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->setItemDelegate(new RefusedLines(grid_));
    const std::vector<std::string> texts = importGridCells(preview, symbols, [](const Date& date) {
        return ss(toShortDate(date));
    });
    grid_->cells().setDataRows(static_cast<int>(preview.lines.size()) + 1, texts);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setAccessibleName(QStringLiteral("Lines of the file"));
    // Every column in view (the columns have widened for their texts) as
    // far as the screen allows.
    int columnsWidth = grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    for (int c = 0; c < ImportGridColumns; ++c)
        columnsWidth += grid_->columnWidth(c);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() - 80 : 860;
    grid_->setMinimumSize(std::max(std::min(columnsWidth, room), 480), 280);

    auto* note = captionLabel("ImportNote",
                              QStringLiteral(" Nothing is stored until you press Import. Lines marked \"not added\" "
                                             "are left out; you can type them in Add and Edit Records."),
                              this);

    accept_ = new QPushButton(QStringLiteral("&Import"), this);
    accept_->setObjectName(QStringLiteral("ImportAccept"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("ImportCancel"));
    const bool anything = preview.accepted > 0;
    accept_->setEnabled(anything);
    accept_->setDefault(anything);
    cancel->setDefault(!anything);
    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(counts_);
    layout->addWidget(grid_, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    if (anything)
        accept_->setFocus();
    else
        cancel->setFocus();
}

} // namespace fiscalia

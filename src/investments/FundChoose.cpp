#include "investments/FundChoose.h"

#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "investments/fund_state.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// Enter in the list chooses the selected fund, as a double click does.
class FundList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void(int)> onChoose;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0 && onChoose) {
            onChoose(currentRow());
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

FundChoose::FundChoose(FundState& funds, QWidget* parent) : QDialog(parent), funds_(funds)
{
    setObjectName(QStringLiteral("FundChoose"));
    setWindowTitle(QStringLiteral("Select Fund to Display"));
    setHelpContext(this, HelpTopic::FundTable);
    auto* list = new FundList(this);
    list_ = list;
    list_->setObjectName(QStringLiteral("Fund"));
    for (int f = 1; f <= funds_.FundCount; ++f)
        list_->addItem(qs(funds_.FundList[static_cast<std::size_t>(f)].name));
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 36);
    list->onChoose = [this](int row) { chooseFund(row); };
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { chooseFund(list_->row(item)); });

    auto* label = new QLabel(QStringLiteral(" Double click a Fund name to show its       records or All Records for complete list."),
                             this);
    label->setObjectName(QStringLiteral("Label2"));
    label->setWordWrap(true);
    label->setBuddy(list_);
    list_->setAccessibleName(QStringLiteral("Funds"));
    auto* all = new QPushButton(QStringLiteral("&All Records"), this);
    all->setObjectName(QStringLiteral("AllRec"));
    all->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, &FundChoose::chooseAll);
    connect(cancel, &QPushButton::clicked, this, &FundChoose::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    list_->setFocus();
}

void FundChoose::chooseFund(int row)
{
    if (row < 0 || row >= funds_.FundCount)
        return;
    funds_.ActiveFund = row + 1;
    accept();
}

void FundChoose::chooseAll()
{
    funds_.ActiveFund = AllRecordsSlot;
    accept();
}

void FundChoose::reject()
{
    funds_.ActiveFund = 0;
    QDialog::reject();
}

} // namespace fiscalia

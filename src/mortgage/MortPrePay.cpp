#include "mortgage/MortPrePay.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/input_filters.h"
#include "app/number_format.h"
#include "app/QtText.h"
#include "mortgage/mortgage_file.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace fiscalia {

MortPrePay::MortPrePay(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("MortPrePay"));
    setWindowTitle(QStringLiteral("Additional Payments"));
    setHelpContext(this, HelpTopic::AdditionalPayments);
    MortgageState& ms = state_.Mortgage;
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, [this] { state_.EditFlag = 1; }});

    const double term = state_.InputValues.size() > 3 ? state_.InputValues[3].toDouble() : 0.0;
    years_ = std::clamp(static_cast<int>(std::nearbyint(term)), 0, ExtraPaymentRows - 1);
    ms.ExtraRows = years_;

    auto* label = new QLabel(QStringLiteral("Use either one or both as methods of pre-payment"), this);
    label->setObjectName(QStringLiteral("Label2"));

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("PGrid"));
    grid_->setCols(2);
    grid_->setRows(std::max(20, years_ + 1));
    grid_->setText(0, 0, QStringLiteral("Year Number"));
    grid_->setText(0, 1, QStringLiteral("Amount of Payment"));
    grid_->setColAlignment(0, Qt::AlignCenter);
    grid_->setColWidthTwips(0, 1400);
    grid_->setColWidthTwips(1, 2000);
    grid_->setHeadingHeightTwips(450);
    grid_->setAccessibleName(tr("Additional payment of each year"));
    grid_->keyHandler = [this](QKeyEvent* event) { return gridKey(event); };
    connect(grid_, &Grid::currentCellChanged, this, [this](int row, int) {
        if (row != typedRow_)
            typed_.clear();
        typedRow_ = row;
    });
    auto* payments = new QGroupBox(QStringLiteral("Apply a payment to year/s"), this);
    auto* paymentsLayout = new QVBoxLayout(payments);
    paymentsLayout->addWidget(grid_);
    grid_->setFixedWidth(grid_->columnWidth(0) + grid_->columnWidth(1) + grid_->frameWidth() * 2 + 22);

    BoxSpec percentSpec;
    percentSpec.decimals = 3;
    percentSpec.pattern = QStringLiteral("##0.000");
    percentSpec.width = 9;
    percentSpec.suffix = QStringLiteral("%");
    percentSpec.limit = 100;
    percentSpec.limitMessage = 52;
    percentSpec.onValue = [this](const Currency& value) {
        state_.Mortgage.PIIncrease = static_cast<float>(value.toDouble() / 100.0);
    };
    percent_ = new GreenLineEdit(*host_, percentSpec, this);
    percent_->setObjectName(QStringLiteral("InPercent"));
    percent_->setText(percent_->formatValue(static_cast<double>(ms.PIIncrease) * 100.0));
    percent_->setFixedWidth(percent_->fontMetrics().horizontalAdvance(QString(12, QLatin1Char('0'))));
    auto* increase = new QGroupBox(QStringLiteral("Increase P+I by percentage"), this);
    auto* increaseLayout = new QHBoxLayout(increase);
    increaseLayout->addWidget(percent_);
    increaseLayout->addStretch();

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("UsePrePay"));
    auto* erase = new QPushButton(QStringLiteral("&Erase all"), this);
    erase->setObjectName(QStringLiteral("DoNotUse"));
    ok->setAutoDefault(true);
    erase->setAutoDefault(true);
    percent_->spec().next = ok;
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(erase, &QPushButton::clicked, this, &MortPrePay::eraseAll);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(erase);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(payments, 1);
    layout->addWidget(increase);
    layout->addLayout(buttons);
    resize(sizeHint().width(), 470);

    // Years without any amount get their numbers.
    bool anyAmount = false;
    for (const auto& row : ms.ExtraPayments)
        anyAmount = anyAmount || row[2] > Currency();
    if (!anyAmount)
        for (int y = 1; y <= years_; ++y)
            ms.ExtraPayments[static_cast<std::size_t>(y)][1] = Currency::fromInt(y);
    for (int y = 1; y <= years_; ++y) {
        grid_->setText(y, 0, QString::number(y));
        showAmount(y);
    }
    state_.EditFlag = 0;
    grid_->setCurrentCell(1, 1);
    grid_->setFocus();
}

MortPrePay::~MortPrePay() = default;

void MortPrePay::showAmount(int year)
{
    const Currency amount = state_.Mortgage.ExtraPayments[static_cast<std::size_t>(year)][2];
    grid_->setText(year, 1, qs(formatNumber(amount, "###,,###.00", state_.Symbols)));
}

bool MortPrePay::gridKey(QKeyEvent* event)
{
    const int row = grid_->currentRow();
    const int col = grid_->currentCol();
    const bool editable = col == 1 && row >= 1 && row <= years_;
    auto& amount = [&]() -> Currency& {
        return state_.Mortgage.ExtraPayments[static_cast<std::size_t>(std::clamp(row, 0, ExtraPaymentRows - 1))][2];
    }();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (row + 1 < grid_->rows())
            grid_->setCurrentCell(row + 1, col);
        return true;
    case Qt::Key_Backspace:
        if (editable) {
            typed_.clear();
            amount = Currency();
            showAmount(row);
        }
        return true;
    case Qt::Key_Delete:
        if (editable) {
            amount = Currency();
            showAmount(row);
        }
        return true;
    default:
        break;
    }
    if (event->matches(QKeySequence::Paste)) {
        return true; // amounts are typed
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false; // moving about the grid, shortcuts
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            continue;
        if (!editable)
            continue; // typing in the year column changes nothing
        if (!c.isDigit() && c != QLatin1Char('.')) {
            dialogs_.beep();
            continue;
        }
        if (c.unicode() > 127)
            continue;
        const QString candidate = typed_ + c;
        // A third decimal is ignored; a digit that would make the amount
        // more than the table can hold is refused with a beep.
        if (!acceptsNumberText(ss(candidate), NumberRule{2, false, 1.0}, false)) {
            const auto point = candidate.indexOf(QLatin1Char('.'));
            if (point < 0 || candidate.size() - point - 1 <= 2)
                dialogs_.beep();
            continue;
        }
        typed_ = candidate;
        amount = Currency::read(ss(typed_)).value_or(Currency());
        state_.Mortgage.ExtraPayments[static_cast<std::size_t>(row)][1] = Currency::fromInt(row);
        showAmount(row);
    }
    return true;
}

void MortPrePay::eraseAll()
{
    MortgageState& ms = state_.Mortgage;
    for (int y = 1; y <= years_; ++y) {
        ms.ExtraPayments[static_cast<std::size_t>(y)][2] = Currency();
        showAmount(y);
    }
    ms.ExtraCount = 0;
    ms.PIIncrease = 0.0f;
    percent_->setText(percent_->formatValue(0.0));
    typed_.clear();
}

void MortPrePay::done(int result)
{
    // Every way out keeps what was entered: the increase typed into its box
    // is stored and the years with an amount are counted.
    commitFocusedBox();
    state_.Mortgage.ExtraCount = countExtraPayments(state_.Mortgage);
    QDialog::done(result);
}

} // namespace fiscalia

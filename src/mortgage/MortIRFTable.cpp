#include "mortgage/MortIRFTable.h"

#include "app/app_state.h"
#include "app/HelpViewer.h"
#include "mortgage/mortgage_file.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fiscalia {

MortIRFTable::MortIRFTable(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), choice_(state.Mortgage.DaysChoice)
{
    setObjectName(QStringLiteral("MortIRFTable"));
    setWindowTitle(QStringLiteral("Accelerated payments"));
    setHelpContext(this, HelpTopic::DaysAndDates);

    auto* frame = new QGroupBox(QStringLiteral(" Change interest rate factor - days "), this);
    auto* options = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    static constexpr const char* Captions[] = {"365.25", "365", "364", "363"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(Captions[i]), frame);
        option->setObjectName(QStringLiteral("IRFactor%1").arg(i));
        option->setChecked(i == choice_);
        group->addButton(option, i);
        options->addWidget(option);
    }
    // The option that becomes checked is the choice, however it was checked.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            choice_ = id;
    });

    auto* label = new QLabel(QStringLiteral("Most Financial Institutions use 365 days."), this);
    label->setObjectName(QStringLiteral("Label1"));
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("ExitMort"));
    exit->setAutoDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(label);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (auto* current = group->button(choice_))
        current->setFocus();
}

void MortIRFTable::done(int result)
{
    // The chosen row's three values take effect as the dialog closes.
    setDaysChoice(state_.Mortgage, choice_);
    QDialog::done(result);
}

} // namespace fiscalia

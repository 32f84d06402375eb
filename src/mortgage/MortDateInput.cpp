#include "mortgage/MortDateInput.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/GreenBox.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

DateBox::DateBox(AppState& state, QWidget* parent) : TextBox(parent)
{
    makeGreen(this);
    setFirstKeyReplaces(&state.EditFlag);
    maxChars = 40; // the longest date a reader could type, month names included
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    if (!sameVisit(event->reason()) && onLeave)
        onLeave();
}

MortDateInput::MortDateInput(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("MortDateInput"));
    setWindowTitle(QStringLiteral("Date Input"));
    setHelpContext(this, HelpTopic::DaysAndDates);

    auto* label = new QLabel(QStringLiteral(" Type in the date of the    first payment"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QStringLiteral(" Type in the date of the")) + 12);
    box_ = new DateBox(state_, this);
    box_->setObjectName(QStringLiteral("InDate"));
    box_->setText(toShortDate(state_.Mortgage.StartDate));
    box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 20);
    label->setBuddy(box_);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OkExit"));
    ok->setAutoDefault(true);
    box_->next = ok;
    box_->onLeave = [this] {
        if (state_.EditFlag == 1)
            takeDate();
    };
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(box_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    state_.EditFlag = 0;
    box_->setFocus();
}

bool MortDateInput::takeDate()
{
    if (checking_)
        return true;
    checking_ = true;
    const auto date = parseUserDate(box_->text());
    const bool valid = date.has_value();
    // A valid date clears an earlier refusal, so the next "OK" closes.
    refused_ = !valid;
    if (valid) {
        state_.Mortgage.StartDate = fromQDate(*date);
        state_.Mortgage.StartDateSet = true;
    } else {
        dialogs_.message(10); // "Not a valid date, try again."
    }
    box_->setText(toShortDate(state_.Mortgage.StartDate));
    state_.EditFlag = 0;
    if (!valid)
        box_->setFocus();
    checking_ = false;
    return valid;
}

void MortDateInput::done(int result)
{
    // A date typed but not yet checked is checked now; a wrong one keeps the
    // window open, with the previous date back in the box.
    if (state_.EditFlag == 1 && box_->hasFocus() && !takeDate()) {
        refused_ = false; // reported here; the next press closes
        return;
    }
    if (refused_) {
        refused_ = false; // the button press that left the box
        return;
    }
    QDialog::done(result);
}

} // namespace fiscalia

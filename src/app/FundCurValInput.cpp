#include "app/FundCurValInput.h"

#include "app/Dialogs.h"
#include "app/HelpViewer.h"
#include "app/input_filters.h"
#include "app/QtText.h"
#include "app/TextBox.h"
#include "app/WindowLayout.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// The number box of the value input: digits, and for a price a point with
// at most two decimals; its text selected whenever it gets the focus.
class ValueBox : public TextBox {
public:
    ValueBox(int decimals, QWidget* parent) : TextBox(parent), decimals_(decimals) { maxChars = 18; }

protected:
    bool acceptsText(const QString& candidate, bool pasted) const override
    {
        return acceptsNumberText(ss(candidate), NumberRule{decimals_, false, 1.0}, pasted);
    }
    QChar mapCharacter(QChar c) const override
    {
        if (c.isDigit() && c.unicode() < 128)
            return c;
        return decimals_ > 0 && c == QLatin1Char('.') ? c : QChar();
    }
    void focusInEvent(QFocusEvent* event) override
    {
        TextBox::focusInEvent(event);
        selectAll();
    }

private:
    int decimals_;
};

} // namespace

FundCurValInput::FundCurValInput(ValueRequest request, const QString& initial, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FundCurValInput"));
    setHelpContext(this, request == ValueRequest::Price ? HelpTopic::FundTable : HelpTopic::NetWorth);
    setWindowTitle(QStringLiteral("Input "));
    const bool price = request == ValueRequest::Price;
    auto* label = new QLabel(price ? QStringLiteral("Current Price per Share")
                                   : QStringLiteral("Insert a blank line at line number "),
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    box_ = new ValueBox(price ? 2 : 0, this);
    box_->setObjectName(QStringLiteral("CurVal"));
    box_->setFont(figureFont());
    box_->setText(initial);
    box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QStringLiteral("000,000.0000")) + 12);
    box_->beep = [&dialogs] { dialogs.beep(); };
    label->setBuddy(box_);
    box_->setAccessibleName(spokenCaption(label->text()));

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Accept"));
    ok->setAutoDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("NoAccept"));
    cancel->setAutoDefault(true);
    box_->next = ok;
    connect(ok, &QPushButton::clicked, this, [this] {
        reply_ = box_->text();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { reply_.clear(); });

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(box_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box_->setFocus();
    box_->selectAll();
}

QString askValue(Dialogs& dialogs, QWidget* parent, ValueRequest request, const QString& initial)
{
    FundCurValInput input(request, initial, dialogs, parent);
    dialogs.runModal(input, DialogPlace::PriceInput);
    return input.reply();
}

} // namespace fiscalia

#include "app/PrinterHeaderInput.h"

#include "app/HelpViewer.h"
#include "app/TextBox.h"
#include "app/input_filters.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

PrinterHeaderInput::PrinterHeaderInput(QWidget* parent, const QString& prompt, const QString& acceptCaption)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PrinterHeaderInput"));
    setWindowTitle(QStringLiteral("Input"));
    setHelpContext(this, HelpTopic::Printing);

    // A long run of blanks in a prompt stands where its line was meant to
    // break ("the fund or               company.").
    QString shown = prompt;
    shown.replace(QRegularExpression(QStringLiteral(" {4,}")), QStringLiteral("\n"));
    auto* label = new QLabel(shown, this);
    label->setObjectName(QStringLiteral("FName"));
    label->setAccessibleName(prompt.simplified());
    input_ = new TextBox(this);
    input_->setObjectName(QStringLiteral("InFName"));
    input_->setMinimumWidth(input_->fontMetrics().averageCharWidth() * 60);
    input_->setAcceptDrops(false);
    input_->maxChars = NameLengthLimit; // a longer paste or key is refused with a beep
    label->setBuddy(input_);

    auto* accept = new QPushButton(acceptCaption, this);
    accept->setObjectName(QStringLiteral("Acept"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("NAcept"));
    // Enter on a button that has the focus presses it.
    accept->setAutoDefault(true);
    cancel->setAutoDefault(true);
    input_->next = accept;
    connect(accept, &QPushButton::clicked, this, [this] {
        accepted_ = true;
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(input_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    input_->setFocus();
}

std::optional<QString> PrinterHeaderInput::answer() const
{
    if (!accepted_)
        return std::nullopt;
    return input_->text();
}

} // namespace fiscalia

#include "app/AMsgbox.h"

#include "app/HelpViewer.h"
#include "app/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

AMsgbox::AMsgbox(const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AMsgbox"));
    setHelpContext(this, HelpTopic::Messages);
    setWindowTitle(QStringLiteral("Help"));
    textMsg_ = new QPlainTextEdit(text, this);
    textMsg_->setObjectName(QStringLiteral("TextMsg"));
    textMsg_->setReadOnly(true);
    textMsg_->setFocusPolicy(Qt::NoFocus);
    textMsg_->setFrameShape(QFrame::NoFrame);
    textMsg_->setAccessibleName(QStringLiteral("Message"));
    QPalette palette = textMsg_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    textMsg_->setPalette(palette);
    const QFontMetrics metrics(textMsg_->font());
    textMsg_->setFixedSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 5 + 8);

    exit_ = new QPushButton(QStringLiteral("E&xit"), this);
    exit_->setObjectName(QStringLiteral("AMsgExit"));
    exit_->setDefault(true);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textMsg_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    exit_->setFocus();
}

QString AMsgbox::text() const
{
    return textMsg_->toPlainText();
}

AllYesNo::AllYesNo(const QString& question, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AllYesNo"));
    setHelpContext(this, HelpTopic::Messages);
    setWindowTitle(QStringLiteral("Help"));
    auto* label = new QLabel(question, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 40);
    auto* yes = new QPushButton(QStringLiteral("&Yes"), this);
    yes->setObjectName(QStringLiteral("AllYes"));
    auto* no = new QPushButton(QStringLiteral("&No"), this);
    no->setObjectName(QStringLiteral("AllNo"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] {
        reply_ = YesReply;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        reply_ = NoReply;
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace fiscalia

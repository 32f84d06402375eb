#include "app/ToolWindow.h"

#include "app/app_state.h"
#include "app/HelpViewer.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

ToolWindow::ToolWindow(const ToolContext& context, QString caption, int helpContext, QWidget* parent)
    : QWidget(parent), state_(context.state), dialogs_(context.dialogs), shell_(context.shell),
      caption_(std::move(caption))
{
    setHelpContext(this, helpContext);
    setWindowTitle(caption_.trimmed());
    shell_.setFrameCaption(caption_);
}

QPushButton* ToolWindow::addButton(const char* objectName, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(true);
    return button;
}

void ToolWindow::exitToMenu()
{
    releaseResults();
    state_.ToolMode = 0;
    state_.ResultsReady = 0;
    state_.GraphKind = 0;
    shell_.setFrameCaption(QStringLiteral(" Fiscalia Menu"));
    shell_.unloadWindow(this);
    shell_.showMenu();
}

PlaceholderTool::PlaceholderTool(const ToolContext& context, const QString& caption, const QString& toolName,
                                 int helpContext)
    : ToolWindow(context, caption, helpContext)
{
    setObjectName(QStringLiteral("PlaceholderTool"));
    auto* title = new QLabel(toolName, this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* notice = new QLabel(tr("This tool is not available yet. Press F1 to read what it will do."), this);
    notice->setObjectName(QStringLiteral("NotAvailable"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);

    auto* exit = addButton("Exit", "E&xit to Menu");
    exit->setMinimumWidth(exit->sizeHint().width() + 40);
    connect(exit, &QPushButton::clicked, this, &ToolWindow::exitToMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(notice);
    layout->addStretch(3);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    exit->setFocus();
}

} // namespace fiscalia

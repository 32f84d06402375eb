#include "app/ToolWindow.h"

#include "app/app_state.h"
#include "app/HelpViewer.h"

#include <QPushButton>

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
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
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

} // namespace fiscalia

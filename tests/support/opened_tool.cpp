#include "support/opened_tool.h"

#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ToolWindow.h"
#include "support/ScriptedDialogs.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

namespace fiscalia::test {

OpenedTool::OpenedTool(const char* menuButton, bool withHelp) : program(withHelp)
{
    program.frame->menu()->button(QString::fromLatin1(menuButton))->click();
    tool = program.frame->activeTool();
}

AppState& OpenedTool::state()
{
    return program.frame->state();
}

ScriptedDialogs& OpenedTool::dialogs()
{
    return *program.dialogs;
}

QLineEdit* OpenedTool::box(const char* name) const
{
    QWidget* widget = tool->findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

QComboBox* OpenedTool::combo(const char* name) const
{
    return tool->findChild<QComboBox*>(QString::fromLatin1(name));
}

QString OpenedTool::textOf(const QLineEdit* edit)
{
    return edit ? edit->text() : QString();
}

QString OpenedTool::label(const char* name) const
{
    return tool->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QPushButton* OpenedTool::button(const char* name) const
{
    return tool->findChild<QPushButton*>(QString::fromLatin1(name));
}

Grid* OpenedTool::grid(const char* name) const
{
    return tool->findChild<Grid*>(QString::fromLatin1(name));
}

void OpenedTool::type(const char* name, const QString& keys)
{
    QWidget* widget = tool->findChild<QWidget*>(QString::fromLatin1(name));
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(widget, keys);
}

void OpenedTool::press(const char* name)
{
    QPushButton* b = button(name);
    b->setFocus(Qt::TabFocusReason); // leaving a box stores it
    b->click();
}

void OpenedTool::toggle(const char* name)
{
    QAccessible::queryAccessibleInterface(tool->findChild<QRadioButton*>(QString::fromLatin1(name)))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
}

QString OpenedTool::helpAt(int topic)
{
    program.frame->openHelp(QStringLiteral("fscuse35.hlp"), topic);
    return program.frame->helpViewer()->browser()->toPlainText();
}

} // namespace fiscalia::test

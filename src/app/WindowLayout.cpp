#include "app/WindowLayout.h"

#include "app/Dialogs.h"
#include "app/GreenBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

namespace fiscalia {

QFont figureFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QLabel* captionLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

QString spokenCaption(const QString& caption)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    return text.simplified();
}

ResultLabel::ResultLabel(const char* name, int chars, QWidget* parent) : QLabel(parent), chars_(chars)
{
    setObjectName(QString::fromLatin1(name));
    setFont(figureFont());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
}

QSize ResultLabel::minimumSizeHint() const
{
    const int least = fontMetrics().horizontalAdvance(QString(chars_, QLatin1Char('0'))) + 10;
    const QSize hint = QLabel::minimumSizeHint();
    return {std::max(least, hint.width()), hint.height()};
}

QSize ResultLabel::sizeHint() const
{
    return minimumSizeHint();
}

void setCaption(QLabel* caption, const QString& text)
{
    caption->setText(text);
    if (QWidget* control = caption->buddy()) {
        control->setAccessibleName(spokenCaption(text));
        // An editable list's text field is the same control to a reader.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(spokenCaption(text));
    }
}

QGridLayout* captionColumn(std::initializer_list<CaptionRow> rows, int captionWidth)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    int row = 0;
    for (const CaptionRow& r : rows) {
        r.caption->setBuddy(r.control);
        r.caption->setFixedWidth(captionWidth);
        setCaption(r.caption, r.caption->text());
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.control, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return grid;
}

QGridLayout* buttonRows(std::initializer_list<std::initializer_list<QWidget*>> rows)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    int r = 0;
    int columns = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (QWidget* widget : row)
            grid->addWidget(widget, r, c++);
        columns = std::max(columns, c);
        ++r;
    }
    grid->setColumnStretch(columns, 1);
    return grid;
}

QuickHelpPanel::QuickHelpPanel(Dialogs& dialogs, QWidget* parent) : QTextEdit(parent), dialogs_(dialogs)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setFont(figureFont());
    setAccessibleName(tr("Quick Help"));
    hide();
}

void QuickHelpPanel::setHelpText(const QString& text)
{
    setPlainText(text);
    static const QRegularExpression columns(QStringLiteral("\\S {3,}\\S"));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().contains(columns))
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setNonBreakableLines(true);
        cursor.setBlockFormat(format);
    }
}

void QuickHelpPanel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (enterTarget)
            enterTarget->setFocus(Qt::TabFocusReason);
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || (event->modifiers() & Qt::AltModifier)) {
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) || key == Qt::Key_Up
        || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        QTextEdit::keyPressEvent(event); // reading and copying the help
        return;
    }
    dialogs_.beep();
}

QuickHelpSwitch::QuickHelpSwitch(QPushButton* button, QuickHelpPanel* panel, QWidget* grid,
                                 QList<QWidget*> needResults)
    : button_(button), panel_(panel), grid_(grid), needResults_(std::move(needResults))
{
}

void QuickHelpSwitch::show(const QString& text)
{
    shown_ = true;
    button_->setText(QStringLiteral("Close &Help"));
    for (QWidget* w : needResults_)
        w->setEnabled(false);
    grid_->hide();
    panel_->setHelpText(text);
    panel_->show();
}

void QuickHelpSwitch::hide()
{
    shown_ = false;
    button_->setText(QStringLiteral("Quick &Help"));
    for (QWidget* w : needResults_)
        w->setEnabled(true);
    panel_->clear();
    panel_->hide();
    grid_->show();
}

namespace {

// A control announced by its caption (its accessible name), with what it
// shows as its value.
class CaptionedAccessible : public QAccessibleWidget {
public:
    CaptionedAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Value: return shown();
        case QAccessible::Description:
            // A figure's value is also said as its description, which every
            // reader reads.
            return role() == QAccessible::StaticText ? shown() : widget()->accessibleDescription();
        default: return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<QComboBox*>(widget()))
            names.prepend(showMenuAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (auto* combo = qobject_cast<QComboBox*>(widget()); combo && action == showMenuAction()) {
            combo->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QString shown() const
    {
        if (auto* combo = qobject_cast<QComboBox*>(widget()))
            return combo->currentText().trimmed();
        if (auto* label = qobject_cast<QLabel*>(widget()))
            return label->text().trimmed();
        return {};
    }
};

QAccessibleInterface* captionedAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("fiscalia::GreenComboBox"))
        return new CaptionedAccessible(widget, QAccessible::ComboBox);
    if (className == QLatin1String("fiscalia::ResultLabel"))
        return new CaptionedAccessible(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installAccessibleNames()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(captionedAccessible);
}

} // namespace fiscalia

#include "app/OneLineBox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace fiscalia {

void OneLineBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (next)
            next->setFocus(Qt::TabFocusReason);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        QString pasted = QApplication::clipboard()->text();
        pasted = pasted.left(pasted.indexOf(QLatin1Char('\n')));
        insert(pasted.remove(QLatin1Char('"')).remove(QLatin1Char('\r')));
        return;
    }
    if (event->text().contains(QLatin1Char('"')))
        return;
    QLineEdit::keyPressEvent(event);
}

} // namespace fiscalia

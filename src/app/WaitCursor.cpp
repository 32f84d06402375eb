#include "app/WaitCursor.h"

#include <QApplication>

namespace fiscalia {

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

} // namespace fiscalia

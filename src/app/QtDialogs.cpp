#include "app/QtDialogs.h"

#include "app/AMsgbox.h"
#include "app/app_state.h"
#include "app/messages.h"
#include "app/ui_text.h"

#include <QApplication>
#include <QDate>

namespace fiscalia {

void placeDialog(QWidget& dialog, const QWidget* frame, DialogPlace place, int frameSize)
{
    if (!frame)
        return;
    const TwipsPoint offset = dialogOffset(place, frameSize);
    const QPoint corner = frame->frameGeometry().topLeft();
    dialog.move(corner + QPoint(twipsToPixels(offset.left), twipsToPixels(offset.top)));
}

QString messageWindowText(int number)
{
    return qs(messageText(number, ss(toShortDate(QDate::currentDate()))));
}

QtDialogs::QtDialogs(AppState& state, QWidget* frame) : state_(state), frame_(frame) {}

void QtDialogs::message(int number)
{
    state_.MsgNumber = number;
    notice(messageWindowText(number));
}

void QtDialogs::notice(const QString& text)
{
    AMsgbox box(text, frame_);
    runModal(box, DialogPlace::Message);
}

bool QtDialogs::question(int number)
{
    state_.YesNoCode = number;
    AllYesNo window(qs(questionText(number, state_.CurrentFileName)), frame_);
    runModal(window, DialogPlace::Message);
    state_.YesNoCode = window.reply();
    return state_.YesNoCode == YesReply;
}

void QtDialogs::beep()
{
    QApplication::beep();
}

int QtDialogs::runModal(QDialog& dialog, DialogPlace place)
{
    dialog.adjustSize();
    placeDialog(dialog, frame_, place, state_.FrameSize);
    return dialog.exec();
}

} // namespace fiscalia

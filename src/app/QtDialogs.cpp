#include "app/QtDialogs.h"

#include "app/AMsgbox.h"
#include "app/app_state.h"
#include "app/messages.h"
#include "app/QtText.h"

#include "app/file_requests.h"
#include "app/PrinterHeaderInput.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

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
    const int result = dialog.exec();
    // The keyboard goes back to the frame (a desktop without a window
    // manager leaves it nowhere).
    if (frame_)
        frame_->activateWindow();
    return result;
}

std::optional<QString> QtDialogs::lineInput(const QString& prompt, const QString& acceptCaption)
{
    PrinterHeaderInput input(frame_, prompt, acceptCaption);
    runModal(input, DialogPlace::PrinterHeader);
    return input.answer();
}

QString QtDialogs::chooseFile(const FileRequest& request, const QString& defaultName)
{
    if (lastFolder_.isEmpty()) {
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (lastFolder_.isEmpty() || !QFileInfo(lastFolder_).isDir())
            lastFolder_ = QDir::homePath();
    }
    const QString offered = defaultName.isEmpty() ? QString() : QDir(lastFolder_).filePath(defaultName);
    QString selection = offered;
    while (true) {
        QFileDialog dialog(frame_, request.save ? QStringLiteral("Save File As") : QStringLiteral("Open a File"),
                           lastFolder_, qs(request.description));
        dialog.setObjectName(QStringLiteral("FileDir"));
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!selection.isEmpty())
            dialog.selectFile(selection);
        const int answer = dialog.exec();
        if (frame_)
            frame_->activateWindow();
        if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        QString path = dialog.selectedFiles().constFirst();
        if (request.save)
            path = qs(withExtension(ss(path), request.extension));
        lastFolder_ = QFileInfo(path).absolutePath();
        // Saving over another existing file is asked first; the file that
        // was offered (the one in use) is simply replaced.
        if (request.save && QFileInfo::exists(path) && QFileInfo(path) != QFileInfo(offered)) {
            AllYesNo replace(QStringLiteral("%1 already exists. Do you want to replace it?")
                                 .arg(QFileInfo(path).fileName()),
                             frame_);
            runModal(replace, DialogPlace::Message);
            if (replace.reply() != YesReply) {
                selection = path;
                continue;
            }
        }
        return QFileInfo(path).absoluteFilePath();
    }
}

bool QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, frame_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (frame_)
        frame_->activateWindow();
    return accepted;
}

} // namespace fiscalia

#include "app/QtDialogs.h"

#include "app/AMsgbox.h"
#include "app/app_state.h"
#include "app/messages.h"
#include "app/QtText.h"

#include "app/file_requests.h"
#include "app/HelpViewer.h"
#include "app/PrinterHeaderInput.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

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

QtDialogs::QtDialogs(AppState& state, QWidget* frame, QString dataDir)
    : state_(state), frame_(frame), dataDir_(std::move(dataDir))
{
}

void QtDialogs::message(int number)
{
    state_.MsgNumber = number;
    notice(messageWindowText(number));
}

void QtDialogs::messageWithCause(int number, const QString& cause)
{
    state_.MsgNumber = number;
    notice(messageWindowText(number) + QStringLiteral("\n\n(") + cause + QStringLiteral(")"));
}

void QtDialogs::notice(const QString& text)
{
    AMsgbox box(text, frame_);
    runModal(box, DialogPlace::Message);
}

bool QtDialogs::question(int number)
{
    state_.YesNoCode = number;
    AllYesNo window(qs(questionText(number, state_.CurrentFileName, state_.Funds.SelectedRecordText)), frame_);
    runModal(window, DialogPlace::Message);
    state_.YesNoCode = window.reply();
    return state_.YesNoCode == YesReply;
}

bool QtDialogs::confirm(const QString& text)
{
    AllYesNo window(text, frame_);
    runModal(window, DialogPlace::Message);
    return window.reply() == YesReply;
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

namespace {

// The file dialog: a name that cannot be a file's (too long, say) is
// reported with the request's message instead of being refused silently.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
               std::function<void()> badName)
        : QFileDialog(parent, caption, folder, filter), badName_(std::move(badName))
    {
        setHelpContext(this, HelpTopic::Files);
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty() && !isValidFileName(ss(files.constFirst()))) {
            badName_();
            return;
        }
        QFileDialog::accept();
    }

private:
    std::function<void()> badName_;
};

} // namespace

QString QtDialogs::chooseFile(const FileRequest& request, const QString& defaultPath)
{
    if (lastFolder_.isEmpty()) {
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (lastFolder_.isEmpty() || !QFileInfo(lastFolder_).isDir())
            lastFolder_ = QDir::homePath();
    }
    // A remembered full path opens its own folder; a bare name the folder
    // used last.
    QString selection;
    QString folder = lastFolder_;
    if (!defaultPath.isEmpty() && QDir::isAbsolutePath(defaultPath)) {
        selection = defaultPath;
        if (QFileInfo(QFileInfo(defaultPath).absolutePath()).isDir())
            folder = QFileInfo(defaultPath).absolutePath();
    } else if (!defaultPath.isEmpty()) {
        selection = QDir(lastFolder_).filePath(defaultPath);
    }
    FileDialog dialog(frame_, request.save ? QStringLiteral("Save File As") : QStringLiteral("Open a File"), folder,
                      qs(request.description), [this, &request] {
                          if (request.badNameMessage)
                              message(request.badNameMessage);
                      });
    dialog.setObjectName(QStringLiteral("FileDir"));
    // The program asks before replacing a file itself.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The places a user looks: home, documents, and the folder of the sample
    // files the Quick Help names (beside the help files).
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        places << QUrl::fromLocalFile(documents);
    places << QUrl::fromLocalFile(dataDir_.isEmpty() ? QCoreApplication::applicationDirPath() : dataDir_);
    dialog.setSidebarUrls(places);
    if (!selection.isEmpty())
        dialog.selectFile(selection);
    const int answer = dialog.exec();
    if (frame_)
        frame_->activateWindow();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

PrintOutcome QtDialogs::print(QPrinter& printer, const PagePainter& paint)
{
    QPrintDialog dialog(&printer, frame_);
    setHelpContext(&dialog, HelpTopic::Printing);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    bool printedFromPreview = false;
    bool drawn = true;
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* previewButton = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
        previewButton->setObjectName(QStringLiteral("PrintPreview"));
        QObject::connect(previewButton, &QPushButton::clicked, &dialog, [&] {
            // The pages as they will print, with the preview's own print button.
            QPrintPreviewDialog preview(&printer, &dialog);
            preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                             [&](QPrinter* target) { drawn = paint(*target); });
            // Large enough to read a page and show the whole tool bar.
            if (const QScreen* screen = frame_ ? frame_->screen() : QGuiApplication::primaryScreen())
                preview.resize(screen->availableGeometry().size() * 4 / 5);
            if (preview.exec() == QDialog::Accepted) {
                printedFromPreview = true;
                dialog.reject();
            }
        });
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (frame_)
        frame_->activateWindow();
    if (printedFromPreview)
        return drawn ? PrintOutcome::Printed : PrintOutcome::Failed;
    if (!accepted)
        return PrintOutcome::Cancelled;
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace fiscalia

#pragma once
#include "app/Dialogs.h"

#include <QString>

class QWidget;

namespace fiscalia {

struct AppState;

// The program's own modal windows, placed at their offsets from the frame.
class QtDialogs : public Dialogs {
public:
    // dataDir: the folder of the help files and sample files, which the file
    // dialog offers among its places.
    QtDialogs(AppState& state, QWidget* frame, QString dataDir = {});

    void message(int number) override;
    void messageWithCause(int number, const QString& cause) override;
    void notice(const QString& text) override;
    bool question(int number) override;
    bool confirm(const QString& text) override;
    void beep() override;
    int runModal(QDialog& dialog, DialogPlace place) override;
    std::optional<QString> lineInput(const QString& prompt, const QString& acceptCaption) override;
    QString chooseFile(const FileRequest& request, const QString& defaultPath) override;
    PrintOutcome print(QPrinter& printer, const PagePainter& paint) override;

private:
    AppState& state_;
    QWidget* frame_;
    QString dataDir_;
    QString lastFolder_; // where the file dialog opened or saved last in this run
};

// The text the message window shows for message N (message 30 ends in
// today's date in the short date form).
QString messageWindowText(int number);

// Moves a dialog to the frame's corner plus its offset for the frame's size.
void placeDialog(QWidget& dialog, const QWidget* frame, DialogPlace place, int frameSize);

} // namespace fiscalia

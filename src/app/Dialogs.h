#pragma once
#include "app/placement.h"

#include <optional>

class QDialog;
class QPrinter;
class QString;

namespace fiscalia {

struct FileRequest;

// Everything modal goes through this interface. The program shows real
// modal windows; tests install a scripted double, so no test ever waits on a
// window.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message N of the catalogue in the message window; returns when it closes.
    virtual void message(int number) = 0;
    // A text of the program's own that is not in the catalogue (a missing
    // help file, a failed print job), shown in the same message window.
    virtual void notice(const QString& text) = 0;
    // Yes/no question N; true for Yes.
    virtual bool question(int number) = 0;
    // The system beep of a dropped key.
    virtual void beep() = 0;
    // Runs one of the program's own modal windows (settings, additional
    // payments ...) placed at its offset from the frame; returns its result.
    virtual int runModal(QDialog& dialog, DialogPlace place) = 0;
    // The one-line input window "Input" (the printout's header, a fund's
    // name): the text typed, or nothing when the user cancelled.
    virtual std::optional<QString> lineInput(const QString& prompt, const QString& acceptCaption) = 0;
    // The open or save dialog of a file request: the full path chosen, or an
    // empty text when the user cancelled.
    virtual QString chooseFile(const FileRequest& request, const QString& defaultName) = 0;
    // The print dialog: false when the user cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

} // namespace fiscalia

#pragma once
#include "app/placement.h"

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QString;

namespace fiscalia {

struct FileRequest;

// Draws a document's pages on a printer (a real one, a PDF or a preview);
// false when the pages could not be drawn.
using PagePainter = std::function<bool(QPrinter&)>;

enum class PrintOutcome { Printed, Cancelled, Failed };

// Everything modal goes through this interface. The program shows real
// modal windows; tests install a scripted double, so no test ever waits on a
// window.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message N of the catalogue in the message window; returns when it closes.
    virtual void message(int number) = 0;
    // Message N followed by what caused it (a file's fault, the system's
    // reason), so the user learns the real cause.
    virtual void messageWithCause(int number, const QString& cause) = 0;
    // A text of the program's own that is not in the catalogue (a missing
    // help file, a failed save), shown in the same message window.
    virtual void notice(const QString& text) = 0;
    // Yes/no question N; true for Yes.
    virtual bool question(int number) = 0;
    // A yes/no question of the program's own that is not in the catalogue
    // (replace an existing file?); true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // The system beep of a refused key.
    virtual void beep() = 0;
    // Runs one of the program's own modal windows (settings, additional
    // payments ...) placed at its offset from the frame; returns its result.
    virtual int runModal(QDialog& dialog, DialogPlace place) = 0;
    // The one-line input window "Input" (the printout's header, a fund's
    // name): the text typed, or nothing when the user cancelled.
    virtual std::optional<QString> lineInput(const QString& prompt, const QString& acceptCaption) = 0;
    // The open or save dialog of a file request, offering `defaultPath` (a
    // full path, or a bare name): the full path chosen, or an empty text
    // when the user cancelled.
    virtual QString chooseFile(const FileRequest& request, const QString& defaultPath) = 0;
    // The print dialog for the pages `paint` draws; it also offers a preview
    // of those same pages, from which they can be printed.
    virtual PrintOutcome print(QPrinter& printer, const PagePainter& paint) = 0;
};

} // namespace fiscalia

#pragma once
#include "app/Dialogs.h"

#include <QString>

class QFont;
class QImage;
class QPainter;
class QPrinter;

namespace fiscalia {

struct AppState;
class Dialogs;
struct Report;

// The font of a printer-font choice, with Liberation Mono standing in for
// Courier New; choice 0 is the system's fixed-pitch font.
QFont printerFont(int printFontChoice);

// SetupPrinterFont: the font choice that can be honoured and the page
// length that goes with it (PageLines); a missing font gives the printer's
// own font and 53 lines.
int setupPrinterFont(AppState& state);

// Sends reports and pictures to the printer the user picks in the print
// dialog, or, when the environment variable FISCALIA_PRINT_TO names a file,
// straight into that PDF without a dialog.
class PrinterOutput {
public:
    enum class Result { Printed, Cancelled, Failed };

    explicit PrinterOutput(Dialogs& dialogs);

    // One report line per printed line, each report page on one sheet, the
    // font fitted so that 80 columns and the page's lines fit the paper.
    Result printReport(const Report& report, const QString& documentName);
    // A picture scaled to the page, keeping its proportions.
    Result printImage(const QImage& image, const QString& documentName, bool color);

    // What went wrong with the last Failed result.
    QString error() const { return error_; }
    // Any document: printed straight into the FISCALIA_PRINT_TO file, or
    // through the print dialog with its preview.
    Result print(QPrinter& printer, const QString& documentName, const PagePainter& paint);

    // Draws a report on an open painter whose device is a printer.
    static bool renderReport(const Report& report, QPrinter& printer, QPainter& painter);
    // The report's font as fitted to the printer's paper.
    static QFont fittedFont(const Report& report, const QPrinter& printer);
    // The width of one printed character of a report, in points, on the
    // paper the program prints on by default.
    static double characterWidthPoints(const Report& report);

private:
    static void preparePage(QPrinter& printer);
    // Printing into a PDF file: the pages go to a temporary file first and
    // reach the chosen file only when the document is complete.
    bool paintToPdf(QPrinter& printer, const PagePainter& paint);
    Dialogs& dialogs_;
    QString error_;
};

// The common start of every printout: message 1 without results, the header
// window (its answer in PrintHeader, "1" when cancelled). Returns false when
// nothing is to be printed.
bool beginPrintout(AppState& state, Dialogs& dialogs);
// The header window alone; false when the user cancelled.
bool askPrintHeader(AppState& state, Dialogs& dialogs);

// Prints a finished report and tells the user when it failed; the hourglass
// shows meanwhile. True when it was printed.
bool finishPrintout(const Report& report, Dialogs& dialogs, const QString& documentName);

} // namespace fiscalia

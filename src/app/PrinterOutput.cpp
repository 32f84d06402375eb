#include "app/PrinterOutput.h"

#include "app/AtomicSave.h"
#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/personal_settings.h"
#include "app/report.h"
#include "app/QtText.h"
#include "app/safe_read.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPaintEngine>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <string_view>

namespace fiscalia {

namespace {

constexpr int ReportColumns = 80;
const QString StandIn = QStringLiteral("Liberation Mono");

bool standInAvailable()
{
    return QFontDatabase::families().contains(StandIn);
}

// A printout with many graphs may be large, but never this large.
constexpr std::size_t PdfLimit = 512u * 1024 * 1024;

// Whether a PDF was written to its end: the cross-reference table the
// trailer points at is where the trailer says, and the end mark follows.
// Bytes lost on the way (a full disk) move the table or cut the end off.
bool completePdf(const std::string& pdf)
{
    const std::string_view text(pdf);
    const std::size_t end = text.find_last_not_of("\r\n ");
    if (end == std::string_view::npos || !text.substr(0, end + 1).ends_with("%%EOF"))
        return false;
    const std::size_t start = text.rfind("startxref");
    if (start == std::string_view::npos)
        return false;
    std::size_t at = start + 9;
    while (at < text.size() && (text[at] == '\r' || text[at] == '\n' || text[at] == ' '))
        ++at;
    std::size_t offset = 0;
    bool digits = false;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        offset = offset * 10 + static_cast<std::size_t>(text[at] - '0');
        digits = true;
        if (offset > text.size())
            return false;
    }
    return digits && text.substr(offset, 4) == "xref";
}

} // namespace

QFont printerFont(int printFontChoice)
{
    if (printFontChoice >= 1 && printFontChoice <= 3 && standInAvailable()) {
        QFont font(StandIn);
        font.setPointSizeF(9.0 + printFontChoice); // 10, 11 or 12 point
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        return font;
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(10.0);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int setupPrinterFont(AppState& state)
{
    int choice = state.PrintFontChoice;
    if (choice >= 1 && choice <= 3 && !standInAvailable())
        choice = 0;
    state.PageLines = pageLinesFor(choice);
    return choice;
}

PrinterOutput::PrinterOutput(Dialogs& dialogs) : dialogs_(dialogs) {}

void PrinterOutput::preparePage(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

PrinterOutput::Result PrinterOutput::print(QPrinter& printer, const QString& documentName, const PagePainter& paint)
{
    error_.clear();
    printer.setDocName(documentName);
    preparePage(printer);
    // A file chosen in the print dialog is written like every other file:
    // whole or not at all. A preview draws on its own engine and is left be.
    const PagePainter guarded = [this, &paint](QPrinter& device) {
        const QPaintEngine* engine = device.paintEngine();
        if (device.outputFormat() == QPrinter::PdfFormat && !device.outputFileName().isEmpty() && engine
            && engine->type() == QPaintEngine::Pdf)
            return paintToPdf(device, paint);
        return paint(device);
    };
    const QString target = qEnvironmentVariable("FISCALIA_PRINT_TO");
    PrintOutcome outcome = PrintOutcome::Failed;
    if (!target.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        outcome = guarded(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
    } else {
        outcome = dialogs_.print(printer, guarded);
    }
    switch (outcome) {
    case PrintOutcome::Printed: return Result::Printed;
    case PrintOutcome::Cancelled: return Result::Cancelled;
    case PrintOutcome::Failed: break;
    }
    if (error_.isEmpty())
        error_ = QStringLiteral("The document could not be printed.");
    return Result::Failed;
}

bool PrinterOutput::paintToPdf(QPrinter& printer, const PagePainter& paint)
{
    const QString target = printer.outputFileName();
    QTemporaryFile draft(QDir::temp().filePath(QStringLiteral("fiscalia-printout-XXXXXX.pdf")));
    if (!draft.open()) {
        error_ = QStringLiteral("The printout could not be prepared in %1: %2.")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()), draft.errorString());
        return false;
    }
    draft.close(); // the file stays until `draft` goes
    printer.setOutputFileName(draft.fileName());
    const bool drawn = paint(printer);
    printer.setOutputFileName(target);
    if (!drawn)
        return false;
    const fiscalia::Result<std::string> pdf = readFileSafely(ss(draft.fileName()), PdfLimit);
    if (!pdf || !completePdf(*pdf)) {
        error_ = QStringLiteral("The printout could not be written completely (is the disk full?); %1 was not "
                                "touched.")
                     .arg(QDir::toNativeSeparators(target));
        return false;
    }
    const fiscalia::Result<void> saved = saveAtomically(target, QByteArray::fromStdString(*pdf));
    if (!saved) {
        error_ = QStringLiteral("The printout could not be saved in %1: %2. A file already there is unchanged.")
                     .arg(QDir::toNativeSeparators(target), qs(saved.reason()));
        return false;
    }
    return true;
}

QFont PrinterOutput::fittedFont(const Report& report, const QPrinter& printer)
{
    QFont font = printerFont(report.printFontChoice);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    // The font shrinks until 80 columns fit the paper's width.
    QPrinter& device = const_cast<QPrinter&>(printer);
    const QFontMetricsF metrics(font, &device);
    const qreal needed = metrics.horizontalAdvance(QLatin1Char('M')) * ReportColumns;
    if (needed > area.width())
        font.setPointSizeF(font.pointSizeF() * area.width() / needed * 0.995);
    return font;
}

double PrinterOutput::characterWidthPoints(const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePage(printer);
    const QFont font = fittedFont(report, printer);
    return QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('M')) * 72.0 / printer.resolution();
}

bool PrinterOutput::renderReport(const Report& report, QPrinter& printer, QPainter& painter)
{
    const QFont font = fittedFont(report, printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFontMetricsF metrics(font, &printer);
    std::size_t longest = 1;
    for (const auto& page : report.pages)
        longest = std::max(longest, page.size());
    // The lines come closer together when the longest page would not fit.
    const qreal pitch = std::min(metrics.lineSpacing(), area.height() / static_cast<qreal>(longest));

    painter.setFont(font);
    painter.setPen(Qt::black);
    bool first = true;
    for (const auto& page : report.pages) {
        if (!first && !printer.newPage())
            return false;
        first = false;
        qreal baseline = metrics.ascent();
        for (const auto& line : page) {
            if (!line.empty())
                painter.drawText(QPointF(0, baseline), qs(line));
            baseline += pitch;
        }
    }
    return true;
}

PrinterOutput::Result PrinterOutput::printReport(const Report& report, const QString& documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    return print(printer, documentName, [this, &report](QPrinter& device) {
        QPainter painter;
        if (!painter.begin(&device)) {
            error_ = QStringLiteral("The printer could not be opened.");
            return false;
        }
        const bool drawn = renderReport(report, device, painter);
        if (!painter.end() || !drawn || device.printerState() == QPrinter::Error) {
            error_ = QStringLiteral("The report could not be printed.");
            return false;
        }
        return true;
    });
}

PrinterOutput::Result PrinterOutput::printImage(const QImage& image, const QString& documentName, bool color)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setColorMode(color ? QPrinter::Color : QPrinter::GrayScale);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    return print(printer, documentName, [this, &image, color](QPrinter& device) {
        QPainter painter;
        if (!painter.begin(&device)) {
            error_ = QStringLiteral("The printer could not be opened.");
            return false;
        }
        const QRectF area = device.pageLayout().paintRectPixels(device.resolution());
        const QSizeF size = QSizeF(image.size()).scaled(area.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(QPointF(0, 0), size),
                          color ? image : image.convertToFormat(QImage::Format_Grayscale8));
        if (!painter.end() || device.printerState() == QPrinter::Error) {
            error_ = QStringLiteral("The graph could not be printed.");
            return false;
        }
        return true;
    });
}

bool beginPrintout(AppState& state, Dialogs& dialogs)
{
    if (state.ResultsReady == 0) {
        dialogs.message(1);
        return false;
    }
    return askPrintHeader(state, dialogs);
}

bool askPrintHeader(AppState& state, Dialogs& dialogs)
{
    const auto header = dialogs.lineInput(QStringLiteral(" Type in one line header information."),
                                          QStringLiteral("Continue &Printout"));
    state.PrintHeader = header ? ss(*header) : std::string("1");
    return header.has_value();
}

bool finishPrintout(const Report& report, Dialogs& dialogs, const QString& documentName)
{
    PrinterOutput output(dialogs);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto result = output.printReport(report, documentName);
    QApplication::restoreOverrideCursor();
    if (result == PrinterOutput::Result::Failed)
        dialogs.notice(output.error() + QStringLiteral(" Check the printer or the file name and try again."));
    return result == PrinterOutput::Result::Printed;
}

} // namespace fiscalia

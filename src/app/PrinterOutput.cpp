#include "app/PrinterOutput.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/personal_settings.h"
#include "app/report.h"
#include "app/QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace fiscalia {

namespace {

constexpr int ReportColumns = 80;
const QString StandIn = QStringLiteral("Liberation Mono");

bool standInAvailable()
{
    return QFontDatabase::families().contains(StandIn);
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
    const QString target = qEnvironmentVariable("FISCALIA_PRINT_TO");
    PrintOutcome outcome = PrintOutcome::Failed;
    if (!target.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        outcome = paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
    } else {
        outcome = dialogs_.print(printer, paint);
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

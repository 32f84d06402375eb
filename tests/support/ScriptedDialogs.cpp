#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QPrintPreviewWidget>

#include "app/file_requests.h"

namespace fiscalia::test {

void ScriptedDialogs::message(int number)
{
    messages.push_back(number);
}

void ScriptedDialogs::messageWithCause(int number, const QString& cause)
{
    messages.push_back(number);
    causes << cause;
}

void ScriptedDialogs::notice(const QString& text)
{
    notices << text;
}

bool ScriptedDialogs::question(int number)
{
    questions.push_back(number);
    if (replies.empty())
        return false;
    const bool reply = replies.front();
    replies.pop_front();
    return reply;
}

bool ScriptedDialogs::confirm(const QString& text)
{
    confirmations << text;
    if (confirmReplies.empty())
        return false;
    const bool reply = confirmReplies.front();
    confirmReplies.pop_front();
    return reply;
}

void ScriptedDialogs::beep()
{
    ++beeps;
}

int ScriptedDialogs::runModal(QDialog& dialog, DialogPlace place)
{
    modalPlaces.push_back(place);
    const auto script = scripts.find(dialog.objectName());
    if (script == scripts.end()) {
        dialog.reject();
        return dialog.result();
    }
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    script->second(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

std::optional<QString> ScriptedDialogs::lineInput(const QString& prompt, const QString&)
{
    linePrompts << prompt;
    std::optional<QString> answer;
    if (!lineAnswers.empty()) {
        answer.swap(lineAnswers.front());
        lineAnswers.pop_front();
    }
    return answer;
}

QString ScriptedDialogs::chooseFile(const FileRequest& request, const QString& defaultName)
{
    fileCodes.push_back(request.code);
    fileDefaults << defaultName;
    if (fileAnswers.empty())
        return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

PrintOutcome ScriptedDialogs::print(QPrinter& printer, const PagePainter& paint)
{
    ++printDialogs;
    if (preview) {
        // The preview the print dialog offers, drawn by the same painter.
        QPrintPreviewWidget widget(&printer);
        QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, &widget,
                         [&paint](QPrinter* target) { paint(*target); });
        widget.updatePreview();
        previewPages = widget.pageCount();
    }
    if (!printerAnswer)
        return PrintOutcome::Cancelled;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(!printedTo.isEmpty() ? printedTo
                                                   : QDir::temp().filePath(QStringLiteral("fiscalia-scripted-%1.pdf")
                                                                               .arg(QCoreApplication::applicationPid())));
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void ScriptedDialogs::clear()
{
    messages.clear();
    causes.clear();
    notices.clear();
    confirmations.clear();
    confirmReplies.clear();
    questions.clear();
    replies.clear();
    beeps = 0;
    modalPlaces.clear();
}

} // namespace fiscalia::test

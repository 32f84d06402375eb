#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>

#include "app/file_requests.h"

namespace fiscalia::test {

void ScriptedDialogs::message(int number)
{
    messages.push_back(number);
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

bool ScriptedDialogs::choosePrinter(QPrinter&)
{
    ++printDialogs;
    return printerAnswer;
}

void ScriptedDialogs::clear()
{
    messages.clear();
    notices.clear();
    questions.clear();
    replies.clear();
    beeps = 0;
    modalPlaces.clear();
}

} // namespace fiscalia::test

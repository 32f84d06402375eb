#pragma once
#include "app/Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <vector>

class QDialog;

namespace fiscalia::test {

// The dialogs of the tests: records every message, notice, question and beep
// and never waits. Questions take their replies from a queue (No when it is
// empty); the program's own modal windows run a script registered by their
// object name, or are closed at once.
class ScriptedDialogs : public Dialogs {
public:
    void message(int number) override;
    void notice(const QString& text) override;
    bool question(int number) override;
    void beep() override;
    int runModal(QDialog& dialog, DialogPlace place) override;
    std::optional<QString> lineInput(const QString& prompt, const QString& acceptCaption) override;
    QString chooseFile(const FileRequest& request, const QString& defaultName) override;
    bool choosePrinter(QPrinter& printer) override;

    std::vector<int> messages;
    QStringList notices;
    std::vector<int> questions;
    std::deque<bool> replies;
    int beeps = 0;
    std::vector<DialogPlace> modalPlaces;
    // Answers of the one-line input (nothing = cancelled; an empty queue
    // cancels) and the prompts it was shown with.
    std::deque<std::optional<QString>> lineAnswers;
    QStringList linePrompts;
    // Answers of the file dialog (an empty text cancels; an empty queue
    // cancels), and the requests and default names it was shown with.
    std::deque<QString> fileAnswers;
    std::vector<int> fileCodes;
    QStringList fileDefaults;
    // Whether the print dialog is confirmed.
    bool printerAnswer = false;
    int printDialogs = 0;
    // A script gets the dialog shown (not modal) and should close it.
    std::map<QString, std::function<void(QDialog&)>> scripts;

    void clear();
};

} // namespace fiscalia::test

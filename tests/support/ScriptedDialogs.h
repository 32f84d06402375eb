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
    void messageWithCause(int number, const QString& cause) override;
    void notice(const QString& text) override;
    bool question(int number) override;
    bool confirm(const QString& text) override;
    void beep() override;
    int runModal(QDialog& dialog, DialogPlace place) override;
    std::optional<QString> lineInput(const QString& prompt, const QString& acceptCaption) override;
    QString chooseFile(const FileRequest& request, const QString& defaultPath) override;
    PrintOutcome print(QPrinter& printer, const PagePainter& paint) override;

    std::vector<int> messages;
    QStringList causes;          // what messageWithCause gave with its message
    QStringList notices;
    std::vector<int> questions;
    std::deque<bool> replies;
    // The questions of the program's own asked, and their replies (No when
    // the queue is empty).
    QStringList confirmations;
    std::deque<bool> confirmReplies;
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
    // Whether the print dialog is confirmed; the pages it printed are drawn
    // into `printedTo` (a PDF) when that is set.
    bool printerAnswer = false;
    int printDialogs = 0;
    QString printedTo;
    // When set, every print dialog first shows its preview (not modal) and
    // records how many pages it shows.
    bool preview = false;
    int previewPages = -1;
    // A script gets the dialog shown (not modal) and should close it.
    std::map<QString, std::function<void(QDialog&)>> scripts;

    void clear();
};

} // namespace fiscalia::test

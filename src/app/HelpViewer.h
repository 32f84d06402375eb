#pragma once
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace fiscalia {

// The two help files kept in the program's folder.
inline constexpr char ApplicationHelpFile[] = "fscuse35.hlp";
inline constexpr char GetRichHelpFile[] = "fscdat35.grs";

// Topics of the application's help file, by window.
namespace HelpTopic {
inline constexpr int Menu = 2;
inline constexpr int Mortgage = 10;
inline constexpr int Loan = 11;
inline constexpr int Savings = 12;
inline constexpr int SavingsComparisons = 13;
inline constexpr int Plan401K = 14;
inline constexpr int Retirement = 15;
inline constexpr int CapitalRequired = 16;
inline constexpr int CompoundGrowth = 17;
inline constexpr int NetWorth = 18;
inline constexpr int InvestmentManager = 19;
inline constexpr int RecordEntry = 20;
inline constexpr int CurrentPrices = 21;
inline constexpr int FundTable = 22;
inline constexpr int Graph = 23;
inline constexpr int Settings = 24;
inline constexpr int Printing = 25;
inline constexpr int Files = 26;
inline constexpr int AdditionalPayments = 27;
inline constexpr int DaysAndDates = 28;
inline constexpr int InputBoxes = 29;
inline constexpr int Messages = 30;
} // namespace HelpTopic

// The name of the widget property that carries a window's help topic; F1
// opens the application's help at the topic of the window that has the focus.
inline constexpr char HelpContextProperty[] = "helpContext";
void setHelpContext(QWidget* window, int context);
int helpContextOf(const QWidget* widget);

// A help window: the help file's pages with their links, opened at a topic.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows `path` at topic `context`; false when the file cannot be read.
    bool openAt(const QString& path, int context);
    QString currentFile() const { return file_; }
    int currentContext() const { return context_; }
    QTextBrowser* browser() const { return browser_; }

    // One topic of the open file: its number, its heading and where its
    // text begins in the document.
    struct Topic {
        int context = 0;
        QString title;
        int start = 0;
    };
    const std::vector<Topic>& topics() const { return topics_; }

    // A topic that holds the words searched for, with how often they occur
    // and where they first do.
    struct Hit {
        int context = 0;
        QString title;
        int count = 0;
        int firstMatch = 0;
    };
    // Every topic holding `words` (case and accents of the letters as
    // typed do not matter), in the order of the file; the hits are listed
    // and the first is shown.
    std::vector<Hit> search(const QString& words);
    QListWidget* results() const { return results_; }
    QLineEdit* searchBox() const { return search_; }

private:
    void indexTopics();
    void showHit(int row);

    QTextBrowser* browser_;
    QLineEdit* search_;
    QListWidget* results_;
    QString file_;
    int context_ = 0;
    std::vector<Topic> topics_;
    std::vector<Hit> hits_;
    QString searched_;
};

} // namespace fiscalia

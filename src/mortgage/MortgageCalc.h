#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"
#include "app/WindowLayout.h"

#include <memory>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;

namespace fiscalia {

class Grid;
struct MortgageFile;

// The Mortgage and Loan Tables window, in the mortgage mode (LoanMode 1) or
// the personal-loan mode (LoanMode 2).
class MortgageCalc : public ToolWindow {
    Q_OBJECT
public:
    explicit MortgageCalc(const ToolContext& context);
    ~MortgageCalc() override;

    void calculate();
    void clearResults();
    void toggleQuickHelp();
    bool quickHelpOpen() const { return quickHelpOpen_; }
    int loanMode() const { return loanMode_; }

    // The buttons' actions.
    void saveFile();
    void openFile();
    void print();
    void showGraph();
    void toggleDates();
    void chooseDaysInYear();
    void additionalPayments();

protected:
    void releaseResults() override;

private:
    void buildControls();
    void layOut();
    void loadDefaults();
    // Captions, term list, term limit and help topic of the mortgage (1) or
    // loan (2) mode.
    void applyMode(int loanMode);
    // The plan in the state shown in the boxes, lists, options and buttons.
    void showPlan();
    // The file dialog of the mode, for saving or opening: the path chosen,
    // or nothing when cancelled.
    std::string chooseFile(bool save);
    std::string& rememberedFile();
    void applyFile(const MortgageFile& file);
    void showAddPmtsIndicator();

    std::unique_ptr<BoxHost> host_;
    int loanMode_;
    bool quickHelpOpen_ = false;

    GreenLineEdit* principal_ = nullptr;
    GreenComboBox* rate_ = nullptr;
    GreenComboBox* term_ = nullptr;
    GreenComboBox* compounding_ = nullptr;
    GreenComboBox* frequency_ = nullptr;
    QRadioButton* allView_ = nullptr;
    QRadioButton* annualView_ = nullptr;
    Grid* grid_ = nullptr;
    QuickHelpPanel* helpText_ = nullptr;
    std::unique_ptr<QuickHelpSwitch> quickHelp_;
    QLabel* addPmtsOn_ = nullptr;
    QPushButton* calc_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* graphs_ = nullptr;
    QPushButton* printer_ = nullptr;
    QPushButton* saveFile_ = nullptr;
    QPushButton* loadFile_ = nullptr;
    QPushButton* daysButton_ = nullptr;
    QPushButton* datesButton_ = nullptr;
    QPushButton* prePay_ = nullptr;
    QPushButton* exit_ = nullptr;
    // Captions that change with the mode or the results.
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label11_ = nullptr;
    QLabel* label16_ = nullptr;
    ResultLabel* inMonthPI_ = nullptr;
    ResultLabel* periodicR_ = nullptr;
    ResultLabel* numPmtsYear_ = nullptr;
    ResultLabel* endMortYear_ = nullptr;
    ResultLabel* allPayments_ = nullptr;
    ResultLabel* totSavd_ = nullptr;
    ResultLabel* ppPercent_ = nullptr;
    ResultLabel* inDays_ = nullptr;
};

} // namespace fiscalia

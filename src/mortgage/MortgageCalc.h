#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"

#include <memory>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace fiscalia {

class Grid;
struct AmortizationInput;
struct AmortizationResult;
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
    void loadDefaults();
    // Captions, term list and term box of the mortgage (1) or loan (2) mode.
    void applyMode(int loanMode);
    // The file dialog of the mode, for saving or opening: the path chosen,
    // or nothing when cancelled.
    std::string chooseFile(bool save);
    std::string& rememberedFile();
    MortgageFile currentFile() const;
    void applyFile(const MortgageFile& file);
    AmortizationInput currentInput() const;
    void setAddPmtsIndicator(bool on);
    void emptyExtraPayments();

    std::unique_ptr<BoxHost> host_;
    std::unique_ptr<AmortizationInput> lastInput_;
    std::unique_ptr<AmortizationResult> lastResult_;
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
    QPlainTextEdit* helpText_ = nullptr;
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
    QLabel* inMonthPI_ = nullptr;
    QLabel* periodicR_ = nullptr;
    QLabel* numPmtsYear_ = nullptr;
    QLabel* endMortYear_ = nullptr;
    QLabel* allPayments_ = nullptr;
    QLabel* totSavd_ = nullptr;
    QLabel* ppPercent_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* inDays_ = nullptr;
};

} // namespace fiscalia

#pragma once
#include "app/GreenBox.h"
#include "app/ToolWindow.h"

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace fiscalia {

class Grid;
struct AmortizationInput;

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

protected:
    void releaseResults() override;

private:
    void buildControls();
    void loadDefaults();
    AmortizationInput currentInput() const;
    void setAddPmtsIndicator(bool on);
    void emptyExtraPayments();
    void notAvailableYet(const QString& what);
    void showGraph();
    void print();
    void toggleDates();

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

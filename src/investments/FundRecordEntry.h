#pragma once
#include "app/Shell.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace fiscalia {

struct BoxHost;
class EntryDateBox;
class GreenComboBox;
class GreenLineEdit;
class Grid;
class QuickHelpPanel;
class QuickHelpSwitch;
enum class TransactionType;

// "Add and Edit Records": funds added and chosen, transactions of the six
// types entered, corrected and deleted, empty funds deleted. Everything goes
// to the database in memory; the Investment Management Menu saves it.
class FundRecordEntry : public QWidget {
    Q_OBJECT
public:
    // `backToMenu` shows the Investment Management Menu again.
    FundRecordEntry(const ToolContext& context, std::function<void()> backToMenu);
    ~FundRecordEntry() override;

    void addFund();
    void addRecord();
    void correctRecord();
    void deleteRecord();
    void toggleQuickHelp();
    void exitToMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseFund(int index);
    void chooseType(int index);
    void selectRow(int row);
    // The grid filled with the active fund's records and their totals.
    void showRecords();
    // The type list emptied and enabled, the boxes emptied.
    void clearInputRow();
    void setBoxesEnabled(bool enabled);
    void showAllValueBoxes();
    // The boxes of a type enabled and the others hidden; Enter's path set.
    void setUpBoxesFor(TransactionType type);
    // Step 1 of Add Record: the fund shown is the active fund.
    bool activeFundShown();
    void refillFunds();
    void showCounts();
    void leaveCorrection();
    bool correcting() const;
    // Reads the date box: the date, or nothing (message 30 and today's date
    // in the box) when it holds none.
    bool checkDate();

    AppState& state_;
    Dialogs& dialogs_;
    Shell& shell_;
    std::function<void()> backToMenu_;
    std::unique_ptr<BoxHost> host_;
    GreenComboBox* funds_ = nullptr;
    GreenComboBox* types_ = nullptr;
    EntryDateBox* date_ = nullptr;
    GreenLineEdit* price_ = nullptr;
    GreenLineEdit* shares_ = nullptr;
    GreenLineEdit* commission_ = nullptr;
    GreenLineEdit* cashDividend_ = nullptr;
    QWidget* captions_[5] = {};
    QPushButton* add_ = nullptr;
    QPushButton* help_ = nullptr;
    Grid* grid_ = nullptr;
    QuickHelpPanel* helpText_ = nullptr;
    std::unique_ptr<QuickHelpSwitch> quickHelp_;
    QLabel* numFunds_ = nullptr;
    QLabel* numRecords_ = nullptr;
    QLabel* done_ = nullptr;
    QString today_;
    bool checkingDate_ = false;
};

} // namespace fiscalia

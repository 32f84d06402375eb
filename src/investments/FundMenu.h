#pragma once
#include "app/ToolWindow.h"

#include <functional>

class QLabel;

namespace fiscalia {

// The Investment Management Menu: opens and saves the fund database, leads
// to record entry, sorts the database and leaves the Investment Manager,
// asking first when changes are not saved.
class FundMenu : public ToolWindow {
    Q_OBJECT
public:
    explicit FundMenu(const ToolContext& context);

    void openFile();
    // Adds the transactions of a comma-separated file, after showing what
    // each line would add.
    void importCsv();
    void saveFile();
    void editRecords();
    void computeCurrentValue();
    void displayData();
    void sortRecords();
    void leave();
    bool mayClose() override;
    // ShowDatabaseInfo: the file name and the counts in the info box.
    void showDatabaseInfo();

protected:
    void releaseResults() override;

private:
    // Reads a file chosen for import, shows what it would add and adds it
    // when the user accepts.
    void importFile(const QString& path);
    // Shows this window again with its info box brought up to date.
    std::function<void()> backToMenu();
    // Record 1 has no type: nothing to work with ("No Records.").
    bool databaseEmpty() const;
    QLabel* info_ = nullptr;
};

} // namespace fiscalia

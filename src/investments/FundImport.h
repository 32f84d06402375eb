#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace fiscalia {

class Grid;
struct ImportPreview;
struct NumberSymbols;

// "Import Transactions": what importing a comma-separated file would add,
// line by line, before anything is stored. Import accepts the preview (it
// is disabled when no line can be added); Cancel or Escape leaves the
// database as it was.
class FundImport : public QDialog {
    Q_OBJECT
public:
    FundImport(const ImportPreview& preview, const QString& fileName, const NumberSymbols& symbols,
               QWidget* parent = nullptr);

private:
    Grid* grid_;
    QLabel* counts_;
    QPushButton* accept_;
};

} // namespace fiscalia

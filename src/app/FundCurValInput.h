#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace fiscalia {

class Dialogs;
class TextBox;

// What the value input asks for: a fund's price per share, or the line of
// the asset (ToolMode 1) or liability (ToolMode 2) list at which a blank
// line goes.
enum class ValueRequest { Price, AssetLine, LiabilityLine };

// "Input ": one number typed into `CurVal`. "&OK" hands back the box's
// text, "&Cancel" (or Escape, or closing the window) an empty text. The box
// takes digits and, for a price, one point and two decimals; it shows its
// text selected, so the first key replaces it; Enter moves on to "&OK".
class FundCurValInput : public QDialog {
    Q_OBJECT
public:
    FundCurValInput(ValueRequest request, const QString& initial, Dialogs& dialogs, QWidget* parent = nullptr);

    // The text handed back: the box's on "&OK", empty otherwise.
    QString reply() const { return reply_; }

private:
    TextBox* box_;
    QString reply_;
};

// Shows the value input modally at its place beside the frame and hands back
// its reply.
QString askValue(Dialogs& dialogs, QWidget* parent, ValueRequest request, const QString& initial);

} // namespace fiscalia

#pragma once
#include <QDialog>

#include <optional>

namespace fiscalia {

class TextBox;

// The one-line input window "Input": by default the printout's header
// (" Type in one line header information.", "Continue &Printout",
// "&Cancel"); the Investment Manager asks fund names with it.
class PrinterHeaderInput : public QDialog {
    Q_OBJECT
public:
    explicit PrinterHeaderInput(QWidget* parent = nullptr,
                                const QString& prompt = QStringLiteral(" Type in one line header information."),
                                const QString& acceptCaption = QStringLiteral("Continue &Printout"));

    // The text typed, or nothing when the window was cancelled.
    std::optional<QString> answer() const;

private:
    TextBox* input_;
    bool accepted_ = false;
};

} // namespace fiscalia

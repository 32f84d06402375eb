#pragma once
#include <QDialog>
#include <QLineEdit>

class QLabel;
class QPushButton;

namespace fiscalia {

// The text box of the one-line input: double quotes are refused and Enter
// moves the focus to the accepting button.
class HeaderLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    QWidget* next = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

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
    HeaderLineEdit* input_;
    bool accepted_ = false;
};

} // namespace fiscalia

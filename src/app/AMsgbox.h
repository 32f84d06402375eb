#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace fiscalia {

// The message window: caption "Help", the message in the text box TextMsg
// and the button "E&xit".
class AMsgbox : public QDialog {
    Q_OBJECT
public:
    explicit AMsgbox(const QString& text, QWidget* parent = nullptr);
    QString text() const;

private:
    QPlainTextEdit* textMsg_;
    QPushButton* exit_;
};

// The yes/no window: caption "Help", the question in Label1, "&Yes" and
// "&No". Its reply follows the message window's codes: 6 Yes, 0 No.
class AllYesNo : public QDialog {
    Q_OBJECT
public:
    explicit AllYesNo(const QString& question, QWidget* parent = nullptr);
    int reply() const { return reply_; }

private:
    int reply_ = 0;
};

} // namespace fiscalia

#pragma once
#include <QLineEdit>

namespace fiscalia {

// A one-line text box of the program's windows: the double quote is refused
// (it would end a text in the program's files), Enter moves the focus on to
// `next`, and a paste takes the first line of the clipboard without quotes.
class OneLineBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    QWidget* next = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fiscalia

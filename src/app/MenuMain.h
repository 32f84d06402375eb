#pragma once
#include "app/ToolFactory.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace fiscalia {

struct AppState;

// The Menu window: the title, the user's name and the fourteen buttons.
// Tool buttons set the tool's mode and ask the frame to open it.
class MenuMain : public QWidget {
    Q_OBJECT
public:
    MenuMain(AppState& state, QWidget* parent = nullptr);

    // Shows the user's name, or hides the label when there is none.
    void showUserName();
    // Shows today's date in the footer.
    void showToday();
    QPushButton* button(const QString& objectName) const;

signals:
    void toolRequested(fiscalia::Tool tool);
    void settingsRequested();
    void helpRequested(const QString& fileName, int context);
    void exitRequested();

private:
    QPushButton* addButton(const char* name, const char* caption);

    AppState& state_;
    QLabel* myName_;
    QLabel* today_;
};

} // namespace fiscalia

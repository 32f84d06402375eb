#pragma once
#include <QLabel>
#include <QList>
#include <QTextEdit>

#include <functional>
#include <initializer_list>

class QGridLayout;
class QPushButton;

namespace fiscalia {

class Dialogs;

// The fixed-pitch font of figures: boxes, result labels, grids, Quick Help.
QFont figureFont();

// A caption label of the program's small, word-wrapped kind.
QLabel* captionLabel(const char* name, const QString& text, QWidget* parent);

// A caption as a screen reader says it: blanks simplified, no "&".
QString spokenCaption(const QString& caption);

// A result figure: right-aligned in the fixed-pitch font, sunken, at least
// `chars` characters wide and wider when its text is (a figure is never
// cut). A screen reader hears its caption as its name and the figure as its
// value.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    ResultLabel(const char* name, int chars, QWidget* parent);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    int chars_;
};

// One row of a caption and the control it names.
struct CaptionRow {
    QLabel* caption;
    QWidget* control;
};

// A column of caption rows: the captions `captionWidth` pixels wide on the
// left, their controls beside them. Each caption is its control's buddy and
// gives it its accessible name.
QGridLayout* captionColumn(std::initializer_list<CaptionRow> rows, int captionWidth);

// A caption's text set, and the accessible name of what it names kept in
// step.
void setCaption(QLabel* caption, const QString& text);

// Rows of buttons (or other controls), each inner list one row; a stretch
// after the last column keeps them their size in a wide window.
QGridLayout* buttonRows(std::initializer_list<std::initializer_list<QWidget*>> rows);

// The Quick Help panel: the help text in the fixed-pitch font (its example
// figures stand in columns). It takes no typing: Enter goes to
// `enterTarget`, the arrows and page keys scroll, Ctrl+C copies, Tab moves
// on, other keys beep.
class QuickHelpPanel : public QTextEdit {
    Q_OBJECT
public:
    QuickHelpPanel(Dialogs& dialogs, QWidget* parent);
    QWidget* enterTarget = nullptr;
    // The help text: paragraphs wrap at the panel's width; lines laid out
    // in columns (figures lined up with runs of blanks) keep their columns.
    void setHelpText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Dialogs& dialogs_;
};

// The Quick Help of a tool window: showing it puts the help text in place of
// the grid, turns the button's caption to "Close &Help" and disables the
// buttons that need results; hiding it undoes all that.
class QuickHelpSwitch {
public:
    QuickHelpSwitch(QPushButton* button, QuickHelpPanel* panel, QWidget* grid, QList<QWidget*> needResults);
    bool shown() const { return shown_; }
    void show(const QString& text);
    void hide();

private:
    QPushButton* button_;
    QuickHelpPanel* panel_;
    QWidget* grid_;
    QList<QWidget*> needResults_;
    bool shown_ = false;
};

// Gives screen readers the names of the program's own controls: a green
// list box and a result figure are announced by their captions, with what
// they show as their value. Installed once, at start.
void installAccessibleNames();

} // namespace fiscalia

#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalia {

// A printed report: pages of text lines in a fixed-pitch font. The printer
// font choice (0..3) says which font every page is printed in.
struct Report {
    int printFontChoice = 0;
    std::vector<std::vector<std::string>> pages;

    std::size_t lineCount() const;
};

// A field of a printed line, placed at a 1-based character column.
struct Field {
    int column;
    std::string text;
};

// Places fields one after another at their columns, padding with blanks. A
// field whose column lies left of the current position starts a new line at
// that column, as the printer's tab does. Returns the printed lines.
std::vector<std::string> placeFields(std::initializer_list<Field> fields);

// The common procedure of every printout. Construction starts the job
// (SetupPrinterFont) and prints the header line at column 2 and an empty line;
// the tool then prints its head, sets the line counter to the number its
// layout states and prints its rows with bodyRow(), which breaks the page
// whenever the counter reaches the page length:
//   two empty lines; "Page" and the page number at column 40; a new page;
//   an empty line, the saved heading lines at column 2, an empty line;
//   the counter becomes 7.
// A closing block that would not fit (its line count added to the counter
// reaches the page length) gets a page break first. endReport() ends the
// document. The last page carries no page number.
class Printout {
public:
    // `emptyLinesFirst` empty lines come before the header line.
    Printout(std::string_view header, int printFontChoice, int pageLines, int emptyLinesFirst = 0);

    int pageLines() const { return pageLines_; }
    int counter() const { return counter_; }
    void setCounter(int value) { counter_ = value; }
    int pageNumber() const { return static_cast<int>(report_.pages.size()); }

    // Prints a line as it stands / a line of placed fields (no counting).
    void line(std::string text = {});
    // Prints a text that holds CR LF line breaks: each starts a new line.
    void text(const std::string& text);
    void fields(std::initializer_list<Field> fields);

    // The heading lines repeated at the top of every new page (printed at
    // column 2).
    void setHeadings(std::vector<std::string> headings) { headings_ = std::move(headings); }
    // How a page break starts the next page: the empty lines before the
    // headings and the counter after them (1 and 7 unless a printout says
    // otherwise).
    void setBreakLayout(int emptyLinesBefore, int counterAfter)
    {
        emptyLinesBefore_ = emptyLinesBefore;
        counterAfter_ = counterAfter;
    }

    // One body row: counted, printed, and a page break when the page is full.
    void bodyRow(std::string text);
    // Breaks the page first when `lineCount` more lines would not fit.
    void closingBlock(int lineCount);
    void breakPage();
    // A new page started by the printout itself: no page number, no
    // headings.
    void newPage();

    // EndReport: ends the page and the document.
    Report endReport();

private:
    void setupPrinterFont();

    Report report_;
    int pageLines_;
    int counter_ = 0;
    std::vector<std::string> headings_;
    int emptyLinesBefore_ = 1;
    int counterAfter_ = 7;
};

} // namespace fiscalia

#include "app/report.h"

#include "app/number_format.h"

namespace fiscalia {

std::size_t Report::lineCount() const
{
    std::size_t count = 0;
    for (const auto& page : pages)
        count += page.size();
    return count;
}

std::vector<std::string> placeFields(std::initializer_list<Field> fields)
{
    std::vector<std::string> lines;
    std::string current;
    int position = 0; // characters printed on the current line
    for (const Field& field : fields) {
        const int column = field.column < 1 ? 1 : field.column;
        if (position > column - 1) {
            lines.push_back(std::move(current));
            current.clear();
            position = 0;
        }
        current.append(static_cast<std::size_t>(column - 1 - position), ' ');
        current += field.text;
        position = column - 1 + charCount(field.text);
    }
    lines.push_back(std::move(current));
    return lines;
}

Printout::Printout(std::string_view header, int printFontChoice, int pageLines, int emptyLinesFirst)
    : pageLines_(pageLines)
{
    report_.printFontChoice = printFontChoice;
    report_.pages.emplace_back();
    setupPrinterFont();
    for (int i = 0; i < emptyLinesFirst; ++i)
        line();
    fields({{2, std::string(header)}});
    line();
}

void Printout::setupPrinterFont()
{
    // The page starts in the report's font; the renderer applies it. The
    // printer's empty first print is no line of the report.
}

void Printout::line(std::string text)
{
    report_.pages.back().push_back(std::move(text));
}

void Printout::text(const std::string& text)
{
    std::size_t start = 0;
    while (true) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            line(text.substr(start));
            return;
        }
        line(text.substr(start, end - start));
        start = end + 2;
    }
}

void Printout::fields(std::initializer_list<Field> list)
{
    for (auto& text : placeFields(list))
        line(std::move(text));
}

void Printout::bodyRow(std::string text)
{
    ++counter_;
    line(std::move(text));
    if (counter_ >= pageLines_)
        breakPage();
}

void Printout::closingBlock(int lineCount)
{
    if (counter_ + lineCount >= pageLines_)
        breakPage();
}

void Printout::breakPage()
{
    line();
    line();
    fields({{40, "Page " + std::to_string(pageNumber())}});
    report_.pages.emplace_back();
    setupPrinterFont();
    for (int i = 0; i < emptyLinesBefore_; ++i)
        line();
    for (const auto& heading : headings_)
        fields({{2, heading}});
    line();
    counter_ = counterAfter_;
}

void Printout::newPage()
{
    report_.pages.emplace_back();
    setupPrinterFont();
}

Report Printout::endReport()
{
    return std::move(report_);
}

} // namespace fiscalia

#include "app/table_text.h"

#include "app/csv_codec.h"

namespace fiscalia {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

std::string tabSeparated(const TextTable& rows)
{
    std::string out;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += '\t';
            for (const char ch : trimmed(row[c]))
                out += (ch == '\t' || ch == '\n' || ch == '\r') ? ' ' : ch;
        }
        out += '\n';
    }
    return out;
}

std::string commaSeparated(const TextTable& rows)
{
    CsvWriter writer;
    for (const auto& row : rows) {
        for (const auto& cell : row)
            writer.text(trimmed(cell));
        writer.endLine();
    }
    return writer.str();
}

} // namespace fiscalia

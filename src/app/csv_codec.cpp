#include "app/csv_codec.h"

#include "app/currency.h"
#include "app/date.h"

#include <charconv>
#include <cmath>

namespace fiscalia {

std::optional<std::string> CsvField::asText() const
{
    if (kind == Kind::Text || kind == Kind::Empty)
        return text;
    return std::nullopt;
}

std::optional<double> CsvField::asNumber() const
{
    if (kind != Kind::Number)
        return std::nullopt;
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Currency> CsvField::asCurrency() const
{
    const auto value = asNumber();
    if (!value || std::fabs(*value) >= 9.2e14)
        return std::nullopt;
    return Currency::fromDouble(*value);
}

std::optional<int> CsvField::asInt16() const
{
    const auto value = asNumber();
    if (!value || *value != std::trunc(*value) || *value < -32768 || *value > 32767)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<Date> CsvField::asDate() const
{
    if (kind != Kind::Date)
        return std::nullopt;
    return Date::fromIso(text);
}

void CsvWriter::separate()
{
    if (lineStarted_)
        out_ += ',';
    lineStarted_ = true;
}

CsvWriter& CsvWriter::text(std::string_view value)
{
    separate();
    out_ += '"';
    for (char c : value) {
        if (c == '"')
            out_ += '"';
        out_ += c;
    }
    out_ += '"';
    return *this;
}

namespace {
// The shortest text that reads back as the same value, "." as the point,
// written out in full digits (200000, not 2e+05) unless the value is too
// large or too small for that to be readable.
template <typename Number> void appendShortest(std::string& out, Number value)
{
    char buffer[64];
    const Number magnitude = value < 0 ? -value : value;
    const bool plain = magnitude == 0 || (magnitude >= Number(1e-7) && magnitude < Number(1e21));
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}
} // namespace

CsvWriter& CsvWriter::number(double value)
{
    separate();
    appendShortest(out_, value);
    return *this;
}

CsvWriter& CsvWriter::number(float value)
{
    separate();
    appendShortest(out_, value);
    return *this;
}

CsvWriter& CsvWriter::number(const Currency& value)
{
    separate();
    out_ += value.toPlainString();
    return *this;
}

CsvWriter& CsvWriter::integer(long long value)
{
    separate();
    out_ += std::to_string(value);
    return *this;
}

CsvWriter& CsvWriter::date(const Date& value)
{
    separate();
    out_ += '#' + value.toIso() + '#';
    return *this;
}

CsvWriter& CsvWriter::empty()
{
    separate();
    return *this;
}

CsvWriter& CsvWriter::endLine()
{
    out_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

CsvLine parseLine(std::string_view line)
{
    CsvLine fields;
    if (line.find_first_not_of(" \t") == std::string_view::npos)
        return fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        CsvField field;
        if (i < line.size() && line[i] == '"') {
            field.kind = CsvField::Kind::Text;
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.text += line[i++];
            }
            // Anything between the closing quote and the comma is dropped.
            while (i < line.size() && line[i] != ',')
                ++i;
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ',')
                ++i;
            std::string_view raw = line.substr(start, i - start);
            while (!raw.empty() && isBlank(raw.back()))
                raw.remove_suffix(1);
            if (raw.empty()) {
                field.kind = CsvField::Kind::Empty;
            } else if (raw.size() >= 2 && raw.front() == '#' && raw.back() == '#') {
                field.kind = CsvField::Kind::Date;
                field.text = std::string(raw.substr(1, raw.size() - 2));
            } else {
                field.kind = CsvField::Kind::Number;
                field.text = std::string(raw);
            }
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            break;
        ++i; // the comma
    }
    return fields;
}

} // namespace

std::vector<CsvLine> parseCsv(std::string_view data)
{
    if (data.substr(0, 3) == "\xEF\xBB\xBF")
        data.remove_prefix(3);
    std::vector<CsvLine> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string_view::npos)
            end = data.size();
        std::string_view line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(parseLine(line));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

} // namespace fiscalia

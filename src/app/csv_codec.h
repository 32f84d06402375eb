#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalia {

class Currency;
class Date;

// One field of a comma-separated data line.
struct CsvField {
    enum class Kind { Empty, Text, Number, Date };
    Kind kind = Kind::Empty;
    std::string text; // the text without quotes; a number as written; a date as yyyy-mm-dd

    // Typed readings; nothing when the field does not hold that type.
    std::optional<std::string> asText() const;
    std::optional<double> asNumber() const;
    std::optional<Currency> asCurrency() const;
    std::optional<int> asInt16() const; // a whole number in -32768..32767
    std::optional<Date> asDate() const;
};

using CsvLine = std::vector<CsvField>;

// Writes the program's comma-separated lines: texts in double quotes (an
// embedded quote doubled), numbers plain with "." as the decimal point, dates
// as #yyyy-mm-dd#, fields separated by commas, every line ended by CR LF.
class CsvWriter {
public:
    CsvWriter& text(std::string_view value);
    CsvWriter& number(double value);         // shortest text that reads back the same
    CsvWriter& number(float value);          // shortest text that reads back as the same float
    CsvWriter& number(const Currency& value);
    CsvWriter& integer(long long value);
    CsvWriter& date(const Date& value);
    CsvWriter& empty();
    CsvWriter& endLine();

    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    bool lineStarted_ = false;
};

// Reads comma-separated text into lines of fields. Tolerant: CR LF or LF line
// ends, a byte-order mark, blanks around fields, a missing closing quote (the
// text runs to the end of the line), doubled quotes inside texts, and a last
// line without a line end are all accepted. Blank lines give empty lines;
// trailing blank lines are dropped.
std::vector<CsvLine> parseCsv(std::string_view data);

} // namespace fiscalia

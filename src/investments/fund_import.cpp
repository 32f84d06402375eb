#include "investments/fund_import.h"

#include "app/calc_error.h"
#include "app/currency.h"
#include "app/text_encoding.h"

#include <array>
#include <cstdint>
#include <utility>

namespace fiscalia {

namespace {

__extension__ typedef __int128 Int128;

// The columns the import reads.
enum class Column { Date, Fund, Type, Shares, Price, Amount, Commission };
constexpr int ColumnCount = 7;

struct ColumnName {
    const char* name;
    Column column;
};

// Heading names, as compared: lower case, inner blanks single.
constexpr std::array<ColumnName, 16> ColumnNames{{
    {"date", Column::Date},
    {"trade date", Column::Date},
    {"fund", Column::Fund},
    {"name", Column::Fund},
    {"security", Column::Fund},
    {"type", Column::Type},
    {"action", Column::Type},
    {"transaction", Column::Type},
    {"shares", Column::Shares},
    {"quantity", Column::Shares},
    {"units", Column::Shares},
    {"price", Column::Price},
    {"amount", Column::Amount},
    {"commission", Column::Commission},
    {"fee", Column::Commission},
    {"fees", Column::Commission},
}};

// Each column's own name, as refusals speak of it.
constexpr std::array<const char*, ColumnCount> HeadingWords{
    {"date", "fund", "type", "shares", "price", "amount", "commission"}};

struct TypeName {
    const char* name;
    TransactionType type;
};

// Type names, as compared: lower case, inner blanks single.
constexpr std::array<TypeName, 21> TypeNames{{
    {"bought", TransactionType::Bought},
    {"b", TransactionType::Bought},
    {"buy", TransactionType::Bought},
    {"sold", TransactionType::Sold},
    {"s", TransactionType::Sold},
    {"sell", TransactionType::Sold},
    {"cash dividend", TransactionType::CashDividend},
    {"c", TransactionType::CashDividend},
    {"dividend", TransactionType::CashDividend},
    {"dividend shares", TransactionType::DividendShares},
    {"d", TransactionType::DividendShares},
    {"reinvested dividend", TransactionType::DividendShares},
    {"drip", TransactionType::DividendShares},
    {"fee cash", TransactionType::FeeCash},
    {"f", TransactionType::FeeCash},
    {"fee", TransactionType::FeeCash},
    {"unit fee", TransactionType::UnitFee},
    {"u", TransactionType::UnitFee},
    // The list items' spellings with a blank less, as exports write them.
    {"cashdividend", TransactionType::CashDividend},
    {"dividendshares", TransactionType::DividendShares},
    {"unitfee", TransactionType::UnitFee},
}};

// No figure above this is taken: a thousand records of it still sum well
// inside what a record's values can hold.
constexpr Currency ValueLimit = Currency::fromRaw(100'000'000'000LL * Currency::Scale);

constexpr std::string_view Nbsp = "\xC2\xA0";

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text)
{
    while (true) {
        if (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        else if (text.starts_with(Nbsp))
            text.remove_prefix(Nbsp.size());
        else
            break;
    }
    while (true) {
        if (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        else if (text.ends_with(Nbsp))
            text.remove_suffix(Nbsp.size());
        else
            break;
    }
    return text;
}

// A name as compared: blanks around it dropped, inner runs of blanks made
// one, the letters A-Z in lower case.
std::string nameKey(std::string_view text)
{
    text = trim(text);
    std::string key;
    key.reserve(text.size());
    bool blank = false;
    for (char c : text) {
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if (blank)
            key += ' ';
        blank = false;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::optional<Column> columnOf(std::string_view heading)
{
    const std::string key = nameKey(heading);
    for (const ColumnName& entry : ColumnNames)
        if (key == entry.name)
            return entry.column;
    return std::nullopt;
}

std::optional<TransactionType> typeOf(std::string_view text)
{
    const std::string key = nameKey(text);
    for (const TypeName& entry : TypeNames)
        if (key == entry.name)
            return entry.type;
    return std::nullopt;
}

// The fields of one line; `problem` says why the line could not be split.
struct Fields {
    std::vector<std::string> values;
    std::string problem;
};

Fields splitLine(std::string_view line, char separator)
{
    Fields out;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        std::string field;
        if (i < n && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed) {
                out.problem = "a quoted field has no closing quote";
                return out;
            }
            while (i < n && isBlank(line[i]))
                ++i;
            if (i < n && line[i] != separator) {
                out.problem = "a quoted field has more text after its closing quote";
                return out;
            }
        } else {
            const std::size_t end = std::min(line.find(separator, i), n);
            field = std::string(trim(line.substr(i, end - i)));
            i = end;
        }
        out.values.push_back(std::move(field));
        if (i >= n)
            break;
        ++i; // past the separator
    }
    return out;
}

// The file's lines, with their numbers (from 1), line ends taken off.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool blankLine(std::string_view line) { return trim(line).empty(); }

// Binary data: a NUL or any other control character but tab, CR and LF.
bool looksBinary(std::string_view text)
{
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F)
            return true;
    }
    return false;
}

// A figure of the file: its size, whether it was written negative, whether
// it was written at all; `fault` says why it could not be read.
struct Figure {
    Currency size;
    bool negative = false;
    bool given = false;
    std::string fault;
};

// The user's currency symbol when it cannot be taken for part of a figure.
std::string_view usableSymbol(const ImportOptions& options)
{
    const std::string& symbol = options.currencySymbol;
    if (trim(symbol).empty() || symbol.find_first_of("0123456789+-") != std::string::npos || symbol == "."
        || symbol == options.decimal)
        return {};
    return trim(symbol);
}

Figure readFigure(std::string_view written, Column column, const ImportOptions& options)
{
    Figure figure;
    std::string_view text = trim(written);
    if (text.empty())
        return figure;
    figure.given = true;
    const std::string_view symbols[] = {"$", "\xE2\x82\xAC", "\xC2\xA3", "\xC2\xA5", usableSymbol(options)};
    // A sign and a currency sign, in either order, before the digits.
    bool signTaken = false;
    bool symbolTaken = false;
    while (true) {
        text = trim(text);
        if (!signTaken && !text.empty() && (text.front() == '-' || text.front() == '+')) {
            figure.negative = text.front() == '-';
            signTaken = true;
            text.remove_prefix(1);
            continue;
        }
        if (!symbolTaken) {
            for (std::string_view symbol : symbols)
                if (!symbol.empty() && text.starts_with(symbol)) {
                    symbolTaken = true;
                    text.remove_prefix(symbol.size());
                    break;
                }
            if (symbolTaken)
                continue;
        }
        break;
    }
    // Or a currency sign after them.
    for (std::string_view symbol : symbols)
        if (!symbolTaken && !symbol.empty() && text.ends_with(symbol)) {
            symbolTaken = true;
            text.remove_suffix(symbol.size());
            text = trim(text);
        }

    const std::string quoted = "\"" + std::string(trim(written)) + "\" in the "
                               + HeadingWords[at(static_cast<int>(column))] + " column";
    const std::string_view decimal = options.decimal.empty() ? std::string_view(".") : options.decimal;
    std::string plain;
    int marks = 0;
    int digits = 0;
    bool grouped = false;
    bool other = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain += c;
            ++digits;
            ++i;
        } else if (c == '.' || text.substr(i).starts_with(decimal)) {
            plain += '.';
            ++marks;
            i += c == '.' ? 1 : decimal.size();
        } else if (c == ',' || c == '\'' || c == ' ' || text.substr(i).starts_with(Nbsp)) {
            grouped = true; // a thousands separator of some kind
            i += text.substr(i).starts_with(Nbsp) ? Nbsp.size() : 1;
        } else {
            other = true;
            ++i;
        }
    }
    if (other || digits == 0) {
        figure.fault = quoted + " is not a number";
        return figure;
    }
    if (grouped || marks > 1) {
        figure.fault = quoted + " cannot be read: write figures without thousands separators, with "
                       + (decimal == "." ? std::string("\".\"") : "\".\" or \"" + std::string(decimal) + "\"")
                       + " as the decimal mark";
        return figure;
    }
    const auto value = Currency::read(plain);
    if (!value || *value > ValueLimit) {
        figure.fault = quoted + " is too large";
        return figure;
    }
    figure.size = *value;
    return figure;
}

// size ÷ count to four decimals, ties to even; nothing when count is 0 or
// the quotient is too large.
std::optional<Currency> divide(const Currency& size, const Currency& count)
{
    if (count.raw() <= 0)
        return std::nullopt;
    const Int128 numerator = static_cast<Int128>(size.raw()) * Currency::Scale;
    Int128 quotient = numerator / count.raw();
    const Int128 remainder = numerator % count.raw();
    const Int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > count.raw() || (twice == count.raw() && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    if (quotient > ValueLimit.raw() || quotient < -ValueLimit.raw())
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(quotient));
}

std::string plural(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The file's columns: the field index of each, or -1.
using ColumnMap = std::array<int, ColumnCount>;

struct Heading {
    ColumnMap columns{};
    int recognised = 0;
    std::string problem;
};

Heading readHeading(std::string_view line, char separator)
{
    Heading heading;
    heading.columns.fill(-1);
    const Fields fields = splitLine(line, separator);
    if (!fields.problem.empty()) {
        heading.problem = "the heading line cannot be read: " + fields.problem;
        return heading;
    }
    for (std::size_t i = 0; i < fields.values.size(); ++i) {
        const auto column = columnOf(fields.values[i]);
        if (!column)
            continue;
        ++heading.recognised;
        int& index = heading.columns[at(static_cast<int>(*column))];
        if (index >= 0 && heading.problem.empty())
            heading.problem = "the columns \"" + std::string(trim(fields.values[at(index)])) + "\" and \""
                              + std::string(trim(fields.values[i])) + "\" both stand for \""
                              + HeadingWords[at(static_cast<int>(*column))] + "\"";
        else
            index = static_cast<int>(i);
    }
    return heading;
}

// The fund slot of a name the database holds: the same name first, then the
// same but for the case of A-Z; 0 when it holds none.
int fundSlotOf(const FundState& db, const std::string& name)
{
    for (int f = 1; f <= db.FundCount; ++f)
        if (db.FundList[at(f)].name == name)
            return f;
    const std::string key = nameKey(name);
    for (int f = 1; f <= db.FundCount; ++f)
        if (nameKey(db.FundList[at(f)].name) == key)
            return f;
    return 0;
}

// Reads the transaction lines by the heading's columns.
class LineReader {
public:
    LineReader(const ColumnMap& columns, const ImportOptions& options) : columns_(columns), options_(options) {}

    // Fills the line's date, fund, type and values, or its refusal.
    void read(const std::vector<std::string>& fields, ImportLine& line) const
    {
        line.dateText = std::string(field(fields, Column::Date));
        line.fund = std::string(field(fields, Column::Fund));
        line.typeText = std::string(field(fields, Column::Type));
        if (line.dateText.empty()) {
            line.refusal = "the date is missing";
            return;
        }
        auto date = Date::fromIso(line.dateText);
        if (!date && options_.readDate)
            date = options_.readDate(line.dateText);
        if (!date) {
            line.refusal = "the date \"" + line.dateText + "\" cannot be read";
            return;
        }
        line.date = *date;
        if (line.fund.empty()) {
            line.refusal = "the fund name is missing";
            return;
        }
        if (charCount(line.fund) > ImportFundNameLimit) {
            line.refusal = "the fund name is longer than " + std::to_string(ImportFundNameLimit) + " characters";
            return;
        }
        if (line.typeText.empty()) {
            line.refusal = "the type is missing";
            return;
        }
        line.type = typeOf(line.typeText);
        if (!line.type) {
            line.refusal = "the type \"" + line.typeText + "\" is not one the program knows";
            return;
        }
        line.refusal = readValues(fields, *line.type, line.values);
    }

private:
    std::string_view field(const std::vector<std::string>& fields, Column column) const
    {
        const int index = columns_[at(static_cast<int>(column))];
        if (index < 0 || at(index) >= fields.size())
            return {};
        return trim(fields[at(index)]);
    }

    Figure figure(const std::vector<std::string>& fields, Column column) const
    {
        return readFigure(field(fields, column), column, options_);
    }

    std::string readValues(const std::vector<std::string>& fields, TransactionType type, EntryValues& v) const
    {
        const std::string a = std::string("a ") + typeInfo(type).listItem + " line";
        switch (type) {
        case TransactionType::Bought:
        case TransactionType::Sold:
        case TransactionType::DividendShares:
        case TransactionType::UnitFee: {
            const bool trade = type == TransactionType::Bought || type == TransactionType::Sold;
            const bool goingOut = type == TransactionType::Sold || type == TransactionType::UnitFee;
            const Figure shares = figure(fields, Column::Shares);
            if (!shares.fault.empty())
                return shares.fault;
            if (shares.size.isZero() || (shares.negative && !goingOut))
                return a + " needs shares above 0";
            v.shares = shares.size;
            if (trade) {
                const Figure commission = figure(fields, Column::Commission);
                if (!commission.fault.empty())
                    return commission.fault;
                v.commission = commission.size;
            }
            const Figure price = figure(fields, Column::Price);
            if (!price.fault.empty())
                return price.fault;
            if (price.given) {
                if (price.size.isZero() || price.negative)
                    return a + " needs a price above 0";
                v.price = price.size;
                break;
            }
            // No price: worked out from the cash that moved.
            const Figure amount = figure(fields, Column::Amount);
            if (!amount.fault.empty())
                return amount.fault;
            if (!amount.given)
                return a + " needs a price, or an amount to work it out from";
            Currency net = amount.size;
            if (type == TransactionType::Bought)
                net -= v.commission;
            else if (type == TransactionType::Sold)
                net += v.commission;
            const auto worked = divide(net, v.shares);
            if (!worked)
                return "the price worked out from the amount is too large";
            if (*worked <= Currency())
                return "the price worked out from the amount is not above 0";
            v.price = *worked;
            break;
        }
        case TransactionType::CashDividend: {
            const Figure amount = figure(fields, Column::Amount);
            if (!amount.fault.empty())
                return amount.fault;
            if (amount.size.isZero())
                return a + " needs an amount above 0";
            v.cashDividend = amount.size;
            break;
        }
        case TransactionType::FeeCash: {
            Figure fee = figure(fields, Column::Commission);
            if (!fee.fault.empty())
                return fee.fault;
            if (fee.size.isZero())
                fee = figure(fields, Column::Amount);
            if (!fee.fault.empty())
                return fee.fault;
            if (fee.size.isZero())
                return a + " needs a fee above 0 in its commission or amount column";
            v.commission = fee.size;
            break;
        }
        }
        if (!entryFitsType(type, v))
            return "the figures do not fit " + a;
        // The record as it will be stored: its book value must be one the
        // database can sum.
        try {
            const FundRecord record = storeRecord(type, v, 1, Date(), 0);
            if (record.bookValue > ValueLimit || record.bookValue < -ValueLimit)
                return "the book value would be too large";
        } catch (const CalcError&) {
            return "the book value would be too large";
        }
        return {};
    }

    const ColumnMap& columns_;
    const ImportOptions& options_;
};

} // namespace

const char* const ImportGridHeadings[ImportGridColumns] = {
    "Line", "Status", "Date", "Fund", "Type", "Price", "Shares", "Commission", "Cash Dividend", "Book Value"};

FundRecord ImportLine::record() const
{
    if (!type)
        return FundRecord{};
    return storeRecord(*type, values, fundSlot, date, 0);
}

Result<ImportPreview> previewImport(const FundState& db, std::string_view bytes, const ImportOptions& options)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (looksBinary(bytes))
        return Failure{"the file holds binary data, not text"};
    const std::string text = legacyTextToUtf8(bytes);
    const std::vector<std::string_view> lines = splitLines(text);

    std::size_t first = 0;
    while (first < lines.size() && blankLine(lines[first]))
        ++first;
    if (first == lines.size())
        return Failure{"the file is empty"};

    // The separator that finds more column names in the heading line.
    const Heading commas = readHeading(lines[first], ',');
    const Heading semicolons = readHeading(lines[first], ';');
    const bool bySemicolon = semicolons.recognised > commas.recognised;
    const Heading& heading = bySemicolon ? semicolons : commas;
    if (!heading.problem.empty())
        return Failure{heading.problem};
    if (heading.recognised == 0)
        return Failure{"the first line names none of the columns date, fund and type: "
                       "this is not a file of transactions"};
    std::vector<std::string> missing;
    for (Column column : {Column::Date, Column::Fund, Column::Type})
        if (heading.columns[at(static_cast<int>(column))] < 0)
            missing.push_back("\"" + std::string(HeadingWords[at(static_cast<int>(column))]) + "\"");
    if (!missing.empty()) {
        std::string names = missing[0];
        for (std::size_t i = 1; i < missing.size(); ++i)
            names += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
        return Failure{"the heading line has no " + names + (missing.size() == 1 ? " column" : " columns")};
    }

    ImportPreview preview;
    preview.separator = bySemicolon ? ';' : ',';
    preview.fundCountBefore = db.FundCount;
    preview.recordCountBefore = db.RecordCount;
    const LineReader reader(heading.columns, options);
    std::vector<std::string> newFundKeys;

    for (std::size_t i = first + 1; i < lines.size(); ++i) {
        if (blankLine(lines[i]))
            continue;
        ImportLine line;
        line.line = static_cast<int>(i + 1);
        const Fields fields = splitLine(lines[i], preview.separator);
        if (!fields.problem.empty()) {
            line.refusal = fields.problem;
        } else {
            bool empty = true;
            for (const std::string& value : fields.values)
                empty = empty && trim(value).empty();
            if (empty)
                continue; // a line of separators only
            reader.read(fields.values, line);
        }
        if (static_cast<int>(preview.lines.size()) >= ImportLineLimit)
            return Failure{"the file holds more than " + std::to_string(ImportLineLimit)
                           + " transaction lines; a database holds at most " + std::to_string(RecordLimit)
                           + " records"};

        if (line.accepted()) {
            // The fund: one the database holds, one this import adds, or a
            // new one within the limit.
            int slot = fundSlotOf(db, line.fund);
            if (slot > 0) {
                line.fund = db.FundList[at(slot)].name;
            } else {
                const std::string key = nameKey(line.fund);
                for (std::size_t f = 0; f < newFundKeys.size() && slot == 0; ++f)
                    if (newFundKeys[f] == key) {
                        slot = db.FundCount + static_cast<int>(f) + 1;
                        line.fund = preview.newFunds[f];
                    }
                line.newFund = true;
            }
            if (slot == 0 && db.FundCount + static_cast<int>(preview.newFunds.size()) >= FundLimit)
                line.refusal = "the fund \"" + line.fund + "\" would pass the limit of " + std::to_string(FundLimit)
                               + " funds";
            else if (db.RecordCount + preview.accepted >= RecordLimit)
                line.refusal = "the database would pass " + std::to_string(RecordLimit) + " records";
            if (line.accepted() && slot == 0) {
                preview.newFunds.push_back(line.fund);
                newFundKeys.push_back(nameKey(line.fund));
                slot = db.FundCount + static_cast<int>(preview.newFunds.size());
            }
            line.fundSlot = line.accepted() ? slot : 0;
            if (!line.accepted())
                line.newFund = false;
        }
        if (line.accepted())
            ++preview.accepted;
        else
            ++preview.refused;
        preview.lines.push_back(std::move(line));
    }
    if (preview.lines.empty())
        return Failure{"the file holds no transaction lines below its heading line"};
    return preview;
}

std::string refusalText(const ImportLine& line)
{
    if (line.accepted())
        return {};
    return "line " + std::to_string(line.line) + ": " + line.refusal;
}

std::string importStatus(const ImportLine& line)
{
    if (!line.accepted())
        return "not added: " + line.refusal;
    return line.newFund ? "will be added, new fund" : "will be added";
}

std::string importCounts(const ImportPreview& preview)
{
    const int funds = static_cast<int>(preview.newFunds.size());
    return plural(preview.accepted, "line", "lines") + " will be added, "
           + std::to_string(preview.refused) + " cannot be added, "
           + (funds == 0 ? std::string("no new fund") : plural(funds, "new fund", "new funds"));
}

std::vector<std::string> importGridCells(const ImportPreview& preview, const NumberSymbols& symbols,
                                         const std::function<std::string(const Date&)>& shortDate)
{
    std::vector<std::string> cells;
    cells.reserve(preview.lines.size() * ImportGridColumns);
    for (const ImportLine& line : preview.lines) {
        cells.push_back(std::to_string(line.line));
        cells.push_back(importStatus(line));
        if (!line.accepted()) {
            cells.push_back(line.dateText);
            cells.push_back(line.fund);
            cells.push_back(line.typeText);
            cells.insert(cells.end(), 5, std::string());
            continue;
        }
        const FundRecord record = line.record();
        const TransactionTypeInfo& info = typeInfo(*line.type);
        auto shown = [&](bool used, const Currency& value, const char* pattern) {
            cells.push_back(used ? formatNumber(value, pattern, symbols) : std::string());
        };
        cells.push_back(shortDate ? shortDate(line.date) : line.date.toIso());
        cells.push_back(line.fund);
        cells.push_back(info.listItem);
        shown(info.usesPrice, record.price, "####,,##0.0000");
        shown(info.usesShares, record.shares, "####,,##0.0000");
        shown(info.usesCommission, record.commission, "####,,##0.00");
        shown(info.usesCashDividend, record.cashDividend, "####,,##0.00");
        shown(true, record.bookValue, "####,,##0.00");
    }
    return cells;
}

bool applyImport(FundState& db, const ImportPreview& preview)
{
    if (db.FundCount != preview.fundCountBefore || db.RecordCount != preview.recordCountBefore)
        return false;
    // Worked on a copy, so that the database is either all imported or untouched.
    FundState next = db;
    for (const std::string& name : preview.newFunds)
        if (!addFund(next, name))
            return false;
    for (const ImportLine& line : preview.lines) {
        if (!line.accepted())
            continue;
        if (next.RecordCount >= RecordLimit || line.fundSlot < 1 || line.fundSlot > next.FundCount)
            return false;
        const int slot = ++next.RecordCount;
        next.RecordTable[at(slot)] = storeRecord(*line.type, line.values, line.fundSlot, line.date, slot);
    }
    sortRecordsByDate(next);
    next.DatabaseChanged = 1;
    db = std::move(next);
    return true;
}

} // namespace fiscalia

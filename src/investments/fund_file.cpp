#include "investments/fund_file.h"

#include "app/csv_codec.h"
#include "investments/fund_database.h"

#include <cmath>

namespace fiscalia {

namespace {

std::size_t at(int slot) { return static_cast<std::size_t>(slot); }

std::string lineName(std::size_t index) { return "line " + std::to_string(index + 1); }

// A field as it stands in the file.
std::string shown(const CsvField& field)
{
    switch (field.kind) {
    case CsvField::Kind::Empty: break;
    case CsvField::Kind::Text: return "\"" + field.text + "\"";
    case CsvField::Kind::Number: return field.text;
    case CsvField::Kind::Date: return "#" + field.text + "#";
    }
    return field.text;
}

// "line 5 is a record whose fund 7 is not one of the 3 funds", or, for a
// field left empty, "line 5 is a record with no fund".
Failure recordFault(const std::string& where, const std::string& what, const CsvField& field,
                    const std::string& complaint)
{
    if (field.kind == CsvField::Kind::Empty)
        return Failure{where + " is a record with no " + what};
    return Failure{where + " is a record whose " + what + " " + shown(field) + " " + complaint};
}

// A count of line 1: a whole number, or nothing.
std::optional<double> wholeNumber(const CsvField& field)
{
    const auto value = field.asNumber();
    if (!value || *value != std::trunc(*value))
        return std::nullopt;
    return value;
}

// The names of a record's fields 2 to 6.
constexpr const char* AmountNames[] = {"price", "number of shares", "commission", "cash dividend", "book value"};

} // namespace

std::string serializeFundFile(const FundState& db)
{
    CsvWriter w;
    const FundSlot& all = db.FundList[at(AllRecordsSlot)];
    w.integer(db.RecordCount).integer(db.FundCount).text(all.name).text(all.numberText).endLine();
    for (int f = 1; f <= db.FundCount; ++f) {
        const FundSlot& fund = db.FundList[at(f)];
        w.text(fund.name).text(fund.numberText).endLine();
    }
    for (int r = 1; r <= db.RecordCount; ++r) {
        const FundRecord& record = db.RecordTable[at(r)];
        w.number(record.fund)
            .number(record.price)
            .number(record.shares)
            .number(record.commission)
            .number(record.cashDividend)
            .number(record.bookValue)
            .text(record.type)
            .date(record.date)
            .endLine();
    }
    return w.str();
}

Result<FundState> parseFundFile(std::string_view text)
{
    const auto lines = parseCsv(text);
    if (lines.empty())
        return Failure{"the file is empty"};

    const CsvLine& first = lines[0];
    if (first.size() < 4)
        return Failure{"line 1 does not hold the record count, the fund count and the two texts of All Records"};
    const auto recordCount = wholeNumber(first[0]);
    const auto fundCount = wholeNumber(first[1]);
    if (!recordCount || !fundCount)
        return Failure{"line 1 does not start with the record count and the fund count"};
    if (*recordCount < 0 || *recordCount > RecordLimit)
        return Failure{"line 1 gives " + first[0].text + " records; a database holds 0 to "
                       + std::to_string(RecordLimit)};
    if (*fundCount < 0 || *fundCount > FundLimit)
        return Failure{"line 1 gives " + first[1].text + " funds; a database holds 0 to "
                       + std::to_string(FundLimit)};
    const int records = static_cast<int>(*recordCount);
    const int funds = static_cast<int>(*fundCount);
    if (!first[2].asText() || !first[3].asText())
        return Failure{"line 1 does not end with the two texts of All Records"};

    const std::size_t needed = 1 + static_cast<std::size_t>(funds) + static_cast<std::size_t>(records);
    if (lines.size() < needed)
        return Failure{"line 1 promises " + std::to_string(funds) + " funds and " + std::to_string(records)
                       + " records, " + std::to_string(needed) + " lines in all, but the file has only "
                       + std::to_string(lines.size())};

    FundState db = emptyFundDatabase();
    db.FundCount = funds;
    db.RecordCount = records;

    std::size_t index = 1;
    for (int f = 1; f <= db.FundCount; ++f, ++index) {
        const CsvLine& line = lines[index];
        const auto name = line.size() >= 2 ? line[0].asText() : std::nullopt;
        const auto number = line.size() >= 2 ? line[1].asText() : std::nullopt;
        if (!name || !number)
            return Failure{lineName(index) + " should name fund " + std::to_string(f)
                           + " and give its number, both as texts in quotes"};
        db.FundList[at(f)] = {*name, *number};
    }

    for (int r = 1; r <= db.RecordCount; ++r, ++index) {
        const CsvLine& line = lines[index];
        const std::string where = lineName(index);
        if (line.size() < 8)
            return Failure{where + " should be record " + std::to_string(r) + " but holds "
                           + std::to_string(line.size()) + " of its 8 fields"};
        FundRecord& record = db.RecordTable[at(r)];

        const auto fund = line[0].asNumber();
        if (!fund || *fund != std::trunc(*fund) || *fund < 1 || *fund > db.FundCount)
            return recordFault(where, "fund", line[0],
                               "is not one of the " + std::to_string(db.FundCount) + " funds");
        record.fund = Currency::fromDouble(*fund);

        Currency* amounts[] = {&record.price, &record.shares, &record.commission, &record.cashDividend,
                               &record.bookValue};
        for (std::size_t i = 0; i < 5; ++i) {
            const auto amount = line[i + 1].asCurrency();
            if (!amount)
                return recordFault(where, AmountNames[i], line[i + 1], "is not an amount");
            *amounts[i] = *amount;
        }

        const auto code = line[6].asText();
        if (!code || !typeFromCode(*code))
            return recordFault(where, "type", line[6], "is not one of B, S, C, D, F and U");
        record.type = *code;

        const auto date = line[7].asDate();
        if (!date)
            return recordFault(where, "date", line[7], "is not a date");
        record.date = *date;
        record.number = r;
    }
    return db;
}

} // namespace fiscalia

#include "networth/net_worth_file.h"

#include "app/csv_codec.h"

namespace fiscalia {

namespace {

void writeCell(CsvWriter& writer, const NetCell& cell)
{
    if (const auto* text = std::get_if<std::string>(&cell))
        writer.text(*text);
    else if (const auto* number = std::get_if<double>(&cell))
        writer.number(*number);
    else
        writer.empty();
}

std::optional<NetCell> readCell(const CsvField& field)
{
    switch (field.kind) {
    case CsvField::Kind::Empty: return NetCell{};
    case CsvField::Kind::Text: return NetCell{field.text};
    case CsvField::Kind::Number:
        if (const auto number = field.asNumber())
            return NetCell{*number};
        return std::nullopt;
    case CsvField::Kind::Date: break;
    }
    return std::nullopt;
}

} // namespace

std::string serializeNetWorthFile(const NetStatement& s)
{
    CsvWriter writer;
    writer.integer(s.AssetCount).integer(s.LiabilityCount).endLine();
    for (int r = 1; r <= NetRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        writeCell(writer, s.AssetList[i].name);
        writeCell(writer, s.AssetList[i].value);
        writeCell(writer, s.LiabilityList[i].name);
        writeCell(writer, s.LiabilityList[i].value);
        writer.endLine();
    }
    return writer.str();
}

Result<NetStatement> parseNetWorthFile(std::string_view text)
{
    const auto lines = parseCsv(text);
    if (lines.size() < NetRows + 1)
        return Failure{"the file has " + std::to_string(lines.size()) + " lines; a net worth file has "
                       + std::to_string(NetRows + 1)};
    NetStatement s;
    const auto assets = lines[0].size() >= 2 ? lines[0][0].asInt16() : std::nullopt;
    const auto liabilities = lines[0].size() >= 2 ? lines[0][1].asInt16() : std::nullopt;
    if (!assets || !liabilities)
        return Failure{"line 1 does not hold the two line counts"};
    s.AssetCount = *assets;
    s.LiabilityCount = *liabilities;
    for (int r = 1; r <= NetRows; ++r) {
        const CsvLine& line = lines[static_cast<std::size_t>(r)];
        const std::string where = "line " + std::to_string(r + 1);
        if (line.size() < 4)
            return Failure{where + " has fewer than the four fields of a row"};
        NetCell* cells[] = {&s.AssetList[static_cast<std::size_t>(r)].name,
                            &s.AssetList[static_cast<std::size_t>(r)].value,
                            &s.LiabilityList[static_cast<std::size_t>(r)].name,
                            &s.LiabilityList[static_cast<std::size_t>(r)].value};
        for (std::size_t f = 0; f < 4; ++f) {
            auto cell = readCell(line[f]);
            if (!cell)
                return Failure{where + ", field " + std::to_string(f + 1) + " is neither a text nor a number"};
            *cells[f] = std::move(*cell);
        }
    }
    return s;
}

} // namespace fiscalia

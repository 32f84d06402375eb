// The CSV transaction import, from the file's bytes to the database: the
// preview (code page, separator, columns, every line), its grid, the import
// itself, and the database it leaves writing and reading back the same.
//
// The first byte picks the reader's settings: bit 0 a decimal comma and a
// d.m.yyyy short date (else "." and m/d/yyyy), bit 1 a database already
// holding funds and records.
#include "investments/fund_file.h"
#include "investments/fund_import.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

using namespace fiscalia;

namespace {

std::optional<Date> slashDate(const std::string& text)
{
    int m = 0, d = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d/%d/%d%c", &m, &d, &y, &tail) != 3)
        return std::nullopt;
    return Date::fromYmd(y, m, d);
}

std::optional<Date> dottedDate(const std::string& text)
{
    int m = 0, d = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d%c", &d, &m, &y, &tail) != 3)
        return std::nullopt;
    return Date::fromYmd(y, m, d);
}

FundState heldDatabase()
{
    FundState db = emptyFundDatabase();
    addFund(db, "Growth Fund");
    addFund(db, "bond fund");
    const EntryValues bought{Currency::fromInt(10), Currency::fromInt(100), Currency::fromInt(5), {}};
    for (int i = 1; i <= 3; ++i) {
        const int slot = ++db.RecordCount;
        db.RecordTable[static_cast<std::size_t>(slot)] =
            storeRecord(TransactionType::Bought, bought, i % 2 + 1, *Date::fromYmd(2020, i, 15), slot);
    }
    return db;
}

bool sameRecords(const FundState& a, const FundState& b)
{
    if (a.RecordCount != b.RecordCount || a.FundCount != b.FundCount)
        return false;
    for (int f = 1; f <= a.FundCount; ++f)
        if (a.FundList[static_cast<std::size_t>(f)].name != b.FundList[static_cast<std::size_t>(f)].name)
            return false;
    for (int r = 1; r <= a.RecordCount; ++r) {
        const FundRecord& x = a.RecordTable[static_cast<std::size_t>(r)];
        const FundRecord& y = b.RecordTable[static_cast<std::size_t>(r)];
        if (x.fund != y.fund || x.price != y.price || x.shares != y.shares || x.commission != y.commission
            || x.cashDividend != y.cashDividend || x.bookValue != y.bookValue || x.type != y.type
            || x.date != y.date)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    ImportOptions options;
    if (choice & 1) {
        options.decimal = ",";
        options.currencySymbol = "kr";
        options.readDate = dottedDate;
    } else {
        options.decimal = ".";
        options.currencySymbol = "$";
        options.readDate = slashDate;
    }
    FundState db = (choice & 2) ? heldDatabase() : emptyFundDatabase();

    const auto preview = previewImport(db, text, options);
    if (!preview)
        return 0;
    const ImportPreview& p = *preview;
    if (p.accepted + p.refused != static_cast<int>(p.lines.size()) || p.lines.empty())
        __builtin_trap();
    if (p.fundCountBefore + static_cast<int>(p.newFunds.size()) > FundLimit
        || p.recordCountBefore + p.accepted > RecordLimit)
        __builtin_trap();
    for (const ImportLine& line : p.lines) {
        if (line.accepted() != refusalText(line).empty())
            __builtin_trap();
        if (line.accepted() && (!line.type || !entryFitsType(*line.type, line.values)))
            __builtin_trap();
        (void)importStatus(line);
    }
    (void)importCounts(p);

    NumberSymbols symbols;
    if (choice & 1) {
        symbols.decimal = ",";
        symbols.group = ".";
    }
    const auto cells = importGridCells(p, symbols, [](const Date& d) { return d.toIso(); });
    if (cells.size() != p.lines.size() * ImportGridColumns)
        __builtin_trap();

    // The import stores every accepted line, and what it leaves is a
    // database the file format holds.
    const FundState before = db;
    if (!applyImport(db, p))
        __builtin_trap();
    if (db.RecordCount != before.RecordCount + p.accepted
        || db.FundCount != before.FundCount + static_cast<int>(p.newFunds.size()))
        __builtin_trap();
    for (int r = 2; r <= db.RecordCount; ++r)
        if (db.RecordTable[static_cast<std::size_t>(r)].date < db.RecordTable[static_cast<std::size_t>(r - 1)].date)
            __builtin_trap();
    const auto again = parseFundFile(serializeFundFile(db));
    if (!again || !sameRecords(db, *again))
        __builtin_trap();
    // A second import of the same preview is refused: the database changed.
    if (p.accepted > 0 && applyImport(db, p))
        __builtin_trap();
    return 0;
}

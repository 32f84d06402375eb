// The Investment Manager database reader (.kvs): whatever it reads must
// write back and read again to the same database.
#include "app/calc_error.h"
#include "investments/fund_file.h"
#include "investments/fund_values.h"

#include <cstddef>
#include <cstdint>

namespace {

bool sameRecord(const fiscalia::FundRecord& a, const fiscalia::FundRecord& b)
{
    return a.fund == b.fund && a.price == b.price && a.shares == b.shares && a.commission == b.commission
        && a.cashDividend == b.cashDividend && a.bookValue == b.bookValue && a.type == b.type
        && a.date == b.date && a.number == b.number;
}

bool sameDatabase(const fiscalia::FundState& a, const fiscalia::FundState& b)
{
    if (a.RecordCount != b.RecordCount || a.FundCount != b.FundCount)
        return false;
    for (std::size_t f = 0; f < a.FundList.size(); ++f)
        if (a.FundList[f].name != b.FundList[f].name || a.FundList[f].numberText != b.FundList[f].numberText)
            return false;
    for (int r = 1; r <= a.RecordCount; ++r)
        if (!sameRecord(a.RecordTable[static_cast<std::size_t>(r)], b.RecordTable[static_cast<std::size_t>(r)]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto first = fiscalia::parseFundFile(text);
    if (!first)
        return 0;
    if (first->RecordCount < 0 || first->RecordCount > fiscalia::RecordLimit || first->FundCount < 0
        || first->FundCount > fiscalia::FundLimit)
        __builtin_trap();
    const auto again = fiscalia::parseFundFile(fiscalia::serializeFundFile(*first));
    if (!again || !sameDatabase(*first, *again))
        __builtin_trap();
    if (fiscalia::serializeFundFile(*again) != fiscalia::serializeFundFile(*first))
        __builtin_trap();

    // What the windows show of a database just opened: the records tables,
    // the sums, a valuation and the annual returns. A figure too large to
    // hold is CalcError (or a failure); nothing else may go wrong.
    fiscalia::FundState db = *first;
    const auto iso = [](const fiscalia::Date& d) { return d.toIso(); };
    const fiscalia::Date today = *fiscalia::Date::fromYmd(2026, 12, 8);
    for (int fund = 1; fund <= db.FundCount; ++fund) {
        try {
            (void)fiscalia::recordsTable(db, fund, "$", {}, iso);
            const auto sums = fiscalia::fundSums(db, fund);
            (void)fiscalia::valueFund(fiscalia::Currency::fromInt(12), sums, std::nullopt);
            (void)fiscalia::annualReturn(db, fund, today);
        } catch (const fiscalia::CalcError&) {
        }
    }
    try {
        (void)fiscalia::recordsTable(db, fiscalia::AllRecordsSlot, "$", {}, iso);
        fiscalia::sumFundRecords(db);
        for (int fund = 1; fund <= db.FundCount; ++fund)
            db.FundValueTable[static_cast<std::size_t>(fund)][2] = fiscalia::Currency::fromInt(fund);
        fiscalia::computeCurrentValues(db);
        (void)fiscalia::currentValueTable(db, std::vector<std::optional<double>>(32), "$", {});
    } catch (const fiscalia::CalcError&) {
    }
    return 0;
}

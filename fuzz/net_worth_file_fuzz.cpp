// The net worth file reader (.kvw): whatever it reads must write back and
// read again to the same statement.
#include "app/calc_error.h"
#include "networth/net_worth_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool sameCell(const fiscalia::NetCell& a, const fiscalia::NetCell& b)
{
    if (a.index() != b.index())
        return false;
    if (const auto* x = std::get_if<double>(&a)) {
        const double y = std::get<double>(b);
        return *x == y || (std::isnan(*x) && std::isnan(y));
    }
    return a == b;
}

bool sameList(const fiscalia::NetList& a, const fiscalia::NetList& b)
{
    for (int r = 1; r <= fiscalia::NetRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (!sameCell(a[i].name, b[i].name) || !sameCell(a[i].value, b[i].value))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto first = fiscalia::parseNetWorthFile(text);
    if (!first)
        return 0;
    const auto again = fiscalia::parseNetWorthFile(fiscalia::serializeNetWorthFile(*first));
    if (!again || again->AssetCount != first->AssetCount || again->LiabilityCount != first->LiabilityCount
        || !sameList(again->AssetList, first->AssetList) || !sameList(again->LiabilityList, first->LiabilityList))
        __builtin_trap();
    if (fiscalia::serializeNetWorthFile(*again) != fiscalia::serializeNetWorthFile(*first))
        __builtin_trap();
    // The lists as opened, before any Calculate: the file's counts are not trusted.
    (void)fiscalia::netGridTexts(first->AssetList, first->AssetCount, "Total Assets", {}, "$", {});
    (void)fiscalia::netGridTexts(first->LiabilityList, first->LiabilityCount, "Total Liabilities", {}, "$", {});
    // A statement read from any file can be calculated: a total too large
    // is refused with CalcError, nothing else.
    try {
        const auto calc = fiscalia::calculateNetWorth(*first);
        const auto& st = calc.statement;
        if (st.AssetCount < 0 || st.AssetCount > fiscalia::NetRows || st.LiabilityCount < 0
            || st.LiabilityCount > fiscalia::NetRows)
            __builtin_trap();
        (void)fiscalia::netGridTexts(st.AssetList, st.AssetCount, "Total Assets", calc.totals.assets, "$", {});
        (void)fiscalia::netGridTexts(st.LiabilityList, st.LiabilityCount, "Total Liabilities",
                                     calc.totals.liabilities, "$", {});
        (void)fiscalia::netWorthText(calc.totals.netWorth, "$", {});
    } catch (const fiscalia::CalcError&) {
    }
    return 0;
}

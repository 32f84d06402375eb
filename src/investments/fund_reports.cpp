#include "investments/fund_reports.h"

#include "app/calc_error.h"
#include "investments/fund_database.h"
#include "investments/fund_values.h"

#include <cstdint>
#include <vector>

namespace fiscalia {

namespace {

const std::string Rule = " " + std::string(78, '_');

std::size_t at(int slot) { return static_cast<std::size_t>(slot); }

// Adds a block's lines to the line counter and breaks the page when it is
// full. Both printouts start the next page with two empty lines and the
// counter at 3, without headings.
void countLines(Printout& p, int lines)
{
    p.setCounter(p.counter() + lines);
    if (p.counter() >= p.pageLines())
        p.breakPage();
}

void checkFundCount(const FundState& db)
{
    if (db.FundCount < 0 || db.FundCount > FundLimit || db.FundList.size() < at(FundSlots)
        || db.FundValueTable.size() < at(FundSlots))
        throw CalcError("fund count outside the fund list");
}

} // namespace

Report currentValueReport(const FundReportSettings& s, const FundState& db)
{
    checkFundCount(db);
    auto number = [&](const Currency& value, const char* pattern, int width) {
        return RightJustify(formatNumber(value, pattern, s.symbols), width);
    };
    auto money = [&](const Currency& value, const char* pattern, int width) {
        return RightJustify(s.currencySymbol + formatNumber(value, pattern, s.symbols), width);
    };

    Printout p(s.header, s.printFontChoice, s.pageLines);
    p.fields({{30, "Current Value of all Funds."}});
    p.line();
    p.fields({{2, "  Name of     Number         Book    Current      Current       Gain/    Gain/"}});
    p.fields({{2, "     Fund     Shares         Cost      Price        Total      Loss " + s.currencySymbol + "   Loss %"}});
    p.line(Rule);
    p.line();
    p.setBreakLayout(1, 3);
    p.setCounter(10);
    for (int f = 1; f <= db.FundCount; ++f) {
        const auto& row = db.FundValueTable[at(f)];
        p.fields({{2, db.FundList[at(f)].name + " (" + shareOfTotalValue(db, f).toPlainString() + "%)"}});
        p.line();
        p.fields({{10, number(row[0], "##,,###.0000", 12)},
                  {23, number(row[1], "####,,###.00", 12)},
                  {38, number(row[2], "###.00", 8)},
                  {47, number(row[3], "###,,###.00", 12)},
                  {60, number(row[4], "##,,###.00", 11)},
                  {72, number(row[5], "##.00", 7) + "%"}});
        p.line();
        countLines(p, 4);
    }
    const auto& totals = db.FundValueTable[at(AllRecordsSlot)];
    p.line(Rule);
    p.line();
    p.fields({{2, "Total: " + number(totals[0], "###,,###.0000", 11)},
              {23, money(totals[1], "###,,###.00", 12)},
              {47, money(totals[3], "###,,###.00", 12)},
              {60, money(totals[4], "###,,###.00", 11)},
              {72, number(totals[5], "##0.00", 7) + "%"}});
    return p.endReport();
}

Report recordsReport(const FundReportSettings& s, const FundState& db, int fund, const std::string& trailer,
                     const std::function<std::string(const Date&)>& shortDate)
{
    checkFundCount(db);
    if (fund < 1 || fund > AllRecordsSlot)
        throw CalcError("fund outside the fund list");
    auto number = [&](const Currency& value, const char* pattern, int width) {
        return RightJustify(formatNumber(value, pattern, s.symbols), width);
    };
    auto money = [&](const Currency& value, const char* pattern, int width) {
        return RightJustify(s.currencySymbol + formatNumber(value, pattern, s.symbols), width);
    };

    Printout p(s.header, s.printFontChoice, s.pageLines);
    p.fields({{32, db.FundList[at(fund)].name}});
    p.line();
    p.line();
    p.fields({{2, "Trans-           Trade    Share   Number     Comm     Div.    Cash        Book"}});
    p.fields({{2, "action            Date    Price   Shares     Fees   Shares    Div.       Value"}});
    p.line(Rule);
    p.line();
    p.setBreakLayout(1, 3);
    p.setCounter(9);

    // The records of one fund and its block end; the fund's sums go into
    // the grand totals.
    FundSums grand;
    auto fundBlock = [&](int f) {
        for (int r : recordsOfFund(db, f)) {
            const FundRecord& record = db.RecordTable[at(r)];
            p.fields({{2, describeRecordType(record)},
                      {14, shortDate ? shortDate(record.date) : record.date.toIso()},
                      {24, number(record.price, "##,,##0.00", 9)},
                      {33, number(record.shares, "##,,##0.000", 9)},
                      {42, number(record.commission, "##,,##0.00", 9)},
                      {51, number(dividendSharesValue(record), "##,,##0.00", 9)},
                      {60, number(record.cashDividend, "#,,##0.00", 9)},
                      {69, number(record.bookValue, "###,,##0.00", 11)}});
            countLines(p, 1);
        }
        const FundSums sums = fundSums(db, f);
        p.line(Rule);
        p.line();
        p.fields({{2, "Total:"},
                  {31, number(sums.shares, "###,,###.000", 11)},
                  {42, money(sums.commission, "##,,###.00", 9)},
                  {51, money(sums.dividendSharesValue, "##,,###.00", 9)},
                  {60, money(sums.cashDividends, "##,,###.00", 9)},
                  {69, money(sums.bookValue, "###,,###.00", 11)}});
        p.fields({{2, "Average Cost per Share  ="
                          + money(averageCost(sums.shares, sums.bookValue), "##,,###.0000", 10)}});
        countLines(p, 4);
        grand.shares += sums.shares;
        grand.commission += sums.commission;
        grand.dividendSharesValue += sums.dividendSharesValue;
        grand.cashDividends += sums.cashDividends;
        grand.bookValue += sums.bookValue;
    };

    if (fund != AllRecordsSlot) {
        fundBlock(fund);
    } else {
        for (int f = 1; f <= db.FundCount; ++f) {
            p.fields({{2, db.FundList[at(f)].name}});
            p.setCounter(p.counter() + 1);
            fundBlock(f);
        }
        p.line(Rule);
        p.line();
        p.fields({{2, "Total all Funds:"},
                  {31, number(grand.shares, "###,,###.00", 10)},
                  {42, money(grand.commission, "##,,###.00", 9)},
                  {51, money(grand.dividendSharesValue, "##,,###.00", 9)},
                  {60, money(grand.cashDividends, "##,,###.00", 9)},
                  {69, money(grand.bookValue, "###,,###.00", 11)}});
    }
    if (!trailer.empty())
        p.text(trailer);
    return p.endReport();
}

} // namespace fiscalia

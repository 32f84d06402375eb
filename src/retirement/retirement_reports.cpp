#include "retirement/retirement_reports.h"

#include <cmath>
#include <cstdlib>

namespace fiscalia {

namespace {

const std::string Underscores(72, '_');

// Where each of a table's three amounts stands: its column and its width.
struct AmountColumns {
    int widths[3];
};

// The yearly table of both reports: headings, one line a year with its own
// page break (three empty lines and the headings on the next page, the
// counter restarting at 6), and the totals.
void yearTable(Printout& p, const std::string& headings, const YearTableRows& table, int years, int counter,
               const AmountColumns& columns, const RetirementReportSettings& s)
{
    p.line();
    p.line();
    p.fields({{2, headings}});
    p.fields({{2, Underscores}});
    p.line();
    p.setHeadings({headings, Underscores});
    p.setBreakLayout(3, 6);
    p.setCounter(counter);
    static constexpr int At[] = {17, 39, 61};
    for (int y = 1; y <= years && static_cast<std::size_t>(y) < table.size(); ++y) {
        const auto& row = table[static_cast<std::size_t>(y)];
        auto amount = [&](int k) {
            return Field{At[k], RightJustify(formatNumber(row[static_cast<std::size_t>(k + 2)], "####,,###.00", s.symbols),
                                             columns.widths[k])};
        };
        p.bodyRow(placeFields({{2, RightJustify(formatNumber(y, "###", s.symbols), 3)}, amount(0), amount(1), amount(2)})
                      .front());
    }
    const std::size_t totalsRow = static_cast<std::size_t>(years) + 1;
    const auto totals = totalsRow < table.size() ? table[totalsRow] : std::array<Currency, 6>{};
    auto total = [&](int k) {
        return Field{At[k], RightJustify(s.currencySymbol + formatNumber(totals[static_cast<std::size_t>(k + 2)],
                                                                         "####,,###.00", s.symbols),
                                         columns.widths[k])};
    };
    p.fields({{2, Underscores}});
    p.line();
    p.fields({{2, "Total:"}, total(0), total(1), total(2)});
}

std::string percent(const Currency& value, int width, const NumberSymbols& symbols)
{
    return RightJustify(formatNumber(value.toDouble() / 100.0, "###.00%", symbols), width);
}

} // namespace

Report retirementReport(const RetirementReportSettings& s, const RetirementRun& run, const std::string& yearsText)
{
    const RetirementInput& in = run.input;
    Printout p(s.header, s.printFontChoice, s.pageLines);
    p.fields({{27, "Retirement Income Calculation"}});
    p.line();
    p.line();
    p.fields({{2, "Current Value of your Investments on Retirement"},
              {51, RightJustify(s.currencySymbol + formatNumber(in.capital, "####,,###.00", s.symbols), 14)}});
    p.line();
    p.fields({{2, "Annual Interest/Growth Rate (%)"}, {52, percent(in.rate, 14, s.symbols)}});
    p.line();
    int counter = 18;
    int years = 0;
    if (in.option == Withdrawal::Percentage) {
        p.fields({{2, "Annual Income Withdrawn as a (%) of Current Value"}, {52, percent(in.drawn, 14, s.symbols)}});
        p.line();
        p.fields({{2, "Time in Years"}, {51, RightJustify(formatNumber(in.term, "###", s.symbols), 14)}});
        years = static_cast<int>(std::lround(in.term.toDouble()));
    } else {
        p.fields({{2, "Monthly Amount of Cash Withdrawn"},
                  {51, RightJustify(s.currencySymbol + formatNumber(in.drawn, "####,,###.00", s.symbols), 14)}});
        p.line();
        p.fields({{2, "Increase Annual Amount Withdrawn by %"}, {51, percent(in.term, 15, s.symbols)}});
        counter = 16;
        years = std::atoi(yearsText.c_str());
    }
    yearTable(p, "Year         Interest/Growth          Annual Income        Current Value", run.result.table, years,
              counter, {{13, 14, 13}}, s);
    return p.endReport();
}

Report capitalReport(const RetirementReportSettings& s, const CapitalRun& run)
{
    const CapitalInput& in = run.input;
    const bool income = in.goal == CapitalGoal::Income;
    Printout p(s.header, s.printFontChoice, s.pageLines);
    p.fields({{22, income ? "Amount of Annual Income Required" : "Amount of Annual Investment Required"}});
    p.line();
    p.line();
    p.fields({{2, income ? "Amount of Income required on Retirement." : "Amount of Capital required on Retirement."},
              {52, RightJustify(s.currencySymbol + formatNumber(in.amount, "##,,###.00", s.symbols), 14)}});
    p.line();
    p.fields({{2, "Annual Interest/Growth Rate(%)."}, {53, percent(in.rate, 14, s.symbols)}});
    p.line();
    p.fields({{2, "At the end of how many Years."}, {52, RightJustify(formatNumber(in.years, "###", s.symbols), 14)}});
    yearTable(p, "Year        Annual Investment      Interest/Growth         Current Value", run.result.table,
              static_cast<int>(std::lround(in.years.toDouble())), 16, {{14, 13, 13}}, s);
    return p.endReport();
}

} // namespace fiscalia

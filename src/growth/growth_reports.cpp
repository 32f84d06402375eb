#include "growth/growth_reports.h"

namespace fiscalia {

Report plan401KReport(const Plan401KReportInput& input)
{
    Printout p(input.header, input.printFontChoice, input.pageLines);
    if (!input.run)
        return p.endReport();
    const Plan401KInput& in = input.run->input;
    const Plan401KResult& res = input.run->result;
    const NumberSymbols& sym = input.symbols;
    const std::string& cs = input.currencySymbol;
    auto amount = [&](const Currency& v) { return RightJustify(cs + formatNumber(v, "##,,###.00", sym), 14); };
    auto rate = [&](const Currency& v) { return RightJustify(formatNumber(v, "###.00", sym) + "%", 14); };

    p.fields({{25, "Investment Growth - 401K Plan"}});
    p.line();
    p.line();
    // The rates stand one column right of the amounts, so their digits end
    // in the same column and the "%" after them.
    const Field items[] = {
        {52, amount(in.balance)},   {52, amount(in.salary)},   {53, rate(in.ownRate)},
        {53, rate(in.companyRate)}, {53, rate(in.raise)},      {53, rate(in.returnRate)},
        {53, rate(in.inflation)},   {52, RightJustify(formatNumber(in.years, "###", sym), 14)},
    };
    const char* const labels[] = {"Current balance in your 401K account",  "Your current annual salary",
                                  "Your annual 401K rate of contribution", "The company contribution rate",
                                  "Estimated rate of annual salary raises", "Annual rate of return on your 401K",
                                  "Estimated rate of annual inflation",     "The number of years to retirement"};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        p.fields({{2, labels[i]}, items[i]});
        p.line();
    }
    p.line();
    const std::string heading = " Year   Annual Salary   Contributions   Interest/Growth    Current Value";
    const std::string rule = " " + std::string(71, '_');
    p.fields({{2, heading}});
    p.fields({{2, rule}});
    p.line();
    p.setHeadings({heading, rule});
    p.setBreakLayout(3, 6);
    p.setCounter(26);

    auto money = [&](const Currency& v, int width) { return RightJustify(formatNumber(v, "####,,###.00", sym), width); };
    const Currency opening = res.table[0][4];
    if (opening > Currency::fromInt(1)) {
        p.fields({{61, money(opening, 13)}});
        p.setCounter(p.counter() + 1);
    }
    for (int j = 1; j <= res.years; ++j) {
        const auto& row = res.table[static_cast<std::size_t>(j)];
        p.bodyRow(placeFields({{2, RightJustify(formatNumber(j, "###", sym), 3)},
                               {11, money(row[0], 12)},
                               {24, money(row[2], 14)},
                               {44, money(row[3], 13)},
                               {61, money(row[4], 13)}})
                      .front());
    }
    auto total = [&](const Currency& v, int width) {
        return RightJustify(cs + formatNumber(v, "####,,###.00", sym), width);
    };
    p.fields({{2, rule}});
    p.line();
    p.fields({{2, "Total:"}, {24, total(res.invested, 14)}, {44, total(res.growth, 13)}, {61, total(res.finalValue, 13)}});
    return p.endReport();
}

Report compoundReport(const std::string& header, int printFontChoice, int pageLines,
                      const std::array<std::string, 4>& reportLines)
{
    Printout p(header, printFontChoice, pageLines);
    p.fields({{27, "Annual Compounding Comparisons"}});
    p.line();
    p.line();
    p.fields({{2, "Term in          Cost of         Current or      Compounded at   Total Rate(%)"}});
    p.fields({{2, " Years        Investment       Future Value     Annual Rate(%)     over Period"}});
    p.fields({{2, std::string(78, '_')}});
    p.text(reportLines[1]);
    if (!reportLines[2].empty()) {
        p.newPage();
        p.line();
        p.line();
        p.line();
        p.text(reportLines[2]);
    }
    return p.endReport();
}

} // namespace fiscalia

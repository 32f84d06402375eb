#include "growth/savings_report.h"

namespace fiscalia {

namespace {

const std::string Rule77(77, '_');
const std::string Rule72(72, '_');

void comparisonsReport(Printout& p, const std::array<std::string, 4>& lines)
{
    p.line();
    p.fields({{30, "Investment Growth Comparisons"}});
    p.line();
    p.line();
    p.fields({{2, "Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current"}});
    p.fields({{2, "End  Investment Investment /Growth  Increase Rate(%)     Invested    Value"}});
    p.fields({{2, Rule77}});
    p.line();
    p.text(lines[1]);
    if (!lines[2].empty()) {
        p.newPage();
        p.line();
        p.line();
        p.fields({{2, Rule77}});
        p.line();
        p.text(lines[2]);
    }
}

void planningReport(Printout& p, const SavingsRun& run, const std::string& cs, const NumberSymbols& sym)
{
    const SavingsInput& in = run.input;
    const SavingsResult& res = run.result;
    auto money = [&](const Currency& v, const char* pattern, int width) {
        return RightJustify(cs + formatNumber(v, pattern, sym), width);
    };
    auto rate = [&](const Currency& v) { return RightJustify(formatNumber(v, "###.00", sym), 14) + "%"; };
    p.line();
    p.fields({{25, "Investment Growth Calculation"}});
    p.line();
    p.line();
    const std::pair<const char*, std::string> items[] = {
        {"Amount of Lump Sum Invested at Start", money(in.lumpSum, "##,,###.00", 14)},
        {"Annual Amount Invested each contribution", money(in.contribution, "##,,###.00", 14)},
        {"Frequency of each contribution", RightJustify(listText(in.frequency), 14)},
        {"Annual Interest/Growth Rate(%)", rate(in.rate)},
        {"Increase the annual Investment Rate by", rate(in.increase)},
        {"Adjust Current Value for Annual Inflation Rate(%)", rate(in.inflation)},
        {"Time in Years", RightJustify(formatNumber(in.term, "###", sym), 14)},
    };
    for (const auto& [label, value] : items) {
        p.fields({{2, label}, {52, value}});
        p.line();
    }
    p.line();
    const std::string heading =
        RightJustify(listText(in.frequency), 9) + "          Investment      Interest/Growth         Current Value";
    p.fields({{2, heading}});
    p.fields({{2, Rule72}});
    p.line();
    // A new page starts with three empty lines, the heading, the rule and an
    // empty line; its counter restarts at 6.
    p.setHeadings({heading, Rule72});
    p.setBreakLayout(3, 6);
    p.setCounter(24);
    for (int k = 1; k <= res.periods; ++k) {
        const auto& row = res.table[static_cast<std::size_t>(k)];
        auto amount = [&](std::size_t column, int width) {
            return RightJustify(formatNumber(row[column], "####,,###.00", sym), width);
        };
        p.bodyRow(placeFields({{2, RightJustify(formatNumber(k, "###", sym), 3)},
                               {17, amount(2, 14)},
                               {39, amount(3, 13)},
                               {61, amount(4, 13)}})
                      .front());
    }
    p.fields({{2, Rule72}});
    p.line();
    p.fields({{2, "Total:"},
              {17, money(res.invested, "####,,###.00", 14)},
              {39, money(res.growth, "####,,###.00", 13)},
              {61, money(res.finalValue, "####,,###.00", 13)}});
}

} // namespace

Report savingsReport(const SavingsReportInput& input)
{
    Printout p(input.header, input.printFontChoice, input.pageLines);
    if (input.toolMode == ComparisonsMode) {
        if (input.reportLines)
            comparisonsReport(p, *input.reportLines);
    } else if (input.run) {
        planningReport(p, *input.run, input.currencySymbol, input.symbols);
    }
    return p.endReport();
}

} // namespace fiscalia

#include "mortgage/mortgage_report.h"

#include "app/number_format.h"

namespace fiscalia {

namespace {

// A number right-justified to its field; a number too wide for the field is
// printed whole rather than cut.
std::string field(const std::string& text, int width)
{
    return charCount(text) >= width ? text : RightJustify(text, width);
}

} // namespace

Report mortgageReport(const MortgageReportInput& rep)
{
    const AmortizationInput& in = *rep.input;
    const AmortizationResult& res = *rep.result;
    const NumberSymbols& sym = in.symbols;
    const std::string& cs = in.currencySymbol;
    const bool loan = in.loanMode == 2;
    const bool annual = in.view != ScheduleView::All;

    Printout p(rep.header, rep.printFontChoice, rep.pageLines);
    p.fields({{32, loan ? " Personal Loan Table" : " Mortgage Table"}});
    p.fields({{2, ReportRule}});
    p.line();

    // Inputs.
    if (loan) {
        p.fields({{2, "Principal   Annual     Length of      Interest       Frequency     Included"}});
        p.fields({{2, "amount of   interest   the loan       compounding    and type      in P + I"}});
        p.fields({{2, "the loan.   rate(%).   in months.     periods/year.  of payment. "
                          + RightJustify(formatNumber(static_cast<double>(in.piIncrease) * 100, "##0.000", sym), 9)
                          + "%"}});
    } else {
        p.fields({{2, "Principal   Annual     Amortization   Interest       Frequency     Included"}});
        p.fields({{2, "amount of   interest   period in      compounding    and type      in P + I"}});
        p.fields({{2, "mortgage.   rate(%).   years.         periods/year.  of payment. "
                          + RightJustify(formatNumber(static_cast<double>(in.piIncrease) * 100, "##0.000", sym), 9)
                          + "%"}});
    }
    p.line();
    const double termShown = in.term.toDouble() * (loan ? 12.0 : 1.0);
    p.fields({{2, field(cs + formatNumber(in.principal, "###,,###.00", sym), 11)},
              {14, field(formatNumber(in.rate, "###.000", sym), 6) + "%"},
              {23, field(formatNumber(termShown, "###", sym), 4)},
              {36, RightJustify(listText(in.compounding), 14)},
              {51, RightJustify(listText(in.frequency), 14)},
              // The increase as an amount with its cents.
              {68, field(cs + formatNumber(res.increaseAmount, "###,,###.00", sym), 9)}});

    // Results.
    p.fields({{2, ReportRule}});
    p.line();
    p.fields({{2, loan ? "Days   Interest    No. of     No. months Principal   Total paid    Total of"
                       : "Days   Interest    No. of     No. years  Principal   Total paid    Total of"}});
    p.fields({{2, "in     rate        payments   to final   + Interest  over life     interest"}});
    p.fields({{2, loan ? "year   factor      each year  payment    payment     of the loan   savings"
                       : "year   factor      each year  payment    payment     of mortgage   savings"}});
    p.line();
    const double yearsShown = static_cast<double>(res.yearsToPayoff) * (loan ? 12.0 : 1.0);
    p.fields({{2, res.inDays},
              {9, field(formatNumber(res.periodicRate, "0.########", sym), 10)},
              {19, field(formatNumber(static_cast<double>(res.paymentsPerYear), "###.00", sym), 7)},
              {31, field(formatNumber(yearsShown, "###.00", sym), 6)},
              {40, field(cs + formatNumber(res.payment, "##,,###.00", sym), 10)},
              {53, field(cs + formatNumber(res.totalPaid, "###,,###.00", sym), 12)},
              {65, field(cs + formatNumber(res.interestSaved, "####,,###.00", sym), 12)}});

    // Column headings, repeated on every page.
    const std::string h1 = " Payment    Interest   Principal     Remaining    Cumulative     Cumulative";
    const std::string h2 = annual ? "  Year       Payment     Payment       Balance      Interest      Principal"
                           : in.datesOn ? "   Date      Payment     Payment       Balance      Interest      Principal"
                                        : "No. Year     Payment     Payment       Balance      Interest      Principal";
    p.fields({{2, ReportRule}});
    p.line();
    p.fields({{2, ReportRule}});
    p.fields({{2, h1}});
    p.fields({{2, h2}});
    p.line();
    p.setHeadings({ReportRule, h1, h2});
    p.setCounter(24);

    const std::string money = "####,,###.00";
    for (int m = 1; m <= res.rowCount; ++m) {
        const ScheduleRow& row = res.schedule[static_cast<std::size_t>(m)];
        std::string first;
        if (in.datesOn && row.hasDate && rep.formatDate)
            first = rep.formatDate(row.date);
        else if (annual)
            first = field(formatNumber(row.c[1], "####", sym), 5);
        else
            first = field(formatNumber(row.c[1], "####", sym), 4) + field(formatNumber(row.c[0], "###", sym), 3);
        const auto lines = placeFields({{2, first},
                                        {13, field(formatNumber(row.c[2], money, sym), 9)},
                                        {25, field(formatNumber(row.c[3], money, sym), 9)},
                                        {36, field(formatNumber(row.c[4], money, sym), 12)},
                                        {50, field(formatNumber(row.c[5], money, sym), 12)},
                                        {65, field(formatNumber(row.c[6], money, sym), 12)}});
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            p.line(lines[i]);
        p.bodyRow(lines.back());
    }

    const ScheduleRow& last = res.schedule[static_cast<std::size_t>(res.rowCount)];
    p.fields({{2, ReportRule}});
    p.line();
    p.fields({{2, "Total:"},
              {36, field(cs + formatNumber(last.c[4], money, sym), 12)},
              {50, field(cs + formatNumber(last.c[5], money, sym), 12)},
              {65, field(cs + formatNumber(last.c[6], money, sym), 12)}});

    if (!res.reportLine1.empty()) {
        p.closingBlock(in.extraCount + 4);
        p.line();
        // The text's first line stands at column 2, the others as the text
        // has them; the printer's own line end follows the text's last one.
        std::string text = res.reportLine1;
        std::size_t start = 0;
        bool first = true;
        while (true) {
            const auto end = text.find("\r\n", start);
            const std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            p.line(first ? " " + part : part);
            first = false;
            if (end == std::string::npos)
                break;
            start = end + 2;
        }
    }
    return p.endReport();
}

} // namespace fiscalia

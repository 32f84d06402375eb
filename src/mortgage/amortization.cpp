#include "mortgage/amortization.h"

#include "app/calc_error.h"

#include <cmath>

namespace fiscalia {

namespace {

enum class DateUnit { Month, Day };

struct FrequencyRule {
    int perYear;       // N
    double periods;    // F
    double fraction;   // of the monthly payment
    bool monthly;
    int boundPerYear;  // loop bound: perYear * T (+ 50 unless monthly)
    DateUnit unit;
    int step;
    int firstOffset;
    bool semimonthly;
};

FrequencyRule frequencyRule(const AmortizationInput& in)
{
    switch (in.frequency) {
    case Frequency::Monthly: return {12, 12, 1.0, true, 12, DateUnit::Month, 1, -1, false};
    case Frequency::Semimonthly: return {24, 24, 0.5, false, 26, DateUnit::Month, 1, -1, true};
    case Frequency::TwoWeeks: return {26, in.biweeklyPeriods, 12.0 / 26.0, false, 26, DateUnit::Day, 14, -14, false};
    case Frequency::OneWeek: return {52, in.weeklyPeriods, 12.0 / 52.0, false, 52, DateUnit::Day, 7, -7, false};
    case Frequency::BiweeklyAcc: return {26, in.biweeklyPeriods, 0.5, false, 26, DateUnit::Day, 14, -14, false};
    case Frequency::WeeklyAcc: return {52, in.weeklyPeriods, 0.25, false, 52, DateUnit::Day, 7, -7, false};
    }
    throw CalcError("unknown payment frequency");
}

double compoundingPeriods(Compounding compounding)
{
    switch (compounding) {
    case Compounding::Monthly: return 12;
    case Compounding::Bimonthly: return 6;
    case Compounding::Quarterly: return 3; // the list's "Quarterly" compounds 3 times a year, not 4
    case Compounding::Semiannual: return 2;
    case Compounding::Annual: return 1;
    }
    throw CalcError("unknown compounding period");
}

double checkedDivide(double a, double b)
{
    if (b == 0.0 || !std::isfinite(b))
        throw CalcError("division by zero");
    const double q = a / b;
    if (!std::isfinite(q))
        throw CalcError("overflow");
    return q;
}

Currency cur(double value) { return Currency::fromDouble(value); }

std::string money(const std::string& symbol, double value, const char* pattern, const NumberSymbols& s)
{
    return symbol + formatNumber(value, pattern, s);
}

std::string money(const std::string& symbol, Currency value, const char* pattern, const NumberSymbols& s)
{
    return symbol + formatNumber(value, pattern, s);
}

} // namespace

std::string piIncludesText(float piIncrease, const NumberSymbols& symbols)
{
    return " P+I includes  " + RightJustify(formatNumber(static_cast<double>(piIncrease) * 100, "##0.000", symbols), 9)
           + "%";
}

AmortizationResult calculateAmortization(const AmortizationInput& in)
{
    AmortizationResult res;
    const NumberSymbols& sym = in.symbols;
    const double P = in.principal.toDouble();
    const double R = in.rate.toDouble();
    const double T = in.term.toDouble();

    FrequencyRule fq = frequencyRule(in);
    if (in.view != ScheduleView::All) {
        fq.unit = DateUnit::Month;
        fq.step = 12;
        fq.firstOffset = -12;
    }
    const double C = compoundingPeriods(in.compounding);
    if (in.loanMode == 1 && T >= 41) {
        res.message = 5;
        return res;
    }
    if (P <= 0 || R <= 0 || T <= 0)
        throw CalcError("principal, rate and term must be above zero");

    // Rates: r = R / 100;
    //   monthly rate  i_m = (1 + r/C)^(C/12) - 1
    //   periodic rate i_p = (1 + r/C)^(C/F) - 1
    //   discount      v   = 1 / (1 + r/C)^(C*T)
    //   monthly payment M = P * i_m / (1 - v); scheduled total S = 12 T M.
    const double r = R / 100.0;
    const double base = 1.0 + r / C;
    const double im = std::pow(base, C / 12.0) - 1.0;
    const double ip = std::pow(base, checkedDivide(C, fq.periods)) - 1.0;
    const double v = checkedDivide(1.0, std::pow(base, C * T));
    const double M = checkedDivide(P * im, 1.0 - v);
    const double S = T * 12.0 * M;

    // Payment per period: M times the frequency's fraction, raised by the
    // P+I increase.
    double pay = checkedDivide(P * (im * fq.fraction), 1.0 - v);
    const double before = pay;
    if (in.piIncrease > 0)
        pay = pay + static_cast<double>(in.piIncrease) * pay;
    const double X = pay - before;
    const double i = fq.monthly ? im : ip;
    if (!std::isfinite(pay) || !std::isfinite(i))
        throw CalcError("overflow");

    res.paymentsPerYear = fq.perYear;
    res.periodicRate = ip;
    res.payment = pay;
    res.increaseAmount = X;
    res.numPmtsYear = RightJustify(formatNumber(static_cast<double>(fq.perYear), "###", sym), 12);
    res.inMonthPI = RightJustify(money(in.currencySymbol, pay, "###,,###.00", sym), 12);
    res.periodicR = formatNumber(ip, "0.########", sym);
    res.label16 = piIncludesText(in.piIncrease, sym);
    res.ppPercent = RightJustify(money(in.currencySymbol, X, "###,,###.00", sym), 12);
    if (fq.perYear == 12 || fq.perYear == 24)
        res.inDays = "Normal";
    else
        res.inDays = formatNumber(static_cast<double>(in.daysInYear), in.daysInYear == 365.25f ? "###.##" : "###", sym);

    // Loop bound: 12 T for monthly payments, 26 T + 50 or 52 T + 50 otherwise
    // (taken as a whole number of payments).
    const int bound = toInt16(fq.boundPerYear * T + (fq.monthly ? 0 : 50));
    if (bound >= ScheduleRows)
        throw CalcError("schedule longer than the table");

    auto& rows = res.schedule;
    rows.assign(static_cast<std::size_t>(ScheduleRows), ScheduleRow{});
    double B = P;
    double I = B * i;
    double Q = pay - I;
    double RI = 0, RQ = 0, CI = 0, CQ = 0;
    int n = 0;
    double yearValue = 0;
    int dateCounter = fq.firstOffset;
    Date lastDate{};
    for (int m = 1; m <= bound; ++m) {
        if ((m - 1) % fq.perYear == 0) {
            yearValue = static_cast<double>(m) / fq.perYear + 1.0;
            const int y = static_cast<int>(std::nearbyint(yearValue));
            if (y < 0 || y >= static_cast<int>(in.extraPayments.size()))
                throw CalcError("additional payment year out of range");
            const Currency E = in.extraPayments[static_cast<std::size_t>(y)][2];
            const double previousPrincipal = rows[static_cast<std::size_t>(m - 1)].c[3].toDouble();
            if (E.toDouble() < B - previousPrincipal) {
                // Applied: the principal part becomes a currency value and the
                // amount is added to it exactly.
                Q = (cur(Q) + E).toDouble();
                if (E > Currency()) {
                    ++res.appliedCount;
                    res.appliedExtras.push_back({y, E});
                }
            }
        }
        RI += I;
        RQ += Q;
        B -= Q;
        I = B * i;
        Q = pay - I;
        if (RI < 0)
            break; // the previous payment paid the loan off
        CI += RI;
        CQ += RQ;
        ScheduleRow& row = rows[static_cast<std::size_t>(m)];
        row.c[1] = Currency::fromInt(m);
        row.c[2] = cur(RI);
        row.c[3] = cur(RQ);
        row.c[4] = cur(B);
        row.c[5] = cur(CI);
        row.c[6] = cur(CQ);
        if (in.view == ScheduleView::All) {
            if (in.datesOn) {
                if (fq.semimonthly && m % 2 == 0) {
                    lastDate = lastDate.addDays(14);
                } else {
                    dateCounter += fq.step;
                    lastDate = fq.unit == DateUnit::Month ? in.startDate.addMonths(dateCounter)
                                                          : in.startDate.addDays(dateCounter);
                }
                row.date = lastDate;
                row.hasDate = true;
            } else {
                row.c[0] = cur(yearValue);
            }
        }
        RI = RQ = 0;
        n = m;
    }

    // The final payment pays exactly what remains when less than 6 is left.
    if (B < 6 && n >= 1) {
        const ScheduleRow& prev = rows[static_cast<std::size_t>(n - 1)];
        ScheduleRow& last = rows[static_cast<std::size_t>(n)];
        last.c[3] = n >= 2 ? prev.c[4] : in.principal;
        last.c[4] = (n >= 2 ? prev.c[4] : in.principal) - last.c[3];
        last.c[5] = prev.c[5] + last.c[2];
        last.c[6] = prev.c[6] + last.c[3];
    }
    res.payments = n;
    res.yearsToPayoff = static_cast<float>(static_cast<double>(n) / fq.perYear);
    const double yearsOrMonths = static_cast<double>(res.yearsToPayoff) * (in.loanMode == 2 ? 12.0 : 1.0);
    res.endMortYear = RightJustify(formatNumber(yearsOrMonths, "###.00", sym), 12);

    int rowCount = n;
    if (in.view != ScheduleView::All) {
        // Fold the payments into years: sums of interest and principal, the
        // year's last balance and cumulative totals; stop at a paid-off row.
        res.annual.assign(static_cast<std::size_t>(AnnualRows), ScheduleRow{});
        const int years = static_cast<int>(std::nearbyint(static_cast<double>(res.yearsToPayoff) + 0.49));
        if (years >= AnnualRows)
            throw CalcError("too many years");
        int k = 0;
        bool done = false;
        for (k = 1; k <= years && !done; ++k) {
            ScheduleRow& year = res.annual[static_cast<std::size_t>(k)];
            year.c[1] = Currency::fromInt(k);
            for (int p = (k - 1) * fq.perYear + 1; p <= k * fq.perYear; ++p) {
                if (p >= ScheduleRows)
                    throw CalcError("schedule index out of range");
                const ScheduleRow& pr = rows[static_cast<std::size_t>(p)];
                year.c[2] += pr.c[2];
                year.c[3] += pr.c[3];
                year.c[4] = pr.c[4];
                year.c[5] = pr.c[5];
                year.c[6] = pr.c[6];
                if (pr.c[4] <= Currency()) {
                    done = true;
                    break;
                }
            }
        }
        const int folded = done ? k - 1 : years;
        for (int y = 1; y <= folded; ++y) {
            ScheduleRow copy = res.annual[static_cast<std::size_t>(y)];
            if (in.datesOn) {
                copy.date = in.startDate.addMonths(12L * (y - 1));
                copy.hasDate = true;
            }
            rows[static_cast<std::size_t>(y)] = copy;
        }
        for (int y = folded + 1; y <= n && y < ScheduleRows; ++y)
            rows[static_cast<std::size_t>(y)] = ScheduleRow{};
        rowCount = folded;
        res.resultsReady = static_cast<int>(std::nearbyint(static_cast<double>(res.yearsToPayoff)));
    } else {
        res.resultsReady = n > 0 ? n : 0;
    }
    res.rowCount = rowCount;
    res.graphTitle = in.loanMode == 2 ? "Personal Loan balance at start of each Year"
                                      : "Mortgage balance at start of each Year";

    // Totals: what was paid, and the interest saved against plain monthly
    // payments over the whole term.
    const ScheduleRow& lastRow = rows[static_cast<std::size_t>(rowCount)];
    res.totalPaid = lastRow.c[5] + lastRow.c[6];
    res.allPayments = RightJustify(money(in.currencySymbol, res.totalPaid, "###,,###.00", sym), 12);
    double saved = S - res.totalPaid.toDouble();
    if (saved < 10)
        saved = 0;
    res.interestSaved = saved;
    res.totSavd = RightJustify(money(in.currencySymbol, saved, "###,,###.00", sym), 12);

    // Only additional payments that were applied are listed, in year order.
    if (in.extraCount > 0) {
        res.reportLine1 = "Additional  Payments     Applied\r\n\r\n";
        for (const AppliedExtra& e : res.appliedExtras) {
            res.reportLine1 += " Year   " + RightJustify(formatNumber(e.year, "###", sym), 3) + std::string(10, ' ')
                               + RightJustify(formatNumber(e.amount, "###,,###.00", sym), 12) + "\r\n";
            ++res.extraLines;
        }
    }
    return res;
}

ScheduleGrid scheduleGrid(const AmortizationResult& result, const AmortizationInput& input,
                          const std::function<std::string(const Date&)>& formatDate)
{
    constexpr int Cols = 6;
    const NumberSymbols& sym = input.symbols;
    ScheduleGrid grid;
    const bool annual = input.view != ScheduleView::All;
    grid.column0Heading = input.datesOn ? " Payment  Date" : annual ? " Payment  Year" : "  Payment   No.  Year";
    const int extraRows = input.extraCount > 0 ? input.extraCount + 4 : 0;
    grid.rows = std::max(23, result.rowCount + 4 + extraRows);
    grid.cells.assign(static_cast<std::size_t>(grid.rows - 1) * Cols, std::string());
    auto cell = [&](int row, int col) -> std::string& {
        return grid.cells[static_cast<std::size_t>((row - 1) * Cols + col)];
    };
    for (int m = 1; m <= result.rowCount; ++m) {
        const ScheduleRow& row = result.schedule[static_cast<std::size_t>(m)];
        if (input.datesOn && row.hasDate)
            cell(m, 0) = formatDate(row.date);
        else if (annual)
            cell(m, 0) = RightJustify(formatNumber(row.c[1], "####", sym), 4);
        else
            cell(m, 0) = RightJustify(formatNumber(row.c[1], "####", sym), 4)
                         + RightJustify(formatNumber(row.c[0], "###", sym), 8);
        for (int c = 1; c <= 5; ++c)
            cell(m, c) = formatNumber(row.c[static_cast<std::size_t>(c + 1)], "####,,###.00", sym);
    }
    const ScheduleRow& last = result.schedule[static_cast<std::size_t>(result.rowCount)];
    const int totalRow = result.rowCount + 2;
    cell(totalRow, 0) = "Total:";
    for (int c = 3; c <= 5; ++c)
        cell(totalRow, c) = input.currencySymbol + formatNumber(last.c[static_cast<std::size_t>(c + 1)], "####,,###.00", sym);
    if (input.extraCount > 0) {
        int row = result.rowCount + 4;
        cell(row, 0) = "Additional ";
        cell(row, 1) = "Payments  ";
        cell(row, 2) = "Applied  ";
        for (const AppliedExtra& e : result.appliedExtras) {
            ++row;
            if (row >= grid.rows)
                break;
            cell(row, 0) = "Year  " + RightJustify(formatNumber(e.year, "###", sym), 3);
            cell(row, 2) = formatNumber(e.amount, "###,,###.00", sym);
        }
    }
    return grid;
}

} // namespace fiscalia

namespace fiscalia {

std::optional<Frequency> frequencyFromText(std::string_view text)
{
    for (const Frequency f : Frequencies)
        if (text == listText(f))
            return f;
    return std::nullopt;
}

std::optional<Compounding> compoundingFromText(std::string_view text)
{
    for (const Compounding c : Compoundings)
        if (text == listText(c))
            return c;
    return std::nullopt;
}

} // namespace fiscalia

#include "investments/fund_values.h"

#include "app/calc_error.h"
#include "app/messages.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

namespace fiscalia {

namespace {

// Columns of FundValueTable.
constexpr std::size_t SharesHeld = 0;
constexpr std::size_t BookCost = 1;
constexpr std::size_t Price = 2;
constexpr std::size_t CurrentTotal = 3;
constexpr std::size_t Gain = 4;
constexpr std::size_t GainPercent = 5;
constexpr std::size_t BookNoSales = 6;

constexpr std::size_t TotalsRow = AllRecordsSlot;

// Half a cent: a book cost below it counts as nothing paid.
constexpr Currency HalfCent = Currency::fromRaw(50);

std::size_t at(int slot) { return static_cast<std::size_t>(slot); }

// The counts and the value table index the database; anything outside them
// is a damaged database.
void checkTables(const FundState& db)
{
    checkDatabaseCounts(db);
    if (db.FundValueTable.size() < static_cast<std::size_t>(FundSlots) || db.FundList.size() < static_cast<std::size_t>(FundSlots))
        throw CalcError("fund value table too small");
}

void checkFund(int fund)
{
    if (fund < 1 || fund > AllRecordsSlot)
        throw CalcError("fund outside the fund list");
}

// The fund slot (1..30) a record belongs to, or 0 when its fund number is
// not a whole slot number.
int fundOf(const FundRecord& record)
{
    const std::int64_t raw = record.fund.raw();
    if (raw % Currency::Scale != 0)
        return 0;
    const std::int64_t slot = raw / Currency::Scale;
    return slot >= 1 && slot <= FundLimit ? static_cast<int>(slot) : 0;
}

// a ÷ b × 100 worked out in double precision and stored as currency.
Currency percentOf(const Currency& a, const Currency& b)
{
    if (b.isZero())
        throw CalcError("division by zero");
    return Currency::fromDouble(a.toDouble() / b.toDouble() * 100.0);
}

} // namespace

// ---- Current value of all funds ----

void sumFundRecords(FundState& db)
{
    checkTables(db);
    for (int f = 1; f <= AllRecordsSlot; ++f) {
        auto& row = db.FundValueTable[at(f)];
        for (std::size_t col : {SharesHeld, BookCost, CurrentTotal, Gain, GainPercent, BookNoSales})
            row[col] = Currency();
    }
    for (int r = 1; r <= db.RecordCount; ++r) {
        const FundRecord& record = db.RecordTable[at(r)];
        const int f = fundOf(record);
        if (f == 0)
            continue;
        auto& row = db.FundValueTable[at(f)];
        row[SharesHeld] += record.shares;
        row[BookCost] += record.bookValue;
        if (record.type != "S")
            row[BookNoSales] += record.bookValue;
    }
}

int firstUnpricedFund(const FundState& db)
{
    checkTables(db);
    for (int f = 1; f <= db.FundCount; ++f) {
        if (db.FundList[at(f)].name.empty())
            continue;
        const auto& row = db.FundValueTable[at(f)];
        if (row[Price] <= Currency() && !row[SharesHeld].isZero())
            return f;
    }
    return 0;
}

void computeCurrentValues(FundState& db)
{
    checkTables(db);
    auto& total = db.FundValueTable[TotalsRow];
    for (std::size_t col : {SharesHeld, BookCost, CurrentTotal, Gain, GainPercent, BookNoSales})
        total[col] = Currency();

    for (int f = 1; f <= db.FundCount; ++f) {
        auto& row = db.FundValueTable[at(f)];
        row[CurrentTotal] = row[SharesHeld] * row[Price];
        row[Gain] = row[CurrentTotal] - row[BookCost];
        // Shares that cost nothing (dividend shares alone) gained all they are worth.
        row[GainPercent] = row[BookCost].isZero() ? Currency::fromInt(100) : percentOf(row[Gain], row[BookCost]);
        // Sales have given back more than was paid: measure the gain on what was paid.
        if (row[BookCost] < HalfCent && !row[BookNoSales].isZero())
            row[GainPercent] = percentOf(row[Gain], row[BookNoSales]);

        total[CurrentTotal] += row[CurrentTotal];
        total[SharesHeld] += row[SharesHeld];
        total[BookCost] += row[BookCost];
        total[Gain] += row[Gain];
        total[BookNoSales] += row[BookNoSales];
    }

    if (!total[BookCost].isZero()) {
        if (total[BookCost] >= HalfCent)
            total[GainPercent] = percentOf(total[Gain], total[BookCost]);
        else if (!total[BookNoSales].isZero())
            total[GainPercent] = percentOf(total[Gain], total[BookNoSales]);
    }
}

Currency shareOfTotalValue(const FundState& db, int fund)
{
    checkTables(db);
    checkFund(fund);
    const Currency value = db.FundValueTable[at(fund)][CurrentTotal];
    const Currency total = db.FundValueTable[TotalsRow][CurrentTotal];
    if (value <= Currency() || total <= Currency())
        return Currency();
    // Hundredths of a per cent, cut: worked out on the exact amounts, so
    // 0.29 of 1.00 is 29.00 % and not 28.99 % as binary fractions would give.
    __extension__ typedef __int128 Int128;
    const Int128 hundredths = static_cast<Int128>(value.raw()) * 10000 / total.raw();
    if (hundredths > std::numeric_limits<std::int64_t>::max() / 100)
        throw CalcError("share of total value overflow");
    return Currency::fromRaw(static_cast<std::int64_t>(hundredths) * 100);
}

namespace {

struct CashFlow {
    double years; // since the earliest flow
    double amount;
};

// The calendar time of a day in years: the year plus the part of it gone
// by, so every 1 January is a whole number.
double calendarYears(const Date& date)
{
    namespace chr = std::chrono;
    const int year = date.year();
    const chr::sys_days first{chr::year{year} / chr::January / 1};
    const chr::sys_days next{chr::year{year + 1} / chr::January / 1};
    const double dayOfYear = static_cast<double>((date.days() - first).count());
    const double daysInYear = static_cast<double>((next - first).count());
    return year + dayOfYear / daysInYear;
}

// The sign of the flows' present value at rate r (−1, 0 or +1) and that
// value scaled by a positive factor, so that neither a rate near −100 % nor
// a long span can overflow: Σ CF·(1+r)^−t is worked out as
// Σ sign·exp(log|CF| − t·log(1+r) − largest exponent). The scaled value has
// the present value's roots and signs.
std::optional<double> scaledPresentValue(const std::vector<CashFlow>& flows, double rate)
{
    const double growth = std::log1p(rate);
    if (!std::isfinite(growth))
        return std::nullopt;
    std::vector<double> exponents;
    exponents.reserve(flows.size());
    double largest = -std::numeric_limits<double>::infinity();
    for (const CashFlow& flow : flows) {
        const double e = std::log(std::fabs(flow.amount)) - flow.years * growth;
        if (!std::isfinite(e))
            return std::nullopt;
        exponents.push_back(e);
        largest = std::max(largest, e);
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < flows.size(); ++i)
        sum += std::copysign(std::exp(exponents[i] - largest), flows[i].amount);
    if (!std::isfinite(sum))
        return std::nullopt;
    return sum;
}

// The rate in (−0.9999, 100) at which the flows balance, or nothing. The
// range is walked in steps to find where the present value changes sign;
// each change is closed in by halving, and the rate nearest 0 wins.
std::optional<double> balancingRate(const std::vector<CashFlow>& flows)
{
    static const std::vector<double> steps = [] {
        std::vector<double> s{-0.9999, -0.999, -0.99, -0.98, -0.95};
        for (double r = -0.9; r < 1.0 - 1e-9; r += 0.05)
            s.push_back(r);
        for (double r : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 7.5, 10.0, 15.0, 20.0, 30.0, 50.0, 75.0, 100.0})
            s.push_back(r);
        return s;
    }();

    std::optional<double> best;
    auto consider = [&](double rate) {
        if (!best || std::fabs(rate) < std::fabs(*best))
            best = rate;
    };

    std::optional<double> lowValue;
    double low = 0.0;
    for (double high : steps) {
        const std::optional<double> highValue = scaledPresentValue(flows, high);
        if (highValue && *highValue == 0.0)
            consider(high);
        if (lowValue && highValue && (*lowValue < 0.0) != (*highValue < 0.0) && *lowValue != 0.0
            && *highValue != 0.0) {
            double a = low, b = high;
            const bool aNegative = *lowValue < 0.0;
            bool closed = false;
            for (int i = 0; i < 200; ++i) {
                const double middle = a + (b - a) / 2.0;
                if (b - a <= 1e-12 * std::max(1.0, std::fabs(middle))) {
                    closed = true;
                    break;
                }
                const std::optional<double> value = scaledPresentValue(flows, middle);
                if (!value)
                    break;
                if (*value == 0.0) {
                    a = b = middle;
                    closed = true;
                    break;
                }
                if ((*value < 0.0) == aNegative)
                    a = middle;
                else
                    b = middle;
            }
            if (closed)
                consider(a + (b - a) / 2.0);
        }
        low = high;
        lowValue = highValue;
    }
    return best;
}

} // namespace

std::optional<double> annualReturn(const FundState& db, int fund, const Date& today)
{
    checkTables(db);
    checkFund(fund);
    const auto& row = db.FundValueTable[at(fund)];
    // A fund held without a price (or, for all funds, any such fund) has no value to measure.
    if (fund == AllRecordsSlot ? firstUnpricedFund(db) != 0 : (!row[SharesHeld].isZero() && row[Price] <= Currency()))
        return std::nullopt;

    std::vector<std::pair<double, double>> dated; // calendar years, amount
    for (int r = 1; r <= db.RecordCount; ++r) {
        const FundRecord& record = db.RecordTable[at(r)];
        const int f = fundOf(record);
        if (f == 0 || (fund != AllRecordsSlot && f != fund))
            continue;
        // Book value paid out by the investor is money going in to the fund.
        if (!record.bookValue.isZero())
            dated.emplace_back(calendarYears(record.date), -record.bookValue.toDouble());
    }
    if (!row[CurrentTotal].isZero())
        dated.emplace_back(calendarYears(today), row[CurrentTotal].toDouble());

    const bool paidIn = std::any_of(dated.begin(), dated.end(), [](const auto& f) { return f.second < 0.0; });
    const bool received = std::any_of(dated.begin(), dated.end(), [](const auto& f) { return f.second > 0.0; });
    if (!paidIn || !received)
        return std::nullopt;

    double start = dated.front().first;
    for (const auto& f : dated)
        start = std::min(start, f.first);
    std::vector<CashFlow> flows;
    flows.reserve(dated.size());
    for (const auto& [years, amount] : dated) {
        if (!std::isfinite(years) || !std::isfinite(amount))
            return std::nullopt;
        flows.push_back({years - start, amount});
    }

    const std::optional<double> rate = balancingRate(flows);
    if (!rate || !std::isfinite(*rate) || *rate <= -1.0)
        return std::nullopt;
    return *rate * 100.0;
}

TableTexts currentValueTable(const FundState& db, const std::vector<std::optional<double>>& annualReturns,
                             const std::string& currencySymbol, const NumberSymbols& symbols)
{
    checkTables(db);
    TableTexts t;
    t.rows = std::max(35, db.FundCount + 4);
    t.cols = 9;
    t.headings = {"         Name of          Fund/Company",
                  "Number of Shares",
                  "     Book     Cost ",
                  "   Current     Price ",
                  "   Current     Total ",
                  "  Gain or     Loss " + currencySymbol,
                  "Gain or   Loss %",
                  "% of Total Value",
                  "Annual return %"};
    t.cells.assign(at((t.rows - 1) * t.cols), std::string());
    auto cell = [&](int row, int col) -> std::string& { return t.cells[at((row - 1) * t.cols + col)]; };
    auto money = [&](const Currency& value) { return formatNumber(value, "####,,###.00", symbols); };
    auto shares = [&](const Currency& value) { return formatNumber(value, "####,,###.0000", symbols); };
    auto annual = [&](int slot) -> std::string {
        if (at(slot) >= annualReturns.size() || !annualReturns[at(slot)] || !std::isfinite(*annualReturns[at(slot)]))
            return "";
        return formatNumber(*annualReturns[at(slot)], "##0.00", symbols) + "%";
    };

    for (int f = 1; f <= db.FundCount; ++f) {
        const auto& row = db.FundValueTable[at(f)];
        cell(f, 0) = db.FundList[at(f)].name;
        cell(f, 1) = shares(row[SharesHeld]);
        cell(f, 2) = money(row[BookCost]);
        cell(f, 3) = currencySymbol + money(row[Price]);
        cell(f, 4) = money(row[CurrentTotal]);
        cell(f, 5) = money(row[Gain]);
        cell(f, 6) = money(row[GainPercent]) + "%";
        cell(f, 7) = formatNumber(shareOfTotalValue(db, f), "###.00", symbols) + "%";
        cell(f, 8) = annual(f);
    }

    const auto& total = db.FundValueTable[TotalsRow];
    const int totalRow = db.FundCount + 2;
    cell(totalRow, 0) = "Total:";
    cell(totalRow, 1) = shares(total[SharesHeld]);
    cell(totalRow, 2) = currencySymbol + money(total[BookCost]);
    cell(totalRow, 4) = currencySymbol + money(total[CurrentTotal]);
    cell(totalRow, 5) = currencySymbol + money(total[Gain]);
    cell(totalRow, 6) = money(total[GainPercent]) + "%";
    cell(totalRow, 7) = formatNumber(100.0, "###.00", symbols) + "%";
    cell(totalRow, 8) = annual(AllRecordsSlot);
    return t;
}

// ---- Records tables ----

RecordsTable recordsTable(const FundState& db, int fund, const std::string& currencySymbol,
                          const NumberSymbols& symbols, const std::function<std::string(const Date&)>& shortDate)
{
    checkTables(db);
    checkFund(fund);
    const bool allFunds = fund == AllRecordsSlot;

    RecordsTable out;
    TableTexts& t = out.table;
    t.cols = 8;
    t.rows = allFunds ? 5 * db.FundCount + db.RecordCount + 10 : 20 + recordCountOfFund(db, fund);
    if (t.rows <= 23)
        t.rows = 25;
    t.headings = {allFunds ? "Name and Type  of Transaction" : "       Type of       Transaction",
                  "Date of Transaction",
                  "Price of Each Share",
                  "Number of Shares",
                  "Commission   or Fees",
                  "Div. Shares Value",
                  "Cash   Dividend",
                  "      Book       Value"};
    t.cells.assign(at((t.rows - 1) * t.cols), std::string());
    out.caption = allFunds ? "All Records" : db.FundList[at(fund)].name;

    auto cell = [&](int row, int col) -> std::string& {
        if (row < 1 || row >= t.rows)
            throw CalcError("records table row outside the grid");
        return t.cells[at((row - 1) * t.cols + col)];
    };
    auto money = [&](const Currency& value) { return formatNumber(value, "####,,###.00", symbols); };
    auto shares = [&](const Currency& value) { return formatNumber(value, "####,,###.0000", symbols); };
    auto sum = [&](const Currency& value) { return currencySymbol + formatNumber(value, "###,,###.00", symbols); };

    // The records of fund f from data row `row` on, then its totals and
    // average cost; gives the last row used.
    auto writeFund = [&](int f, int row) {
        for (int r : recordsOfFund(db, f)) {
            const FundRecord& record = db.RecordTable[at(r)];
            const auto texts = recordTexts(record, symbols, shortDate);
            for (std::size_t c = 0; c < texts.size(); ++c)
                cell(row, static_cast<int>(c)) = texts[c];
            ++row;
        }
        // `row` is now the row after the last record (or after the heading).
        const FundSums sums = fundSums(db, f);
        out.averageCost = averageCost(sums.shares, sums.bookValue);
        const int total = row + 1;
        cell(total, 0) = "Total:";
        cell(total, 3) = shares(sums.shares);
        cell(total, 4) = sum(sums.commission);
        cell(total, 5) = sum(sums.dividendSharesValue);
        cell(total, 6) = sum(sums.cashDividends);
        cell(total, 7) = currencySymbol + money(sums.bookValue);
        cell(total + 1, 0) = "Average cost per share =";
        cell(total + 1, 2) = currencySymbol + formatNumber(out.averageCost, "####,,###.0000", symbols);
        return total + 1;
    };

    if (!allFunds) {
        writeFund(fund, 1);
        return out;
    }

    double grandShares = 0.0, grandCommission = 0.0, grandDividendShares = 0.0, grandCash = 0.0, grandBook = 0.0;
    int row = 1;
    for (int f = 1; f <= db.FundCount; ++f) {
        cell(row, 0) = leftChars(db.FundList[at(f)].name, 26);
        const int last = writeFund(f, row + 1);
        const FundSums sums = fundSums(db, f);
        grandShares += sums.shares.toDouble();
        grandCommission += sums.commission.toDouble();
        grandDividendShares += sums.dividendSharesValue.toDouble();
        grandCash += sums.cashDividends.toDouble();
        grandBook += sums.bookValue.toDouble();
        row = last + 2;
    }
    cell(row, 0) = "Total all Funds:";
    cell(row, 3) = formatNumber(grandShares, "####,,###.0000", symbols);
    cell(row, 4) = currencySymbol + formatNumber(grandCommission, "###,,###.00", symbols);
    cell(row, 5) = currencySymbol + formatNumber(grandDividendShares, "###,,###.00", symbols);
    cell(row, 6) = currencySymbol + formatNumber(grandCash, "###,,###.00", symbols);
    cell(row, 7) = currencySymbol + formatNumber(grandBook, "####,,###.00", symbols);
    return out;
}

// ---- Single-fund valuation ----

namespace {

Valuation valueFundOrThrow(const Currency& price, const FundSums& sums, std::optional<Currency> earlierPercent)
{
    Valuation v;
    v.price = price;
    v.value = price * sums.shares;
    v.gain = v.value - sums.bookValue;
    v.gainPercent = earlierPercent;
    const int conditions = int(!v.gain.isZero()) + int(!sums.bookValue.isZero()) + int(!sums.shares.isZero());
    if (conditions % 2 == 1)
        v.gainPercent = percentOf(v.gain, sums.bookValue);
    if (sums.bookValue < HalfCent) {
        v.gainPercent = percentOf(v.gain, sums.bookValueNoSales);
        if (v.value.isZero())
            v.price = Currency();
    }
    return v;
}

} // namespace

Result<Valuation> valueFund(const Currency& price, const FundSums& sums, std::optional<Currency> earlierPercent)
{
    try {
        return valueFundOrThrow(price, sums, earlierPercent);
    } catch (const CalcError&) {
        return Failure{messageText(26)};
    }
}

std::vector<std::string> valuationBlock(const Valuation& v, const std::string& currencySymbol,
                                        const NumberSymbols& symbols)
{
    auto money = [&](const Currency& value) { return currencySymbol + formatNumber(value, "####,,###.00", symbols); };
    return {
        "Current   ", "Total      ", "Gain or   ", "Gain or   ",
        "Price   ", "Value    ", "Loss " + currencySymbol + "   ", "Loss %   ",
        "___________", "___________", "__________", "__________",
        money(v.price), money(v.value), money(v.gain),
        v.gainPercent ? formatNumber(*v.gainPercent, "###.00", symbols) + "%" : std::string(),
    };
}

std::string valuationTrailer(const Valuation& v, const std::string& currencySymbol, const NumberSymbols& symbols)
{
    const std::string crlf = "\r\n";
    std::string text = crlf + crlf + crlf;
    text += " Current Price                   Value                Gain $            Gain %";
    text += crlf;
    text += " " + std::string(77, '_');
    text += crlf + crlf;
    text += std::string(5, ' ') + RightJustify(currencySymbol + formatNumber(v.price, "#,,###.0000", symbols), 9);
    text += std::string(12, ' ') + RightJustify(currencySymbol + formatNumber(v.value, "####,,###.00", symbols), 12);
    text += std::string(12, ' ') + RightJustify(currencySymbol + formatNumber(v.gain, "###,,###.00", symbols), 10);
    text += std::string(11, ' ');
    // A percent not yet worked out leaves its place blank.
    text += v.gainPercent ? RightJustify(formatNumber(*v.gainPercent, "##0.00", symbols), 6) + "%" : std::string(7, ' ');
    text += crlf;
    return text;
}

} // namespace fiscalia

#include "networth/net_worth.h"

#include "app/calc_error.h"
#include "app/csv_codec.h"
#include "app/input_filters.h"
#include "app/number_format.h"

#include <algorithm>
#include <cctype>

namespace fiscalia {

namespace {

// A typed value stays below a million million, so no sum of 30 lines can
// outgrow a total.
constexpr int ValueDigits = 12;

// Compacts one list and totals it (steps 2 and 3 of Calculate).
Currency compactList(NetList& list, int& count)
{
    NetList kept{};
    kept[0] = list[0];
    kept[NetRows] = list[NetRows]; // row 31 is kept as it stands
    Currency total;
    Currency subtotal;
    int next = 1;
    for (int r = 1; r <= NetLineLimit; ++r) {
        NetLine line = list[static_cast<std::size_t>(r)];
        if (cellText(line.name).empty())
            continue; // no name: the line and its value are dropped
        const bool sub = isSubTotal(line.name);
        if (sub)
            line.value = std::monostate{};
        const double number = cellNumber(line.value);
        if (!Currency::fits(number))
            throw CalcError("value out of range");
        const Currency value = Currency::fromDouble(number);
        total += value;
        subtotal += value;
        if (sub) {
            line.value = subtotal.toDouble();
            subtotal = Currency();
        }
        kept[static_cast<std::size_t>(next++)] = std::move(line);
    }
    list = std::move(kept);
    count = next - 1;
    return total;
}

std::string lastCharacterRemoved(const std::string& text)
{
    if (text.empty())
        return text;
    std::size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end; // back to the first byte of the last character
    return text.substr(0, end);
}

std::string shownValue(double value, const NumberSymbols& symbols)
{
    return formatNumber(value, "###,,###.00", symbols);
}

} // namespace

std::string cellText(const NetCell& cell)
{
    if (const auto* text = std::get_if<std::string>(&cell))
        return *text;
    if (const auto* number = std::get_if<double>(&cell)) {
        CsvWriter writer;
        writer.number(*number);
        return writer.str();
    }
    return {};
}

double cellNumber(const NetCell& cell)
{
    if (const auto* number = std::get_if<double>(&cell))
        return *number;
    if (const auto* text = std::get_if<std::string>(&cell))
        return Val(*text);
    return 0.0;
}

bool isSubTotal(const NetCell& name)
{
    std::string text = cellText(name);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "sub total";
}

bool hasLines(const NetList& list)
{
    return std::any_of(list.begin() + 1, list.end(), [](const NetLine& line) {
        return !cellText(line.name).empty() || !cellText(line.value).empty();
    });
}

NetCalculation calculateNetWorth(const NetStatement& statement)
{
    NetCalculation result{statement, {}};
    NetStatement& s = result.statement;
    result.totals.assets = compactList(s.AssetList, s.AssetCount);
    result.totals.liabilities = compactList(s.LiabilityList, s.LiabilityCount);
    result.totals.netWorth = result.totals.assets - result.totals.liabilities;
    return result;
}

bool insertBlankLine(NetList& list, int count, int line)
{
    if (line < 1 || line > NetLineLimit - 2 || count + 1 > NetLineLimit)
        return false;
    const int newCount = std::max(count, 0) + 1;
    for (int r = newCount - 1; r >= line; --r)
        list[static_cast<std::size_t>(r + 1)] = list[static_cast<std::size_t>(r)];
    list[static_cast<std::size_t>(line)] = NetLine{std::string("BlankLine"), 0.0};
    return true;
}

std::vector<std::string> netGridTexts(const NetList& list, int count, const std::string& totalLabel,
                                      const Currency& total, const std::string& currencySymbol,
                                      const NumberSymbols& symbols)
{
    std::vector<std::string> cells(static_cast<std::size_t>((NetGridRows - 1) * 2));
    count = std::clamp(count, 0, NetLineLimit);
    for (int r = 1; r <= count; ++r) {
        const NetLine& line = list[static_cast<std::size_t>(r)];
        const auto at = static_cast<std::size_t>((r - 1) * 2);
        cells[at] = cellText(line.name);
        if (const double value = cellNumber(line.value); value > 0)
            cells[at + 1] = formatNumber(value, "####,,###.00", symbols);
    }
    const auto totalAt = static_cast<std::size_t>((count + 2) * 2);
    cells[totalAt] = totalLabel;
    cells[totalAt + 1] = currencySymbol + formatNumber(total, "####,,##0.00", symbols);
    return cells;
}

std::string netWorthText(const Currency& netWorth, const std::string& currencySymbol, const NumberSymbols& symbols)
{
    return currencySymbol + formatNumber(netWorth, "####,,###.00", symbols);
}

std::optional<NetCellEdit> typeIntoCell(int column, const std::string& buffer, const std::string& key,
                                        const NumberSymbols& symbols)
{
    if (key.empty() || key.find('"') != std::string::npos)
        return std::nullopt;
    std::string typed = buffer + key;
    if (column == 0) {
        if (charCount(typed) > NameLengthLimit)
            return std::nullopt;
        return NetCellEdit{typed, typed, typed};
    }
    if (key.size() != 1 || !(std::isdigit(static_cast<unsigned char>(key[0])) || key[0] == '.'))
        return std::nullopt;
    if (const auto point = buffer.find('.'); point != std::string::npos && buffer.size() - point - 1 >= 2)
        return std::nullopt; // two decimals typed already
    const std::string whole = typed.substr(0, typed.find('.'));
    const auto firstDigit = whole.find_first_not_of('0');
    if (firstDigit != std::string::npos && whole.size() - firstDigit > ValueDigits)
        return std::nullopt;
    const double value = Val(typed);
    return NetCellEdit{typed, value, shownValue(value, symbols)};
}

NetCellEdit backspaceCell(int column, const NetCell& current, const NumberSymbols&)
{
    if (column == 0) {
        std::string text = lastCharacterRemoved(cellText(current));
        return NetCellEdit{text, text, text};
    }
    return NetCellEdit{{}, std::string(), {}};
}

std::string netWorthQuickHelp()
{
    static const char* const Paragraphs[] = {
        "Open File from disk or start a new file. Load NetSampl.KVW to try out the various features.",
        "To start new file, Click on either spreadsheet, choose cell by clicking on it or use arrow keys. Selected "
        "Cell will show dotted line around it, enter your data.",
        "Place catagory names in first column and values in the second column. Delete an entry with the Backspace "
        "key.",
        "Enter the exact words Sub Total in first column at the end of each group where you want it to appear.",
        "Empty rows are not allowed, for a blank row enter a space in column one. (It's no longer empty). To remove "
        "a row, delete all entries in that row then Calculate.",
        "Column two will only accept figures and the period key as the decimal separator. Names or Values can be "
        "changed at any time.",
        "To insert a row, Click the row where it is required then Insert Blank Line button, OK.",
        "You must Calculate after any changes, to reformat the spreadsheet and Totals.",
    };
    std::string text;
    for (const char* paragraph : Paragraphs)
        text += std::string(paragraph) + "\r\n";
    text += std::string(90, ' ') + "End";
    return text;
}

} // namespace fiscalia

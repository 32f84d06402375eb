#include "app/app_state.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgage_file.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

MortgageFile example()
{
    MortgageFile f;
    f.principal = Currency::fromInt(100000);
    f.rate = Currency::fromDouble(10.125);
    f.term = Currency::fromInt(25);
    f.compounding = Compoundings[0];
    f.frequency = Frequencies[0];
    f.startDate = *Date::fromYmd(2026, 12, 7);
    f.datesOn = 0;
    f.daysChoice = 1;
    f.view = ScheduleView::Annual;
    f.loanMode = 1;
    f.daysInYear = 365.0f;
    return f;
}

const std::string ExampleText =
    "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"2026-12-07\",0,1,1,0,0,1,365,\"O\",0\r\n";

} // namespace

TEST(MortgageFile, WritesTheFifteenFieldsAndTheYearLines)
{
    EXPECT_EQ(serializeMortgageFile(example()), ExampleText);
    auto f = example();
    f.extraRows = 3;
    f.extraCount = 1;
    f.piIncrease = 0.05f;
    f.daysInYear = 365.25f;
    f.daysChoice = 0;
    f.years = {{Currency::fromInt(1), Currency()}, {Currency::fromInt(2), Currency::fromDouble(2500.5)},
               {Currency::fromInt(3), Currency()}};
    EXPECT_EQ(serializeMortgageFile(f),
              "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"2026-12-07\",0,0,1,3,1,1,365.25,\"O\",0.05\r\n"
              "1,0\r\n2,2500.5\r\n3,0\r\n");
}

TEST(MortgageFile, ReadsBackWhatItWrote)
{
    auto f = example();
    f.loanMode = 2;
    f.term = Currency::fromDouble(4.1667);
    f.frequency = Frequencies[4];
    f.compounding = Compoundings[3];
    f.datesOn = 1;
    f.view = ScheduleView::All;
    f.extraRows = 2;
    f.extraCount = 1;
    f.piIncrease = 0.125f;
    f.daysChoice = 2;
    f.daysInYear = 364.0f;
    f.years = {{Currency::fromInt(1), Currency::fromInt(100)}, {Currency::fromInt(2), Currency()}};
    const auto back = parseMortgageFile(serializeMortgageFile(f));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->principal, f.principal);
    EXPECT_EQ(back->term, f.term);
    EXPECT_EQ(back->compounding, f.compounding);
    EXPECT_EQ(back->frequency, f.frequency);
    EXPECT_EQ(back->startDate, f.startDate);
    EXPECT_EQ(back->datesOn, 1);
    EXPECT_EQ(back->view, ScheduleView::All);
    EXPECT_EQ(back->loanMode, 2);
    EXPECT_EQ(back->daysChoice, 2);
    EXPECT_EQ(back->daysInYear, 364.0f);
    EXPECT_EQ(back->piIncrease, 0.125f);
    EXPECT_EQ(back->years, f.years);
}

TEST(MortgageFile, ReadsADateInTheSystemFormAndAChoiceOfFour)
{
    std::string text = ExampleText;
    text.replace(text.find("2026-12-07"), 10, "12/7/2026");
    text.replace(text.find(",0,1,1,0,0,1,"), 13, ",0,4,1,0,0,1,");
    EXPECT_FALSE(parseMortgageFile(text)); // no reader for the system form
    const auto f = parseMortgageFile(text, [](const std::string& s) -> std::optional<Date> {
        return s == "12/7/2026" ? Date::fromYmd(2026, 12, 7) : std::nullopt;
    });
    ASSERT_TRUE(f);
    EXPECT_EQ(f->startDate, *Date::fromYmd(2026, 12, 7));
    EXPECT_EQ(f->daysChoice, 0); // a stored 4 counts as 365.25 days
    // LF line ends and a missing last line end are accepted.
    EXPECT_TRUE(parseMortgageFile("100000,10.125,25,\"      Monthly\",\"      Monthly\",\"2026-12-07\",0,1,1,0,0,1,365,\"O\",0"));
}

TEST(MortgageFile, RefusesDamagedFiles)
{
    const std::string good = ExampleText;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<const char*, std::string>> damaged{
        {"empty", ""},
        {"truncated", good.substr(0, 40)},
        {"fourteen fields", good.substr(0, good.rfind(",0\r\n")) + "\r\n"},
        {"text for a number", replaced("100000", "\"100000\"")},
        {"number for a text", replaced("\"      Monthly\"", "12")},
        {"unknown frequency", replaced(",\"      Monthly\",\"2026", ",\"Monthly\",\"2026")},
        {"bad date", replaced("2026-12-07", "2026-02-30")},
        {"negative principal", replaced("100000", "-100000")},
        {"absurd mode", replaced(",0,0,1,365", ",0,0,7,365")},
        {"negative count", replaced(",1,1,0,0,1,", ",1,1,-5,0,1,")},
        {"huge count", replaced(",1,1,0,0,1,", ",1,1,30000,0,1,")},
        {"year lines beyond the table", replaced(",1,1,0,0,1,", ",1,1,46,0,1,")},
        {"missing year lines", replaced(",1,1,0,0,1,", ",1,1,3,0,1,") + "1,0\r\n"},
        {"bad year line", replaced(",1,1,0,0,1,", ",1,1,1,0,1,") + "1,\"x\"\r\n"},
        {"increase over 100 %", replaced(",\"O\",0", ",\"O\",7")},
        {"binary garbage", std::string("\x00\x01\xff\xfe\"\r\n,,,\x7f", 11)},
        {"huge number", replaced("100000", "1e300")},
    };
    for (const auto& [name, text] : damaged) {
        const auto file = parseMortgageFile(text);
        EXPECT_FALSE(file) << name;
        if (!file) {
            EXPECT_FALSE(file.reason().empty()) << name; // the cause is named
        }
    }
    EXPECT_TRUE(parseMortgageFile(good));
    EXPECT_EQ(parseMortgageFile(replaced(",\"      Monthly\",\"2026", ",\"Monthly\",\"2026")).reason(),
              "\"Monthly\" is not a payment frequency");
}

TEST(MortgageFile, TheCountOfAdditionalPaymentsComesFromTheAmounts)
{
    // The file's own count says 0, yet year 2 holds an amount: it is counted,
    // so it is listed and the indicator shows it.
    const auto f = parseMortgageFile("100000,10.125,25,\"      Monthly\",\"      Monthly\",\"2026-12-07\",0,1,1,3,0,1,365,"
                                     "\"O\",0\r\n1,0\r\n2,5000\r\n3,0\r\n");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->extraCount, 1);
    AppState st;
    applyMortgageFile(*f, st);
    EXPECT_EQ(st.Mortgage.ExtraCount, 1);
    EXPECT_TRUE(additionalPaymentsInForce(st.Mortgage));
    EXPECT_EQ(amortizationInput(st).extraCount, 1);
}

TEST(MortgageFile, StateFileAndEngineInputAgree)
{
    AppState st;
    loadMortgageDefaults(st, 2);
    st.Mortgage.PaymentFrequency = Frequency::WeeklyAcc;
    st.Mortgage.CompoundingPeriod = Compounding::Semiannual;
    st.ToolMode = toolModeOf(ScheduleView::All);
    setDaysChoice(st.Mortgage, 2);
    st.Mortgage.ExtraRows = 4;
    st.Mortgage.ExtraPayments[3][2] = Currency::fromInt(700);
    st.Mortgage.ExtraCount = countExtraPayments(st.Mortgage);
    const MortgageFile file = mortgageFileOf(st);
    EXPECT_EQ(file.years.size(), 4u);
    EXPECT_EQ(file.extraCount, 1);

    AppState back;
    loadMortgageDefaults(back, 1);
    applyMortgageFile(*parseMortgageFile(serializeMortgageFile(file)), back);
    const AmortizationInput a = amortizationInput(st);
    const AmortizationInput b = amortizationInput(back);
    EXPECT_EQ(b.principal, Currency::fromInt(20000));
    EXPECT_EQ(b.loanMode, 2);
    EXPECT_EQ(b.frequency, a.frequency);
    EXPECT_EQ(b.compounding, a.compounding);
    EXPECT_EQ(b.view, ScheduleView::All);
    EXPECT_EQ(b.weeklyPeriods, 52.0);
    for (std::size_t y = 0; y < a.extraPayments.size(); ++y)
        EXPECT_EQ(b.extraPayments[y][2], a.extraPayments[y][2]) << y;

    // A changed term empties the plan: the next save writes no year lines
    // left over from it.
    emptyExtraPayments(back.Mortgage);
    EXPECT_TRUE(mortgageFileOf(back).years.empty());
    EXPECT_FALSE(additionalPaymentsInForce(back.Mortgage));
}

TEST(MortgageFile, DaysOptions)
{
    EXPECT_EQ(daysOption(0).daysInYear, 365.25f);
    EXPECT_DOUBLE_EQ(daysOption(0).biweeklyPeriods, 365.25 / 14);
    EXPECT_EQ(daysOption(2).biweeklyPeriods, 26.0);
    EXPECT_EQ(daysOption(2).weeklyPeriods, 52.0);
    EXPECT_DOUBLE_EQ(daysOption(3).weeklyPeriods, 363.0 / 7);
    EXPECT_EQ(daysOption(4).daysInYear, 365.25f);
}

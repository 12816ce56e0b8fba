#include "platform/error.h"
#include "platform/locale.h"
#include "platform/numbers.h"

#include <QLocale>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using platform::Error;
using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

struct Spelling
{
    const char *text;
    double value;
};

TEST(ParseNumber, AcceptsEveryFormOfASampleFileNumber)
{
    const Spelling accepted[] = {
        // digits with an optional "." fraction, "." whatever the locale
        {"0", 0.0},
        {"42", 42.0},
        {"2.5", 2.5},
        {"5.", 5.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"007.50", 7.5},
        // an optional sign
        {"+3", 3.0},
        {"-3.25", -3.25},
        // an optional exponent, e or E, with an optional sign
        {"1e3", 1000.0},
        {"1E3", 1000.0},
        {"25e-2", 0.25},
        {"-1.5E+2", -150.0},
        {"1.e2", 100.0},
        // correctly rounded: 2^53 + 1 lies halfway and goes to the even neighbour
        {"9007199254740993", 9007199254740992.0},
        {"0.1", 0.1},
        // too small for a double: underflows to zero
        {"1e-400", 0.0},
    };
    for (const auto &[text, value] : accepted) {
        const auto parsed = platform::parseNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    EXPECT_TRUE(std::signbit(*platform::parseNumber("-1e-400")));
    // A long mantissa and an exponent that push the other way: the sum decides.
    for (const std::string &small :
         {"0." + std::string(400, '0') + "1e+10", "0." + std::string(2000, '0') + "1e+1600"})
        EXPECT_EQ(platform::parseNumber(small), 0.0) << small.size();
}

TEST(ParseNumber, RejectsWhatIsNotANumber)
{
    const char *rejected[] = {
        "",       "x",    "y",     "abc", "+",     "-",   ".",        "+.", "-.", // no digits
        "+-1",    "-+1",  "--1",   "++1", // one sign at most
        "1e",     "1e+",  "e5",    ".e5", // an exponent needs digits on both sides
        "1d3",    "1D3", // d is no exponent letter in a sample file
        "1.2.3",  "1,5",  "1_000", "1 2", "12abc", // the whole field must be the number
        "0x10", // no hex
        "inf",    "-inf", "+inf",  "nan", "-nan",  "NaN", "infinity", // no special values
        "1e400x", // out of range, but not a number in the first place
        " 1",     "1 ", // the reader strips the blanks, this does not
    };
    for (const char *text : rejected)
        EXPECT_FALSE(platform::parseNumber(text).has_value()) << text;
}

TEST(ParseNumber, ThrowsForANumberTooLargeForADouble)
{
    // The sentence follows "file", line N: in a message, and so begins in lower case.
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        {"1e400", "the number 1e400 is too large."},
        {"-1e400", "the number -1e400 is too large."},
        {"1e309", "the number 1e309 is too large."},
        {"99999999e9999999999", "the number 99999999e9999999999 is too large."},
        // a long mantissa and an exponent that push the other way; named in forty characters
        {"1" + std::string(400, '0') + "e-10",
         "the number 1" + std::string(39, '0') + "... is too large."},
        {"1" + std::string(2000, '0') + "e-1600",
         "the number 1" + std::string(39, '0') + "... is too large."},
    };
    for (const auto &[text, message] : cases)
        EXPECT_THAT([&] { platform::parseNumber(text); },
                    ThrowsMessage<Error>(testing::StrEq(message)));
}

TEST(Val, UsesTheLongestLeadingNumberAndTellsWhatIsLeft)
{
    const struct
    {
        const char *text;
        double value;
        const char *number; // the part read as the number
        const char *rest; // what is left; a text is one number when it is "" and number is not
    } cases[] = {
        {"2.2", 2.2, "2.2", ""},
        // blanks and tabs around the text are skipped
        {"  \t3.5abc", 3.5, "3.5", "abc"},
        {" 3.5 and more ", 3.5, "3.5", "and more"},
        {"\t-2.5 \t", -2.5, "-2.5", ""},
        // "." with digits on either side
        {".5", 0.5, ".5", ""},
        {"+.5", 0.5, "+.5", ""},
        {"5.", 5.0, "5.", ""},
        {"-7.25", -7.25, "-7.25", ""},
        // e, E, d and D start an exponent only when digits follow
        {"1e3", 1000.0, "1e3", ""},
        {"1E-2", 0.01, "1E-2", ""},
        {"1d3", 1000.0, "1d3", ""},
        {"2D+1", 20.0, "2D+1", ""},
        {"1e", 1.0, "1", "e"},
        {"1e+", 1.0, "1", "e+"},
        {"1ex", 1.0, "1", "ex"},
        {"4d", 4.0, "4", "d"},
        // the number ends at the first character that cannot continue it
        {"1 2", 1.0, "1", "2"},
        {"2.2.3", 2.2, "2.2", ".3"},
        {"2.22.5", 2.22, "2.22", ".5"},
        {"3,5", 3.0, "3", ",5"},
        // no number at the start gives 0
        {"", 0.0, "", ""},
        {" \t ", 0.0, "", ""},
        {"abc", 0.0, "", "abc"},
        {"x=2", 0.0, "", "x=2"},
        {"\u22122.5", 0.0, "", "\u22122.5"}, // the typographic minus is no sign
        {"-", 0.0, "", "-"},
        {".", 0.0, "", "."},
        {"+.e5", 0.0, "", "+.e5"},
        // too small for a double: underflows quietly
        {"1e-999", 0.0, "1e-999", ""},
    };
    for (const auto &[text, value, number, rest] : cases) {
        const platform::ValReading reading = platform::readVal(text);
        EXPECT_EQ(reading.value, value) << '"' << text << '"';
        EXPECT_EQ(reading.number, number) << '"' << text << '"';
        EXPECT_EQ(reading.rest, rest) << '"' << text << '"';
        EXPECT_EQ(platform::val(text), value) << '"' << text << '"';
    }
}

TEST(Val, TakesADecimalCommaWhereTheLocaleWritesOne)
{
    const struct
    {
        const char *text;
        double withComma; // where the locale's decimal separator is ","
        double withPoint; // everywhere else
    } cases[] = {
        {"2,5", 2.5, 2.0},
        {"2.5", 2.5, 2.5},
        {"-0,25e1", -2.5, -0.0},
        {",5", 0.5, 0.0},
        {"5,", 5.0, 5.0},
        // one decimal point at most, whichever it is
        {"1,5.5", 1.5, 1.0},
        {"1.5,5", 1.5, 1.5},
        {"1,2,3", 1.2, 1.0},
        {",", 0.0, 0.0},
    };
    for (const auto &[text, withComma, withPoint] : cases) {
        EXPECT_EQ(platform::val(text, ","), withComma) << text;
        EXPECT_EQ(platform::val(text, "."), withPoint) << text;
    }
    // Where the locale writes a decimal comma, "2,5" is one number; elsewhere it is not.
    EXPECT_TRUE(platform::readVal("2,5", ",").whole());
    EXPECT_FALSE(platform::readVal("2,5", ".").whole());
}

TEST(Val, ThrowsForANumberTooLargeForADouble)
{
    // The message quotes the number as it was typed, in forty characters at most.
    const std::string nines(400, '9');
    for (const auto &[text, number] : {std::pair<std::string, std::string> {"1e999", "1e999"},
                                       {" -2D400x", "-2D400"},
                                       {"9,9e999", "9,9e999"},
                                       {nines, std::string(40, '9') + "..."}})
        EXPECT_THAT([&] { platform::val(text, ","); },
                    ThrowsMessage<Error>(
                        HasSubstr("The number " + std::string(number) + " is too large.")));
}

TEST(FormatResult, RoundsTheFifteenDigitDecimalToFourPlacesHalvesAwayFromZero)
{
    const struct
    {
        double value;
        const char *shown;
    } cases[] = {
        // at least one digit before the point, exactly four after it
        {0.5, "0.5000"},
        {12.25, "12.2500"},
        {-2, "-2.0000"},
        {123456.789, "123456.7890"},
        {1e20, "100000000000000000000.0000"},
        // halves away from zero, on the value taken to 15 significant digits: 1.00005 is
        // stored a little below 1.00005, 0.00015 a little below 0.00015
        {1.00005, "1.0001"},
        {0.00015, "0.0002"},
        {0.03125, "0.0313"},
        {-0.03125, "-0.0313"},
        {0.00005, "0.0001"},
        {0.000049, "0.0000"},
        // a carry runs through the nines
        {0.99995, "1.0000"},
        {9.99995, "10.0000"},
        {-999.99996, "-1000.0000"},
        // below half of the last place
        {1.23454, "1.2345"},
        {1e-20, "0.0000"},
        // a value that rounds to zero has no sign
        {0.0, "0.0000"},
        {-0.0, "0.0000"},
        {-0.00004, "0.0000"},
        {-0.00005, "-0.0001"},
    };
    for (const auto &[value, shown] : cases)
        EXPECT_EQ(platform::formatResult(value, "."), shown) << value;
}

TEST(FormatResult, UsesTheGivenDecimalSeparatorAndNoGrouping)
{
    EXPECT_EQ(platform::formatResult(1234567.5, ","), "1234567,5000");
    EXPECT_EQ(platform::formatResult(-0.25, ","), "-0,2500");
}

TEST(FormatFree, WritesFifteenSignificantDigitsInShortestForm)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {
        {0.5, "0.5"},       {2.2000000000000002, "2.2"},
        {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"},
        {100, "100"},       {-4.5, "-4.5"},
        {1e20, "1e+20"},    {0.0, "0"},
        {-0.0, "0"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(platform::formatFree(value, "."), text) << value;
    EXPECT_EQ(platform::formatFree(-1.25, ","), "-1,25");
    EXPECT_EQ(platform::formatFree(1.5e-7, ","), "1,5e-07");
    // appendFree adds to what the text holds
    std::string text = "x=";
    platform::appendFree(text, 2.5, ",");
    platform::appendFree(text, -0.0, ",");
    EXPECT_EQ(text, "x=2,50");
}

} // namespace

namespace {

TEST(LocaleDecimalPoint, FollowsTheUsersLocale)
{
    const QLocale before;
    const struct
    {
        const char *locale;
        const char *point;
    } locales[] = {
        {"de_DE", ","},
        {"en_US", "."},
        // Written in Arabic-Indic digits with "٫" there: the program's 0 to 9 take "."
        {"ar_EG", "."},
        // Arabic written in 0 to 9
        {"ar_MA", ","},
    };
    for (const auto &[locale, point] : locales) {
        QLocale::setDefault(QLocale(locale));
        EXPECT_EQ(platform::localeDecimalPoint(), point) << locale;
    }
    QLocale::setDefault(before);
}

} // namespace

#include "calc/reader.h"
#include "support/fakes.h"
#include "support/tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

// Reads content through getarray as the chosen file "samples.txt".
calc::Table read(const std::string &content)
{
    Files files;
    ScriptedDialog dialog({files.write("samples.txt", content)});
    calc::Table t;
    EXPECT_TRUE(calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step));
    return t;
}

// The message of the Error that reading content throws, or "" when it throws none; in English,
// with the given decimal point.
std::string errorReading(const std::string &content, std::string_view decimalPoint = ".")
{
    try {
        read(content);
    } catch (const calc::Error &e) {
        return e.message().render(
            [](const char *english, std::optional<long long>) { return std::string(english); },
            decimalPoint);
    }
    return {};
}

TEST(Getarray, ReadsPairsSetsLengthAndStep)
{
    const calc::Table t = read("0,0\n0.5,0.25\n1.0,1\n1.5,2.25\n");
    EXPECT_EQ(t.length, 4);
    EXPECT_EQ(t.step, 0.5);
    const double x[] = {0, 0.5, 1, 1.5}, y[] = {0, 0.25, 1, 2.25};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.x[i], x[i]);
        EXPECT_EQ(t.y[i], y[i]);
        EXPECT_EQ(t.yprime[i], 0);
    }
    EXPECT_EQ(t.x[4], 0); // past the samples the slots stay empty
}

TEST(Getarray, TakesTheStepFromTheEndsAndAcceptsDescendingTables)
{
    EXPECT_EQ(read("3\n9\n2\n4\n1\n1\n0\n0\n").step, -1);
    // Within 1 % of the spacing counts as equally spaced, however large or small the spacing:
    // (3 - 0) / 3 = 1 and the second abscissa strays by 0.5 %; (30 - 0) / 3 = 10 and it strays
    // by 0.09 (0.9 %), more than 0.01 of the abscissa's unit.
    EXPECT_EQ(read("0,0\n1.005,1\n2,4\n3,9\n").step, 1);
    EXPECT_EQ(read("0,0\n10.09,1\n20,4\n30,9\n").step, 10);
    EXPECT_EQ(read("0,0\n1.005,1\n2,4\n3,9\n").length, 4);
}

TEST(Getarray, HoldsTheMostSamplesATableHolds)
{
    const calc::Table t = read(sampleFile(101, 0.5, square));
    EXPECT_EQ(t.length, 101);
    EXPECT_EQ(t.step, 0.5);
    EXPECT_EQ(t.y[100], 2500);
}

TEST(Getarray, RejectsFilesThatCannotGiveDerivativesNamingWhereAndWhy)
{
    const struct
    {
        std::string content;
        std::vector<std::string> words;
    } cases[] = {
        {"", {"\"samples.txt\" holds no samples"}},
        {"\n\n  \n", {"holds no samples"}},
        // two samples of y = 1 + 2x would give slopes of 4.5 and -4.5
        {"0,1\n1,3\n", {"only 2 samples", "at least 4"}},
        {"0,1\n", {"only 1 sample;", "at least 4"}},
        {"x,y\n0,0\n1,1\n2,4\n3,9\n", {"line 1", "\"x\" is not a number"}},
        {"0,0\n1,1\n2,4\n3", {"line 4", "abscissa 3 has no ordinate"}},
        // a field that would reorder the line it is quoted in is quoted with that character
        // written out
        {"\u202e1,0\n", {"line 1: \"\\u202E1\" is not a number."}},
        {sampleFile(102, 1, square), {"line 102", "101 is the most"}},
        {"0,0\n1,1\n2,4\n", {"only 3 samples", "at least 4"}},
        // a file holding only a byte-order mark holds nothing
        {"\xEF\xBB\xBF", {"holds no samples"}},
        {"0,0\n1,1\n2,4\n0,5\n", {"first and the last abscissa are both 0"}},
        {"-1e308,0\n0,0\n1,0\n1e308,0\n", {"abscissas -1e308 and 1e308 lie too far apart"}},
        // unequal spacing, named at the line where it breaks: the step is (6 - 0) / 3 = 2
        {"0,0\n1,1\n5,5\n6,6\n", {"line 2", "abscissa 1 lies 1 from the one before", "2 apart"}},
        {"0,0\n1.02,1\n2,4\n3,9\n", {"line 2", "equally spaced"}}, // twice the tolerance
        // 1.5 % of a spacing of 0.001 is more than 1 %, though far less than 0.01
        {"0,0\n0.001015,1\n0.002,4\n0.003,9\n", {"line 2", "equally spaced"}},
        // blanks at the end of a line are no separator between numbers
        {"0,0  \n1,1  \n5,5  \n6,6  \n", {"line 2", "equally spaced"}},
        // duplicate and unsorted abscissas break the spacing too
        {"0,0\n0,0\n1,1\n3,9\n", {"line 2", "equally spaced"}},
        {"0,0\n2,4\n1,1\n3,9\n", {"line 2", "equally spaced"}},
    };
    for (const auto &[content, words] : cases) {
        const std::string message = errorReading(content);
        for (const std::string &word : words)
            EXPECT_THAT(message, HasSubstr(word)) << "reading \"" << content.substr(0, 40) << "\"";
        // None of these looks written with decimal commas, or like a result file.
        EXPECT_THAT(message, testing::Not(HasSubstr("decimal commas")));
        EXPECT_THAT(message, testing::Not(HasSubstr("result file")));
    }
}

// A message names an abscissa of the file as the file writes it, in a locale that writes
// numbers with a decimal comma too, and the numbers the program found as the window writes
// numbers.
TEST(Getarray, NamesTheFilesNumbersAsTheFileWritesThem)
{
    const struct
    {
        std::string content;
        std::string message;
    } cases[] = {
        {"0,0\n1,1\n2,4\n1.50",
         "\"samples.txt\", line 4: the abscissa 1.50 has no ordinate; the numbers of a sample file "
         "come in pairs x, y."},
        {"0.0,0\n1,1\n2,4\n0e0,5\n",
         "\"samples.txt\": the first and the last abscissa are both 0.0, so the samples have no "
         "spacing."},
        {"-1E308,0\n0,0\n1,0\n+1e308,0\n",
         "\"samples.txt\": the abscissas -1E308 and +1e308 lie too far apart."},
        // the step is (6 - 0) / 3 = 2
        {"0,0\n1.5e0,1\n5,5\n6,6\n",
         "\"samples.txt\", line 2: the abscissa 1.5e0 lies 1,5 from the one before it, but the "
         "samples must be equally spaced, 2 apart in this table."},
    };
    for (const auto &[content, message] : cases)
        EXPECT_EQ(errorReading(content, ","), message);
}

TEST(Getarray, SaysWhenTheNumbersLookWrittenWithDecimalCommasOrTheFileIsAResultFile)
{
    const std::string commas = "\",\" separates numbers and \".\" is the decimal point";
    const std::string results = "The file looks like a result file (three numbers on every line";
    const struct
    {
        std::string content;
        std::string words;
        std::string hint;
    } cases[] = {
        {"0,5 0,25\n1,0 1,0\n1,5 2,25\n2,0 4,0\n", "line 1: the abscissa 0 lies 0", commas},
        {"0,5\t0,25\n1,0\t1,0\n", "line 1", commas},
        {"0,5;0,25\n1,0;1,0\n", "\"5;0\" is not a number", commas},
        // the comma as the line's second character, and the pattern on a later line
        {"1,5 2,25\n2,0 4,0\n", "line 2", commas},
        {"1,1\n2,2\n0,5 0,25\n", "line 2", commas},
        // a result file, with either decimal point
        {squaresResult, "line 5: the abscissa 8 has no ordinate", results},
        {"0 0 0\n0,5 0,25 1\n1 1 2\n1,5 2,25 3\n", "line 1", results},
        {"0 0 0\r\n\r\n1 1 2\r\n2 4 4\r\n3 9 6\r\n", "line 1", results},
        // bytes that are not text, quoted so that they can be read
        {"0,0\n\x01\xff\x4a%,1\n", "\"\\x01\\xFFJ%\" is not a number",
         "\"samples.txt\" does not look like a text file"},
    };
    for (const auto &[content, words, hint] : cases)
        EXPECT_THAT(errorReading(content), AllOf(HasSubstr(words), HasSubstr(hint))) << content;
}

TEST(Getarray, GivesAHintOnlyWhereItIsTrue)
{
    const struct
    {
        std::string content;
        std::string words;
    } cases[] = {
        // Three pairs on one line, not decimal commas nor a result line.
        {"0,0 1,1 2,4\n", "holds only 3 samples; at least 4 are needed to estimate derivatives."},
        // Fewer lines than a table has samples is no result file.
        {"0 0 0\n1 1 2\n2 4 4\n",
         "line 3: the abscissa 4 has no ordinate; the numbers of a "
         "sample file come in pairs x, y."},
        // Text in another script is text.
        {"0,0\n\u00e9,1\n", "\"\u00e9\" is not a number."},
    };
    for (const auto &[content, words] : cases)
        EXPECT_THAT(errorReading(content), testing::EndsWith(words)) << content;
}

TEST(Getarray, StopsAtTheFirstSampleTooMany)
{
    // A long file is refused at its 102nd sample without being read to its end, so a garbage
    // tail is never reached.
    EXPECT_THAT(errorReading(sampleFile(102, 1, square) + std::string(1'000'000, 'z')),
                HasSubstr("101 is the most"));
}

TEST(Getarray, ReadsNothingWhenTheChoiceIsCancelled)
{
    ScriptedDialog dialog({std::nullopt});
    calc::Table t;
    t.length = 7;
    EXPECT_FALSE(calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step));
    EXPECT_EQ(t.length, 7);
    EXPECT_EQ(dialog.shown, std::vector<std::string> {"open"});
}

TEST(Getarray, NamesAFileThatCannotBeOpened)
{
    // A name that would reorder the message is written out as a quoted field is.
    for (const auto &[name, shown] :
         {std::pair {"gone.txt", "gone.txt"}, std::pair {"\u202etxt.exe", "\\u202Etxt.exe"}}) {
        Files files;
        ScriptedDialog dialog({files.path(name)});
        calc::Table t;
        EXPECT_THAT(
            [&] { calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step); },
            ThrowsMessage<calc::Error>(AllOf(
                HasSubstr("Cannot open \"" + files.folder()),
                HasSubstr(std::string(shown) + "\" for reading. No such file or directory."))));
    }
}

} // namespace

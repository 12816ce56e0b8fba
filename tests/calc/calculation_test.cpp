#include "../fakes.h"
#include "calc/command.h"
#include "calc/table.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Kind = calc::Outcome::Kind;

// y = x^2 at x = 0..4.
const std::string squares = "0,0\n1,1\n2,4\n3,9\n4,16\n";

// One calculation on the given samples with the abscissa typed as text; the result file is
// "result.txt" beside "samples.txt".
struct OneCalculation
{
    explicit OneCalculation(const std::string &samples, const std::string &abscissa)
        : display(abscissa), input(files.write("samples.txt", samples)),
          output(files.path("result.txt")), dialog({input, output})
    { }

    calc::Outcome calculate()
    {
        calc::Context context {dialog, display, "."};
        return calc::cmdcalculate_Click(context);
    }

    Files files;
    RecordingDisplay display;
    std::string input;
    std::string output;
    ScriptedDialog dialog;
};

TEST(Calculation, ShowsTabulatedOrInterpolatedValuesAtTheTypedAbscissa)
{
    const struct
    {
        std::string abscissa;
        std::vector<std::string> writes;
    } cases[] = {
        // on a sample: the tabulated y and the estimated y' (exact for a quadratic)
        {"2", {"y'=4.0000", "y=4.0000"}},
        {"4", {"y'=8.0000", "y=16.0000"}},
        // between samples: forward differences in the body, backward at the end
        {"2.5", {"y'=5.0000", "y=6.2500"}},
        {"3.5", {"y'=7.0000", "y=12.2500"}},
        // the abscissa is read by the longest leading number
        {"  3.5abc", {"y'=7.0000", "y=12.2500"}},
        {"abc", {"y'=0.0000", "y=0.0000"}},
        {"1e0", {"y'=2.0000", "y=1.0000"}},
    };
    for (const auto &[abscissa, writes] : cases) {
        OneCalculation run(squares, abscissa);
        EXPECT_EQ(run.calculate().kind, Kind::Shown) << abscissa;
        EXPECT_EQ(run.display.writes, writes) << abscissa;
    }
}

TEST(Calculation, WritesTheResultFileBeforeShowing)
{
    OneCalculation run(squares, "2.5");
    run.calculate();
    EXPECT_EQ(run.dialog.shown, (std::vector<std::string> {"open", "save"}));
    EXPECT_EQ(Files::read(run.output), "0 0 0\n1 1 2\n2 4 4\n3 9 6\n4 16 8\n");
    EXPECT_EQ(Files::read(run.input), squares);
}

TEST(Calculation, RunsAFullTableOfOneHundredAndOneSamples)
{
    // y = x^2 at x = 0.0, 0.1, ..., 10.0, written as decimals. "2.2" is a sample, read from
    // the file and from the window alike; the estimates of a quadratic are exact up to
    // rounding far below the fourth decimal.
    std::string samples;
    for (int i = 0; i <= 100; ++i)
        samples += std::to_string(i / 10) + "." + std::to_string(i % 10) + ", " +
            std::to_string(i * i / 100.0) + "\n";
    for (const auto &[abscissa, writes] : {
             std::pair<std::string, std::vector<std::string>> {"2.2", {"y'=4.4000", "y=4.8400"}},
             {"2.25", {"y'=4.5000", "y=5.0625"}},
             {"9.95", {"y'=19.9000", "y=99.0025"}},
             {"10", {"y'=20.0000", "y=100.0000"}},
         }) {
        OneCalculation run(samples, abscissa);
        EXPECT_EQ(run.calculate().kind, Kind::Shown) << abscissa;
        EXPECT_EQ(run.display.writes, writes) << abscissa;
        const std::string result = Files::read(run.output);
        EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 101);
        EXPECT_EQ(result.substr(0, result.find('\n')), "0 0 0");
    }
}

TEST(Calculation, ClearsTheFieldsAndSaysSoWhenNoValueLiesAtTheAbscissa)
{
    for (const std::string abscissa : {"7", "-0.5", "4.0001"}) {
        OneCalculation run(squares, abscissa);
        const calc::Outcome outcome = run.calculate();
        EXPECT_EQ(outcome.kind, Kind::NoValue);
        EXPECT_EQ(run.display.writes, (std::vector<std::string> {"y'=", "y="}));
        EXPECT_NE(outcome.message.find("x = " + abscissa), std::string::npos) << outcome.message;
        EXPECT_NE(outcome.message.find("from 0 to 4"), std::string::npos) << outcome.message;
        // The result file is written all the same.
        EXPECT_EQ(Files::read(run.output).substr(0, 6), "0 0 0\n");
    }
}

TEST(Calculation, ShowsOnlySamplesOfADescendingTable)
{
    OneCalculation onSample("4,16\n3,9\n2,4\n1,1\n0,0\n", "3");
    EXPECT_EQ(onSample.calculate().kind, Kind::Shown);
    EXPECT_EQ(onSample.display.writes, (std::vector<std::string> {"y'=6.0000", "y=9.0000"}));

    OneCalculation between("4,16\n3,9\n2,4\n1,1\n0,0\n", "2.5");
    const calc::Outcome outcome = between.calculate();
    EXPECT_EQ(outcome.kind, Kind::NoValue);
    EXPECT_NE(outcome.message.find("ascending"), std::string::npos) << outcome.message;
}

TEST(Calculation, EndsQuietlyWhenAChoiceIsCancelled)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    for (const auto &answers : {std::vector<std::optional<std::string>> {std::nullopt},
                                std::vector<std::optional<std::string>> {input, std::nullopt}}) {
        ScriptedDialog dialog(answers);
        RecordingDisplay display("2.5");
        calc::Context context {dialog, display, "."};
        EXPECT_EQ(calc::cmdcalculate_Click(context).kind, Kind::Cancelled);
        EXPECT_TRUE(display.writes.empty());
        // The save choice starts on the input file's name; cancelling it must not write there.
        EXPECT_EQ(Files::read(input), squares);
        EXPECT_EQ(files.entries(), QStringList {"samples.txt"});
    }
}

TEST(Calculation, KeepsWhatWasDoneWhenALaterStepFails)
{
    OneCalculation run(squares, "1e999");
    EXPECT_THROW(run.calculate(), calc::Error);
    EXPECT_EQ(Files::read(run.output).substr(0, 6), "0 0 0\n");
    EXPECT_TRUE(run.display.writes.empty());
}

TEST(Calculation, ShowsNothingAndWritesNothingWhenTheSamplesAreBad)
{
    OneCalculation run("x,y\n" + squares, "2");
    EXPECT_THROW(run.calculate(), calc::Error);
    EXPECT_EQ(run.dialog.shown, std::vector<std::string> {"open"});
    EXPECT_TRUE(run.display.writes.empty());
}

TEST(Calculation, UsesTheLocaleDecimalSeparatorForShownTexts)
{
    OneCalculation run(squares, "2.5"); // typed with "." whatever the locale
    calc::Context context {run.dialog, run.display, ","};
    calc::cmdcalculate_Click(context);
    EXPECT_EQ(run.display.writes, (std::vector<std::string> {"y'=5,0000", "y=6,2500"}));
}

} // namespace

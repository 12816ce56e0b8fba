#include "calc/command.h"
#include "calc/results.h"
#include "support/fakes.h"
#include "support/tables.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using Kind = calc::Outcome::Kind;
using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

// One calculation on the given samples with the abscissa typed as text; the result file is
// "result.txt" beside "samples.txt".
struct OneCalculation
{
    explicit OneCalculation(const std::string &samples, const std::string &abscissa,
                            const std::string &decimalPoint = ".")
        : display(abscissa), input(files.write("samples.txt", samples)),
          output(files.path("result.txt")),
          dialog({input, output}), context {dialog, display, decimalPoint}
    { }

    calc::Outcome calculate() { return calc::cmdcalculate_Click(context); }

    Files files;
    RecordingDisplay display;
    std::string input;
    std::string output;
    ScriptedDialog dialog;
    calc::Context context;
};

TEST(Calculation, FindsTabulatedOrInterpolatedValuesAtTheTypedAbscissa)
{
    // Exact: on a sample the estimates of a quadratic are exact, and between samples both
    // Newton quadratics reproduce it exactly with u = 0.5 (every step is exact in binary).
    const struct
    {
        std::string abscissa;
        calc::Point point;
        std::string note; // how the box was read, when it is not exactly one number
    } cases[] = {
        // on a sample: the tabulated y and the estimated y'
        {"2", {4, 4}, ""},
        {"4", {8, 16}, ""},
        // between samples: forward differences in the body, backward at the end
        {"2.5", {5, 6.25}, ""},
        {" 3.5\t", {7, 12.25}, ""},
        // the abscissa is read by the longest leading number, and the outcome says so
        {"  3.5abc",
         {7, 12.25},
         "The abscissa \"3.5abc\" was read as 3.5: the rest, \"abc\", is not part of the "
         "number."},
        {"2.5.5",
         {5, 6.25},
         "The abscissa \"2.5.5\" was read as 2.5: the rest, \".5\", is not part of the number."},
        {"abc", {0, 0}, "The box holds no number (\"abc\"), so x was read as 0."},
        {"\u22122.5", {0, 0}, "The box holds no number (\"\u22122.5\"), so x was read as 0."},
        {" ", {0, 0}, "The box is empty, so x was read as 0."},
        {"1e0", {2, 1}, ""},
    };
    for (const auto &[abscissa, point, note] : cases) {
        OneCalculation run(squares, abscissa);
        const calc::Outcome outcome = run.calculate();
        EXPECT_EQ(outcome.kind, Kind::Shown) << abscissa;
        EXPECT_EQ(outcome.point, point) << abscissa;
        EXPECT_EQ(outcome.abscissaNote.english(), note) << abscissa;
        // Nothing is shown before the outcome is.
        EXPECT_TRUE(run.display.writes.empty());
    }
}

TEST(Calculation, InterpolatesBetweenSamplesOfAFunctionThatIsNoQuadratic)
{
    // y = x^3 at x = 0..4: the estimates are -2, 1, 12 (central), 25 and 46 (backward). At
    // 2.5, forward from x = 2 with u = 0.5: y = (8 + 0.5 * 19) + (-0.125) * ((64 - 54) + 8)
    // = 15.25 and y' = (12 + 0.5 * 13) + (-0.125) * ((46 - 50) + 12) = 17.5, every step exact
    // in binary.
    OneCalculation run("0,0\n1,1\n2,8\n3,27\n4,64\n", "2.5");
    EXPECT_EQ(run.calculate().point, (calc::Point {17.5, 15.25}));
}

TEST(Calculation, WritesTheResultFileBeforeReadingTheAbscissa)
{
    OneCalculation run(squares, "2.5");
    std::string whenRead = "not read";
    run.display.onAbscissaRead = [&] {
        whenRead = Files::read(run.output);
    };
    run.calculate();
    EXPECT_EQ(run.dialog.shown, (std::vector<std::string> {"open", "save"}));
    EXPECT_EQ(whenRead, squaresResult);
    EXPECT_EQ(Files::read(run.input), squares);
}

TEST(Calculation, RunsAFullTableOfOneHundredAndOneSamples)
{
    // y = x^2 at x = 0.0, 0.1, ..., 10.0, written as decimals. "2.2" is a sample, read from
    // the file and from the window alike. The decimals are not exact in binary, so the
    // results carry rounding errors of a few units in the last place of the largest term.
    const std::string samples = sampleFile(101, 0.1, square);
    const struct
    {
        std::string abscissa;
        calc::Point point;
    } cases[] = {{"2.2", {4.4, 4.84}},
                 {"2.25", {4.5, 5.0625}},
                 {"9.95", {19.9, 99.0025}},
                 {"10", {20, 100}}};
    for (const auto &[abscissa, point] : cases) {
        OneCalculation run(samples, abscissa);
        const calc::Outcome outcome = run.calculate();
        EXPECT_EQ(outcome.kind, Kind::Shown) << abscissa;
        EXPECT_NEAR(outcome.point.yprime, point.yprime, 1e-9) << abscissa;
        EXPECT_NEAR(outcome.point.y, point.y, 1e-9) << abscissa;
        const std::string result = Files::read(run.output);
        EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 101);
        EXPECT_EQ(result.substr(0, result.find('\n')), "0 0 0");
    }
}

TEST(Calculation, SaysWhyNoValueLiesAtTheAbscissa)
{
    // The numbers are the program's, written as the window writes numbers: with the locale's
    // decimal comma where it has one.
    const struct
    {
        std::string abscissa;
        std::string decimalPoint;
        std::string message;
    } cases[] = {
        {"7", ".", "No value at x = 7: the table runs from 0 to 4."},
        {"-0.5", ".", "No value at x = -0.5: the table runs from 0 to 4."},
        {"-0,5", ",", "No value at x = -0,5: the table runs from 0 to 4."},
        {"4.0001", ",", "No value at x = 4,0001: the table runs from 0 to 4."},
    };
    for (const auto &[abscissa, decimalPoint, message] : cases) {
        OneCalculation run(squares, abscissa, decimalPoint);
        const calc::Outcome outcome = run.calculate();
        EXPECT_EQ(outcome.kind, Kind::NoValue);
        const auto english = [](const char *text, std::optional<long long>) {
            return std::string(text);
        };
        EXPECT_EQ(outcome.message.render(english, decimalPoint), message);
        // The result file is written all the same.
        EXPECT_EQ(Files::read(run.output), squaresResult);
    }
}

TEST(Calculation, FindsOnlySamplesOfADescendingTable)
{
    OneCalculation onSample("4,16\n3,9\n2,4\n1,1\n0,0\n", "3");
    EXPECT_EQ(onSample.calculate().point, (calc::Point {6, 9}));

    OneCalculation between("4,16\n3,9\n2,4\n1,1\n0,0\n", "2.5");
    const calc::Outcome outcome = between.calculate();
    EXPECT_EQ(outcome.kind, Kind::NoValue);
    EXPECT_THAT(outcome.message.english(), HasSubstr("ascending tables only"));
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
        // The save choice starts on the input file's name; cancelling it must not write there.
        EXPECT_EQ(Files::read(input), squares);
        EXPECT_EQ(files.entries(), (std::vector<std::string> {"samples.txt"}));
    }
}

TEST(Calculation, KeepsTheResultFileWhenTheAbscissaFails)
{
    OneCalculation run(squares, "1e999");
    EXPECT_THAT([&] { run.calculate(); },
                ThrowsMessage<calc::Error>(AllOf(HasSubstr("1e999"), HasSubstr("too large"))));
    EXPECT_EQ(Files::read(run.output), squaresResult);
}

TEST(Calculation, RefusesToShowValuesThatAreNotFinite)
{
    // Finite samples and finite estimates (+-1.6e308) whose interpolation overflows: the
    // first difference of y' alone is -3.2e308.
    OneCalculation run("0,-2e307\n0.5,2e307\n1,-2e307\n1.5,2e307\n", "0.25");
    EXPECT_THAT(
        [&] { run.calculate(); },
        ThrowsMessage<calc::Error>(AllOf(HasSubstr("x = 0.25"), HasSubstr("not a finite number"))));
}

TEST(Calculation, WritesNothingWhenTheSamplesAreBad)
{
    OneCalculation run("x,y\n" + squares, "2");
    EXPECT_THAT([&] { run.calculate(); },
                ThrowsMessage<calc::Error>(HasSubstr("\"x\" is not a number")));
    EXPECT_EQ(run.dialog.shown, std::vector<std::string> {"open"});
}

TEST(Calculation, ReadsADecimalCommaInTheAbscissaWhereTheLocaleWritesOne)
{
    // "2,5" is 2.5 where numbers are shown as "5,0000", and 2 elsewhere.
    OneCalculation comma(squares, "2,5", ",");
    EXPECT_EQ(comma.calculate().point, (calc::Point {5, 6.25}));
    OneCalculation point(squares, "2,5", ".");
    EXPECT_EQ(point.calculate().point, (calc::Point {4, 4}));
}

TEST(ShowOutcome, ShowsTheDerivativeFirstThenTheValue)
{
    const struct
    {
        calc::Outcome outcome;
        std::string decimalPoint;
        std::vector<std::string> writes;
    } cases[] = {
        {calc::Outcome::shown(2.5, {5, 6.25}), ".", {"y'=5.0000", "y=6.2500"}},
        {calc::Outcome::shown(2.5, {-0.03125, 1234567.5}), ",", {"y'=-0,0313", "y=1234567,5000"}},
        // empty fields, so that they never show the last calculation's numbers
        {calc::Outcome::noValue(7, "No value"), ".", {"y'=", "y="}},
        {calc::Outcome::cancelled(), ".", {}},
    };
    for (const auto &[outcome, decimalPoint, writes] : cases) {
        RecordingDisplay display;
        calc::showOutcome(display, outcome, decimalPoint);
        EXPECT_EQ(display.writes, writes);
    }
}

} // namespace

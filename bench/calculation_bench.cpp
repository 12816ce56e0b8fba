// The calculation's speed against the floors it cannot go below: the bare system calls that
// reading and replacing the same files take, and a loop that does nothing with the bytes but
// look for separators. Every figure is printed beside its floor as a ratio, because the
// machines this runs on are shared and their absolute times wander.

#include "calc/command.h"
#include "calc/derivative.h"
#include "calc/interpolation.h"
#include "calc/reader.h"
#include "calc/results.h"
#include "calc/table.h"
#include "calc/writer.h"
#include "platform/textinput.h"
#include "ratios.h"
#include "support/fakes.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

// The files of the run, in a fresh folder of the system's temporary folder (TMPDIR).
class RunFiles
{
public:
    RunFiles()
    {
        // y = sin x at x = 0, 0.04, ...: as many samples as a table holds, written as a
        // user's tool would.
        std::string text;
        char line[64];
        for (int i = 0; i < calc::mostSamples; ++i) {
            const double x = i * 0.04;
            std::snprintf(line, sizeof line, "%.2f, %.15g\n", x, std::sin(x));
            text += line;
        }
        const int fd = ::open(input.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            throw std::runtime_error("cannot write " + input);
        ::close(fd);
        inputBytes = text.size();
    }

    Files m_files;
    const std::string folder = m_files.folder();
    const std::string input = folder + "/samples.txt";
    const std::string output = folder + "/result.txt";
    const std::string floorOutput = folder + "/floor.txt";
    std::size_t inputBytes = 0;
    // The size of the result file, known once the calculation has run (see main).
    std::size_t outputBytes = 0;
};

RunFiles &files()
{
    static RunFiles instance;
    return instance;
}

// Chooses the same two files every time.
FixedDialog fixedDialog()
{
    return FixedDialog(files().input, files().output);
}

// The window's fields, with an abscissa between two samples.
RecordingDisplay fields()
{
    return RecordingDisplay("2.02");
}

void fail(benchmark::State &state, const char *what)
{
    state.SkipWithError(what);
}

// One press of "Calculate" without the dialogs: read, differentiate, replace the result file,
// look up and interpolate, format the texts.
void Calculation(benchmark::State &state)
{
    FixedDialog dialog = fixedDialog();
    RecordingDisplay display = fields();
    calc::Context context {dialog, display, "."};
    for (auto _ : state) {
        const calc::Outcome outcome = calc::cmdcalculate_Click(context);
        if (outcome.kind != calc::Outcome::Kind::Shown)
            return fail(state, "the calculation showed nothing");
        display.writes.clear();
        calc::showOutcome(display, outcome, ".");
    }
}

// The bare system calls of reading the sample file: open, read and close.
bool readFloor(std::vector<char> &buffer)
{
    const int in = ::open(files().input.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    while (::read(in, buffer.data(), buffer.size()) > 0) { }
    return ::close(in) == 0;
}

// The bare system calls of replacing the result file as the writer does: the same number of
// bytes to an unnamed file beside the target, flushed to the disk, then named and renamed over
// the target.
bool replaceFloor(const std::string &bytes)
{
    const RunFiles &f = files();
    const int out = ::open(f.folder.c_str(), O_RDWR | O_CLOEXEC | O_TMPFILE, 0666);
    if (out < 0)
        return false;
    const std::string self = "/proc/self/fd/" + std::to_string(out);
    const std::string staged = f.floorOutput + ".staged";
    const bool done = ::write(out, bytes.data(), bytes.size()) == ssize_t(bytes.size()) &&
        ::fdatasync(out) == 0 &&
        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, staged.c_str(), AT_SYMLINK_FOLLOW) == 0 &&
        ::rename(staged.c_str(), f.floorOutput.c_str()) == 0;
    return ::close(out) == 0 && done;
}

// The system work of the same calculation and nothing else.
void CalculationFloor(benchmark::State &state)
{
    const std::string bytes(files().outputBytes, '1');
    std::vector<char> buffer(platform::TextInput::blockSize);
    for (auto _ : state) {
        if (!readFloor(buffer) || !replaceFloor(bytes))
            return fail(state, "the bare file calls failed");
    }
}

// The writer alone, on the table of the same file: where the calculation's time goes.
void Writer(benchmark::State &state)
{
    FixedDialog dialog = fixedDialog();
    calc::Table t;
    if (!calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step))
        return fail(state, "the reader read nothing");
    calc::derivative(t.x, t.y, t.yprime, t.length, t.step);
    for (auto _ : state) {
        if (!calc::writearray(dialog, ".", t.x, t.y, t.yprime, t.length))
            return fail(state, "the writer wrote nothing");
    }
}

void WriterFloor(benchmark::State &state)
{
    const std::string bytes(files().outputBytes, '1');
    for (auto _ : state) {
        if (!replaceFloor(bytes))
            return fail(state, "the bare file calls failed");
    }
}

// The reader on the same sample file.
void Reader(benchmark::State &state)
{
    FixedDialog dialog = fixedDialog();
    calc::Table table;
    for (auto _ : state) {
        if (!calc::getarray(dialog, table.x, table.y, table.yprime, table.length, table.step))
            return fail(state, "the reader read nothing");
        benchmark::DoNotOptimize(table);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files().inputBytes));
}

bool isSeparator(char c)
{
    return platform::syntax::isSeparator(c);
}

// Opens, reads and closes the same file as the reader, and only counts the fields.
void ReaderFloor(benchmark::State &state)
{
    std::vector<char> buffer(platform::TextInput::blockSize);
    for (auto _ : state) {
        const int in = ::open(files().input.c_str(), O_RDONLY | O_CLOEXEC);
        if (in < 0)
            return fail(state, "cannot open the sample file");
        int fields = 0;
        bool inField = false;
        for (ssize_t got; (got = ::read(in, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t i = 0; i < got; ++i) {
                const bool separator = isSeparator(buffer[static_cast<std::size_t>(i)]);
                fields += !separator && !inField;
                inField = !separator;
            }
        }
        ::close(in);
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files().inputBytes));
}

// The numerical work alone, on the table read from the same file: the derivatives at all 101
// samples and one interpolation with its two formatted texts.
void DerivativeAndInterpolate(benchmark::State &state)
{
    FixedDialog dialog = fixedDialog();
    RecordingDisplay display = fields();
    calc::Table t;
    if (!calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step))
        return fail(state, "the reader read nothing");
    const double xval = 2.02;
    for (auto _ : state) {
        calc::derivative(t.x, t.y, t.yprime, t.length, t.step);
        const auto point = calc::interpolate(t.x, t.y, t.yprime, t.length, t.step, xval);
        if (!point)
            return fail(state, "nothing was interpolated");
        display.writes.clear();
        calc::showOutcome(display, calc::Outcome::shown(xval, *point), ".");
        benchmark::DoNotOptimize(t.yprime);
    }
}

BENCHMARK(Calculation)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculationFloor)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Writer)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(WriterFloor)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Reader)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(ReaderFloor)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DerivativeAndInterpolate)->UseRealTime()->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    // One calculation before the runs, which may come in any order: the floor writes as many
    // bytes as it wrote.
    FixedDialog dialog = fixedDialog();
    RecordingDisplay display = fields();
    calc::Context context {dialog, display, "."};
    calc::showOutcome(display, calc::cmdcalculate_Click(context), ".");
    files().outputBytes = Files::read(files().output).size();
    std::printf("Sample file: %zu bytes; result file: %zu bytes; shown at x = 2.02: %s, %s\n",
                files().inputBytes, files().outputBytes, display.writes.at(0).c_str(),
                display.writes.at(1).c_str());

    RatioReporter reporter({
        {"Calculation", "CalculationFloor", 1.3},
        {"Reader", "ReaderFloor", 3.0},
        {"Writer", "WriterFloor", 0}, // no goal of its own: shows where the time goes
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios();
    return reporter.failed() ? 1 : 0;
}

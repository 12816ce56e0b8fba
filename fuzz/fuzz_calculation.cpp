// One whole calculation: the first line of the input is the typed abscissa, the rest the
// sample file. Either the program's own error is thrown, or the result file holds exactly
// `length` lines of three finite numbers and every shown text has the "0.0000" form. A result
// file that existed before is either replaced whole or left byte for byte as it was.
#include "calc/command.h"
#include "calc/results.h"
#include "fuzzing.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

std::string straddlingSeed()
{
    return "2.5\n" + straddlingSamples();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Files files;
    static const std::string input = files.path("samples.txt");
    static const std::string output = files.path("result.txt");
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = bytes.find('\n');
    const std::string abscissa = bytes.substr(0, newline);
    const std::string samples = newline == std::string::npos ? "" : bytes.substr(newline + 1);
    std::ofstream(input, std::ios::binary | std::ios::trunc) << samples;
    const std::string before = "the previous result\n";
    std::ofstream(output, std::ios::binary | std::ios::trunc) << before;

    FixedDialog dialog(input, output);
    CheckingDisplay display(abscissa);
    calc::Context context {dialog, display, "."};
    const std::string after = [&] {
        try {
            calc::showOutcome(display, calc::cmdcalculate_Click(context), ".");
        } catch (const calc::Error &) { }
        return Files::read(output);
    }();
    if (after == before)
        return 0;

    // Replaced: every line holds three finite numbers, and there are as many lines as a table
    // may hold samples.
    std::istringstream lines(after);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field;
        int n = 0;
        while (fields >> field) {
            double value = 0;
            const auto [end, ec] =
                std::from_chars(field.data(), field.data() + field.size(), value);
            if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
                violated("result value \"" + field + "\"");
            ++n;
        }
        if (n != 3)
            violated("result line \"" + line + "\"");
        ++count;
    }
    if (count < calc::fewestSamples || count > calc::mostSamples || after.back() != '\n')
        violated("result file of " + std::to_string(count) + " lines");
    return 0;
}

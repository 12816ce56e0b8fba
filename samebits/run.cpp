// Runs one calculation for every case file named on the command line and prints, for each,
// the texts shown, the message (or the error) and the result file, byte for byte. A case file's
// first line is the typed abscissa, the rest the sample file. Two machines compute the same
// bits when their outputs are the same.
#include "calc/command.h"
#include "calc/results.h"
#include "support/dialogs.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string contents(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class Display : public platform::ResultDisplay
{
public:
    explicit Display(std::string abscissa) : m_abscissa(std::move(abscissa)) { }
    std::string abscissaText() const override { return m_abscissa; }
    void showDerivativeText(const std::string &text) override { shown += "y'=" + text + "\n"; }
    void showValueText(const std::string &text) override { shown += "y=" + text + "\n"; }
    std::string shown;

private:
    std::string m_abscissa;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "usage: samebits_run SCRATCH_FOLDER CASE...\n";
        return 2;
    }
    const std::string samples = std::string(argv[1]) + "/samples.txt";
    const std::string result = std::string(argv[1]) + "/result.txt";
    for (int i = 2; i < argc; ++i) {
        const std::string text = contents(argv[i]);
        const std::size_t newline = text.find('\n');
        std::ofstream(samples, std::ios::binary | std::ios::trunc)
            << (newline == std::string::npos ? "" : text.substr(newline + 1));
        std::cout << "== " << argv[i] << "\n";
        // In a locale with a decimal point, and in one with a decimal comma.
        for (const std::string decimalPoint : {".", ","}) {
            std::remove(result.c_str());
            FixedDialog dialog(samples, result);
            Display display(text.substr(0, newline));
            calc::Context context {dialog, display, decimalPoint};
            std::string message;
            try {
                const calc::Outcome outcome = calc::cmdcalculate_Click(context);
                calc::showOutcome(display, outcome, decimalPoint);
                message = outcome.message.english();
            } catch (const calc::Error &e) {
                message = std::string("error: ") + e.what();
            }
            std::cout << display.shown << message << "\n" << contents(result);
        }
    }
    return 0;
}

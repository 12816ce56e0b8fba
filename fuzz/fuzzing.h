#pragma once

#include "platform/resultdisplay.h"
#include "platform/textinput.h"
#include "support/fakes.h"
#include "support/tables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

// Stops the run with a finding: libFuzzer keeps the input that broke the invariant.
[[noreturn]] inline void violated(const std::string &what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what.c_str());
    std::abort();
}

// A display that checks every text it is given against the "0.0000" pattern (or empty, when
// the fields are cleared).
class CheckingDisplay : public platform::ResultDisplay
{
public:
    explicit CheckingDisplay(std::string abscissa) : m_abscissa(std::move(abscissa)) { }
    std::string abscissaText() const override { return m_abscissa; }
    void showDerivativeText(const std::string &text) override { check(text); }
    void showValueText(const std::string &text) override { check(text); }
    int shown = 0;

private:
    void check(const std::string &text)
    {
        static const std::regex pattern("-?[0-9]+\\.[0-9]{4}");
        if (!text.empty() && !std::regex_match(text, pattern))
            violated("shown text \"" + text + "\"");
        if (text == "-0.0000")
            violated("shown negative zero");
        ++shown;
    }
    std::string m_abscissa;
};

// The squares table whose samples begin just before the end of the reader's first block, so
// that even a short run reads fields across a block boundary.
inline std::string straddlingSamples()
{
    return std::string(platform::TextInput::blockSize - 5, ' ') + squares;
}

// The seed this target adds to its first corpus folder; "" for none. Each target defines it.
std::string straddlingSeed();

// Writes the target's straddling seed into the first corpus folder named on the command line,
// where libFuzzer finds it when it reads the folder. Inputs may grow past the reader's block,
// so that fuzzing crosses a block boundary: libFuzzer reads its flags after this runs, and a
// -max_len given on the command line still wins.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    for (int i = 1; i < *argc; ++i) {
        const std::string argument = (*argv)[i];
        std::error_code error;
        if (!argument.starts_with('-') && std::filesystem::is_directory(argument, error)) {
            if (const std::string seed = straddlingSeed(); !seed.empty())
                std::ofstream(argument + "/straddle", std::ios::binary) << seed;
            break;
        }
    }
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0)
            return 0;
    static std::vector<char *> arguments(*argv, *argv + *argc);
    static std::string maxLen = "-max_len=" +
        std::to_string(platform::TextInput::blockSize + platform::TextInput::blockSize / 4);
    arguments.push_back(maxLen.data());
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
    return 0;
}

// Hostile input and failing disks: every fault ends in a clear error, and no file is lost.
#include "../fakes.h"
#include "calc/command.h"
#include "calc/table.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

const std::string squares = "0,0\n1,1\n2,4\n3,9\n4,16\n";

// Runs one calculation; returns the error message, or "" when there was none.
std::string calculate(platform::FileDialog &dialog, const std::string &abscissa = "2.5")
{
    RecordingDisplay display(abscissa);
    calc::Context context {dialog, display, "."};
    try {
        calc::cmdcalculate_Click(context);
    } catch (const calc::Error &e) {
        return e.what();
    }
    return {};
}

TEST(Faults, AFullDiskLeavesTheOldResultFileIntact)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    const std::string output = files.write("result.txt", "the old result\n");
    // Files may grow to 20 bytes only: the new result file (36 bytes) fails partway, as on a
    // full disk, while the old one stays as it was.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    ScriptedDialog dialog({input, output});
    const std::string message = calculate(dialog);
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_NE(message.find("Cannot write"), std::string::npos) << message;
    EXPECT_NE(message.find("left as it was"), std::string::npos) << message;
    EXPECT_EQ(Files::read(output), "the old result\n");
    EXPECT_EQ(files.entries(), (QStringList {"result.txt", "samples.txt"}));
}

TEST(Faults, RefusesResultPathsThatCannotBeWritten)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    const struct
    {
        std::string path;
        std::string words;
    } cases[] = {
        {files.path(""), "it is a folder"},
        {files.path("missing/result.txt"), "Cannot open"},
        {"/proc/version", "Cannot open"},
        {"/dev/full", "not a regular file"},
    };
    for (const auto &[path, words] : cases) {
        ScriptedDialog dialog({input, path});
        const std::string message = calculate(dialog);
        EXPECT_NE(message.find(words), std::string::npos) << path << ": " << message;
    }
    EXPECT_EQ(Files::read(input), squares);
}

TEST(Faults, RefusesAReadOnlyFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the other cases cover this path";
    Files files;
    const std::string input = files.write("samples.txt", squares);
    QDir().mkdir(QString::fromStdString(files.path("locked")));
    QFile::setPermissions(QString::fromStdString(files.path("locked")),
                          QFile::ReadOwner | QFile::ExeOwner);
    ScriptedDialog dialog({input, files.path("locked/result.txt")});
    EXPECT_NE(calculate(dialog).find("Cannot open"), std::string::npos);
}

// A dialog whose chosen input file is deleted before it can be opened.
class VanishingDialog : public ScriptedDialog
{
public:
    using ScriptedDialog::ScriptedDialog;
    bool ShowOpen() override
    {
        const bool chosen = ScriptedDialog::ShowOpen();
        std::remove(FileName().c_str());
        return chosen;
    }
};

TEST(Faults, NamesAnInputFileThatVanishedAfterTheChoice)
{
    Files files;
    VanishingDialog dialog({files.write("samples.txt", squares), files.path("result.txt")});
    const std::string message = calculate(dialog);
    EXPECT_NE(message.find("Cannot open"), std::string::npos) << message;
    EXPECT_NE(message.find("samples.txt"), std::string::npos) << message;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("result.txt"))));
}

TEST(Faults, NamesAnInputFileThatFailsWhileBeingRead)
{
    // Reading the start of a process's own memory file fails with an I/O error.
    Files files;
    ScriptedDialog dialog({"/proc/self/mem", files.path("result.txt")});
    const std::string message = calculate(dialog);
    EXPECT_NE(message.find("\"mem\""), std::string::npos) << message;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("result.txt"))));
}

TEST(Faults, RefusesHostileSampleFilesWithAClearMessage)
{
    const struct
    {
        std::string content;
        std::string words;
    } cases[] = {
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "is not a number"},
        {"0,0\n1,\0\0\0\n"s, "line 2: \"???\" is not a number"},
        {"0,0\n1," + std::string(1'000'000, '5') + "\n", "longer than 1000"},
        {"0,0\n1,\xff\xfe\n", "line 2"},
        {"0,0\n1,1e400\n", "too large"},
        {"0,0\n1,0x10\n", "\"0x10\" is not a number"},
        {"0,0\n1,nan\n", "\"nan\" is not a number"},
        {"0,0\n1,inf\n", "\"inf\" is not a number"},
        {"0,0\n1,1_000\n", "\"1_000\" is not a number"},
        {"0,0\n1,1\n2,4\n3,9\n4,16,\n", "comma with no number after it"},
    };
    for (const auto &[content, words] : cases) {
        Files files;
        ScriptedDialog dialog({files.write("samples.txt", content), files.path("result.txt")});
        const std::string message = calculate(dialog);
        EXPECT_NE(message.find(words), std::string::npos) << message;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("result.txt"))));
    }
}

TEST(Faults, StopsEarlyInAHundredMegabyteFile)
{
    Files files;
    const std::size_t size = 100'000'000;
    const std::string digits = files.write("digits.txt", std::string(size, '7'));
    std::string lines;
    lines.reserve(size);
    while (lines.size() < size)
        lines += "1\n";
    const std::string pairs = files.write("pairs.txt", lines);
    lines = {};

    for (const auto &[path, words] :
         {std::pair {digits, "longer than 1000"s}, std::pair {pairs, "101 is the most"s}}) {
        ScriptedDialog dialog({path, files.path("result.txt")});
        const auto start = std::chrono::steady_clock::now();
        const std::string message = calculate(dialog);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_NE(message.find(words), std::string::npos) << message;
        // Only the first block is read: far below the time to read 100 MB.
        EXPECT_LT(elapsed, std::chrono::milliseconds(200));
    }
}

TEST(Faults, ReadsAndWritesFilesWithNonAsciiNames)
{
    Files files;
    const std::string input = files.write("données é.txt", "-0,0\n1,1\n2,4\n3,9\n4,16\n");
    const std::string output = files.path("日本.txt");
    ScriptedDialog dialog({input, output});
    EXPECT_EQ(calculate(dialog, "0"), "");
    EXPECT_EQ(Files::read(output).substr(0, 6), "0 0 0\n");
}

TEST(Faults, ReadsHostileAbscissaTextsSafely)
{
    const struct
    {
        std::string abscissa;
        std::string error; // "" when the calculation must succeed
    } cases[] = {
        {std::string(1'000'000, 'x'), ""}, // no number: 0, a sample
        {std::string(400, '9'), "too large"},
        {"1e999", "too large"},
        {"\x01\x02 2", ""}, // no number at the start: 0
        {"2\x07\x1b[31m", ""},
        {"2.5" + std::string(100'000, '0') + "1", ""},
        {"0." + std::string(100'000, '0') + "1", ""},
    };
    for (const auto &[abscissa, error] : cases) {
        Files files;
        ScriptedDialog dialog({files.write("samples.txt", squares), files.path("result.txt")});
        const std::string message = calculate(dialog, abscissa);
        if (error.empty())
            EXPECT_EQ(message, "") << abscissa.substr(0, 20);
        else
            EXPECT_NE(message.find(error), std::string::npos) << message.substr(0, 200);
    }
}

} // namespace

// Hostile input and failing disks: every fault ends in a clear error, and no file is lost.
#include "calc/command.h"
#include "platform/textinput.h"
#include "support/fakes.h"
#include "support/tables.h"

#include <csignal>
#include <fstream>
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;
using platform::TextInput;
using testing::AllOf;
using testing::HasSubstr;

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

// The bytes this process has read from files so far, as the kernel counts them.
long long bytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

TEST(Faults, AFullDiskLeavesTheOldResultFileIntact)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    const std::string output = files.write("result.txt", "the old result\n");
    ScriptedDialog dialog({input, output});
    std::string message;
    {
        // The new result file (31 bytes) fails partway, while the old one stays as it was.
        const FileSizeLimit limit(20);
        ASSERT_TRUE(limit.set());
        message = calculate(dialog);
    }
    EXPECT_THAT(message,
                AllOf(HasSubstr("Cannot write"),
                      HasSubstr("of 31 bytes reached the disk. File too large."),
                      HasSubstr("\"result.txt\" was left as it was")));
    EXPECT_EQ(Files::read(output), "the old result\n");
    EXPECT_EQ(files.entries(), (std::vector<std::string> {"result.txt", "samples.txt"}));
}

TEST(Faults, RefusesResultPathsThatCannotBeWritten)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    const std::string fifo = files.path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct
    {
        std::string path;
        std::string words;
    } cases[] = {
        {files.path(""), "it is a folder"},     {files.path("missing/result.txt"), "Cannot open"},
        {input + "/result.txt", "Cannot open"}, {"/dev/full", "not a regular file"},
        {fifo, "not a regular file"},
    };
    for (const auto &[path, words] : cases) {
        ScriptedDialog dialog({input, path});
        EXPECT_THAT(calculate(dialog), AllOf(HasSubstr(words), HasSubstr(path))) << path;
    }
    EXPECT_EQ(Files::read(input), squares);
}

// Runs the calculation in a child process that first calls prepare, and returns its message;
// nothing when prepare failed.
std::optional<std::string> inChild(const std::function<bool()> &prepare,
                                   platform::FileDialog &dialog)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (!prepare())
            ::_exit(77);
        const std::string message = calculate(dialog);
        const bool sent = ::write(channel[1], message.data(), message.size()) ==
            static_cast<ssize_t>(message.size());
        ::_exit(sent ? 0 : 1); // no destructors: the temporary folder is the parent's
    }
    ::close(channel[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return message;
}

// Runs the calculation with folder closed to writing, and returns its message with the cause
// the system gives. An ordinary user is kept out by the folder's permissions. Root writes into
// any folder whatever its permissions: the folder is bound read-only onto itself in a mount
// namespace of the child's own, or, where no namespace may be made (no CAP_SYS_ADMIN), the
// child gives up root for nobody's user and group.
std::pair<std::optional<std::string>, std::string>
inReadOnlyFolder(const Files &files, const std::string &folder, platform::FileDialog &dialog)
{
    ::chmod(folder.c_str(), 0555);
    if (::geteuid() != 0)
        return {calculate(dialog), "Permission denied"};
    const auto readOnlyMount = [&] {
        return ::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
            0;
    };
    if (auto message = inChild(readOnlyMount, dialog))
        return {message, "Read-only file system"};
    ::chmod(files.folder().c_str(), 0755);
    const auto nobody = [] {
        return ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 &&
            ::setresuid(65534, 65534, 65534) == 0;
    };
    return {inChild(nobody, dialog), "Permission denied"};
}

TEST(Faults, NamesAFolderThatCannotBeWrittenAndWhy)
{
    Files files;
    const std::string input = files.write("samples.txt", squares);
    const std::string locked = files.path("locked");
    ASSERT_TRUE(std::filesystem::create_directory(locked));
    ScriptedDialog dialog({input, locked + "/result.txt"});
    const auto [message, why] = inReadOnlyFolder(files, locked, dialog);
    ::chmod(locked.c_str(), 0700);
    ASSERT_TRUE(message.has_value()) << "the calculation could not be run in a read-only folder";
    EXPECT_THAT(*message,
                HasSubstr("the folder \"" + locked + "\" cannot be written. " + why + "."));
    EXPECT_TRUE(Files::list(locked).empty());
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
    EXPECT_THAT(calculate(dialog), AllOf(HasSubstr("Cannot open"), HasSubstr("samples.txt")));
    EXPECT_FALSE(Files::exists(files.path("result.txt")));
}

TEST(Faults, NamesAnInputFileThatFailsWhileBeingRead)
{
    // Reading the start of a process's own memory file fails with an I/O error.
    Files files;
    ScriptedDialog dialog({"/proc/self/mem", files.path("result.txt")});
    EXPECT_THAT(calculate(dialog), HasSubstr("Cannot read \"mem\". Input/output error."));
    EXPECT_FALSE(Files::exists(files.path("result.txt")));
}

TEST(Faults, RefusesANamedPipeAsSampleFileWithoutWaitingForIt)
{
    // Opening a pipe for reading waits until something opens it for writing; nothing will.
    // Should the reader wait, the alarm ends the test run instead of hanging it.
    Files files;
    const std::string fifo = files.path("samples.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ScriptedDialog dialog({fifo, files.path("result.txt")});
    ::alarm(10);
    const std::string message = calculate(dialog);
    ::alarm(0);
    EXPECT_THAT(message, AllOf(HasSubstr(fifo), HasSubstr("not a regular file")));
    ScriptedDialog device({"/dev/zero"});
    EXPECT_THAT(calculate(device), HasSubstr("\"/dev/zero\": it is not a regular file"));
}

TEST(Faults, RefusesHostileSampleFilesWithAClearMessage)
{
    const struct
    {
        std::string content;
        std::string words;
    } cases[] = {
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "is not a number"},
        {"0,0\n1,\0\0\0\n"s,
         "line 2: \"\\x00\\x00\\x00\" is not a number. \"samples.txt\" does not look like a text "
         "file"},
        {"0,0\n1," + std::string(1'000'000, '5') + "\n", "longer than 1000 characters"},
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
        EXPECT_THAT(calculate(dialog), HasSubstr(words));
        EXPECT_FALSE(Files::exists(files.path("result.txt")));
    }
}

TEST(Faults, StopsEarlyInALongFile)
{
    // Sixteen blocks of one field that never ends, and of more pairs than a table holds: the
    // reader stops in the first block.
    Files files;
    const std::size_t size = 16 * TextInput::blockSize;
    const std::string digits = files.write("digits.txt", std::string(size, '7'));
    std::string lines;
    lines.reserve(size);
    while (lines.size() < size)
        lines += "1\n";
    const std::string pairs = files.write("pairs.txt", lines);

    for (const auto &[path, words] :
         {std::pair {digits, "longer than 1000"s}, std::pair {pairs, "101 is the most"s}}) {
        ScriptedDialog dialog({path, files.path("result.txt")});
        const long long before = bytesRead();
        ASSERT_GE(before, 0) << "/proc/self/io is not readable";
        EXPECT_THAT(calculate(dialog), HasSubstr(words));
        // The first block, the same block once more for the hints, and the count itself.
        EXPECT_LE(bytesRead() - before, static_cast<long long>(2 * TextInput::blockSize + 4096))
            << path;
    }
}

TEST(Faults, LeavesNoFileOpenWhenASampleFileIsRefusedOrFailsToRead)
{
    Files files;
    const std::string fifo = files.path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {files.folder(), "it is a folder"},
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {"/proc/self/mem", "Input/output error"},
        {files.write("commas.txt", "0,5 0,25\n1,0 1,0\n"), "decimal commas"},
        {files.write("many.txt", sampleFile(102, 1, square)), "101 is the most"},
    };
    for (const auto &[path, words] : cases) {
        // With standard input closed, the sample file gets descriptor 0.
        for (const bool inputClosed : {false, true}) {
            const int input = inputClosed ? ::dup(0) : -1;
            if (inputClosed)
                ::close(0);
            const std::size_t before = Files::list("/proc/self/fd").size();
            ScriptedDialog dialog({path, files.path("result.txt")});
            EXPECT_THAT(calculate(dialog), HasSubstr(words)) << path << inputClosed;
            EXPECT_EQ(Files::list("/proc/self/fd").size(), before) << path << inputClosed;
            if (inputClosed) {
                ::dup2(input, 0);
                ::close(input);
            }
        }
    }
}

TEST(Faults, ReadsAndWritesFilesWithNonAsciiNames)
{
    Files files;
    const std::string input = files.write("données é.txt", "-0,0\n1,1\n2,4\n3,9\n4,16\n");
    const std::string output = files.path("日本.txt");
    ScriptedDialog dialog({input, output});
    EXPECT_EQ(calculate(dialog, "0"), "");
    EXPECT_EQ(Files::read(output), squaresResult);
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
            EXPECT_THAT(message, HasSubstr(error));
    }
}

} // namespace

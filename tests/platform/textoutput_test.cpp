#include "platform/error.h"
#include "platform/textoutput.h"
#include "support/fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

using platform::Error;
using platform::TextOutput;
using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

TEST(TextOutput, WritesValuesSeparatedByBlanksOneLineEach)
{
    Files files;
    const std::string path = files.path("result.txt");
    TextOutput out(path);
    out.printLine({"0", "0.5", "-1"});
    out.printLine({"2.25", "3", "4"});
    out.commit();
    EXPECT_EQ(Files::read(path), "0 0.5 -1\n2.25 3 4\n");
}

TEST(TextOutput, WritesThroughASymbolicLinkAndReplacesAHardLinksNameAlone)
{
    // What the save dialog's question says rests on this: under a symbolic link the file it
    // names is replaced; under a second (hard) name only that name gets the new file.
    Files files;
    const std::string samples = files.write("samples.txt", "0 0\n");
    const std::string symbolic = files.path("symbolic.txt");
    const std::string hard = files.path("hard.txt");
    ASSERT_EQ(::symlink(samples.c_str(), symbolic.c_str()), 0);
    ASSERT_EQ(::link(samples.c_str(), hard.c_str()), 0);
    TextOutput throughHard(hard);
    throughHard.printLine({"1"});
    throughHard.commit();
    EXPECT_EQ(Files::read(hard), "1\n");
    EXPECT_EQ(Files::read(samples), "0 0\n");
    TextOutput throughSymbolic(symbolic);
    throughSymbolic.printLine({"2"});
    throughSymbolic.commit();
    EXPECT_EQ(Files::read(samples), "2\n");
}

TEST(TextOutput, WritesAFileLargerThanOneBlockWhole)
{
    // Lines are handed to the file 64 KiB at a time; a longer file must arrive whole and in
    // order.
    Files files;
    const std::string path = files.path("result.txt");
    std::string expected;
    TextOutput out(path);
    for (int i = 0; i < 20000; ++i) {
        out.printLine({std::to_string(i), "0.5"});
        expected += std::to_string(i) + " 0.5\n";
    }
    out.commit();
    ASSERT_GT(expected.size(), 2 * 64 * 1024u);
    EXPECT_EQ(Files::read(path), expected);
}

TEST(TextOutput, ReplacesAnExistingFileOnlyWhenComplete)
{
    Files files;
    const std::string path = files.write("result.txt", "old content\n");
    {
        TextOutput out(path);
        out.printLine({"1", "2", "3"});
        // Until the commit the old file is untouched.
        EXPECT_EQ(Files::read(path), "old content\n");
        out.commit();
    }
    EXPECT_EQ(Files::read(path), "1 2 3\n");
    EXPECT_EQ(files.entries(), (std::vector<std::string> {"result.txt"}));
}

TEST(TextOutput, LeavesTheOldFileAndNoPartialFileWhenNotCompleted)
{
    Files files;
    const std::string path = files.write("result.txt", "old content\n");
    {
        TextOutput out(path);
        out.printLine({"1", "2", "3"});
    } // abandoned, as when an error interrupts the writer
    EXPECT_EQ(Files::read(path), "old content\n");
    EXPECT_EQ(files.entries(), (std::vector<std::string> {"result.txt"}));
}

TEST(TextOutput, RefusesPathsItCannotReplaceSafely)
{
    Files files;
    const struct
    {
        std::string path;
        std::string words;
    } cases[] = {
        {files.path("no such folder/result.txt"), "Cannot open"},
        {files.path(""), "folder"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto &[path, words] : cases)
        EXPECT_THAT([&] { TextOutput out(path); },
                    ThrowsMessage<Error>(AllOf(HasSubstr(words), HasSubstr(path))))
            << path;
    EXPECT_TRUE(files.entries().empty());
}

} // namespace

#include "calc/writer.h"
#include "support/fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

// y = x^2 at x = 0, 0.5, 1, 1.5 with its derivative.
calc::Table fourSamples()
{
    calc::Table t;
    const double x[] = {0, 0.5, 1, 1.5}, y[] = {0, 0.25, 1, 2.25};
    for (int i = 0; i < 4; ++i) {
        t.x[i] = x[i];
        t.y[i] = y[i];
        t.yprime[i] = 2 * x[i];
    }
    t.length = 4;
    t.step = 0.5;
    return t;
}

const calc::Table table = fourSamples();

bool write(platform::FileDialog &dialog, const std::string &decimalPoint = ".")
{
    return calc::writearray(dialog, decimalPoint, table.x, table.y, table.yprime, table.length);
}

TEST(Writearray, WritesOneLineOfThreeNumbersPerSample)
{
    Files files;
    ScriptedDialog dialog({files.path("result.txt")});
    EXPECT_TRUE(write(dialog));
    EXPECT_EQ(dialog.shown, std::vector<std::string> {"save"});
    EXPECT_EQ(Files::read(files.path("result.txt")), "0 0 0\n0.5 0.25 1\n1 1 2\n1.5 2.25 3\n");
}

TEST(Writearray, UsesTheLocaleDecimalSeparator)
{
    Files files;
    ScriptedDialog dialog({files.path("result.txt")});
    write(dialog, ",");
    EXPECT_EQ(Files::read(files.path("result.txt")), "0 0 0\n0,5 0,25 1\n1 1 2\n1,5 2,25 3\n");
}

TEST(Writearray, ReplacesTheInputFileWhenTheUserChoosesIt)
{
    Files files;
    const std::string samples = files.write("samples.txt", "0,0\n0.5,0.25\n1,1\n1.5,2.25\n");
    ScriptedDialog dialog({samples});
    write(dialog);
    EXPECT_EQ(Files::read(samples), "0 0 0\n0.5 0.25 1\n1 1 2\n1.5 2.25 3\n");
}

TEST(Writearray, WritesNothingWhenTheChoiceIsCancelled)
{
    Files files;
    ScriptedDialog dialog({std::nullopt});
    EXPECT_FALSE(write(dialog));
    EXPECT_TRUE(files.entries().empty());
}

TEST(Writearray, LeavesAnExistingFileAloneWhenItCannotWrite)
{
    // The new file (34 bytes) fails partway, as on a full disk.
    Files files;
    const std::string result = files.write("result.txt", "keep me\n");
    ScriptedDialog dialog({result});
    {
        const FileSizeLimit limit(10);
        ASSERT_TRUE(limit.set());
        EXPECT_THAT([&] { write(dialog); },
                    ThrowsMessage<calc::Error>(
                        AllOf(HasSubstr("Cannot write"),
                              HasSubstr("The existing file \"result.txt\" was left as it was."))));
    }
    EXPECT_EQ(Files::read(result), "keep me\n");
    EXPECT_EQ(files.entries(), (std::vector<std::string> {"result.txt"}));
}

TEST(Writearray, SaysThatNoFileWasWrittenWhenNoneExisted)
{
    Files files;
    ScriptedDialog dialog({files.path("result.txt")});
    {
        const FileSizeLimit limit(10);
        ASSERT_TRUE(limit.set());
        EXPECT_THAT([&] { write(dialog); },
                    ThrowsMessage<calc::Error>(HasSubstr("No file was written.")));
    }
    EXPECT_TRUE(files.entries().empty());
}

} // namespace

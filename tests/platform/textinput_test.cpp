#include "platform/catalogue.h"
#include "platform/error.h"
#include "platform/message.h"
#include "platform/textinput.h"
#include "support/fakes.h"

#include <clocale>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

using platform::Error;
using platform::TextInput;
using namespace std::string_literals;
using testing::AllOf;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

std::vector<double> readAll(TextInput &in)
{
    std::vector<double> numbers;
    while (!in.atEnd())
        numbers.push_back(in.readNumber());
    return numbers;
}

// The message of the Error that reading the whole file throws, or "" when it throws none.
std::string errorReading(const std::string &content)
{
    Files files;
    TextInput in(files.write("samples.txt", content));
    try {
        readAll(in);
    } catch (const Error &e) {
        return e.what();
    }
    return {};
}

TEST(TextInput, ReadsEveryLayoutAlike)
{
    const char *layouts[] = {
        "0,1\n2,3\n",
        "0,1\n2,3", // no line break after the last pair
        "0\n1\n2\n3\n", // one number per line
        "0 1\t2  3", // blanks and tabs
        "0 , 1\r\n2,3\r\n", // CRLF, blanks around the comma
        "0,1\r2,3\r", // CR alone
        "\n\n0,1   \n\n2,3\n\n\n", // blank lines and trailing white space
        "\xEF\xBB\xBF"
        "0,1\n2,3\n", // a UTF-8 byte-order mark
        "+0,1.0\n2e0,.3e1\n",
    };
    for (const char *content : layouts) {
        Files files;
        TextInput in(files.write("samples.txt", content));
        EXPECT_EQ(readAll(in), (std::vector<double> {0, 1, 2, 3})) << content;
    }
}

TEST(TextInput, CountsLinesOfEveryKindOfLineBreak)
{
    Files files;
    TextInput in(files.write("samples.txt", "1,2\r\n\r\n3\r4\n\n5 6"));
    std::vector<int> lines;
    while (!in.atEnd()) {
        in.readNumber();
        lines.push_back(in.line());
    }
    EXPECT_EQ(lines, (std::vector<int> {1, 1, 3, 4, 6, 6}));
}

TEST(TextInput, ReadsFieldsAndLineBreaksThatStraddleTwoBlocks)
{
    // The file is read a block at a time; blanks push each case's interesting bytes across
    // the boundary between the first and the second block.
    constexpr std::size_t block = TextInput::blockSize;
    const struct
    {
        std::size_t before; // bytes of the second field that lie in the first block
        std::string tail;
        std::vector<double> numbers;
        int lastLine;
    } cases[] = {
        {2, "12.5\n", {1, 12.5}, 2},
        {1, "\r\n7\n", {1, 7}, 3}, // CR ends the first block, LF begins the second
        {4, "0.25", {1, 0.25}, 2}, // the field ends the file at the end of the block
        {0, "3", {1, 3}, 2}, // the field begins the second block
    };
    for (const auto &[before, tail, numbers, lastLine] : cases) {
        const std::string head = "1\n" + std::string(block - 2 - before, ' ');
        Files files;
        TextInput in(files.write("samples.txt", head + tail));
        EXPECT_EQ(readAll(in), numbers) << tail;
        EXPECT_EQ(in.line(), lastLine) << tail;
    }
}

TEST(TextInput, AcceptsTheLongestFieldAndNoLonger)
{
    // 0.000...01 of the longest length: a number that underflows to zero.
    const std::string longest = "0." + std::string(997, '0') + "1"; // 1000 characters
    EXPECT_EQ(errorReading(longest + " 1"), "");
    EXPECT_THAT(errorReading("0" + longest + " 1"), HasSubstr("longer than 1000 characters"));
}

TEST(TextInput, RejectsBadFieldsNamingFileLineAndField)
{
    const struct
    {
        std::string content;
        std::vector<std::string> words;
    } cases[] = {
        {"x,y\n0,0\n", {"\"samples.txt\", line 1", "\"x\" is not a number"}},
        {"0,0\n1,abc\n", {"line 2", "\"abc\" is not a number"}},
        {"0,0\n1;1\n", {"line 2", "\"1;1\" is not a number"}},
        // after the line, the number's own sentence goes on in lower case
        {"0,0\n1,1e400\n", {"\"samples.txt\", line 2: the number 1e400 is too large."}},
        {"0,0\n\n1,nan\n", {"line 3", "\"nan\""}},
        {"0,0\n1\0002,1\n"s, {"line 2", "\"1\\x002\" is not a number"}},
        // a comma needs a number on its own line on both sides
        {",0,0\n", {"line 1", "comma with no number before it"}},
        {"0,,0\n", {"line 1", "comma with no number before it"}},
        {"0,0\n1,\n1\n", {"line 2", "comma with no number after it"}},
        {"0,0\n1,1,", {"line 2", "comma with no number after it"}},
        {"0\n,1\n", {"line 2", "comma with no number before it"}},
        // a field too long to be a number is refused without reading it to its end
        {std::string(5000, '7'), {"line 1", "longer than 1000 characters", "\"7777"}},
    };
    for (const auto &[content, words] : cases) {
        const std::string message = errorReading(content);
        for (const std::string &word : words)
            EXPECT_THAT(message, HasSubstr(word)) << "reading " << platform::quoted(content);
    }
}

TEST(TextInput, ThrowsWhenAskedForANumberPastTheEnd)
{
    Files files;
    TextInput in(files.write("samples.txt", "1\n"));
    EXPECT_EQ(in.readNumber(), 1);
    EXPECT_TRUE(in.atEnd());
    EXPECT_THAT([&] { in.readNumber(); },
                ThrowsMessage<Error>(HasSubstr("ended where a number was expected")));
}

TEST(TextInput, RefusesToOpenWhatIsNotAReadableFile)
{
    Files files;
    const struct
    {
        std::string path;
        std::string words;
    } cases[] = {
        // the system's reason as the system writes it, a sentence of its own
        {files.path("missing.txt"), "for reading. No such file or directory."},
        {files.path(""), "it is a folder"},
        {"/dev/null", "it is not a regular file"},
        {"", "Cannot open \"\""},
    };
    for (const auto &[path, words] : cases)
        EXPECT_THAT([&] { TextInput in(path); },
                    ThrowsMessage<Error>(AllOf(HasSubstr("\"" + path + "\""), HasSubstr(words))))
            << path;
}

TEST(TextInput, GivesTheSystemsReasonInTheUsersLanguageAsTheSystemWritesIt)
{
    // A German noun keeps its capital: the reason is a sentence of its own. QCoreApplication
    // sets the locale so.
    Files files;
    const std::string path = files.path("fehlt.txt");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not generated (locales, locale-gen)";
    EXPECT_THAT(
        [&] { TextInput in(path); },
        ThrowsMessage<Error>(testing::StrEq(
            "Cannot open \"" + path + "\" for reading. Datei oder Verzeichnis nicht gefunden.")));
    std::setlocale(LC_ALL, before.c_str());
}

TEST(Message, SeparatesSentencesWithABlankButAfterAFullWidthStop)
{
    const platform::Message message =
        platform::Message(texts::noFileWritten)
            .then(platform::Message(texts::existingFileKept, {platform::Message::Name {"r.txt"}}));
    const struct
    {
        const char *first;
        const char *second;
        std::string shown;
    } languages[] = {
        {"No file was written.", "The existing file \"%1\" was left as it was.",
         "No file was written. The existing file \"r.txt\" was left as it was."},
        {"ファイルは書き込まれませんでした。", "既存のファイル「%1」はそのままです。",
         "ファイルは書き込まれませんでした。既存のファイル「r.txt」はそのままです。"},
        {"没有写入任何文件！", "现有文件“%1”保持不变。",
         "没有写入任何文件！现有文件“r.txt”保持不变。"},
        {"لم يُكتب أي ملف.", "«%1»", "لم يُكتب أي ملف. «r.txt»"},
    };
    for (const auto &[first, second, shown] : languages) {
        const auto translate = [&](const char *english, std::optional<long long>) {
            return std::string(english == texts::noFileWritten ? first : second);
        };
        EXPECT_EQ(message.render(translate, "."), shown);
    }
}

TEST(Quoted, KeepsMessagesShortPrintableAndWholeCharacters)
{
    const struct
    {
        std::string text;
        std::string shown;
    } cases[] = {
        {"abc", "abc"},
        {"2.5 x", "2.5 x"}, // a typed abscissa has blanks
        {std::string(50, 'x'), std::string(40, 'x') + "..."},
        // Forty characters, not bytes: a character of three bytes is never cut in two.
        {std::string(38, 'a') + "\u22122.5", std::string(38, 'a') + "\u22122..."},
        {"\u00e9t\u00e9", "\u00e9t\u00e9"},
        // Control characters and bytes that are not UTF-8 are written as \xNN.
        {std::string("a\tb\0c", 5), "a\\x09b\\x00c"},
        {"\xff\xfe\x4a%", "\\xFF\\xFEJ%"},
        {"\xe2\x88", "\\xE2\\x88"}, // a character cut short
        {"\xc0\xaf", "\\xC0\\xAF"}, // an overlong "/"
        {"\xc2\x85", "\\xC2\\x85"}, // a control character of Latin-1
        // Invisible characters that would reorder or break the text around them are written
        // as \uNNNN; their neighbours are text.
        {"\u202e1", "\\u202E1"},
        {"\u200d\u200e\u200f\u2010", "\u200d\\u200E\\u200F\u2010"},
        {"\u2029\u202a\u202d\u202e\u202f", "\\u2029\\u202A\\u202D\\u202E\u202f"},
        {"\u2065\u2066\u2069\u206a", "\u2065\\u2066\\u2069\u206a"},
        {"a\u2028b\u00adc\u00ac", "a\\u2028b\\u00ADc\u00ac"},
        {"\ufeff\ufefe\ufeff", "\\uFEFF\ufefe\\uFEFF"},
        {std::string(39, 'a') + "\u202e\u202e", std::string(39, 'a') + "\\u202E..."},
        {std::string(45, '\xff'),
         [] {
             std::string s;
             for (int i = 0; i < 40; ++i)
                 s += "\\xFF";
             return s + "...";
         }()},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(platform::quoted(text), shown) << text;
    // A file's name is written by the same rule, but never shortened.
    EXPECT_EQ(platform::named("/tmp/" + std::string(50, 'x') + "/\u202etxt.exe\xff"),
              "/tmp/" + std::string(50, 'x') + "/\\u202Etxt.exe\\xFF");
}

} // namespace

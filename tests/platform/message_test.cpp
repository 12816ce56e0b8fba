#include "platform/catalogue.h"
#include "platform/message.h"

#include <gtest/gtest.h>

namespace {

using platform::Message;

// A language with two plural forms, "one" for a count of 1: the form a count picks shows which
// count the message asked for. Every other text stays English.
std::string twoForms(const char *english, std::optional<long long> count)
{
    if (!count)
        return english;
    return std::string(*count == 1 ? "[one] " : "[other] ") + english;
}

TEST(Message, AsksForThePluralFormOfItsCountAndWritesTheCountForN)
{
    const Message::Count written {120};
    const struct
    {
        Message message;
        std::string english;
        std::string translated;
    } cases[] = {
        {Message(texts::bytesCutShort, Message::Plural {1}, {written}),
         "Only 1 of 120 bytes reached the disk", "[one] Only 1 of 120 bytes reached the disk"},
        {Message(texts::bytesCutShort, Message::Plural {0}, {written}),
         "Only 0 of 120 bytes reached the disk", "[other] Only 0 of 120 bytes reached the disk"},
        // %n is no argument: %1 and %2 stand for the arguments in order.
        {Message(texts::bytesCutShortBecause, Message::Plural {2},
                 {written, Message::Plain {"No space left on device"}}),
         "Only 2 of 120 bytes reached the disk. No space left on device",
         "[other] Only 2 of 120 bytes reached the disk. No space left on device"},
        // Nested, the sentence keeps its count; the sentence around it has none.
        {Message(texts::cannotWrite,
                 {Message::Name {"/tmp/r.txt"},
                  Message(texts::bytesCutShort, Message::Plural {1}, {written}).nested()}),
         "Cannot write \"/tmp/r.txt\". Only 1 of 120 bytes reached the disk.",
         "Cannot write \"/tmp/r.txt\". [one] Only 1 of 120 bytes reached the disk."},
    };
    for (const auto &[message, english, translated] : cases) {
        EXPECT_EQ(message.english(), english);
        EXPECT_EQ(message.render(twoForms, "."), translated);
    }
}

TEST(Message, QuotesAFieldShortAndNamesAFileWhole)
{
    const std::string path = "/tmp/" + std::string(60, 'd') + "/\u202etxt.exe";
    const Message message(
        texts::atLine,
        {Message::Name {path}, Message::Count {3},
         Message(texts::notANumber, {Message::Quote {std::string(60, '7')}}).nested()});
    EXPECT_EQ(message.english(),
              "\"/tmp/" + std::string(60, 'd') + "/\\u202Etxt.exe\", line 3: \"" +
                  std::string(40, '7') + "...\" is not a number.");
}

} // namespace

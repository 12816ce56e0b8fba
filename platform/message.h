#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// A message for the user: one or more sentences of the catalogue (catalogue.h), each with its
// arguments. It stays a text of the catalogue and values until it is shown, so that the window
// can translate every sentence whole and write its numbers as it writes numbers.
//
// How arguments are written, the same in every sentence:
// - a Quote (text typed in the box or read from a file) stands as written, shortened to
//   quotedCharacters characters with "..." and with every byte that is not printable UTF-8
//   text written as \xNN;
// - a Number the program names is written as the result file writes it, with the decimal
//   point of the locale;
// - a Count (a line, a number of samples) is written in digits;
// - Plain text (a file's name or path, the system's reason) stands as it is;
// - a nested Message is written in its place.
class Message
{
public:
    struct Quote
    {
        std::string text;
    };
    struct Number
    {
        double value;
    };
    struct Count
    {
        long long value;
    };
    struct Plain
    {
        std::string text;
    };
    using Argument = std::variant<Quote, Number, Count, Plain, std::shared_ptr<const Message>>;

    // A text of the catalogue as it says it in English.
    using Translate = std::function<std::string(const char *english)>;

    static constexpr std::size_t quotedCharacters = 40;

    Message() = default;
    // One sentence: a text of the catalogue, whose placeholders %1 to %9 stand for the
    // arguments in order.
    Message(const char *text, std::vector<Argument> arguments = {});

    // Adds a sentence after the last one; an empty message adds nothing.
    Message &then(const Message &next);
    // The message as an argument of another.
    std::shared_ptr<const Message> nested() const { return std::make_shared<Message>(*this); }

    bool empty() const { return m_sentences.empty(); }

    // The message, its sentences translated and separated by a blank, numbers written with the
    // given decimal point.
    std::string render(const Translate &translate, std::string_view decimalPoint) const;
    // The message in English, with "." as the decimal point.
    std::string english() const;

private:
    struct Sentence
    {
        const char *text;
        std::vector<Argument> arguments;
    };
    std::vector<Sentence> m_sentences;
};

// The length of the UTF-8 character that starts at text[i], whole and valid; 0 for a byte that
// starts none.
std::size_t utf8Length(std::string_view text, std::size_t i);

// A text typed in the box or read from a file as a message quotes it (without the quotation
// marks, which the sentence has): see Message.
std::string quoted(std::string_view text);

} // namespace platform

#pragma once

#include <functional>
#include <memory>
#include <optional>
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
// - a Quote (text typed in the box or read from a file, a number as the file writes it) stands
//   as written, shortened to quotedCharacters characters with "...", with every byte that is
//   not printable UTF-8 text written as \xNN and every invisible character that changes how
//   the text around it is drawn (the marks and overrides of the writing direction, the line
//   and paragraph separators, the zero-width no-break space, the soft hyphen) as \uNNNN;
// - a Name (a file's name or path) is written as a Quote is, but whole;
// - a Number the program names is written as the result file writes it, with the decimal
//   point of the locale;
// - a Count (a line, a number of samples) is written in digits;
// - Plain text (the system's reason, a text of the program) stands as it is;
// - a nested Message is written in its place.
// A sentence may have a Plural count besides: the catalogue's %n, which stands for it in
// digits and picks the plural form of the sentence in the user's language.
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
    struct Name
    {
        std::string text;
    };
    struct Plain
    {
        std::string text;
    };
    using Argument =
        std::variant<Quote, Name, Number, Count, Plain, std::shared_ptr<const Message>>;
    // The count %n of a sentence.
    struct Plural
    {
        long long value;
    };

    // A text of the catalogue, given in English, in the user's language: for a text with %n,
    // the plural form for the count (with %n written or not: render() writes what is left).
    using Translate =
        std::function<std::string(const char *english, std::optional<long long> count)>;

    static constexpr std::size_t quotedCharacters = 40;

    Message() = default;
    // One sentence: a text of the catalogue, whose placeholders %1 to %9 stand for the
    // arguments in order.
    Message(const char *text, std::vector<Argument> arguments = {});
    // One sentence whose text has %n, which stands for count.
    Message(const char *text, Plural count, std::vector<Argument> arguments = {});

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
        std::optional<long long> count;
    };
    std::vector<Sentence> m_sentences;
};

// The length of the UTF-8 character that starts at text[i], whole and valid; 0 for a byte that
// starts none.
std::size_t utf8Length(std::string_view text, std::size_t i);

// A text typed in the box or read from a file as a message quotes it (without the quotation
// marks, which the sentence has): see Message.
std::string quoted(std::string_view text);
// A file's name or path as a message writes it: as quoted() does, but never shortened.
std::string named(std::string_view text);

} // namespace platform

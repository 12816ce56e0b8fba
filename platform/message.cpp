#include "message.h"

#include "numbers.h"

namespace platform {

std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2, code = lead & 0x1f;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3, code = lead & 0x0f;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4, code = lead & 0x07;
    else
        return 0;
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3f);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return overlong || surrogate || code > 0x10ffff ? 0 : length;
}

namespace {

// The code point of the valid UTF-8 character of the given length at text[i].
char32_t codePoint(std::string_view text, std::size_t i, std::size_t length)
{
    constexpr unsigned char leadBits[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
    char32_t code = static_cast<unsigned char>(text[i]) & leadBits[length];
    for (std::size_t k = 1; k < length; ++k)
        code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
    return code;
}

// True for the invisible characters that change how the text around them is drawn: the marks,
// embeddings, overrides and isolates of the writing direction, the line and paragraph
// separators, the zero-width no-break space (a byte-order mark) and the soft hyphen.
bool reshapes(char32_t code)
{
    return code == 0x200e || code == 0x200f || (code >= 0x202a && code <= 0x202e) ||
        (code >= 0x2066 && code <= 0x2069) || code == 0x2028 || code == 0x2029 || code == 0xfeff ||
        code == 0x00ad;
}

// The text as a message writes it, cut after the given number of characters with "...".
std::string escaped(std::string_view text, std::size_t characters)
{
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string shown;
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < characters; ++count) {
        const std::size_t length = utf8Length(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const bool control = lead < 0x20 || lead == 0x7f ||
            (lead == 0xc2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xa0);
        if (length == 0 || control) {
            shown += "\\x";
            shown += hex[lead >> 4];
            shown += hex[lead & 0xf];
            ++i;
        } else if (const char32_t code = codePoint(text, i, length); reshapes(code)) {
            shown += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                shown += hex[(code >> shift) & 0xf];
            i += length;
        } else {
            shown.append(text.substr(i, length));
            i += length;
        }
    }
    if (i < text.size())
        shown += "...";
    return shown;
}

// Sentences are separated by a blank, but for one that ends in a full-width stop (。！？):
// Chinese and Japanese put none after it.
bool endsWithFullWidthStop(std::string_view text)
{
    for (const std::string_view stop : {"\u3002", "\uFF01", "\uFF1F"})
        if (text.ends_with(stop))
            return true;
    return false;
}

} // namespace

std::string quoted(std::string_view text)
{
    return escaped(text, Message::quotedCharacters);
}

std::string named(std::string_view text)
{
    return escaped(text, text.size());
}

Message::Message(const char *text, std::vector<Argument> arguments)
    : m_sentences {{text, std::move(arguments), std::nullopt}}
{ }

Message::Message(const char *text, Plural count, std::vector<Argument> arguments)
    : m_sentences {{text, std::move(arguments), count.value}}
{ }

Message &Message::then(const Message &next)
{
    m_sentences.insert(m_sentences.end(), next.m_sentences.begin(), next.m_sentences.end());
    return *this;
}

std::string Message::render(const Translate &translate, std::string_view decimalPoint) const
{
    const auto written = [&](const Argument &argument) -> std::string {
        struct Writer
        {
            const Translate &translate;
            std::string_view point;
            std::string operator()(const Quote &q) const { return quoted(q.text); }
            std::string operator()(const Name &n) const { return named(n.text); }
            std::string operator()(const Number &n) const { return formatFree(n.value, point); }
            std::string operator()(const Count &c) const { return std::to_string(c.value); }
            std::string operator()(const Plain &p) const { return p.text; }
            std::string operator()(const std::shared_ptr<const Message> &m) const
            {
                return m->render(translate, point);
            }
        };
        return std::visit(Writer {translate, decimalPoint}, argument);
    };
    std::string text;
    for (const Sentence &sentence : m_sentences) {
        if (!text.empty() && !endsWithFullWidthStop(text))
            text += ' ';
        // One pass from left to right: what an argument holds is never read as a placeholder.
        const std::string pattern = translate(sentence.text, sentence.count);
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
            if (pattern[i] == '%' && next >= '1' && next <= '9' &&
                static_cast<std::size_t>(next - '1') < sentence.arguments.size()) {
                text += written(sentence.arguments[static_cast<std::size_t>(next - '1')]);
                ++i;
            } else if (pattern[i] == '%' && next == 'n' && sentence.count) {
                text += std::to_string(*sentence.count);
                ++i;
            } else {
                text += pattern[i];
            }
        }
    }
    return text;
}

std::string Message::english() const
{
    return render(
        [](const char *english, std::optional<long long>) { return std::string(english); }, ".");
}

} // namespace platform

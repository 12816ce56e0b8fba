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

// The length of the character at text[i] when it is valid UTF-8 and printable; 0 otherwise.
std::size_t printableCharacter(std::string_view text, std::size_t i)
{
    const std::size_t length = utf8Length(text, i);
    const auto lead = static_cast<unsigned char>(text[i]);
    const bool control = lead < 0x20 || lead == 0x7f ||
        (lead == 0xc2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xa0);
    return control ? 0 : length;
}

} // namespace

std::string quoted(std::string_view text)
{
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string shown;
    std::size_t characters = 0;
    std::size_t i = 0;
    for (; i < text.size() && characters < Message::quotedCharacters; ++characters) {
        if (const std::size_t length = printableCharacter(text, i)) {
            shown.append(text.substr(i, length));
            i += length;
        } else {
            const auto byte = static_cast<unsigned char>(text[i++]);
            shown += "\\x";
            shown += hex[byte >> 4];
            shown += hex[byte & 0xf];
        }
    }
    if (i < text.size())
        shown += "...";
    return shown;
}

Message::Message(const char *text, std::vector<Argument> arguments)
    : m_sentences {{text, std::move(arguments)}}
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
        if (!text.empty())
            text += ' ';
        // One pass from left to right: what an argument holds is never read as a placeholder.
        const std::string pattern = translate(sentence.text);
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
            if (pattern[i] == '%' && next >= '1' && next <= '9' &&
                static_cast<std::size_t>(next - '1') < sentence.arguments.size()) {
                text += written(sentence.arguments[static_cast<std::size_t>(next - '1')]);
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
    return render([](const char *english) { return std::string(english); }, ".");
}

} // namespace platform

#include "hints.h"

#include "catalogue.h"
#include "error.h"
#include "numbers.h"
#include "textinput.h"

#include <algorithm>
#include <vector>

namespace platform::hints {

namespace {

// True when every byte is part of a text: UTF-8, with no control character but the blanks,
// the line breaks and a form feed. A character cut at the end of a block is text.
bool isText(std::string_view head, bool cut)
{
    for (std::size_t i = 0; i < head.size();) {
        const auto byte = static_cast<unsigned char>(head[i]);
        const bool allowedControl = syntax::isSeparator(byte) || byte == '\f';
        if ((byte < 0x20 && !allowedControl) || byte == 0x7f)
            return false;
        const std::size_t length = utf8Length(head, i);
        if (length == 0)
            return cut && head.size() - i < 4;
        i += length;
    }
    return true;
}

// The fields of a line, separated by any of the given characters.
std::vector<std::string_view> fields(std::string_view line, std::string_view separators)
{
    std::vector<std::string_view> found;
    for (std::size_t begin = 0; begin < line.size();) {
        begin = line.find_first_not_of(separators, begin);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(separators, begin), line.size());
        found.push_back(line.substr(begin, end - begin));
        begin = end;
    }
    return found;
}

// True when the field is a number with "," as its decimal point, or ".".
bool numberWithComma(std::string_view field)
{
    std::string number(field);
    std::ranges::replace(number, syntax::comma, '.');
    try {
        return parseNumber(number).has_value();
    } catch (const Error &) {
        return true; // too large, but a number all the same
    }
}

// True when a comma stands between two digits.
bool decimalComma(std::string_view field)
{
    for (std::size_t i = 1; i + 1 < field.size(); ++i)
        if (field[i] == syntax::comma && isDigit(field[i - 1]) && isDigit(field[i + 1]))
            return true;
    return false;
}

} // namespace

Message likelyCause(std::string_view head, bool cut, const std::string &name, int fewestLines)
{
    if (!isText(head, cut))
        return Message(texts::notText, {Message::Name {name}});
    if (cut) // the last line may go on past the block
        head = head.substr(0, head.find_last_of(syntax::lineBreaks) + 1);

    int lines = 0;
    bool results = true;
    // A line of two numbers with a decimal comma says commas; a line of more numbers than two,
    // read so, says they are not.
    bool commaPairs = false;
    bool moreThanPairs = false;
    const std::string pairSeparators = std::string(syntax::blanks) + ";";
    for (std::size_t begin = 0; begin < head.size();) {
        const std::size_t end =
            std::min(head.find_first_of(syntax::lineBreaks, begin), head.size());
        const std::string_view line = head.substr(begin, end - begin);
        begin = end + 1;
        if (line.find_first_not_of(syntax::blanks) == std::string_view::npos)
            continue;
        ++lines;
        const auto numbers = fields(line, syntax::blanks);
        results &= numbers.size() == 3 && std::ranges::all_of(numbers, numberWithComma);
        const auto pair = fields(line, pairSeparators);
        commaPairs |= pair.size() == 2 && std::ranges::all_of(pair, numberWithComma) &&
            std::ranges::any_of(pair, decimalComma);
        moreThanPairs |= pair.size() > 2;
    }
    if (lines >= fewestLines && results)
        return Message(texts::looksLikeResultFile);
    if (commaPairs && !moreThanPairs)
        return Message(texts::looksWrittenWithDecimalCommas);
    return {};
}

} // namespace platform::hints

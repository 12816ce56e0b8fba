#include "numbers.h"

#include "catalogue.h"
#include "error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace platform {

namespace {

// The length of the longest prefix of text that is a decimal number as typed for the abscissa:
// optional sign, digits with an optional "." (at least one digit on either side of it), then
// an exponent only when digits follow it. The exponent letters are e, E, d and D. 0 when text
// does not begin with a number. points lists the characters that may be the decimal point.
std::size_t scanNumber(std::string_view text, std::string_view points)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && points.find(text[i]) != std::string_view::npos) {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    std::size_t end = i;
    if (i < text.size()) {
        const char c = text[i];
        const bool letter = c == 'e' || c == 'E' || c == 'd' || c == 'D';
        if (letter) {
            ++i;
            if (i < text.size() && (text[i] == '+' || text[i] == '-'))
                ++i;
            if (i < text.size() && isDigit(text[i])) {
                while (i < text.size() && isDigit(text[i]))
                    ++i;
                end = i;
            }
        }
    }
    return end;
}

// True when a number that std::from_chars found out of range lies above the range rather
// than below it: its first significant digit stands left of the decimal point once the
// exponent is applied.
bool aboveRange(std::string_view number)
{
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const long long position = first < point ? static_cast<long long>(point - first) - 1
                                             : -static_cast<long long>(first - point);
    return position + exponent > 0;
}

// Converts a decimal number without "+" sign and with e or E as its exponent letter, correctly
// rounded. Returns nothing when the text is not one such number whole. A number too large
// throws Error with the text tooLarge, which quotes the number as it was written.
std::optional<double> convert(std::string_view number, std::string_view written,
                              const char *tooLarge)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size() || ec == std::errc::invalid_argument)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        if (aboveRange(number))
            throw Error(Message(tooLarge, {Message::Quote {std::string(written)}}));
        return number.starts_with('-') ? -0.0 : 0.0;
    }
    return value;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    // Once a sign has been read, std::from_chars reads exactly the numbers of the file's
    // grammar, provided a digit or the point comes next: that turns away "inf", "nan" and a
    // second sign. It does not take a "+" sign itself.
    const std::string_view magnitude = text.substr(text.starts_with('+') || text.starts_with('-'));
    if (magnitude.empty() || !(isDigit(magnitude.front()) || magnitude.front() == '.'))
        return std::nullopt;
    return convert(text.starts_with('+') ? magnitude : text, text, texts::numberTooLargeInFile);
}

ValReading readVal(std::string_view text, std::string_view localePoint)
{
    constexpr std::string_view blanks = " \t";
    const std::size_t start = std::min(text.find_first_not_of(blanks), text.size());
    text.remove_prefix(start);
    text.remove_suffix(text.size() - (text.find_last_not_of(blanks) + 1));
    ValReading reading;
    reading.text = text;
    reading.number = text.substr(0, scanNumber(text, localePoint == "," ? ".," : "."));
    reading.rest = text.substr(reading.number.size());
    reading.rest.remove_prefix(
        std::min(reading.rest.find_first_not_of(blanks), reading.rest.size()));
    if (reading.number.empty())
        return reading;
    std::string number(reading.number.starts_with('+') ? reading.number.substr(1) : reading.number);
    std::ranges::replace(number, ',', '.');
    std::ranges::replace_if(
        number, [](char c) { return c == 'd' || c == 'D'; }, 'e');
    const auto value = convert(number, reading.number, texts::numberTooLarge);
    if (!value)
        throw Error(
            Message(texts::numberNotConverted, {Message::Quote {std::string(reading.number)}}));
    reading.value = *value;
    return reading;
}

double val(std::string_view text, std::string_view localePoint)
{
    return readVal(text, localePoint).value;
}

// "0.0000": the value is first taken to 15 significant digits, which hides the binary noise
// of the last bits (1.00005 is stored as 1.000049999999999994...), and that decimal is then
// rounded to four places, halves away from zero. A value that rounds to zero has no sign.
std::string formatResult(double value, std::string_view decimalPoint)
{
    // d.dddddddddddddde±x: 15 significant digits and a decimal exponent.
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(), result.ptr);
    std::string digits;
    digits += text[0];
    digits += text.substr(2, 14);
    const char *exponentText = text.data() + text.find('e') + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, text.data() + text.size(), exponent);

    // The digits stand for digits * 10^(exponent - 14); scaled by 10^4 that is
    // digits * 10^(exponent - 10). Keep the integer part of it, rounded.
    const int shift = exponent - 10;
    std::string scaled;
    if (shift >= 0) {
        scaled = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else {
        const std::size_t drop = static_cast<std::size_t>(-shift);
        const bool roundUp = drop <= digits.size() && digits[digits.size() - drop] >= '5';
        scaled = drop < digits.size() ? digits.substr(0, digits.size() - drop) : "0";
        if (roundUp) {
            std::size_t i = scaled.size();
            while (i > 0 && scaled[i - 1] == '9')
                scaled[--i] = '0';
            if (i == 0)
                scaled.insert(scaled.begin(), '1');
            else
                ++scaled[i - 1];
        }
    }
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
    const bool negative = value < 0 && !scaled.empty();
    if (scaled.size() < 5)
        scaled.insert(0, 5 - scaled.size(), '0');
    std::string shown = negative ? "-" : "";
    shown += scaled.substr(0, scaled.size() - 4);
    shown += decimalPoint;
    shown += scaled.substr(scaled.size() - 4);
    return shown;
}

void appendFree(std::string &text, double value, std::string_view decimalPoint)
{
    if (value == 0) {
        text += '0';
        return;
    }
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    const std::string_view number(buffer.data(), result.ptr);
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos) {
        text += number;
        return;
    }
    text += number.substr(0, point);
    text += decimalPoint;
    text += number.substr(point + 1);
}

std::string formatFree(double value, std::string_view decimalPoint)
{
    std::string text;
    appendFree(text, value, decimalPoint);
    return text;
}

} // namespace platform

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for the digits 0 to 9, whatever the locale.
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number as written in a sample file: optional sign, digits with an optional "." fraction,
// optional exponent (e or E, optional sign, digits); "." whatever the locale; the whole text
// must be the number. Correctly rounded; a value too small for a double underflows to zero.
// Returns nothing when the text is not such a number; throws Error when it is one but too
// large for a double, with a message that follows "file", line N: (and so begins in lower
// case).
std::optional<double> parseNumber(std::string_view text);

// How the typed abscissa was read: the number used and what the reading left over. The views
// point into the text that was read.
struct ValReading
{
    double value = 0;
    // The part of the text read as the number, as written; empty when it begins with none.
    std::string_view number;
    // What follows the number, without the blanks and tabs around it.
    std::string_view rest;
    // The text, without the blanks and tabs around it.
    std::string_view text;

    // True when the text is exactly one number, blanks and tabs around it aside.
    bool whole() const { return !number.empty() && rest.empty(); }
};

// The typed abscissa: the longest leading part of the text that forms a number is used,
// text that begins with no number gives 0. "." is its decimal point; where the user's locale
// writes numbers with a decimal comma (localePoint ","), a "," is one as well, so that "2,5"
// reads as it is shown there. Throws Error when the number is too large.
ValReading readVal(std::string_view text, std::string_view localePoint = ".");
// The value of readVal().
double val(std::string_view text, std::string_view localePoint = ".");

// A result as shown in the window: rounded to four decimals ("0.0000"). The value must be
// finite; the calculation never shows one that is not.
std::string formatResult(double value, std::string_view decimalPoint);

// A value as written to the result file: 15 significant digits, shortest form.
std::string formatFree(double value, std::string_view decimalPoint);
// Appends the value to text as formatFree() writes it, without a string of its own.
void appendFree(std::string &text, double value, std::string_view decimalPoint);

} // namespace platform

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A number as written in a sample file: optional sign, digits with an optional "." fraction,
// optional exponent (e or E, optional sign, digits); "." whatever the locale; the whole text
// must be the number. Correctly rounded; a value too small for a double underflows to zero.
// Returns nothing when the text is not such a number; throws Error when it is one but too
// large for a double.
std::optional<double> parseNumber(std::string_view text);

// The typed abscissa: the longest leading part of the text that forms a number is used,
// text that begins with no number gives 0. Throws Error when the number is too large.
double val(std::string_view text);

// A result as shown in the window: rounded to four decimals ("0.0000").
std::string formatResult(double value, std::string_view decimalPoint);

// A value as written to the result file: 15 significant digits, shortest form.
std::string formatFree(double value, std::string_view decimalPoint);
// Appends the value to text as formatFree() writes it, without a string of its own.
void appendFree(std::string &text, double value, std::string_view decimalPoint);

// The decimal separator of the user's locale.
std::string localeDecimalPoint();

} // namespace platform

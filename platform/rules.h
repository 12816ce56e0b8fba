#pragma once

#include <cstddef>
#include <string_view>

// The rules of a sample file and of the table read from it. The reader, the tests, the fuzz
// targets and the benchmarks all take them from here.
//
// - A sample file is a list of numbers, read two at a time as pairs x, y. Any layout reads
//   alike: one pair per line, one number per line, or any other.
// - Fields are separated by commas, blanks, tabs and line breaks (LF, CRLF or CR). A comma
//   needs a number on its own line on both sides of it. Blank lines and white space at the end
//   of a line are fine; a UTF-8 byte-order mark at the start of the file is skipped.
// - A number is an optional sign, digits with an optional "." fraction and an optional
//   exponent (e or E, an optional sign, digits). "." is the decimal point whatever the locale.
//   A field is at most longestField characters long.
// - A table holds fewestSamples to mostSamples samples. They are equally spaced, ascending or
//   descending: every distance between neighbouring abscissas lies within spacingTolerance
//   (a share of the spacing) of the spacing (x[n - 1] - x[0]) / (n - 1).
// - Values between samples are interpolated in ascending tables only; a descending table
//   shows the values on its samples.
// - The file is read in blocks of blockSize bytes as the fields are asked for, never whole.
namespace platform::rules {

// Every byte that separates two fields.
inline constexpr std::string_view separators = " \t\n\r,";
inline constexpr std::size_t longestField = 1000;
inline constexpr std::size_t blockSize = 64 * 1024;
// The derivative rules need four samples: with fewer they read empty slots as samples.
inline constexpr int fewestSamples = 4;
inline constexpr int mostSamples = 101;
inline constexpr double spacingTolerance = 0.01;
inline constexpr std::string_view interpolationRule =
    "values between samples are interpolated in ascending tables only";

} // namespace platform::rules

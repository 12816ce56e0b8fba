#pragma once

#include "message.h"

#include <string>
#include <string_view>

// Why a file that failed to read as a sample file failed, when the cause is plain from its
// start: a sentence to add to the message. Each is given only where it is true of the whole
// start of the file:
// - bytes that are not text (a NUL or another control character than the blanks and line
//   breaks, or bytes that are not UTF-8): the file does not look like a text file;
// - at least fewestLines lines, each of three numbers separated by blanks, with "." or "," as
//   the decimal point, as the result file writes them: it looks like a result file;
// - a line of two numbers separated by blanks or a semicolon, read with "," as the decimal
//   point, with a comma between two digits ("0,5 0,25" or "0,5;0,25"), and no line of more
//   fields than two ("0,0 1,1 2,4" is three pairs, not decimal commas): the numbers look
//   written with decimal commas.
namespace platform::hints {

// The sentence for a file that starts with head, named name; cut says that head ends where a
// block of the file ends, so that its last line may go on. An empty message when no cause is
// plain.
Message likelyCause(std::string_view head, bool cut, const std::string &name, int fewestLines);

} // namespace platform::hints

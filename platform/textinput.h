#pragma once

#include "message.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The syntax of a sample file:
// - A sample file is a list of numbers, read two at a time as pairs x, y. Any layout reads
//   alike: one pair per line, one number per line, or any other.
// - Fields are separated by blanks (blank and tab), line breaks (LF, CRLF or CR) and commas. A
//   comma needs a number on its own line on both sides of it. Blank lines and blanks at the
//   end of a line are fine; a UTF-8 byte-order mark at the start of the file is skipped.
// - A number is an optional sign, digits with an optional "." fraction and an optional
//   exponent (e or E, an optional sign, digits). "." is the decimal point whatever the locale.
//   A field is at most longestField characters long.
namespace platform::syntax {

inline constexpr std::string_view blanks = " \t";
inline constexpr std::string_view lineBreaks = "\n\r";
inline constexpr char comma = ',';
inline constexpr std::size_t longestField = 1000;

// True for every character that ends a field.
constexpr bool isSeparator(int c)
{
    return c == comma || (c > 0 && blanks.find(static_cast<char>(c)) != std::string_view::npos) ||
        (c > 0 && lineBreaks.find(static_cast<char>(c)) != std::string_view::npos);
}

} // namespace platform::syntax

namespace platform {

// Numbers read one field at a time from a sample file, by the syntax above; every field is a
// number as parseNumber() reads it.
class TextInput
{
public:
    // The file is read in blocks of this many bytes as the fields are asked for, never whole.
    static constexpr std::size_t blockSize = 64 * 1024;

    // Opens the file. Throws Error when it cannot be opened for reading or is not a regular
    // file (a folder, a pipe, a device): opening never waits for a writer.
    explicit TextInput(const std::string &path);
    ~TextInput();
    TextInput(const TextInput &) = delete;
    TextInput &operator=(const TextInput &) = delete;

    // True when no field is left. Throws Error for a comma without a field after it.
    bool atEnd();
    // The next field as a number. Throws Error when no field is left, when the field is not a
    // number or is too large, and for a comma without a field before it.
    double readNumber();
    // The line of the last field read, counted from 1.
    int line() const { return m_fieldLine; }
    // The last field read, as the file writes it, for messages that name the number.
    const std::string &field() const { return m_written; }
    // The file's name, for messages.
    const std::string &name() const { return m_name; }
    // A sentence to add to a message about this file when its start makes the cause plain
    // (hints.h; a result file has at least fewestLines lines); else an empty message. Reads the
    // file's first block again.
    Message hint(int fewestLines) const;
    // Closes the file.
    void close();

private:
    // The next byte, or -1 at the end of the file.
    int peek() { return m_pos < m_end ? static_cast<unsigned char>(m_buffer[m_pos]) : refill(); }
    int refill();
    void advance() { ++m_pos; }
    void skipSeparators();
    // The bytes from the read position to the next separator or the end of the block.
    std::string_view scanToSeparator();
    // The field at the read position, read to its end. The view lasts until the next read.
    std::string_view takeField();
    // Throws Error: "name", line N: what.
    [[noreturn]] void fail(int line, const Message &what) const;

    int m_fd = -1;
    std::string m_name;
    std::unique_ptr<char[]> m_buffer;
    std::string m_field; // a field that spans two blocks
    std::string m_written; // the last field read
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_exhausted = false;
    int m_line = 1;
    int m_fieldLine = 0;
    bool m_fieldSinceComma = false;
    bool m_commaPending = false;
};

} // namespace platform

#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Numbers read one field at a time from a sample file, by the rules of platform/rules.h; every
// field is a number as parseNumber() reads it.
class TextInput
{
public:
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
    // The file's name in quotes, for messages.
    std::string name() const { return "\"" + m_name + "\""; }
    // `"name", line N`, for messages.
    std::string where(int line) const;
    // A sentence to add to a message about this file when it looks like a result file (three
    // numbers on every line), or when its numbers look written with decimal commas ("0,5 0,25"
    // or "0,5;0,25"); else "". Reads the file's first block again.
    std::string hint() const;
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
    [[noreturn]] void fail(int line, const std::string &what) const;

    int m_fd = -1;
    std::string m_name;
    std::unique_ptr<char[]> m_buffer;
    std::string m_field; // a field that spans two blocks
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_exhausted = false;
    int m_line = 1;
    int m_fieldLine = 0;
    bool m_fieldSinceComma = false;
    bool m_commaPending = false;
};

// A field of a file as it may be quoted in a message: short, and printable.
std::string quoteField(std::string_view field);

} // namespace platform

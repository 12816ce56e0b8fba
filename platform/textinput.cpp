#include "textinput.h"

#include "error.h"
#include "numbers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// No number needs more characters than this; a longer field is rejected without reading it
// past the block in which it grows too long.
using syntax::longestField;

// Which bytes separate fields.
constexpr std::array<bool, 256> separators = [] {
    std::array<bool, 256> table {};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = syntax::isSeparator(c);
    return table;
}();

bool isSeparator(char c)
{
    return separators[static_cast<unsigned char>(c)];
}

bool isBlank(int c)
{
    return c > 0 && syntax::blanks.find(static_cast<char>(c)) != std::string_view::npos;
}

bool isLineBreak(int c)
{
    return c > 0 && syntax::lineBreaks.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string quoteField(std::string_view field)
{
    constexpr std::size_t shown = 40;
    std::string quoted = "\"";
    for (std::size_t i = 0; i < field.size() && i < shown; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        quoted += c < 0x20 || c == 0x7f ? '?' : field[i];
    }
    if (field.size() > shown)
        quoted += "...";
    return quoted + "\"";
}

TextInput::TextInput(const std::string &path)
    : m_name(std::filesystem::path(path).filename().string()),
      m_buffer(std::make_unique_for_overwrite<char[]>(blockSize))
{
    // Without O_NONBLOCK, opening a named pipe would wait for a writer, and the window with it.
    // What was opened is checked before anything is read from it.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0)
        throw Error("Cannot open \"" + path + "\" for reading: " + std::strerror(errno) + ".");
    struct stat status
    {
    };
    const bool statted = ::fstat(m_fd, &status) == 0;
    if (!statted || !S_ISREG(status.st_mode)) {
        const int error = errno;
        close();
        if (!statted)
            throw Error("Cannot open \"" + path + "\" for reading: " + std::strerror(error) + ".");
        if (S_ISDIR(status.st_mode))
            throw Error("Cannot read \"" + path + "\": it is a folder, not a file.");
        throw Error("Cannot read \"" + path +
                    "\": it is not a regular file (a pipe, a device or a socket).");
    }
    // A UTF-8 byte-order mark says nothing about the numbers. Reading the first block may fail,
    // and no destructor closes the file of a constructor that throws.
    try {
        if (peek() == 0xEF && m_end - m_pos >= 3 &&
            static_cast<unsigned char>(m_buffer[1]) == 0xBB &&
            static_cast<unsigned char>(m_buffer[2]) == 0xBF)
            m_pos += 3;
    } catch (const Error &) {
        close();
        throw;
    }
}

TextInput::~TextInput()
{
    close();
}

std::string TextInput::where(int line) const
{
    return name() + ", line " + std::to_string(line);
}

void TextInput::fail(int line, const std::string &what) const
{
    throw Error(where(line) + ": " + what);
}

int TextInput::refill()
{
    if (m_exhausted)
        return -1;
    ssize_t got = 0;
    do
        got = ::read(m_fd, m_buffer.get(), blockSize);
    while (got < 0 && errno == EINTR);
    if (got < 0)
        throw Error("Cannot read " + name() + ": " + std::strerror(errno) + ".");
    m_pos = 0;
    m_end = static_cast<std::size_t>(got);
    m_exhausted = got == 0;
    return m_pos < m_end ? static_cast<unsigned char>(m_buffer[m_pos]) : -1;
}

void TextInput::skipSeparators()
{
    for (;;) {
        const int c = peek();
        if (isBlank(c)) {
            advance();
        } else if (isLineBreak(c) || c == -1) {
            if (m_commaPending)
                fail(m_line, "a comma with no number after it.");
            if (c == -1)
                return;
            advance();
            if (c == '\r' && peek() == '\n')
                advance();
            ++m_line;
            m_fieldSinceComma = false;
        } else if (c == syntax::comma) {
            if (!m_fieldSinceComma)
                fail(m_line, "a comma with no number before it.");
            advance();
            m_commaPending = true;
            m_fieldSinceComma = false;
        } else {
            return;
        }
    }
}

bool TextInput::atEnd()
{
    skipSeparators();
    return peek() == -1;
}

std::string_view TextInput::scanToSeparator()
{
    const char *begin = m_buffer.get() + m_pos;
    const char *blockEnd = m_buffer.get() + m_end;
    const char *end = std::find_if(begin, blockEnd, isSeparator);
    m_pos += static_cast<std::size_t>(end - begin);
    return {begin, end};
}

std::string_view TextInput::takeField()
{
    // Mostly the field lies whole in the block and is used where it lies.
    const std::string_view part = scanToSeparator();
    if (m_pos < m_end && part.size() <= longestField)
        return part;
    // It runs on into the next block, which replaces this one: keep a copy.
    m_field.assign(part);
    while (m_pos == m_end && m_field.size() <= longestField && peek() != -1)
        m_field.append(scanToSeparator());
    if (m_field.size() > longestField)
        fail(m_line,
             quoteField(m_field) + " is not a number: the field is longer than " +
                 std::to_string(longestField) + " characters.");
    return m_field;
}

double TextInput::readNumber()
{
    skipSeparators();
    if (peek() == -1)
        throw Error(name() + " ended where a number was expected.");
    const std::string_view field = takeField();
    m_fieldLine = m_line;
    m_commaPending = false;
    m_fieldSinceComma = true;
    try {
        if (const auto number = parseNumber(field))
            return *number;
    } catch (const Error &e) {
        fail(m_line, e.what());
    }
    fail(m_line, quoteField(field) + " is not a number.");
}

void TextInput::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A line that holds a comma between two digits and also separates numbers by blanks, tabs or
// semicolons: "0,5 0,25" or "0,5;0,25". A comma between digits alone ("1,1") is an ordinary
// pair.
bool decimalCommas(std::string_view line)
{
    bool comma = false;
    bool otherSeparator = false;
    for (std::size_t i = 1; i + 1 < line.size(); ++i) {
        comma |= line[i] == ',' && isDigit(line[i - 1]) && isDigit(line[i + 1]);
        otherSeparator |= (line[i] == ' ' || line[i] == '\t' || line[i] == ';') &&
            isDigit(line[i - 1]) && line.find_first_not_of(" \t;", i) != std::string_view::npos;
    }
    return comma && otherSeparator;
}

// A line as the result file writes it: three numbers separated by blanks, with "." or ","
// as the decimal point.
bool resultLine(std::string_view line)
{
    int numbers = 0;
    for (std::size_t begin = 0; begin < line.size();) {
        begin = line.find_first_not_of(syntax::blanks, begin);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(syntax::blanks, begin), line.size());
        std::string field(line.substr(begin, end - begin));
        std::ranges::replace(field, ',', '.');
        try {
            if (!parseNumber(field))
                return false;
        } catch (const Error &) {
            // too large: a number all the same
        }
        ++numbers;
        begin = end;
    }
    return numbers == 3;
}

} // namespace

std::string TextInput::hint() const
{
    std::string head(blockSize, '\0');
    const ssize_t got = m_fd >= 0 ? ::pread(m_fd, head.data(), head.size(), 0) : -1;
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    if (head.size() == blockSize) // the last line may go on past the block
        head.resize(head.find_last_of("\r\n") + 1);
    bool commas = false;
    bool results = true;
    int lines = 0;
    for (std::size_t begin = 0; begin < head.size();) {
        const std::size_t end = std::min(head.find_first_of("\r\n", begin), head.size());
        const std::string_view line = std::string_view(head).substr(begin, end - begin);
        commas |= decimalCommas(line);
        if (line.find_first_not_of(syntax::blanks) != std::string_view::npos) {
            results &= resultLine(line);
            ++lines;
        }
        begin = end + 1;
    }
    if (results && lines > 0)
        return " It looks like a result file (three numbers on every line: x, y and y\u2032), "
               "not a sample file of pairs x, y.";
    if (commas)
        return " The numbers look written with decimal commas: in a sample file \",\" "
               "separates numbers and \".\" is the decimal point.";
    return {};
}

} // namespace platform

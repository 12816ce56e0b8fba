#include "textinput.h"

#include "catalogue.h"
#include "error.h"
#include "hints.h"
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

using Name = Message::Name;
using Plain = Message::Plain;

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

TextInput::TextInput(const std::string &path)
    : m_name(std::filesystem::path(path).filename().string()),
      m_buffer(std::make_unique_for_overwrite<char[]>(blockSize))
{
    // Without O_NONBLOCK, opening a named pipe would wait for a writer, and the window with it.
    // What was opened is checked before anything is read from it.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0) {
        const int error = errno;
        throw Error(
            Message(texts::cannotOpenForReading, {Name {path}, Plain {systemReason(error)}}));
    }
    struct stat status
    {
    };
    const bool statted = ::fstat(m_fd, &status) == 0;
    if (!statted || !S_ISREG(status.st_mode)) {
        const int error = errno;
        close();
        if (!statted)
            throw Error(
                Message(texts::cannotOpenForReading, {Name {path}, Plain {systemReason(error)}}));
        throw Error(Message(S_ISDIR(status.st_mode) ? texts::readFolder : texts::readNotRegular,
                            {Name {path}}));
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

void TextInput::fail(int line, const Message &what) const
{
    throw Error(Message(texts::atLine, {Name {m_name}, Message::Count {line}, what.nested()}));
}

int TextInput::refill()
{
    if (m_exhausted)
        return -1;
    ssize_t got = 0;
    do
        got = ::read(m_fd, m_buffer.get(), blockSize);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int error = errno;
        throw Error(Message(texts::cannotRead, {Name {m_name}, Plain {systemReason(error)}}));
    }
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
                fail(m_line, Message(texts::commaWithoutNumberAfter));
            if (c == -1)
                return;
            advance();
            if (c == '\r' && peek() == '\n')
                advance();
            ++m_line;
            m_fieldSinceComma = false;
        } else if (c == syntax::comma) {
            if (!m_fieldSinceComma)
                fail(m_line, Message(texts::commaWithoutNumberBefore));
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
             Message(texts::fieldTooLong,
                     {Message::Quote {m_field}, Message::Count {longestField}}));
    return m_field;
}

double TextInput::readNumber()
{
    skipSeparators();
    if (peek() == -1)
        throw Error(Message(texts::endedEarly, {Name {m_name}}));
    const std::string_view field = takeField();
    m_written.assign(field);
    m_fieldLine = m_line;
    m_commaPending = false;
    m_fieldSinceComma = true;
    try {
        if (const auto number = parseNumber(field))
            return *number;
    } catch (const Error &e) {
        fail(m_line, e.message());
    }
    fail(m_line, Message(texts::notANumber, {Message::Quote {std::string(field)}}));
}

Message TextInput::hint(int fewestLines) const
{
    std::string head(blockSize, '\0');
    const ssize_t got = m_fd >= 0 ? ::pread(m_fd, head.data(), head.size(), 0) : -1;
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return hints::likelyCause(head, head.size() == blockSize, m_name, fewestLines);
}

void TextInput::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace platform

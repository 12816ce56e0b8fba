#include "textinput.h"

#include "error.h"
#include "numbers.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace platform {

namespace {

constexpr std::size_t blockSize = 64 * 1024;
// No number needs more characters than this; a longer field is rejected without reading it
// past the block in which it grows too long.
constexpr std::size_t longestField = 1000;

// Which bytes separate fields: blank, tab, line feed, carriage return and comma.
constexpr std::array<bool, 256> separators = [] {
    std::array<bool, 256> table {};
    for (const unsigned char c : {' ', '\t', '\n', '\r', ','})
        table[c] = true;
    return table;
}();

bool isSeparator(char c)
{
    return separators[static_cast<unsigned char>(c)];
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
    : m_file(std::make_unique<QFile>(QString::fromStdString(path))),
      m_name(QFileInfo(QString::fromStdString(path)).fileName().toStdString()),
      m_buffer(std::make_unique_for_overwrite<char[]>(blockSize))
{
    // Reads go straight to the block buffer, not through a second one in QFile. QFile refuses
    // to open a folder.
    if (!m_file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (QFileInfo(m_file->fileName()).isDir())
            throw Error("Cannot read \"" + path + "\": it is a folder, not a file.");
        throw Error("Cannot open \"" + path +
                    "\" for reading: " + m_file->errorString().toStdString() + ".");
    }
    // A UTF-8 byte-order mark says nothing about the numbers.
    if (peek() == 0xEF && m_end - m_pos >= 3 && static_cast<unsigned char>(m_buffer[1]) == 0xBB &&
        static_cast<unsigned char>(m_buffer[2]) == 0xBF)
        m_pos += 3;
}

TextInput::~TextInput() = default;

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
    const qint64 got = m_file->read(m_buffer.get(), static_cast<qint64>(blockSize));
    if (got < 0)
        throw Error("Cannot read " + name() + ": " + m_file->errorString().toStdString() + ".");
    m_pos = 0;
    m_end = static_cast<std::size_t>(got);
    m_exhausted = got == 0;
    return m_pos < m_end ? static_cast<unsigned char>(m_buffer[m_pos]) : -1;
}

void TextInput::skipSeparators()
{
    for (;;) {
        const int c = peek();
        if (c == ' ' || c == '\t') {
            advance();
        } else if (c == '\n' || c == '\r' || c == -1) {
            if (m_commaPending)
                fail(m_line, "a comma with no number after it.");
            if (c == -1)
                return;
            advance();
            if (c == '\r' && peek() == '\n')
                advance();
            ++m_line;
            m_fieldSinceComma = false;
        } else if (c == ',') {
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
    m_file->close();
}

} // namespace platform

#include "textboundaries.h"

#include <QChar>
#include <string>

namespace textboundaries {

namespace {

// Whether the code unit at index continues the character before it: the second half of a
// surrogate pair.
bool continues(const QString &text, qsizetype index)
{
    return index > 0 && text.at(index).isLowSurrogate() && text.at(index - 1).isHighSurrogate();
}

bool lineBreak(char32_t c)
{
    return c == u'\n' || c == 0x2028 || c == 0x2029;
}

// The word around position i (0 <= i < length): back to the start of its run of non-blanks
// (or of the leading blanks), forward over the run and the blanks after it.
Unit wordAround(const std::u32string &text, int i)
{
    const auto blank = [&](int k) {
        return QChar::isSpace(text[k]);
    };
    const int length = static_cast<int>(text.size());
    int start = i;
    // Blanks belong to the word before them; only leading blanks stand alone.
    while (start > 0 && blank(start))
        --start;
    if (blank(start)) {
        int end = start;
        while (end < length && blank(end))
            ++end;
        return {0, end};
    }
    while (start > 0 && !blank(start - 1))
        --start;
    int end = start;
    while (end < length && !blank(end))
        ++end;
    while (end < length && blank(end))
        ++end;
    return {start, end};
}

// The line around position i (0 <= i < length), with its line break.
Unit lineAround(const std::u32string &text, int i)
{
    const int length = static_cast<int>(text.size());
    int start = i;
    while (start > 0 && !lineBreak(text[start - 1]))
        --start;
    int end = i;
    while (end < length && !lineBreak(text[end]))
        ++end;
    return {start, end < length ? end + 1 : end};
}

} // namespace

int length(const QString &text)
{
    int characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        characters += continues(text, i) ? 0 : 1;
    return characters;
}

qsizetype indexOf(const QString &text, int offset)
{
    qsizetype index = 0;
    for (int characters = 0; index < text.size(); ++index) {
        if (continues(text, index))
            continue;
        if (characters++ == offset)
            return index;
    }
    return index;
}

int offsetOf(const QString &text, qsizetype index)
{
    if (index >= text.size())
        return length(text);
    int offset = -1;
    for (qsizetype i = 0; i <= index; ++i)
        offset += continues(text, i) ? 0 : 1;
    return offset;
}

QString part(const QString &text, int start, int end)
{
    const qsizetype from = indexOf(text, start);
    return text.mid(from, indexOf(text, end) - from);
}

Unit at(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const std::u32string characters = text.toStdU32String();
    const int length = static_cast<int>(characters.size());
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {};
    if (boundary == QAccessible::CharBoundary)
        return offset < length ? Unit {offset, offset + 1} : Unit {length, length};
    if (boundary == QAccessible::NoBoundary || length == 0)
        return {0, length};
    const int around = offset < length ? offset : length - 1;
    if (boundary == QAccessible::WordBoundary)
        return wordAround(characters, around);
    return lineAround(characters, around); // sentence, paragraph or line
}

Unit before(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const Unit unit = at(text, offset, boundary);
    if (unit.start <= 0)
        return unit.start < 0 ? unit : Unit {0, 0};
    return at(text, unit.start - 1, boundary);
}

Unit after(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const Unit unit = at(text, offset, boundary);
    if (unit.end < 0 || unit.end >= length(text))
        return unit.end < 0 ? unit : Unit {unit.end, unit.end};
    return at(text, unit.end, boundary);
}

} // namespace textboundaries

#include "textboundaries.h"

namespace textboundaries {

namespace {

// The word around position i (0 <= i < length): back to the start of its run of non-blanks
// (or of the leading blanks), forward over the run and the blanks after it.
Unit wordAround(const QString &text, int i)
{
    const auto blank = [&](int k) {
        return text.at(k).isSpace();
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

} // namespace

Unit at(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {};
    switch (boundary) {
    case QAccessible::CharBoundary:
        return offset < length ? Unit {offset, offset + 1} : Unit {length, length};
    case QAccessible::WordBoundary:
        if (length == 0)
            return {0, 0};
        return wordAround(text, offset < length ? offset : length - 1);
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
    case QAccessible::NoBoundary:
        break;
    }
    return {0, length};
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
    if (unit.end < 0 || unit.end >= static_cast<int>(text.size()))
        return unit.end < 0 ? unit : Unit {unit.end, unit.end};
    return at(text, unit.end, boundary);
}

} // namespace textboundaries

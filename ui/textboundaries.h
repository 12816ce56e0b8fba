#pragma once

#include <QAccessible>
#include <QString>

// The units a screen reader asks a one-line text for: a character, a word, or the whole line
// (sentence, paragraph, line or no boundary). A word is a run of characters that are not
// blanks together with the blanks after it, so that "2.5" and "-0.0001" are one word each;
// blanks at the start of the text are a unit of their own.
//
// Offsets run from 0 to the text's length; -1 stands for the length. At the length itself a
// word or the line is the one that ends there, and a character is empty. For an offset outside
// that range the unit is empty and both ends are -1.
namespace textboundaries {

struct Unit
{
    int start = -1;
    int end = -1;
    bool operator==(const Unit &) const = default;
};

// The unit of the given kind at offset.
Unit at(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
// The unit just before the one at offset; empty, starting and ending where the unit at offset
// starts, when there is none.
Unit before(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
// The unit just after the one at offset; empty, starting and ending where the unit at offset
// ends, when there is none.
Unit after(const QString &text, int offset, QAccessible::TextBoundaryType boundary);

} // namespace textboundaries

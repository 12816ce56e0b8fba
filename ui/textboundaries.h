#pragma once

#include <QAccessible>
#include <QString>

// The units a screen reader asks a text for: a character, a word, a line (sentence, paragraph
// or line), or the whole text (no boundary). A word is a run of characters that are not blanks
// together with the blanks after it, so that "2.5" and "-0.0001" are one word each; blanks at
// the start of the text are a unit of their own. A line runs up to and with its line break.
//
// Offsets count characters as a screen reader does (AT-SPI's offsets): a character outside the
// Basic Multilingual Plane, such as the mathematical "𝑥" (U+1D465), is one character although a
// QString holds it in two code units. They run from 0 to the text's length; -1 stands for the
// length. At the length itself a word or a line is the one that ends there, and a character is
// empty. For an offset outside that range the unit is empty and both ends are -1.
namespace textboundaries {

struct Unit
{
    int start = -1;
    int end = -1;
    bool operator==(const Unit &) const = default;
};

// The number of characters in text.
int length(const QString &text);
// Where the character at offset starts in text (the text's size at or past its length).
qsizetype indexOf(const QString &text, int offset);
// The offset of the character that holds text's code unit at index (the end of the text past
// it).
int offsetOf(const QString &text, qsizetype index);
// The characters from start to end.
QString part(const QString &text, int start, int end);

// The unit of the given kind at offset.
Unit at(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
// The unit just before the one at offset; empty, starting and ending where the unit at offset
// starts, when there is none.
Unit before(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
// The unit just after the one at offset; empty, starting and ending where the unit at offset
// ends, when there is none.
Unit after(const QString &text, int offset, QAccessible::TextBoundaryType boundary);

} // namespace textboundaries

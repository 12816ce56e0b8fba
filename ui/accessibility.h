#pragma once

// What a screen reader needs of the program beyond Qt's own accessible interfaces:
// - the window is a window (Qt calls a plain widget a "client", which readers call a filler
//   and give no title);
// - the abscissa box reports its text as one run of attributes, so that a reader speaks the
//   whole value on focus (Qt's line edit reports an empty run, and a reader builds the line
//   from it one character short), and its characters where they are drawn;
// - an output field is read-only text whose content is its whole value, so that a reader says
//   its name, value and description on focus (Qt reads a label by its name alone);
// - every text control of every window, the box, the fields, and the line edits and labels of
//   Qt's file dialog and message boxes, answers a reader's requests for the character, word or
//   line at, before or after an offset itself (Qt 6.4 and 6.8, Debian 12 and 13, answer some of
//   these with a loop that never ends; Qt 6.11 answers them all);
//   a control of Qt's keeps Qt's interface for all else;
// - offsets count characters as a reader does, one for a letter outside the Basic
//   Multilingual Plane (Qt counts UTF-16 code units, and its AT-SPI bridge passes them on);
// - the Announcer is a notification whose name is its sentence.
namespace accessibility {

// Installs the interfaces above. Call once, where the application starts, before any window is
// made: Qt keeps the first interface it makes for an object.
void install();

} // namespace accessibility

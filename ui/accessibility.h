#pragma once

// What a screen reader needs of the window beyond Qt's own accessible interfaces, given to the
// window's own controls alone (matched by their classes; every other widget keeps Qt's):
// - the window is a window (Qt calls a plain widget a "client", which readers call a filler
//   and give no title);
// - the abscissa box reports its text as one run of attributes, so that a reader speaks the
//   whole value on focus (Qt's line edit reports an empty run, and a reader builds the line
//   from it one character short), and its characters where they are drawn;
// - an output field is read-only text whose content is its whole value, so that a reader says
//   its name, value and description on focus (Qt reads a label by its name alone);
// - both answer a reader's requests for the character, word or line at, before or after an
//   offset themselves (Qt 6.4's answer loops for ever at the end of a text);
// - the Announcer is a notification whose name is its sentence.
namespace accessibility {

// Installs the interfaces above. Call once, where the application starts, before any window is
// made: Qt keeps the first interface it makes for an object.
void install();

} // namespace accessibility

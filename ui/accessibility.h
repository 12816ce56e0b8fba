#pragma once

#include <QLabel>

// What a screen reader needs of the window beyond Qt's own accessible interfaces:
// - the window is a window (Qt calls a plain widget a "client", which readers call a filler
//   and give no title);
// - the abscissa box reports its text as one run of attributes, so that a reader speaks the
//   whole value on focus (Qt's line edit reports an empty run, and a reader builds the line
//   from it one character short);
// - an output field is read-only text whose content is its whole value, so that a reader says
//   its name, value and description on focus (Qt reads a label by its name alone);
// - an Announcer speaks a sentence without moving the focus.
namespace accessibility {

// Installs the interfaces above. Call once, before the window is shown; a second call does
// nothing.
void install();

} // namespace accessibility

// An invisible label that a screen reader speaks as a notification each time announce() is
// called: the label takes the sentence, and hiding and showing it again makes the reader say
// it. Nothing visible changes, and the focus stays where it is.
class Announcer : public QLabel
{
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &sentence);
};

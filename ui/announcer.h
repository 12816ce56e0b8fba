#pragma once

#include <QLabel>
#include <QTimer>

// Tells a screen reader the results of a calculation without moving the focus: an invisible
// label that a reader speaks as a notification. A reader speaks it only once it has seen the
// window active again after the file dialogs and said where the focus is; said before, it is
// lost. So a sentence is held until a little after the window system activates the window, or,
// where that never happens (no window manager), a little longer after it was given; never while
// a message box or dialog of the program is open. A held sentence belongs to its calculation:
// drop() forgets it when another one starts.
class Announcer : public QLabel
{
    Q_OBJECT

public:
    // How long after the window is active again the sentence is said, in ms; where the window
    // is never activated, four times as long after it was given.
    static constexpr int delay = 500;

    explicit Announcer(QWidget *parent);

    // Holds the sentence, replacing one not yet said, to be said after the delay.
    void hold(const QString &sentence);
    // Forgets the sentence held, if any.
    void drop();
    // The window was activated: a held sentence is said after the delay.
    void windowActivated();

private:
    // Says the held sentence: the label takes it, and hiding and showing it again makes the
    // reader speak it.
    void say();

    QString m_held;
    QTimer m_timer;
};

#pragma once

#include <QByteArray>

// Which of Qt's window-system platforms the program asks for, before the application starts.
// Under GNOME on Wayland, Qt (6.4 and 6.8, Debian 12 and 13) draws the window's title bar itself
// and offers maximise on a window that cannot grow, and on its message boxes; through XWayland
// GNOME draws its own, which offers none. So where the user has chosen no platform
// (QT_QPA_PLATFORM) and the session is GNOME's on Wayland, X11 comes first, and Wayland only
// where X11 cannot start.
namespace platformchoice {

// The platforms to ask for, given QT_QPA_PLATFORM, XDG_SESSION_TYPE and XDG_CURRENT_DESKTOP;
// empty to leave the choice to Qt (and to the user's own setting).
QByteArray platforms(const QByteArray &chosen, const QByteArray &session,
                     const QByteArray &desktop);

// Sets QT_QPA_PLATFORM to platforms() of the environment, where that is not empty.
void apply();

} // namespace platformchoice

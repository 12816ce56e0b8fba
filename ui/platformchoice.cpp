#include "platformchoice.h"

#include <QList>
#include <QtGlobal>

namespace platformchoice {

QByteArray platforms(const QByteArray &chosen, const QByteArray &session, const QByteArray &desktop)
{
    if (!chosen.isEmpty() || session != "wayland")
        return {};
    // XDG_CURRENT_DESKTOP is a list such as "ubuntu:GNOME" or "GNOME-Classic:GNOME".
    for (const QByteArray &name : desktop.split(':'))
        if (name.toLower() == "gnome" || name.toLower().startsWith("gnome-"))
            return "xcb;wayland";
    return {};
}

void apply()
{
    const QByteArray wanted = platforms(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                                        qgetenv("XDG_CURRENT_DESKTOP"));
    if (!wanted.isEmpty())
        qputenv("QT_QPA_PLATFORM", wanted);
}

} // namespace platformchoice

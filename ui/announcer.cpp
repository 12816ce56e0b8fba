#include "announcer.h"

#include <QApplication>
#include <utility>

Announcer::Announcer(QWidget *parent) : QLabel(parent)
{
    setGeometry(0, 0, 0, 0);
    hide();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Announcer::say);
}

void Announcer::hold(const QString &sentence)
{
    m_held = sentence;
    m_timer.start(4 * delay);
}

void Announcer::drop()
{
    m_held.clear();
    m_timer.stop();
}

void Announcer::windowActivated()
{
    if (!m_held.isEmpty())
        m_timer.start(delay);
}

void Announcer::say()
{
    if (m_held.isEmpty())
        return;
    // A reader speaking over an open message box would be cut off by it or talk over it: the
    // sentence waits until the box is closed and the window is active again, or, where no
    // window manager activates it, until the next try finds no box open.
    if (QApplication::activeModalWidget()) {
        m_timer.start(4 * delay);
        return;
    }
    setText(std::exchange(m_held, {}));
    hide();
    show();
}

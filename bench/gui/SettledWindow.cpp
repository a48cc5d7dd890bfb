#include "SettledWindow.h"

#include <QCoreApplication>
#include <QEvent>

namespace plorik::bench {

SettledWindow::SettledWindow()
{
    QCoreApplication::instance()->installEventFilter(this);
}

SettledWindow::~SettledWindow()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

int SettledWindow::settle()
{
    m_paints = 0;
    // A pass that delivers nothing ends the wait; the bound only guards against a window that
    // never rests (a timer that keeps posting), which would show as a worst time far off.
    for (int pass = 0; pass < 1000; ++pass) {
        const long before = m_events;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (m_events == before)
            break;
    }
    return m_paints;
}

bool SettledWindow::eventFilter(QObject*, QEvent* event)
{
    ++m_events;
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}

} // namespace plorik::bench

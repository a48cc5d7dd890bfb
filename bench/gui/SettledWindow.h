#pragma once

#include <QObject>

namespace plorik::bench {

// Waits, as a user does, until the window has taken a change and painted it: counts every event
// the application delivers, and processes events until a pass delivers none.
class SettledWindow : public QObject {
public:
    SettledWindow();
    ~SettledWindow() override;

    // Processes events until idle; returns the paint events delivered on the way.
    int settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    long m_events = 0;
    int m_paints = 0;
};

} // namespace plorik::bench

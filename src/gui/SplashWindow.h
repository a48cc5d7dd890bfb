#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace plorik::gui {

// The borderless logo window shown at start. It closes on the first tick of its timer (1 ms, so as
// soon as the event loop runs) or on a click, whichever comes first.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    // `closing` runs once, before the window hides (the first-time notice is asked there).
    explicit SplashWindow(std::function<void()> closing);

    void start();
    bool finished() const { return m_finished; }

signals:
    // After the window has hidden.
    void closed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void finish();

    QTimer m_timer;
    std::function<void()> m_closing;
    bool m_finished = false;
};

} // namespace plorik::gui

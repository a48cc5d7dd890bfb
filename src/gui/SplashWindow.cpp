#include "SplashWindow.h"

#include "Logo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace plorik::gui {

SplashWindow::SplashWindow(std::function<void()> closing)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_closing(std::move(closing))
{
    setObjectName(QStringLiteral("SplashWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(this);
    picture->setPixmap(paintLogo(QSize(480, 240)));
    layout->addWidget(picture);
    setFixedSize(480, 240);
    m_timer.setSingleShot(true);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::finish);
}

void SplashWindow::start()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    m_timer.start();
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/)
{
    finish();
}

void SplashWindow::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    if (m_closing)
        m_closing();
    hide();
    emit closed();
}

} // namespace plorik::gui

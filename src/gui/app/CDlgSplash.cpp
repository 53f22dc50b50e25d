// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CDlgSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

CDlgSplash::CDlgSplash(const Skin& skin, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_picture(QPixmap::fromImage(skin.image(kSplashFile))) {
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CDlgSplash::timeUp);
}

void CDlgSplash::start() {
    m_timer.start(kShowMs);
    if (m_picture.isNull()) {
        announceShown();
        return;
    }
    setFixedSize(m_picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), m_picture.size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void CDlgSplash::timeUp() {
    m_timeUp = true;
    done(QDialog::Accepted);
}

void CDlgSplash::reject() {
    // Escape and the window manager's close end nothing before the time is up.
    if (m_timeUp) {
        QDialog::reject();
    }
}

void CDlgSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    announceShown();
}

// Queued, so that the frame reaches the screen before the work begins.
void CDlgSplash::announceShown() {
    if (!m_shown) {
        m_shown = true;
        QMetaObject::invokeMethod(this, &CDlgSplash::pictureShown, Qt::QueuedConnection);
    }
}

void CDlgSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CDlgSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void CDlgSplash::closeEvent(QCloseEvent* event) {
    if (m_timeUp) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace gx508

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>

// Helpers for widget tests: solid test images, what a widget painted, mouse input sent
// straight to a widget, and answers to modal windows.
namespace gx508::test {

inline QPixmap solidPixmap(QSize size, const QColor& color) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

// The widget as it paints itself, one pixel per logical pixel.
inline QImage rendered(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline int countColor(const QImage& image, const QColor& color, QRect area = {}) {
    if (area.isNull()) {
        area = image.rect();
    }
    area &= image.rect();
    const QRgb wanted = color.rgb();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == wanted ? 1 : 0;
        }
    }
    return count;
}

// Pixels of `area` brighter than `value` (0..255, the largest of red, green and blue): where
// light text lies on a darker ground, whatever its anti-aliasing.
inline int countBrighter(const QImage& image, int value, QRect area) {
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y).value() > value ? 1 : 0;
        }
    }
    return count;
}

// The smallest rectangle holding every pixel that is not the background colour.
inline QRect inkBounds(const QImage& image, const QColor& background) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background.rgb()) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// A mouse event at a point of the widget, delivered to it directly.
inline void sendMouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void press(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

inline void moveHeld(QWidget& widget, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

inline void release(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// Runs `act` on the next modal window of type T as soon as it shows (a modal window runs its
// own event loop, so the test hands over what to do before opening it).
template <typename T>
void onNextModal(std::function<void(T&)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*modal);
        }
    });
    timer->start();
}

}  // namespace gx508::test

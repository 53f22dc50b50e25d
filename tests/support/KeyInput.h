// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

// Helpers for tests of the key capture dialog: key events as the windowing system delivers
// them (with their keysym), and an action run on the modal dialog once it is open, from the
// event loop the dialog's own wait runs.
namespace gx508::test {

// A press or release of the key with `keysym` to the focused control of `window` (or the window
// itself).
inline void sendKey(QWidget& window, unsigned long keysym, bool release) {
    QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_unknown,
                    Qt::NoModifier, 0, static_cast<quint32>(keysym), 0);
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QApplication::sendEvent(target, &event);
}

// Runs `action` on the modal widget of type T once it shows.
template <typename T>
void whenModalOpens(std::function<void(T&)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            dialog != nullptr && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(*dialog);
        }
    });
    poll->start(10);
}

}  // namespace gx508::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/FocusedKeySource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

#include "platform/KeysymTable.h"

namespace gx508 {

FocusedKeySource::~FocusedKeySource() {
    Stop();
}

Status FocusedKeySource::Start(Sink sink) {
    m_sink = std::move(sink);
    if (!m_capturing) {
        qApp->installEventFilter(this);
        m_capturing = true;
    }
    return Status::Ok();
}

void FocusedKeySource::Stop() {
    if (m_capturing) {
        qApp->removeEventFilter(this);
        m_capturing = false;
    }
}

bool FocusedKeySource::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &m_window) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const VirtualKey virtualKey = VirtualKeyOfKeysym(key->nativeVirtualKey());
    if (virtualKey.code != 0) {
        // The sink may stop the capture.
        const Sink sink = m_sink;
        sink(KeyStroke{virtualKey.code, virtualKey.extended, event->type() == QEvent::KeyRelease});
    }
    return true;
}

}  // namespace gx508

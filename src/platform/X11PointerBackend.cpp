// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11PointerBackend.h"

#include <X11/Xlib.h>

#include <algorithm>

namespace gx508 {

namespace {

constexpr int kSlowest = 1;
constexpr int kFastest = 20;
constexpr int kSpeedDenominator = 10;
constexpr int kPrecisionThreshold = 6;
constexpr int kPlainThreshold = 1;

}  // namespace

std::unique_ptr<X11PointerBackend> X11PointerBackend::Open(LogSink& log,
                                                           const std::string& display) {
    Display* connection = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (connection == nullptr) {
        log.Write("pointer settings: cannot connect to the X server " +
                  (display.empty() ? std::string("named by DISPLAY") : display));
        return nullptr;
    }
    return std::unique_ptr<X11PointerBackend>(new X11PointerBackend(log, connection));
}

X11PointerBackend::X11PointerBackend(LogSink& log, _XDisplay* display)
    : m_log(log), m_display(display) {}

X11PointerBackend::~X11PointerBackend() {
    XCloseDisplay(m_display);
}

bool X11PointerBackend::SetPrecision(bool enhance) {
    XChangePointerControl(m_display, False, True, 0, 0,
                          enhance ? kPrecisionThreshold : kPlainThreshold);
    XSync(m_display, False);
    return true;
}

bool X11PointerBackend::SetSpeed(int speed) {
    XChangePointerControl(m_display, True, False, std::clamp(speed, kSlowest, kFastest),
                          kSpeedDenominator, 0);
    XSync(m_display, False);
    return true;
}

bool X11PointerBackend::SetWheel(bool, int) {
    if (!m_toldNoWheel) {
        m_log.Write("pointer settings: the X server has no wheel scroll setting; wheel left alone");
        m_toldNoWheel = true;
    }
    return true;
}

bool X11PointerBackend::SetDoubleClickTime(int) {
    if (!m_toldNoDoubleClick) {
        m_log.Write("pointer settings: the X server has no double-click time; left alone");
        m_toldNoDoubleClick = true;
    }
    return true;
}

}  // namespace gx508

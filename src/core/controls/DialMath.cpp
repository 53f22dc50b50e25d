// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/DialMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gx508 {

namespace {

constexpr int kArcCentreX = 121;
constexpr int kArcCentreY = 91;
constexpr double kArcInner = 43;
constexpr double kArcOuter = 71;
constexpr double kDegreesPerRadian = 57.295780490442965;
constexpr double kDegreesPerStep = 18;
constexpr double kLeftEnd = 175;
constexpr double kPastLeftEnd = 185;
constexpr int kMinValue = 1;
constexpr int kMaxValue = 11;

constexpr int kDialCentreX = 121;
constexpr int kDialCentreY = 66;
constexpr double kDialInner = 35;
constexpr double kDialOuter = 64;

}  // namespace

ArcClick SpeedArcClick(int x, int y, int current) {
    const int dx = x - kArcCentreX;
    const int dy = y - kArcCentreY;
    if (dy > 0) {
        return {};
    }
    ArcClick click;
    click.handled = true;
    int value = current;
    const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    if (d >= kArcInner && d <= kArcOuter) {
        double a = 90;
        if (dx > 0) {
            a = std::atan(static_cast<double>(std::abs(dy)) / dx) * kDegreesPerRadian;
        } else if (dx < 0) {
            // On the centre line the ratio is infinite and the angle 180.
            a = dy == 0 ? 180
                        : 90 + std::atan(static_cast<double>(std::abs(dx)) / std::abs(dy)) *
                                   kDegreesPerRadian;
            if (a >= kLeftEnd) {
                a = kPastLeftEnd;
            }
        }
        click.angle = a;
        value = static_cast<int>(12 - a / kDegreesPerStep);
    }
    click.value = std::clamp(value, kMinValue, kMaxValue);
    return click;
}

std::optional<std::uint8_t> ReportRateDialCode(int x, int y) {
    const int dx = x - kDialCentreX;
    const int dy = y - kDialCentreY;
    const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    if (d < kDialInner || d > kDialOuter || dx == 0 || dy == 0) {
        return std::nullopt;
    }
    if (dy < 0) {
        return dx > 0 ? 1 : 8;
    }
    return dx < 0 ? 4 : 2;
}

}  // namespace gx508

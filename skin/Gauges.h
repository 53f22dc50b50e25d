// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace gx508::skin {

// The report rate dial (128 × 123) with the quarter of the given rate (125, 250, 500 or 1000)
// lit. Each quarter carries as many ticks as eighths of a millisecond it saves (1, 2, 4, 8), and
// the centre meter shows the rate as one to four bars.
QImage reportRateDial(int rate);

// The speed arc (142 × 83): eleven sectors on the upper half ring lit from the slow end up to
// the value (1..11), and a needle pointing at the value's sector.
QImage speedArc(int value);

}  // namespace gx508::skin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace gx508 {

// The program asks for the faces "黑体", "宋体" and "Arial". They are not on Linux: this maps
// each to an installed family of the same kind (a CJK sans or serif, a metric-compatible sans)
// and keeps the requested pixel height: the height of the whole character cell, as the layouts
// of the windows expect, not Qt's em size.
QString mappedFamily(const QString& face);
QFont mappedFont(const QString& face, int pixelSize);

}  // namespace gx508

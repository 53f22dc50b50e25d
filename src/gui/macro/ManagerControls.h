// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QFont;
class QListWidget;
class QWidget;

namespace gx508 {

// What the macro manager and the gun macro manager share in their controls.

// A name or event list at `rect`: one selection, no frame, no editing, text `text` on
// `background`, and a vertical scroll bar only when `scrolls` (and the items pass the bottom).
QListWidget* MakeManagerList(QWidget* parent, const QRect& rect, const QFont& font, bool scrolls,
                             const QColor& text, const QColor& background);

// The keys a manager swallows, so that they neither close it nor press its buttons: Enter,
// Esc, Space, F1 and the system keys.
bool IsSwallowedManagerKey(int key);

}  // namespace gx508

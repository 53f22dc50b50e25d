// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours of the skin: charcoal surfaces from near black to a raised grey, and a red ramp
// from a deep wine to the hot red of edge highlights.
namespace gx508::skin::palette {

inline const QColor kInk{7, 7, 9};            // seams, deepest shadows
inline const QColor kBase{17, 17, 20};        // window bodies
inline const QColor kBaseLow{12, 12, 14};     // recessed wells
inline const QColor kBaseHigh{27, 27, 31};    // raised plates
inline const QColor kBaseTop{38, 38, 44};     // top of a raised plate's gradient
inline const QColor kEdge{50, 50, 58};        // neutral borders
inline const QColor kEdgeLight{78, 78, 88};   // lit edges
inline const QColor kTitle{22, 12, 14};       // title bands of every window
inline const QColor kCommandBar{14, 14, 16};  // the strip under a window's command buttons

inline const QColor kRedWine{38, 8, 11};
inline const QColor kRedDeep{72, 11, 16};
inline const QColor kRedDark{116, 15, 22};
inline const QColor kRed{172, 20, 30};
inline const QColor kRedBright{222, 30, 40};
inline const QColor kRedHot{255, 70, 72};
inline const QColor kRedGlow{255, 32, 44};

// Colours the program draws in, matched by the skin where images meet them.
inline const QColor kMenuNormal{111, 41, 41};
inline const QColor kMenuSelected{143, 32, 32};
inline const QColor kListGrey{109, 109, 109};
inline const QColor kListDark{40, 40, 40};
inline const QColor kFieldBrown{34, 24, 21};

}  // namespace gx508::skin::palette

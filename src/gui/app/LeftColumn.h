// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "core/i18n/LanguageTable.h"
#include "gui/app/MainWindowLayout.h"
#include "gui/ui/LaidOutText.h"

class QPainter;
class QWidget;

namespace gx508 {

class CBitmapBtn;
class CDMarker;
class Skin;

// The main window's left column below the logo: the four section headers, the axis panel with
// the X and Y sensitivity sliders, and where each of them sits while the button list and the
// axis panel are open or closed. The headers and sliders are children of the main window; the
// axis panel's background and texts are drawn by the main window's paint through paintAxisPanel.
class LeftColumn : public QObject {
    Q_OBJECT

  public:
    LeftColumn(QWidget& window, const Skin& skin, const LanguageTable& texts,
               const QString& fontFace);

    CBitmapBtn* assignmentHeader() const { return m_assignment; }
    CBitmapBtn* macroHeader() const { return m_macro; }
    CBitmapBtn* gunHeader() const { return m_gun; }
    CBitmapBtn* axisHeader() const { return m_axis; }
    CDMarker* xSlider() const { return m_x; }
    CDMarker* ySlider() const { return m_y; }

    // The button list open: the three lower headers and the axis panel move down by the height
    // of the list's background.
    void setListExpanded(bool expanded);
    bool listExpanded() const { return m_listExpanded; }
    void setAxisExpanded(bool expanded);
    bool axisExpanded() const { return m_axisExpanded; }

    // While the profile manager lies over the column, its headers and sliders are hidden.
    void setCovered(bool covered);
    bool covered() const { return m_covered; }

    // Both sliders, each value limited to the slider range.
    void setSensitivity(int x, int y);

    // Top of the axis panel: right under its header.
    int axisPanelTop() const;

    // The axis panel's background, the axis names and the scale marks, in the painter's pen and
    // font. Nothing while the panel is closed.
    void paintAxisPanel(QPainter& painter) const;

  private:
    void layout();

    QWidget& m_window;
    const Skin& m_skin;
    const LanguageTable& m_texts;
    CBitmapBtn* m_assignment;
    CBitmapBtn* m_macro;
    CBitmapBtn* m_gun;
    CBitmapBtn* m_axis;
    CDMarker* m_x;
    CDMarker* m_y;
    int m_listHeight;
    bool m_listExpanded = false;
    bool m_axisExpanded = false;
    bool m_covered = false;
    // The axis names, then the scale marks under the X slider and those under the Y slider.
    mutable std::array<LaidOutText, 2 + 2 * layout::kScaleMarks> m_labels;
};

}  // namespace gx508

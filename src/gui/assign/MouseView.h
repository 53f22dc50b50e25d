// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <algorithm>
#include <array>
#include <string>

#include "core/assign/AssignmentPanel.h"
#include "core/i18n/LanguageTable.h"
#include "core/store/SharedState.h"
#include "gui/ui/LaidOutText.h"

class QPainter;
class QWidget;

namespace gx508 {

class CBitmapBtn;
class Skin;

// The picture of the mouse in the middle of the main window, its view tabs, and the function
// labels of the button assignment panel. The tabs and labels are children of the main window;
// the pictures and the panel's captions are drawn by the main window's paint through
// paintMouseView and paintPanel.
class MouseView : public QObject {
    Q_OBJECT

  public:
    MouseView(QWidget& window, const Skin& skin, const LanguageTable& texts,
              const QString& fontFace);

    // Clears the highlight, selects the view's tab alone, records the view and sets the panel
    // mode it belongs to (the back view keeps the mode).
    void SelectView(int view);
    // Shows the labels of panel 0 (front) or 1 (side) and hides the others; only records the
    // mode while the button list is collapsed.
    void SetPanelMode(int mode);
    // No label keeps its pressed look and no button is highlighted.
    void ClearHighlight();

    // Whether the button list under its header is open: shows the current panel's labels, or
    // hides every label.
    void setListExpanded(bool expanded);
    bool listExpanded() const { return m_listExpanded; }

    // While the profile manager lies over the button list, every label is hidden.
    void setCovered(bool covered);

    // The function label texts of button index 0..11.
    void setLabelTexts(const std::array<std::string, kLabelCount>& labels);

    int view() const { return m_view; }
    int panelMode() const { return m_panelMode; }
    int highlighted() const { return m_highlighted; }
    CBitmapBtn* label(int button) const;
    CBitmapBtn* tab(int view) const;

    // The view area: its background, the current view's picture and its buttons, the
    // highlighted one in its "over" look.
    void paintMouseView(QPainter& painter) const;
    // The panel background of the current mode and the row captions, in the painter's pen and
    // font.
    void paintPanel(QPainter& painter) const;

  signals:
    // The selector of button index `button` was clicked; it is marked until ClearHighlight.
    void selectorClicked(int button);

  private:
    void onLabelClicked(int button);
    void showPanelLabels();

    QWidget& m_window;
    const Skin& m_skin;
    const LanguageTable& m_texts;
    std::array<CBitmapBtn*, kLabelCount> m_labels{};
    std::array<CBitmapBtn*, 3> m_tabs{};
    int m_view = 1;
    int m_panelMode = 0;
    int m_highlighted = -1;
    bool m_listExpanded = false;
    bool m_covered = false;
    // The panel's row captions, laid out once for each mode.
    mutable std::array<std::array<LaidOutText, std::max(kFrontPanelRows, kSidePanelRows)>, 2>
        m_captions;
};

}  // namespace gx508

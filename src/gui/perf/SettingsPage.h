// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "core/store/SharedState.h"

namespace gx508 {

class Skin;

// What every page of the settings panel shares: the block it edits, the skin it draws from, its
// background image (whose size is the page's size) and the font of its texts. A page only
// changes the block; Apply sends it.
class SettingsPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the current block (after a load, a Cancel or Restore defaults).
    virtual void refresh() = 0;

    // The page's background; the panel sizes the section from it.
    QString backgroundImage() const { return m_background; }

  protected:
    SettingsPage(SharedState& state, const Skin& skin, QString background, int fontHeight,
                 QWidget* parent);

    // Draws the background at 0,0 and sets white text in the page font.
    void beginPaint(QPainter& painter) const;

    SharedState& m_state;
    const Skin& m_skin;
    QFont m_font;

  private:
    QString m_background;
};

}  // namespace gx508

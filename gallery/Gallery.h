// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "gui/ui/Skin.h"

namespace gx508::gallery {

class Sheet;

// Renders the skinned controls in each of their looks, one picture per kind of control, into
// an output folder. What went wrong (a skin image missing, a menu that did not open, a picture
// not written) is collected in `problems`; the other pictures are still drawn.
class Gallery {
  public:
    Gallery(const QString& skinsFolder, QString outputFolder);

    // buttons.png: every kind of image button, normal, hovered, pressed, selected, disabled.
    void buttons();
    // markers.png: the DPI, lighting and axis sliders on their pages.
    void markers();
    // menus.png: the assignment menu with a submenu open, a German menu, a context menu.
    void menus();
    // scrollbars.png: the skinned scroll bar in each look and the settings panel's frame.
    void scrollBars();

    const QStringList& problems() const { return m_problems; }

  private:
    QImage image(const QString& name);
    QPixmap bitmap(const QString& name);
    // Notes `problem` once unless `holds`; returns `holds`.
    bool check(bool holds, const QString& problem);
    void save(const Sheet& sheet, const QString& name);

    Skin m_skin;
    QString m_output;
    QStringList m_problems;
};

}  // namespace gx508::gallery

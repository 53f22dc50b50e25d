// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <string_view>

#include "core/i18n/FontRule.h"
#include "core/i18n/Language.h"
#include "gui/ui/SkinFiles.h"

class QPainter;

namespace gx508 {

class CBitmapBtn;
class Skin;

// What the gun macro manager and its step dialogs share: a frameless modal window at the size of
// its background image, painted with it, white text in the language's font, and moved by dragging
// its body with the left button.
class GunStepDialog : public QDialog {
    Q_OBJECT

  protected:
    GunStepDialog(const Skin& skin, const SkinFile& background, std::string_view languageCode,
                  QWidget* parent);

    // Without its background the dialog does not open: this shows a message box that says so
    // and tells whether the background is missing.
    bool refuseWithoutBackground();

    // Waits until the dialog closes and tells whether it closed with OK; no without the
    // background (refuseWithoutBackground).
    bool run();

    // A skinned push button at `rect` (client coordinates) with its text centred on one line.
    CBitmapBtn* addButton(const QRect& rect, std::string_view text, const SkinFile& normal,
                          const SkinFile& over);

    // Draws a text in the dialog's font, white, at its top-left corner or within a rectangle.
    void drawText(QPainter& painter, QPoint at, std::string_view text) const;
    void drawText(QPainter& painter, const QRect& rect, int flags, std::string_view text) const;

    // Paints what lies over the background.
    virtual void paintOver(QPainter& painter) = 0;

    // Starts moving the window with the pointer.
    void startDrag(QPoint globalPosition);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    const Skin& m_skin;
    const Language m_language;
    const FontRule m_fontRule;
    QFont m_font;

  private:
    const SkinFile& m_background;
    bool m_hasBackground = false;
    std::optional<QPoint> m_dragOffset;  // while the window follows the pointer
};

}  // namespace gx508

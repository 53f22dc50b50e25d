// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <optional>

#include "gui/ui/LaidOutText.h"

namespace gx508 {

// Where a button's text goes. Any other value (cast from an int) draws one right-aligned,
// vertically centred line that is not clipped.
enum class ButtonTextAlignment { Centre = 0, Left = 1, Right = 2 };

// The skinned push button: four images (normal, hover, pressed, disabled) with a text drawn over
// them. It only paints and reports input: clicked() when released over itself,
// leftButtonReleased() after every release of the left button, pointerMoved() for every pointer
// move it processes.
class CBitmapBtn : public QAbstractButton {
    Q_OBJECT

  public:
    static constexpr int kDefaultFontHeight = 14;
    // A single line that is too wide is drawn smaller, but never below this height.
    static constexpr int kMinimumFittedFontHeight = 8;
    static constexpr QColor kDefaultTextColor{253, 253, 253};
    // The text keeps this far from the button's left and right edges (plus the indent).
    static constexpr int kTextLeftMargin = 4;
    static constexpr int kTextRightMargin = 5;

    explicit CBitmapBtn(QWidget* parent = nullptr);
    CBitmapBtn(const QString& text, const QRect& geometry, QWidget* parent);

    // SetImages: each look becomes the part `source` of its image, made opaque (transparency in
    // the files is not honoured on buttons). A null image leaves that look blank. The button
    // leaves the tab chain; a click still gives it the focus.
    void setImages(const QRect& source, const QPixmap& normal, const QPixmap& hover,
                   const QPixmap& pressed, const QPixmap& disabled);

    // A selected button keeps its pressed look (a tab, a view button, an open menu's label).
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // When off, the button shows its normal look while its window is not the active one.
    void setKeepLookWhenInactive(bool keep);
    bool keepLookWhenInactive() const { return m_keepLookWhenInactive; }

    // Text font: the face ("Arial" when empty) mapped to an installed family, height in pixels.
    void setFontHeight(int pixels);
    int fontHeight() const { return m_fontHeight; }
    void setFontFace(const QString& face);
    QString fontFace() const { return m_fontFace; }

    void setTextAlignment(ButtonTextAlignment alignment);
    ButtonTextAlignment textAlignment() const { return m_alignment; }
    // Extra left margin of left-aligned text, used when at least 1.
    void setIndent(int pixels);
    int indent() const { return m_indent; }
    // Wrap at word boundaries from the top (centred or left-aligned texts only); an ampersand
    // then underlines the next character.
    void setMultiLine(bool multiLine);
    bool isMultiLine() const { return m_multiLine; }

    void setNormalTextColor(const QColor& color);
    void setHoverTextColor(const QColor& color);
    void setPressedTextColor(const QColor& color);
    void setDisabledTextColor(const QColor& color);

    bool isHovered() const { return m_hover; }

    // A single line of text as it is drawn.
    struct Line {
        QFont font;
        QString text;
    };
    // The whole text in the button's font when it fits the text area; else the whole text in the
    // largest smaller height, down to kMinimumFittedFontHeight, that fits; else the text cut with
    // an ellipsis in the button's font.
    Line singleLine() const;

    QSize sizeHint() const override;

  signals:
    void leftButtonReleased();
    void pointerMoved(const QPoint& globalPosition, Qt::MouseButtons buttons);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum class Look { Normal, Hover, Pressed, Disabled };

    Look currentLook() const;
    QColor currentTextColor() const;
    QRect textArea() const;
    void drawText(QPainter& painter) const;
    void setHover(bool hover);
    Line fitLine(int width) const;
    QFont fontOfHeight(int pixels) const;
    void updateFont();

    QPixmap m_normal;
    QPixmap m_hoverImage;
    QPixmap m_pressed;
    QPixmap m_disabled;
    int m_fontHeight = kDefaultFontHeight;
    QString m_fontFace;
    QFont m_font;
    ButtonTextAlignment m_alignment = ButtonTextAlignment::Left;
    int m_indent = 0;
    bool m_multiLine = false;
    // The last line fitted, for the text, text area width and font it was fitted to: a repaint
    // with none of them changed draws it without measuring again.
    struct FittedLine {
        QString text;
        int width = 0;
        QFont font;
        Line line;
    };
    mutable std::optional<FittedLine> m_fitted;
    mutable LaidOutText m_laidOut;
    QColor m_normalTextColor = kDefaultTextColor;
    QColor m_hoverTextColor = kDefaultTextColor;
    QColor m_disabledTextColor = kDefaultTextColor;
    QColor m_pressedTextColor = kDefaultTextColor;
    bool m_selected = false;
    bool m_keepLookWhenInactive = true;
    bool m_hover = false;
};

}  // namespace gx508

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CBitmapBtn.h"

#include "gui/ui/FontMap.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace gx508 {

namespace {

// A height below one pixel asks for the default.
int effectiveFontHeight(int pixels) {
    return pixels >= 1 ? pixels : CBitmapBtn::kDefaultFontHeight;
}

// An opaque image used whole is shared rather than copied: buttons often show one image in several
// looks, and many buttons the same ones.
QPixmap opaqueCopy(const QPixmap& image, const QRect& source) {
    if (image.isNull() || source.isEmpty()) {
        return {};
    }
    if (source == image.rect() && !image.hasAlphaChannel()) {
        return image;
    }
    return QPixmap::fromImage(image.toImage().copy(source).convertToFormat(QImage::Format_RGB32));
}

}  // namespace

CBitmapBtn::CBitmapBtn(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    updateFont();
}

CBitmapBtn::CBitmapBtn(const QString& text, const QRect& geometry, QWidget* parent)
    : CBitmapBtn(parent) {
    setText(text);
    setGeometry(geometry);
}

void CBitmapBtn::setImages(const QRect& source, const QPixmap& normal, const QPixmap& hover,
                           const QPixmap& pressed, const QPixmap& disabled) {
    m_normal = opaqueCopy(normal, source);
    m_hoverImage = opaqueCopy(hover, source);
    m_pressed = opaqueCopy(pressed, source);
    m_disabled = opaqueCopy(disabled, source);
    setFocusPolicy(Qt::ClickFocus);
    updateGeometry();
    update();
}

void CBitmapBtn::setSelected(bool selected) {
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

void CBitmapBtn::setKeepLookWhenInactive(bool keep) {
    m_keepLookWhenInactive = keep;
    update();
}

void CBitmapBtn::setFontHeight(int pixels) {
    m_fontHeight = pixels;
    updateFont();
}

void CBitmapBtn::setFontFace(const QString& face) {
    m_fontFace = face;
    updateFont();
}

void CBitmapBtn::setTextAlignment(ButtonTextAlignment alignment) {
    m_alignment = alignment;
    update();
}

void CBitmapBtn::setIndent(int pixels) {
    m_indent = pixels;
    update();
}

void CBitmapBtn::setMultiLine(bool multiLine) {
    m_multiLine = multiLine;
    update();
}

void CBitmapBtn::setNormalTextColor(const QColor& color) {
    m_normalTextColor = color;
    update();
}

void CBitmapBtn::setHoverTextColor(const QColor& color) {
    m_hoverTextColor = color;
    update();
}

void CBitmapBtn::setPressedTextColor(const QColor& color) {
    m_pressedTextColor = color;
    update();
}

void CBitmapBtn::setDisabledTextColor(const QColor& color) {
    m_disabledTextColor = color;
    update();
}

QSize CBitmapBtn::sizeHint() const {
    return m_normal.isNull() ? QSize(0, 0) : m_normal.size();
}

CBitmapBtn::Look CBitmapBtn::currentLook() const {
    if (!isEnabled()) {
        return Look::Disabled;
    }
    if (!m_keepLookWhenInactive && !isActiveWindow()) {
        return Look::Normal;
    }
    if (m_selected || isDown()) {
        return Look::Pressed;
    }
    return m_hover ? Look::Hover : Look::Normal;
}

QColor CBitmapBtn::currentTextColor() const {
    if (m_hover) {
        return m_hoverTextColor;
    }
    if (!isEnabled()) {
        return m_disabledTextColor;
    }
    if (isDown() || m_selected) {
        return m_pressedTextColor;
    }
    return m_normalTextColor;
}

void CBitmapBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap* image = &m_normal;
    switch (currentLook()) {
        case Look::Hover:
            image = &m_hoverImage;
            break;
        case Look::Pressed:
            image = &m_pressed;
            break;
        case Look::Disabled:
            image = &m_disabled;
            break;
        case Look::Normal:
            break;
    }
    if (!image->isNull()) {
        painter.drawPixmap(0, 0, *image);
    }
    if (!text().isEmpty()) {
        drawText(painter);
    }
}

QRect CBitmapBtn::textArea() const {
    const bool indented = m_alignment == ButtonTextAlignment::Left && m_indent >= 1;
    return rect().adjusted(kTextLeftMargin + (indented ? m_indent : 0), 0, -kTextRightMargin, 0);
}

CBitmapBtn::Line CBitmapBtn::singleLine() const {
    const int width = textArea().width();
    if (!m_fitted || m_fitted->width != width || m_fitted->text != text() ||
        m_fitted->font != m_font) {
        m_fitted = FittedLine{text(), width, m_font, fitLine(width)};
    }
    return m_fitted->line;
}

CBitmapBtn::Line CBitmapBtn::fitLine(int width) const {
    auto fits = [&](const QFont& font) {
        return QFontMetrics(font).elidedText(text(), Qt::ElideRight, width) == text();
    };
    if (fits(m_font)) {
        return {m_font, text()};
    }
    for (int height = effectiveFontHeight(m_fontHeight) - 1; height >= kMinimumFittedFontHeight;
         --height) {
        QFont smaller = fontOfHeight(height);
        if (fits(smaller)) {
            return {smaller, text()};
        }
    }
    return {m_font, QFontMetrics(m_font).elidedText(text(), Qt::ElideRight, width)};
}

void CBitmapBtn::drawText(QPainter& painter) const {
    painter.setFont(m_font);
    painter.setPen(currentTextColor());
    const QRect area = textArea();

    switch (m_alignment) {
        case ButtonTextAlignment::Centre:
        case ButtonTextAlignment::Left:
        case ButtonTextAlignment::Right: {
            const Qt::Alignment horizontal =
                m_alignment == ButtonTextAlignment::Centre ? Qt::AlignHCenter
                : m_alignment == ButtonTextAlignment::Left ? Qt::AlignLeft
                                                           : Qt::AlignRight;
            if (m_multiLine && m_alignment != ButtonTextAlignment::Right) {
                painter.drawText(
                    area, horizontal | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                    text());
                return;
            }
            const Line line = singleLine();
            painter.setFont(line.font);
            m_laidOut.draw(painter, area, horizontal | Qt::AlignVCenter | Qt::TextSingleLine,
                           line.text);
            return;
        }
    }
    m_laidOut.draw(painter, area,
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                   text());
}

void CBitmapBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !window()->isActiveWindow()) {
        window()->activateWindow();
    }
    QAbstractButton::mousePressEvent(event);
}

void CBitmapBtn::mouseReleaseEvent(QMouseEvent* event) {
    const QPointer<CBitmapBtn> self(this);
    QAbstractButton::mouseReleaseEvent(event);
    // A click handler may have closed the window that owns the button.
    if (self && event->button() == Qt::LeftButton) {
        emit leftButtonReleased();
    }
}

void CBitmapBtn::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // A drag that started elsewhere, or left the button, does not bring the hover look back.
    if (event->buttons().testFlag(Qt::LeftButton) && !m_hover) {
        return;
    }
    setHover(rect().contains(event->position().toPoint()));
    emit pointerMoved(event->globalPosition().toPoint(), event->buttons());
}

void CBitmapBtn::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    if (m_hover) {
        setHover(false);
        emit pointerMoved(QCursor::pos(), QGuiApplication::mouseButtons());
    }
}

void CBitmapBtn::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    setHover(false);
}

void CBitmapBtn::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        setHover(false);
    }
    if (event->type() == QEvent::ActivationChange) {
        update();
    }
}

void CBitmapBtn::setHover(bool hover) {
    if (hover != m_hover) {
        m_hover = hover;
        update();
    }
}

QFont CBitmapBtn::fontOfHeight(int pixels) const {
    return mappedFont(m_fontFace.isEmpty() ? QStringLiteral("Arial") : m_fontFace, pixels);
}

void CBitmapBtn::updateFont() {
    m_font = fontOfHeight(effectiveFontHeight(m_fontHeight));
    update();
}

}  // namespace gx508

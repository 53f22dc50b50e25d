// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunMInsertCoor.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "core/gun/DisplacementAmount.h"
#include "core/i18n/GunStepTexts.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr QColor kBoxColour{109, 109, 109};
constexpr QColor kRefusalColour{255, 140, 120};

std::optional<int> amountOf(const QLineEdit& box) {
    return ParseDisplacement(box.text().toStdString());
}

}  // namespace

CDlgMacroGunMInsertCoor::CDlgMacroGunMInsertCoor(const Skin& skin, std::string_view languageCode,
                                                 QWidget* parent)
    : GunStepDialog(skin, kGunCursorDialogFile, languageCode, parent) {
    setObjectName(QStringLiteral("gunCursorDialog"));
    setWindowTitle(qText(GunStepTextOf(GunStepText::CursorTitle, m_language)));

    const auto makeBox = [this](const QRect& rect, const QString& name) {
        auto* box = new QLineEdit(QStringLiteral("0"), this);
        box->setObjectName(name);
        box->setGeometry(rect);
        box->setFrame(false);
        box->setTextMargins(2, 0, 2, 0);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, kBoxColour);
        colours.setColor(QPalette::Text, Qt::white);
        box->setPalette(colours);
        connect(box, &QLineEdit::textEdited, this, &CDlgMacroGunMInsertCoor::boxEdited);
        return box;
    };
    m_xBox = makeBox(kXBox, QStringLiteral("x"));
    m_yBox = makeBox(kYBox, QStringLiteral("y"));

    m_ok = addButton(kOkButton, GunStepTextOf(GunStepText::CursorOk, m_language),
                     kGunButtonNormalFile, kGunButtonDownFile);
    m_cancel = addButton(kCancelButton, GunStepTextOf(GunStepText::CursorCancel, m_language),
                         kGunButtonNormalFile, kGunButtonDownFile);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &CBitmapBtn::clicked, this, &CDlgMacroGunMInsertCoor::confirm);
    connect(m_cancel, &CBitmapBtn::clicked, this, &QDialog::reject);
}

std::optional<CDlgMacroGunMInsertCoor::Displacement> CDlgMacroGunMInsertCoor::ask() {
    if (!run()) {
        return std::nullopt;
    }
    return typed();
}

std::optional<CDlgMacroGunMInsertCoor::Displacement> CDlgMacroGunMInsertCoor::typed() const {
    const std::optional<int> x = amountOf(*m_xBox);
    const std::optional<int> y = amountOf(*m_yBox);
    if (!x || !y) {
        return std::nullopt;
    }
    return Displacement{*x, *y};
}

void CDlgMacroGunMInsertCoor::placeMark(QPoint point) {
    m_mark = QPoint(std::clamp(point.x(), kPad.left(), kPad.right()),
                    std::clamp(point.y(), kPad.top(), kPad.bottom()));
    update();
}

void CDlgMacroGunMInsertCoor::writeBoxes() {
    m_xBox->setText(QString::number(m_mark.x() - kCentre.x()));
    m_yBox->setText(QString::number(kCentre.y() - m_mark.y()));
    m_refusing = false;
    update();
}

// A box that holds an amount moves the mark along its axis (as far as the pad's edge); one that
// holds something else is refused at once, except while it is empty or holds only a minus sign,
// on the way to a number.
void CDlgMacroGunMInsertCoor::boxEdited() {
    if (const std::optional<int> x = amountOf(*m_xBox)) {
        placeMark(QPoint(kCentre.x() + *x, m_mark.y()));
    }
    if (const std::optional<int> y = amountOf(*m_yBox)) {
        placeMark(QPoint(m_mark.x(), kCentre.y() - *y));
    }
    const auto unfinished = [](const QLineEdit& box) {
        return box.text().isEmpty() || box.text() == QLatin1String("-");
    };
    m_refusing = (!amountOf(*m_xBox) && !unfinished(*m_xBox)) ||
                 (!amountOf(*m_yBox) && !unfinished(*m_yBox));
    update();
}

void CDlgMacroGunMInsertCoor::confirm() {
    if (typed()) {
        accept();
        return;
    }
    m_refusing = true;
    update();
}

void CDlgMacroGunMInsertCoor::paintOver(QPainter& painter) {
    drawText(painter, kTitle, GunStepTextOf(GunStepText::CursorTitle, m_language));
    drawText(painter, kXLetter, "X");
    drawText(painter, kYLetter, "Y");
    m_skin.draw(painter, kGunCursorMarkFile, m_mark.x(), m_mark.y());
    if (m_refusing) {
        painter.setFont(m_font);
        painter.setPen(kRefusalColour);
        painter.drawText(kRefusal, Qt::AlignCenter | Qt::TextSingleLine,
                         qText(GunStepTextOf(GunStepText::CursorRefused, m_language)));
    }
}

void CDlgMacroGunMInsertCoor::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && kPad.contains(at)) {
        m_placing = true;
        placeMark(at);
        writeBoxes();
        return;
    }
    GunStepDialog::mousePressEvent(event);
}

void CDlgMacroGunMInsertCoor::mouseMoveEvent(QMouseEvent* event) {
    if (m_placing) {
        const QPoint at = event->position().toPoint();
        if (kPad.contains(at)) {
            placeMark(at);
            writeBoxes();
        }
        return;
    }
    GunStepDialog::mouseMoveEvent(event);
}

void CDlgMacroGunMInsertCoor::mouseReleaseEvent(QMouseEvent* event) {
    if (m_placing) {
        m_placing = false;
        writeBoxes();
    }
    GunStepDialog::mouseReleaseEvent(event);
}

}  // namespace gx508

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/FontMap.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace gx508 {

namespace {

QString firstInstalled(const QStringList& candidates, const QString& fallback) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return fallback;
}

}  // namespace

QString mappedFamily(const QString& face) {
    if (face == QStringLiteral("黑体")) {
        return firstInstalled(
            {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
             QStringLiteral("WenQuanYi Zen Hei")},
            QStringLiteral("Sans"));
    }
    if (face == QStringLiteral("宋体")) {
        return firstInstalled(
            {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
             QStringLiteral("WenQuanYi Micro Hei")},
            QStringLiteral("Serif"));
    }
    if (face == QStringLiteral("Arial")) {
        return firstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                               QStringLiteral("DejaVu Sans")},
                              QStringLiteral("Sans"));
    }
    return face;
}

QFont mappedFont(const QString& face, int pixelSize) {
    QFont font(mappedFamily(face));
    font.setPixelSize(std::max(pixelSize, 1));
    // The requested height is the whole character cell, as the program's layouts assume;
    // Qt's pixel size is the em square, so shrink it until the cell fits.
    const int cell = QFontMetrics(font).height();
    if (pixelSize > 0 && cell > pixelSize) {
        font.setPixelSize(std::max(1, pixelSize * pixelSize / cell));
    }
    return font;
}

}  // namespace gx508

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/Skin.h"

#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QStringList>
#include <QTransform>

#include <optional>
#include <system_error>
#include <utility>

#include "gui/ui/QtText.h"

namespace gx508 {

namespace {

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Each channel times alpha, divided by 255 with the remainder dropped. An image whose pixels
// are all opaque comes back as an opaque image, which paints as a plain copy with the same
// result.
QImage premultipliedByIntegerDivision(const QImage& decoded) {
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            opaque = opaque && alpha == 255;
            line[x] = qRgba(qRed(pixel) * alpha / 255, qGreen(pixel) * alpha / 255,
                            qBlue(pixel) * alpha / 255, alpha);
        }
    }
    image.reinterpretAsFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    return image;
}

// Blends the image over the canvas at its own size, whatever the painter's composition mode and
// opacity.
//
// A window with opaque children paints within a region of several rectangles, and an image
// clipped to such a region is blended span by span, far slower than one clipped to a single
// rectangle is copied. So under such a region the image is drawn once for each rectangle it
// meets, clipped to that rectangle: the same pixels, drawn the fast way.
void drawImage(QPainter& painter, const QImage& image, int x, int y) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    const QTransform toDevice = painter.deviceTransform();
    const QRegion region =
        painter.paintEngine() != nullptr ? painter.paintEngine()->systemClip() : QRegion();
    if (painter.hasClipping() || region.rectCount() < 2 ||
        toDevice.type() > QTransform::TxTranslate) {
        painter.drawImage(x, y, image);
    } else {
        const QRect target = toDevice.mapRect(QRect(QPoint(x, y), image.size()));
        const QTransform fromDevice = toDevice.inverted();
        for (const QRect& part : region) {
            const QRect piece = part & target;
            if (!piece.isEmpty()) {
                painter.setClipRect(fromDevice.mapRect(piece));
                painter.drawImage(x, y, image);
            }
        }
    }
    painter.restore();
}

QStringList nameParts(QStringView storedName) {
    QString name = storedName.toString();
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

}  // namespace

Skin::Skin(QString skinsFolder) : m_folder(QDir::cleanPath(std::move(skinsFolder))) {}

QString Skin::resolve(QStringView storedName) const {
    QStringList parts = nameParts(storedName);
    if (!parts.isEmpty() &&
        parts.front().compare(QStringLiteral("skins"), Qt::CaseInsensitive) == 0) {
        parts.removeFirst();
    }
    if (parts.isEmpty() || parts.contains(QStringLiteral(".")) ||
        parts.contains(QStringLiteral(".."))) {
        return {};
    }
    QString path = m_folder + QLatin1Char('/') + parts.join(QLatin1Char('/'));
    std::error_code error;
    if (std::filesystem::is_regular_file(nativePath(path), error)) {
        return path;
    }
    path = m_folder;
    for (const QString& part : parts) {
        const QString entry = matchEntry(path, part);
        if (entry.isEmpty()) {
            return {};
        }
        path += QLatin1Char('/') + entry;
    }
    return std::filesystem::is_regular_file(nativePath(path), error) ? path : QString();
}

bool Skin::draw(QPainter& painter, QStringView storedName, int x, int y) const {
    const CachedImage* cached = cachedImage(storedName);
    if (cached == nullptr || cached->drawn.isNull()) {
        return false;
    }
    drawImage(painter, cached->drawn, x, y);
    return true;
}

void Skin::drawOver(QPainter& painter, const SkinFile& file, const QRect& area,
                    const QColor& fill) const {
    const CachedImage* cached = cachedImage(qText(file.name));
    if (cached == nullptr || cached->drawn.isNull()) {
        painter.fillRect(area, fill);
        return;
    }
    const QImage& drawn = cached->drawn;
    if (drawn.hasAlphaChannel() || !QRect(area.topLeft(), drawn.size()).contains(area)) {
        painter.fillRect(area, fill);
    }
    drawImage(painter, drawn, area.x(), area.y());
}

QPixmap Skin::loadBitmap(QStringView storedName) const {
    const QImage decoded = image(storedName);
    if (decoded.isNull()) {
        return {};
    }
    return QPixmap::fromImage(decoded.convertToFormat(QImage::Format_RGB32));
}

QImage Skin::image(QStringView storedName) const {
    if (const CachedImage* kept = keptImage(storedName); kept != nullptr && kept->asDecoded) {
        return kept->drawn;
    }
    const QString path = resolve(storedName);
    return path.isEmpty() ? QImage() : QImage(path);
}

QSize Skin::size(QStringView storedName) const {
    if (const CachedImage* kept = keptImage(storedName)) {
        return kept->drawn.isNull() ? QSize() : kept->drawn.size();
    }
    const QImage decoded = image(storedName);
    return decoded.isNull() ? QSize() : decoded.size();
}

bool Skin::draw(QPainter& painter, const SkinFile& file, int x, int y) const {
    return draw(painter, qText(file.name), x, y);
}

QPixmap Skin::loadBitmap(const SkinFile& file) const {
    return loadBitmap(qText(file.name));
}

QImage Skin::image(const SkinFile& file) const {
    return image(qText(file.name));
}

QSize Skin::size(const SkinFile& file) const {
    return size(qText(file.name));
}

const Skin::CachedImage* Skin::keptImage(QStringView storedName) const {
    forgetOnChange();
    const auto known = m_resolved.constFind(storedName.toString());
    if (known == m_resolved.constEnd()) {
        return nullptr;
    }
    const auto found = m_images.constFind(*known);
    return found == m_images.constEnd() ? nullptr : &*found;
}

const Skin::CachedImage* Skin::cachedImage(QStringView storedName) const {
    if (const CachedImage* kept = keptImage(storedName)) {
        return kept;
    }
    const QString path = resolve(storedName);
    if (path.isEmpty()) {
        return nullptr;
    }
    std::error_code timeError;
    std::error_code sizeError;
    const FileStamp stamp{std::filesystem::last_write_time(nativePath(path), timeError),
                          std::filesystem::file_size(nativePath(path), sizeError)};
    if (timeError || sizeError) {
        m_images.remove(path);
        return nullptr;
    }
    const auto found = m_images.constFind(path);
    if (found != m_images.constEnd() && found->stamp == stamp) {
        return &*found;
    }
    const bool watched = watchFoldersOf(path);
    CachedImage entry{stamp, QImage(path)};
    if (entry.drawn.hasAlphaChannel()) {
        entry.drawn = premultipliedByIntegerDivision(entry.drawn);
        entry.asDecoded = false;
    }
    if (watched) {
        m_resolved.insert(storedName.toString(), path);
    }
    return &*m_images.insert(path, std::move(entry));
}

bool Skin::watchFoldersOf(const QString& path) const {
    bool watched = m_watch.Watch(nativePath(m_folder));
    const QStringList below =
        path.mid(m_folder.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString folder = m_folder;
    for (qsizetype i = 0; i + 1 < below.size(); ++i) {
        folder += QLatin1Char('/') + below.at(i);
        watched = m_watch.Watch(nativePath(folder)) && watched;
    }
    return watched;
}

void Skin::forgetOnChange() const {
    if (m_watch.Changed()) {
        m_resolved.clear();
        m_images.clear();
        m_listings.clear();
    }
}

QString Skin::matchEntry(const QString& directory, const QString& name) const {
    std::error_code error;
    const std::filesystem::path native = nativePath(directory);
    const FileStamp stamp{std::filesystem::last_write_time(native, error), 0};
    if (error) {
        m_listings.remove(directory);
        return {};
    }
    auto found = m_listings.find(directory);
    if (found == m_listings.end() || !(found->stamp == stamp)) {
        CachedListing listing{stamp, {}, {}};
        const QStringList entries = QDir(directory).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString& entry : entries) {
            listing.names.insert(entry);
            listing.byFoldedName.insert(entry.toCaseFolded(), entry);
        }
        found = m_listings.insert(directory, std::move(listing));
    }
    if (found->names.contains(name)) {
        return name;
    }
    return found->byFoldedName.value(name.toCaseFolded());
}

}  // namespace gx508

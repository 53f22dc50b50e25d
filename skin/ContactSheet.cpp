// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <string_view>
#include <vector>

#include "DialogScenes.h"
#include "Paint.h"
#include "core/assign/AssignmentPanel.h"
#include "gui/app/MainWindowLayout.h"
#include "gui/assign/MouseViewLayout.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::skin {

namespace {

constexpr int kSheetWidth = 2200;
constexpr int kGap = 16;
constexpr int kLabelHeight = 16;

void label(QPainter& painter, const QRect& box, const QString& caption, int pixelSize = 12,
           int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(QColor(253, 253, 253));
    painter.drawText(box, flags | Qt::TextSingleLine, caption);
}

void checker(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y < area.bottom(); y += 8) {
        for (int x = area.left(); x < area.right(); x += 8) {
            const bool dark = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2 == 0;
            painter.fillRect(QRect(x, y, 8, 8), dark ? QColor(52, 52, 60) : QColor(70, 70, 80));
        }
    }
    painter.restore();
}

// The box a header's caption is written in.
QRect captionBox(const QRect& header) {
    return header.adjusted(4, 0, -8, 0);
}

// The main window as it looks with the button list, the axis panel and two settings pages
// open, the first button highlighted: every image at the position the window draws it.
QImage mainWindowScene(SkinLibrary& skin) {
    QImage scene = canvas(kMainBackgroundFile.size(), Qt::black);
    QPainter painter(&scene);
    const auto put = [&](const char* name, int x, int y) {
        painter.drawImage(x, y, skin.image(QString::fromLatin1(name)));
    };
    const auto draw = [&](const SkinFile& file, QPoint at) {
        painter.drawImage(at, skin.image(file));
    };
    draw(kMainBackgroundFile, {0, 0});
    draw(kLogoFile, layout::kLogo);
    draw(kMiddleColumnFile, layout::kViewArea.topLeft());
    const layout::MouseViewPicture& front = *layout::mouseViewPicture(kFrontView);
    draw(*front.base, front.at);
    for (const layout::ButtonOverlay& overlay : front.overlays) {
        draw(overlay.button == 0 ? overlay.files->over : overlay.files->normal, overlay.at);
    }
    draw(kLeftColumnFile, layout::kLeftColumn);
    draw(kSmallLogoFile, layout::kSmallLogo);
    draw(kHeaderFile, layout::kAssignmentHeader.topLeft());
    label(painter, captionBox(layout::kAssignmentHeader), QStringLiteral("Button Assignment"), 13);
    draw(kFrontPanelFile, layout::kPanelArea.topLeft());
    const char* functions[] = {"Left Click", "Right Click", "Middle Click",       "Forward",
                               "Back",       "DPI Loop",    "Macro: Reload burst"};
    for (int row = 0; row < kFrontPanelRows; ++row) {
        label(painter, layout::panelCaptionBox(row), QStringLiteral("Button %1").arg(row + 1), 12,
              Qt::AlignCenter);
        const QPoint at = layout::panelLabelPosition(row);
        draw(row == 0 ? kLabelOverFile : kLabelNormalFile, at);
        label(painter, QRect(at, layout::kPanelLabelSize).adjusted(4, 0, -5, 0),
              QString::fromLatin1(functions[row]), 13);
    }
    const int listHeight = kFrontPanelFile.height;
    const QRect headers[] = {layout::kMacroHeader.translated(0, listHeight),
                             layout::kGunHeader.translated(0, listHeight),
                             layout::kAxisHeader.translated(0, listHeight)};
    const char* captions[] = {"Macro Manager", "Gun Manager", "Axis Sensitivity"};
    for (int i = 0; i < 3; ++i) {
        draw(i == 0 ? kMacroHeaderFile : kHeaderFile, headers[i].topLeft());
        label(painter, captionBox(headers[i]), QString::fromLatin1(captions[i]), 13);
    }
    const QPoint axisPanel(headers[2].left(), headers[2].bottom() + 1);
    draw(kAxisPanelFile, axisPanel);
    const int textLeft = axisPanel.x() + layout::kSliderLeftOffset;
    for (int axis = 0; axis < 2; ++axis) {
        const int top = axisPanel.y() + layout::kSliderSpacing * axis;
        label(painter, QRect(textLeft, top + 5, layout::kAxisTextRight - textLeft, 20),
              axis == 0 ? QStringLiteral("x-Axis") : QStringLiteral("y-Axis"));
        const QPoint slider(textLeft, top + layout::kSliderTopOffset);
        const QSize track(layout::kSliderTrackSource.width(), layout::kSliderSize.height());
        painter.drawImage(slider, skin.image(kSliderEmptyFile), QRect(QPoint(0, 0), track));
        painter.drawImage(slider, skin.image(kSliderFullFile),
                          QRect(0, 0, layout::kSliderSize.width() * (axis == 0 ? 5 : 8) / 9,
                                layout::kSliderSize.height()));
        for (int mark = 0; mark < layout::kScaleMarks; ++mark) {
            label(painter,
                  QRect(layout::kScaleFirstLeft + layout::kScaleStep * mark, top + 35, 20, 20),
                  QString::number(mark + 1), 11);
        }
    }
    draw(kHelpNormalFile, layout::kHelpButton.topLeft());
    draw(kMinimiseNormalFile, layout::kMinimiseButton.topLeft());
    draw(kCloseOverFile, layout::kCloseButton.topLeft());
    draw(kConfigNormalFile, layout::kProfileButton.topLeft());
    label(painter, layout::kProfileButton, QStringLiteral("Config"), 14, Qt::AlignCenter);
    const struct {
        QRect rect;
        const SkinFile& look;
        const char* caption;
    } commands[] = {{layout::kResetButton, kCommandNormalFile, "Reset"},
                    {layout::kCancelButton, kCommandOverFile, "Cancel"},
                    {layout::kApplyButton, kCommandLeaveFile, "Apply"}};
    for (const auto& command : commands) {
        draw(command.look, command.rect.topLeft());
        label(painter, command.rect, QString::fromLatin1(command.caption), 14, Qt::AlignCenter);
    }
    draw(kViewTabLeaveFile, layout::kViewTabs[0].topLeft());
    draw(kViewTabOverFile, layout::kViewTabs[1].topLeft());
    label(painter, layout::kViewTabs[0], QStringLiteral("Top View"), 13, Qt::AlignCenter);
    label(painter, layout::kViewTabs[1], QStringLiteral("Side View"), 13, Qt::AlignCenter);

    // The settings panel with the DPI and report rate pages open.
    painter.save();
    painter.translate(735, 32);
    painter.setClipRect(QRect(0, 0, 260, 561));
    put("BK_MainRight.png", 0, 0);
    const auto panelHeader = [&](int top, const char* caption) {
        draw(kHeaderFile, {0, top});
        label(painter, QRect(4, top, 230, 20), QString::fromLatin1(caption), 13);
    };
    panelHeader(2, "DPI Setting");
    put("DPISetting/BK_DPISetting.png", 0, 22);
    const int stageLeft[] = {25, 61, 97, 133, 169, 205};
    const int stageIndex[] = {4, 9, 19, 29, 39, 54};
    const char* stageText[] = {"500", "1000", "2000", "3000", "4000", "6000"};
    for (int s = 0; s < 6; ++s) {
        const int x = stageLeft[s];
        const int fill = std::min(170, 170 * (stageIndex[s] - 1) / 52);
        painter.drawImage(QPoint(x, 25), skin.image(QStringLiteral("DPISetting/DPIStage/0.png")));
        painter.drawImage(QPoint(x, 25 + 170 - fill),
                          skin.image(QStringLiteral("DPISetting/DPIStage/164.png")),
                          QRect(0, 0, 7, std::min(fill, 169)));
        put("DPISetting/BK-DPIValue.png", x - 5, 22 + 182);
        label(painter, QRect(x - 5, 22 + 182, 25, 11), QString::fromLatin1(stageText[s]), 9,
              Qt::AlignCenter);
        put(s == 4 ? "Disable.png" : "Enable.png", x, 22 + 202);
        const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
        painter.fillRect(QRect(x, 22 + 215, 10, 10), colours[s]);
    }
    panelHeader(259, "Lighting");
    panelHeader(284, "Polling Rate");
    put("USBReportRate/BK_USBReportRate.png", 0, 304);
    put("USBReportRate/500HZ.png", 57, 309);
    panelHeader(443, "Mouse Speed");
    put("MouseAttribute/BK_MouseAttribute.png", 0, 463);
    put("MouseAttribute/Speed/6.png", 50, 483);
    label(painter, QRect(5, 551, 45, 15), QStringLiteral("Slow"), 13, Qt::AlignRight);
    label(painter, QRect(192, 551, 45, 15), QStringLiteral("Fast"), 13);
    const QImage& cells = skin.image(kScrollBarCellsFile);
    painter.drawImage(QPoint(247, 0), cells, QRect(0, 0, 13, 16));
    for (int y = 16; y < 545; y += 16) {
        painter.drawImage(QPoint(247, y), cells, QRect(39, 0, 13, 16));
    }
    painter.drawImage(QPoint(247, 40), cells, QRect(26, 0, 13, 6));
    for (int y = 46; y < 260; y += 4) {
        painter.drawImage(QPoint(247, y), cells, QRect(26, 6, 13, 4));
    }
    painter.drawImage(QPoint(247, 260), cells, QRect(26, 10, 13, 6));
    painter.drawImage(QPoint(247, 545), cells, QRect(13, 0, 13, 16));
    painter.restore();
    return scene;
}

// One mouse view inside the middle column, with its second overlay lit, or every overlay.
QImage mouseScene(SkinLibrary& skin, int view, bool allLit) {
    QImage scene = canvas(kMiddleColumnFile.size(), Qt::black);
    QPainter painter(&scene);
    painter.drawImage(0, 0, skin.image(kMiddleColumnFile));
    painter.translate(-layout::kViewArea.topLeft());
    const layout::MouseViewPicture& picture = *layout::mouseViewPicture(view);
    painter.drawImage(picture.at, skin.image(*picture.base));
    for (std::size_t i = 0; i < picture.overlays.size(); ++i) {
        const layout::ButtonOverlay& overlay = picture.overlays[i];
        const bool lit = allLit || i == 1;
        painter.drawImage(overlay.at,
                          skin.image(lit ? overlay.files->over : overlay.files->normal));
    }
    return scene;
}

}  // namespace

QImage contactSheet(const QString& skinsFolder) {
    SkinLibrary skin(skinsFolder);
    struct Tile {
        QString caption;
        QImage image;
    };
    std::vector<Tile> scenes;
    scenes.push_back({QStringLiteral("main window: button 1 highlighted"), mainWindowScene(skin)});
    scenes.push_back(
        {QStringLiteral("side view: button 9 highlighted"), mouseScene(skin, kSideView, false)});
    scenes.push_back(
        {QStringLiteral("front view: every overlay lit"), mouseScene(skin, kFrontView, true)});
    scenes.push_back(
        {QStringLiteral("side view: every overlay lit"), mouseScene(skin, kSideView, true)});
    scenes.push_back(
        {QStringLiteral("back view: every overlay lit"), mouseScene(skin, kBackView, true)});
    for (auto& [caption, image] : dialogScenes(skin)) {
        scenes.push_back({caption, image});
    }
    std::vector<Tile> files;
    for (const SkinFile& file : kSkinFiles) {
        files.push_back(
            {QStringLiteral("%1  %2x%3").arg(qText(file.name)).arg(file.width).arg(file.height),
             skin.image(qText(file.name))});
    }

    // Flow the tiles into rows: scenes first, then every file in list order.
    struct Placed {
        const Tile* tile;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    const auto place = [&](const Tile& tile, int width, int height) {
        if (x + width > kSheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&tile, QPoint(x, y)});
        x += width + kGap;
        rowHeight = std::max(rowHeight, height + kLabelHeight + 4);
    };
    for (const Tile& tile : scenes) {
        place(tile, tile.image.width(), tile.image.height());
    }
    x = kSheetWidth;
    for (const Tile& tile : files) {
        place(tile, std::max({tile.image.width(), 60, static_cast<int>(tile.caption.size()) * 6}),
              std::max(tile.image.height(), 12));
    }
    QImage sheet = canvas(QSize(kSheetWidth, y + rowHeight + kGap), QColor(30, 30, 36));
    QPainter painter(&sheet);
    for (const Placed& item : placed) {
        const QImage& image = item.tile->image;
        const QRect area(item.at, image.isNull() ? QSize(60, 12) : image.size());
        checker(painter, area);
        if (image.isNull()) {
            painter.fillRect(area, Qt::magenta);
        } else {
            painter.drawImage(item.at, image);
        }
        label(painter, QRect(item.at.x(), area.bottom() + 3, 1000, kLabelHeight),
              item.tile->caption, 11);
    }
    return sheet;
}

}  // namespace gx508::skin

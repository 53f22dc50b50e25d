#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <string_view>
#include <vector>

#include "DialogScenes.h"
#include "Families.h"
#include "Paint.h"
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

// The main window as it looks with the button list, the axis panel and two settings pages
// open, the first button highlighted: every image at the position the window draws it.
QImage mainWindowScene(SkinLibrary& skin) {
    QImage scene = canvas(QSize(1000, 642), Qt::black);
    QPainter painter(&scene);
    const auto put = [&](const char* name, int x, int y) {
        painter.drawImage(x, y, skin.image(QString::fromLatin1(name)));
    };
    put("main.png", 0, 0);
    put("Logo.png", 20, 32);
    put("BK_MainMid.png", 262, 32);
    const MouseViewLayout front = mouseViewLayouts().front();
    painter.drawImage(front.origin, skin.image(QString::fromStdString(front.base)));
    for (const auto& [name, position] : front.overlays) {
        const bool lit = name.ends_with("F-1");
        painter.drawImage(
            position,
            skin.image(QString::fromStdString(name + (lit ? "-over.png" : "-normal.png"))));
    }
    put("BK_MainLeft.png", 20, 107);
    put("MLogo.png", 40, 525);
    put("ItemBK.png", 20, 107);
    label(painter, QRect(24, 107, 230, 20), QStringLiteral("Button Assignment"), 13);
    put("ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
    const char* functions[] = {"Left Click", "Right Click", "Middle Click",       "Forward",
                               "Back",       "DPI Loop",    "Macro: Reload burst"};
    for (int row = 0; row < 7; ++row) {
        label(painter, QRect(31, 156 + 20 * row, 84, 14), QStringLiteral("Button %1").arg(row + 1),
              12, Qt::AlignCenter);
        put(row == 0 ? "ButtonAssignment/DropdownBox-over.png"
                     : "ButtonAssignment/DropdownBox-normal.png",
            120, 154 + 20 * row);
        label(painter, QRect(124, 154 + 20 * row, 121, 16), QString::fromLatin1(functions[row]),
              13);
    }
    const char* headers[] = {"Macro Manager", "Gun Manager", "Axis Sensitivity"};
    for (int i = 0; i < 3; ++i) {
        put(i == 0 ? "MacroManagementBK.png" : "ItemBK.png", 20, 306 + 25 * i);
        label(painter, QRect(24, 306 + 25 * i, 230, 20), QString::fromLatin1(headers[i]), 13);
    }
    put("XYSensitivity/BK_XYSensSetting.png", 20, 376);
    for (int axis = 0; axis < 2; ++axis) {
        const int top = 376 + 45 * axis;
        label(painter, QRect(37, top + 5, 200, 20),
              axis == 0 ? QStringLiteral("x-Axis") : QStringLiteral("y-Axis"));
        painter.drawImage(QPoint(37, top + 25), skin.image(QStringLiteral("StageSlider/1.png")),
                          QRect(0, 0, 206, 9));
        painter.drawImage(QPoint(37, top + 25), skin.image(QStringLiteral("StageSlider/10.png")),
                          QRect(0, 0, 208 * (axis == 0 ? 5 : 8) / 9, 9));
        for (int mark = 1; mark <= 10; ++mark) {
            label(painter, QRect(24 + 21 * mark, top + 35, 20, 20), QString::number(mark), 11);
        }
    }
    put("button-help-normal.png", 937, 5);
    put("button-min-normal.png", 958, 5);
    put("button-close-over.png", 979, 5);
    put("button-config-normal.png", 18, 604);
    put("button-cancel-normal.png", 798, 604);
    put("button-cancel-over.png", 860, 604);
    put("button-cancel-leave.png", 923, 604);
    label(painter, QRect(18, 604, 72, 30), QStringLiteral("Config"), 14, Qt::AlignCenter);
    const char* commands[] = {"Reset", "Cancel", "Apply"};
    for (int i = 0; i < 3; ++i) {
        label(painter, QRect(798 + 62 * i + (i == 2 ? 1 : 0), 604, 57, 30),
              QString::fromLatin1(commands[i]), 14, Qt::AlignCenter);
    }
    put("button-mouse-leave.png", 437, 527);
    put("button-mouse-over.png", 503, 527);
    label(painter, QRect(437, 527, 62, 29), QStringLiteral("Top View"), 13, Qt::AlignCenter);
    label(painter, QRect(503, 527, 62, 29), QStringLiteral("Side View"), 13, Qt::AlignCenter);

    // The settings panel with the DPI and report rate pages open.
    painter.save();
    painter.translate(735, 32);
    painter.setClipRect(QRect(0, 0, 260, 561));
    put("BK_MainRight.png", 0, 0);
    const auto panelHeader = [&](int top, const char* caption) {
        put("ItemBK.png", 0, top);
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
    const QImage& cells = skin.image(QString::fromLatin1(kScrollBarCellsFile.data()));
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

// One mouse view inside the middle column, with the named overlays lit.
QImage mouseScene(SkinLibrary& skin, const MouseViewLayout& view, bool allLit) {
    QImage scene = canvas(QSize(472, 561), Qt::black);
    QPainter painter(&scene);
    painter.drawImage(0, 0, skin.image(QStringLiteral("BK_MainMid.png")));
    painter.translate(-262, -32);
    painter.drawImage(view.origin, skin.image(QString::fromStdString(view.base)));
    for (size_t i = 0; i < view.overlays.size(); ++i) {
        const auto& [name, position] = view.overlays[i];
        const bool lit = allLit || i == 1;
        painter.drawImage(
            position,
            skin.image(QString::fromStdString(name + (lit ? "-over.png" : "-normal.png"))));
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
    const std::vector<MouseViewLayout> views = mouseViewLayouts();
    scenes.push_back(
        {QStringLiteral("side view: button 9 highlighted"), mouseScene(skin, views[1], false)});
    scenes.push_back(
        {QStringLiteral("front view: every overlay lit"), mouseScene(skin, views[0], true)});
    scenes.push_back(
        {QStringLiteral("side view: every overlay lit"), mouseScene(skin, views[1], true)});
    scenes.push_back(
        {QStringLiteral("back view: every overlay lit"), mouseScene(skin, views[2], true)});
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

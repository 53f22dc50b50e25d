// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogScenes.h"

#include <QFont>
#include <QPainter>

namespace gx508::skin {

namespace {

// Draws images and sample texts onto one dialog preview.
class Scene {
  public:
    Scene(SkinLibrary& skin, const QString& background) : Scene(skin, skin.image(background)) {}
    Scene(SkinLibrary& skin, const QImage& background)
        : m_skin(skin),
          m_image(background.convertToFormat(QImage::Format_RGB32)),
          m_painter(&m_image) {}

    void crop(const QString& name, const QPoint& at, const QRect& part) {
        m_painter.drawImage(at, m_skin.image(name), part);
    }

    void put(const QString& name, int x, int y) { m_painter.drawImage(x, y, m_skin.image(name)); }

    void text(const QRect& box, const QString& caption, int flags = Qt::AlignCenter,
              int pixelSize = 13, const QColor& colour = QColor(253, 253, 253)) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixelSize);
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(box, flags | Qt::TextWordWrap, caption);
    }

    void fill(const QRect& box, const QColor& colour) { m_painter.fillRect(box, colour); }

    QImage done() {
        m_painter.end();
        return m_image;
    }

  private:
    SkinLibrary& m_skin;
    QImage m_image;
    QPainter m_painter;
};

QImage profileScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("Config/Config.png"));
    s.text(QRect(10, 0, 70, 31), QStringLiteral("Configuration"), Qt::AlignVCenter | Qt::AlignLeft);
    s.put(QStringLiteral("button-close-normal.png"), 240, 8);
    const char* names[] = {"Profile 1", "Gaming", "Profile 3"};
    for (int i = 0; i < 3; ++i) {
        if (i == 1) {
            s.fill(QRect(0, 33 + 16 * i, 263, 16), QColor(0, 120, 215));
        }
        s.text(QRect(4, 33 + 16 * i, 250, 16), QString::fromLatin1(names[i]),
               Qt::AlignVCenter | Qt::AlignLeft, 13, QColor(250, 250, 250));
    }
    s.put(QStringLiteral("Config/New-Config.png"), 14, 582);
    s.put(QStringLiteral("Config/Del-Config.png"), 124, 582);
    s.text(QRect(30, 575, 50, 23), QStringLiteral("New"));
    s.text(QRect(140, 575, 50, 23), QStringLiteral("Delete"));
    return s.done();
}

QImage macroManagerScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("MacroManagement/MacroManagement.png"));
    s.text(QRect(15, 0, 399, 31), QStringLiteral("Macro Manager"), Qt::AlignVCenter | Qt::AlignLeft,
           12);
    s.put(QStringLiteral("macro-button-close-over.png"), 427, 17);
    s.text(QRect(16, 60, 118, 18), QStringLiteral("Select Macro"), Qt::AlignCenter, 12);
    s.text(QRect(148, 60, 118, 18), QStringLiteral("Keystroke Sequence"), Qt::AlignCenter, 12);
    s.text(QRect(279, 60, 118, 18), QStringLiteral("Options"), Qt::AlignCenter, 12);
    s.put(QStringLiteral("MacroManagement/Record-normal.png"), 295, 87);
    s.text(QRect(299, 87, 80, 24), QStringLiteral("Start Recording"), Qt::AlignVCenter, 12);
    s.text(QRect(290, 136, 80, 70), QStringLiteral("Record delay between keystrokes"),
           Qt::AlignLeft | Qt::AlignTop, 12);
    s.put(QStringLiteral("MacroManagement/PaneMakingTick.png"), 370, 144);
    s.text(QRect(296, 299, 105, 15), QStringLiteral("Number of Loops"),
           Qt::AlignLeft | Qt::AlignTop, 12);
    s.put(QStringLiteral("MacroManagement/Pane.png"), 296, 314);
    s.text(QRect(298, 333, 81, 12), QStringLiteral("1"), Qt::AlignCenter, 11);
    s.put(QStringLiteral("MacroManagement/button-new-over.png"), 17, 367);
    s.put(QStringLiteral("MacroManagement/button-new-normal.png"), 77, 367);
    s.put(QStringLiteral("MacroManagement/button-cancel-normal.png"), 298, 394);
    s.put(QStringLiteral("MacroManagement/button-cancel-normal.png"), 354, 394);
    s.text(QRect(17, 367, 58, 25), QStringLiteral("New"), Qt::AlignCenter, 12);
    s.text(QRect(77, 367, 58, 25), QStringLiteral("Delete"), Qt::AlignCenter, 12);
    s.text(QRect(298, 394, 54, 28), QStringLiteral("OK"), Qt::AlignCenter, 12);
    s.text(QRect(354, 394, 54, 28), QStringLiteral("Cancel"), Qt::AlignCenter, 12);
    return s.done();
}

QImage selectorScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("macro-key.png"));
    s.put(QStringLiteral("button-close-normal.png"), 352, 6);
    s.text(QRect(12, 96, 169, 32), QStringLiteral("Please select a macro!"));
    s.text(QRect(44, 128, 92, 16), QStringLiteral("Macro 1"), Qt::AlignVCenter | Qt::AlignLeft);
    const char* modes[] = {"Macro runs one-time after pressing the button.",
                           "Macro runs endless loop until any button is pressed. ",
                           "Macro runs endless loop until button is released. "};
    for (int i = 0; i < 3; ++i) {
        s.put(i == 0 ? QStringLiteral("PaneMakingTick.png") : QStringLiteral("Pane.png"), 220,
              78 + 50 * i);
        s.text(QRect(241, 70 + 50 * i, 149, 32), QString::fromLatin1(modes[i]),
               Qt::AlignLeft | Qt::AlignVCenter);
    }
    s.put(QStringLiteral("MacroManagement/button-new-over.png"), 250, 250);
    s.put(QStringLiteral("MacroManagement/button-new-normal.png"), 314, 250);
    s.text(QRect(250, 250, 58, 25), QStringLiteral("OK"));
    s.text(QRect(314, 250, 58, 25), QStringLiteral("Cancel"));
    return s.done();
}

QImage singleKeyScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("single-key.png"));
    s.put(QStringLiteral("button-close-over.png"), 352, 6);
    s.text(QRect(34, 103, 186, 20), QStringLiteral("Please assign a key"), Qt::AlignCenter, 14);
    s.text(QRect(74, 129, 76, 14), QStringLiteral("Left Shift"), Qt::AlignCenter, 13, Qt::black);
    s.put(QStringLiteral("MacroManagement/button-cancel-normal.png"), 244, 250);
    s.put(QStringLiteral("MacroManagement/button-cancel-normal.png"), 314, 250);
    s.text(QRect(244, 250, 54, 25), QStringLiteral("Ok"), Qt::AlignCenter, 14);
    s.text(QRect(314, 250, 54, 25), QStringLiteral("Cancel"), Qt::AlignCenter, 14);
    return s.done();
}

QImage gunManagerScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("MacroGunMan/main.png"));
    s.text(QRect(15, 10, 300, 16), QStringLiteral("Gun Managent"), Qt::AlignLeft | Qt::AlignTop,
           14);
    s.text(QRect(18, 58, 120, 24), QStringLiteral("Gun Name"), Qt::AlignCenter, 14);
    s.text(QRect(150, 58, 120, 24), QStringLiteral("Sequence"), Qt::AlignCenter, 14);
    s.text(QRect(280, 58, 120, 24), QStringLiteral("Recording Optoin"), Qt::AlignCenter, 14);
    const char* commands[] = {"Start Recording", "Insert Keyboard Events", "Insert Mouse Events",
                              "Insert Cursor Displacements", "Insert Delay"};
    const int tops[] = {87, 120, 154, 187, 220};
    for (int i = 0; i < 5; ++i) {
        s.put(i == 1 ? QStringLiteral("MacroGunMan/Record-over.png")
                     : QStringLiteral("MacroGunMan/Record-normal.png"),
              292, tops[i]);
        s.text(QRect(296, tops[i], 87, 26), QString::fromLatin1(commands[i]),
               Qt::AlignVCenter | Qt::AlignLeft, 11);
    }
    s.put(QStringLiteral("MacroGunMan/Sel-down.png"), 292, 295);
    s.text(QRect(312, 295, 80, 16), QStringLiteral("Record delay"), Qt::AlignLeft | Qt::AlignTop,
           14);
    s.put(QStringLiteral("MacroGunMan/Sel-normal.png"), 292, 316);
    s.text(QRect(312, 312, 80, 16), QStringLiteral("Loop"), Qt::AlignLeft | Qt::AlignTop, 14);
    const struct {
        int x;
        int y;
        const char* caption;
    } buttons[] = {{22, 363, "New"}, {82, 363, "Delete"}, {299, 389, "OK"}, {355, 389, "Cancel"}};
    for (const auto& button : buttons) {
        s.put(QStringLiteral("MacroGunMan/Btn-normal.png"), button.x, button.y);
        s.text(QRect(button.x, button.y, 52, 27), QString::fromLatin1(button.caption),
               Qt::AlignCenter, 14);
    }
    return s.done();
}

QImage keyScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("MacroGunMan/box.png"));
    s.text(QRect(10, 6, 300, 16), QStringLiteral("Insert Keyboard Key"),
           Qt::AlignLeft | Qt::AlignTop, 14);
    s.text(QRect(11, 50, 300, 16), QStringLiteral("Please assign a key"),
           Qt::AlignLeft | Qt::AlignTop, 14);
    s.text(QRect(52, 86, 308, 34), QStringLiteral("Num Enter"), Qt::AlignCenter, 14);
    s.put(QStringLiteral("button-close-normal.png"), 362, 6);
    s.put(QStringLiteral("MacroManagement/button-cancel-over.png"), 270, 376);
    s.put(QStringLiteral("MacroManagement/button-cancel-normal.png"), 325, 376);
    s.text(QRect(270, 376, 54, 25), QStringLiteral("Ok"), Qt::AlignCenter, 14);
    s.text(QRect(325, 376, 54, 25), QStringLiteral("Cancel"), Qt::AlignCenter, 14);
    return s.done();
}

QImage mouseEventScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("MacroGunMan/Insert Mouse/main.png"));
    s.text(QRect(15, 10, 300, 16), QStringLiteral("Insert Mouse Event"),
           Qt::AlignLeft | Qt::AlignTop, 14);
    s.put(QStringLiteral("MacroGunMan/Insert Mouse/Selector.png"), 155, 50);
    const struct {
        QRect box;
        const char* caption;
    } labels[] = {{{35, 131, 80, 13}, "Left"},
                  {{170, 131, 80, 13}, "Right"},
                  {{300, 131, 80, 13}, "Middle"},
                  {{30, 270, 80, 13}, "Forward"},
                  {{173, 270, 80, 13}, "Back"}};
    for (const auto& item : labels) {
        s.text(item.box.adjusted(0, -2, 0, 2), QString::fromLatin1(item.caption), Qt::AlignCenter,
               14);
    }
    s.put(QStringLiteral("MacroGunMan/Btn-down.png"), 299, 389);
    s.put(QStringLiteral("MacroGunMan/Btn-normal.png"), 355, 389);
    s.text(QRect(299, 389, 52, 27), QStringLiteral("OK"), Qt::AlignCenter, 14);
    s.text(QRect(355, 389, 52, 27), QStringLiteral("Cancel"), Qt::AlignCenter, 14);
    return s.done();
}

QImage cursorScene(SkinLibrary& skin) {
    Scene s(skin, QStringLiteral("MacroGunMan/Insert Cursor/main.png"));
    s.text(QRect(15, 10, 300, 16), QStringLiteral("Insert Cursor Displacements"),
           Qt::AlignLeft | Qt::AlignTop, 14);
    s.put(QStringLiteral("MacroGunMan/Insert Cursor/Select.png"), 207 + 60, 203 - 45);
    s.text(QRect(43, 378, 20, 16), QStringLiteral("X"), Qt::AlignLeft | Qt::AlignTop, 14);
    s.text(QRect(43, 401, 20, 16), QStringLiteral("Y"), Qt::AlignLeft | Qt::AlignTop, 14);
    s.text(QRect(75, 380, 55, 13), QStringLiteral("60"), Qt::AlignCenter, 12);
    s.text(QRect(75, 400, 55, 13), QStringLiteral("45"), Qt::AlignCenter, 12);
    s.put(QStringLiteral("MacroGunMan/Btn-normal.png"), 299, 394);
    s.put(QStringLiteral("MacroGunMan/Btn-normal.png"), 355, 394);
    s.text(QRect(299, 394, 52, 27), QStringLiteral("OK"), Qt::AlignCenter, 14);
    s.text(QRect(355, 394, 52, 27), QStringLiteral("Cancel"), Qt::AlignCenter, 14);
    return s.done();
}

// The settings pages the main window preview leaves closed, each under its header.
QImage settingsPagesScene(SkinLibrary& skin) {
    Scene s(skin, skin.image(QStringLiteral("BK_MainRight.png")).copy(0, 0, 260, 561));
    const auto header = [&](int top, const char* caption) {
        s.put(QStringLiteral("ItemBK.png"), 0, top);
        s.text(QRect(4, top, 230, 20), QString::fromLatin1(caption),
               Qt::AlignVCenter | Qt::AlignLeft);
    };
    header(2, "Lighting");
    s.put(QStringLiteral("Lighting/BK_Lighting.png"), 0, 22);
    const char* modes[] = {"Standard", "Respiration", "Neon"};
    const char* marks[3][5] = {{"0%", "25%", "50%", "75%", "100%"},
                               {"4S", "5S", "6S", "7S", "8S"},
                               {"3S", "6S", "9S", "12S", "15S"}};
    const int offsets[3][5] = {{0, 25, 55, 85, 115}, {0, 30, 60, 90, 120}, {0, 30, 60, 90, 120}};
    const int fills[] = {128, 51, 77};
    for (int i = 0; i < 3; ++i) {
        const int top = 22 + 20 + 29 * i;
        s.put(i == 1 ? QStringLiteral("Enable.png") : QStringLiteral("Disable.png"), 10, top);
        s.text(QRect(25, top - 5, 65, 19), QString::fromLatin1(modes[i]),
               Qt::AlignVCenter | Qt::AlignLeft, 11);
        s.crop(QStringLiteral("StageSlider/1.png"), QPoint(100, top), QRect(1, 0, 127, 8));
        s.crop(QStringLiteral("StageSlider/10.png"), QPoint(100, top), QRect(1, 0, fills[i], 8));
        for (int m = 0; m < 5; ++m) {
            s.text(QRect(100 + offsets[i][m], top + 13, 30, 15), QString::fromLatin1(marks[i][m]),
                   Qt::AlignVCenter | Qt::AlignLeft, 11);
        }
    }
    header(137, "Double-Click Speed");
    s.put(QStringLiteral("MouseAttribute/BK_MouseAttribute.png"), 0, 157);
    s.put(QStringLiteral("MouseAttribute/Speed/11.png"), 50, 177);
    s.text(QRect(5, 245, 45, 15), QStringLiteral("Slow"), Qt::AlignVCenter | Qt::AlignRight);
    s.text(QRect(192, 245, 45, 15), QStringLiteral("Fast"), Qt::AlignVCenter | Qt::AlignLeft);
    header(274, "Mouse Speed");
    s.put(QStringLiteral("MouseAttribute/BK_MouseAttribute.png"), 0, 294);
    s.put(QStringLiteral("MouseAttribute/Speed/1.png"), 50, 314);
    header(411, "Scroll Speed");
    s.put(QStringLiteral("MouseAttribute/BK_ScrollSpeed.png"), 0, 431);
    s.put(QStringLiteral("MouseAttribute/ScrollSpeed/Enable.png"), 5, 448);
    s.put(QStringLiteral("MouseAttribute/ScrollSpeed/Disable.png"), 5, 481);
    s.put(QStringLiteral("MouseAttribute/ScrollSpeed/ScrollLines.png"), 150, 446);
    s.text(QRect(150, 446, 36, 14), QStringLiteral("3"));
    s.text(QRect(24, 445, 132, 16), QStringLiteral("Number of Rows"),
           Qt::AlignVCenter | Qt::AlignLeft);
    s.text(QRect(24, 481, 132, 12), QStringLiteral("Scroll One screenn"),
           Qt::AlignVCenter | Qt::AlignLeft);
    header(508, "Angle Snapping");
    s.put(QStringLiteral("AngleSnap/BK_AngleSnap.png"), 0, 528);
    s.put(QStringLiteral("Enable.png"), 25, 558);
    s.put(QStringLiteral("Disable.png"), 140, 558);
    s.text(QRect(40, 556, 60, 15), QStringLiteral("ON"), Qt::AlignLeft | Qt::AlignTop);
    s.text(QRect(155, 556, 60, 15), QStringLiteral("OFF"), Qt::AlignLeft | Qt::AlignTop);
    return s.done();
}

}  // namespace

std::vector<std::pair<QString, QImage>> dialogScenes(SkinLibrary& skin) {
    return {
        {QStringLiteral("settings pages"), settingsPagesScene(skin)},
        {QStringLiteral("profile manager"), profileScene(skin)},
        {QStringLiteral("macro manager"), macroManagerScene(skin)},
        {QStringLiteral("macro selector"), selectorScene(skin)},
        {QStringLiteral("single key dialog"), singleKeyScene(skin)},
        {QStringLiteral("gun macro manager"), gunManagerScene(skin)},
        {QStringLiteral("gun keyboard step"), keyScene(skin)},
        {QStringLiteral("gun mouse event step"), mouseEventScene(skin)},
        {QStringLiteral("gun cursor step"), cursorScene(skin)},
    };
}

}  // namespace gx508::skin

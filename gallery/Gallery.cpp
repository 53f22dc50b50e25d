// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gallery.h"

#include <QAction>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "Backdrop.h"
#include "Sheet.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarker.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CSkinScrollBar.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/FontMap.h"
#include "support/WidgetProbe.h"

namespace gx508::gallery {

using test::sendMouse;

namespace {

QFont menuFont() {
    return mappedFont(QStringLiteral("Arial"), 13);
}

ExMenuItem command(const QString& text, int command) {
    return {text, command, false, std::nullopt};
}

ExMenuItem submenu(const QString& text, int width, std::vector<ExMenuItem> items) {
    return {text, 0, false, ExMenuModel{width, std::move(items)}};
}

}  // namespace

Gallery::Gallery(const QString& skinsFolder, QString outputFolder)
    : m_skin(skinsFolder), m_output(std::move(outputFolder)) {}

QImage Gallery::image(const QString& name) {
    const QImage loaded = m_skin.image(name);
    check(!loaded.isNull(), QStringLiteral("missing skin image ") + name);
    return loaded;
}

QPixmap Gallery::bitmap(const QString& name) {
    const QPixmap loaded = m_skin.loadBitmap(name);
    check(!loaded.isNull(), QStringLiteral("missing skin image ") + name);
    return loaded;
}

bool Gallery::check(bool holds, const QString& problem) {
    if (!holds && !m_problems.contains(problem)) {
        m_problems.append(problem);
    }
    return holds;
}

void Gallery::save(const Sheet& sheet, const QString& name) {
    const QString path = QDir(m_output).absoluteFilePath(name);
    check(QDir().mkpath(m_output) && sheet.save(path), QStringLiteral("cannot write ") + path);
}

void Gallery::buttons() {
    struct Kind {
        QString caption;
        QString normal;
        QString hover;
        QString pressed;
        QSize size;
        QString text;
        ButtonTextAlignment alignment;
        int fontHeight;
    };
    const Kind kinds[] = {
        {QStringLiteral("Apply (button-config)"),
         QStringLiteral("button-config-normal.png"),
         QStringLiteral("button-config-over.png"),
         QStringLiteral("button-config-leave.png"),
         {72, 30},
         QStringLiteral("Apply"),
         ButtonTextAlignment::Centre,
         14},
        {QStringLiteral("Cancel (button-cancel)"),
         QStringLiteral("button-cancel-normal.png"),
         QStringLiteral("button-cancel-over.png"),
         QStringLiteral("button-cancel-leave.png"),
         {57, 30},
         QStringLiteral("Cancel"),
         ButtonTextAlignment::Centre,
         14},
        {QStringLiteral("View tab (button-mouse)"),
         QStringLiteral("button-mouse-normal.png"),
         QStringLiteral("button-mouse-over.png"),
         QStringLiteral("button-mouse-leave.png"),
         {62, 29},
         QStringLiteral("Top View"),
         ButtonTextAlignment::Centre,
         13},
        {QStringLiteral("Function label (DropdownBox)"),
         QStringLiteral("ButtonAssignment/DropdownBox-normal.png"),
         QStringLiteral("ButtonAssignment/DropdownBox-over.png"),
         QStringLiteral("ButtonAssignment/DropdownBox-over.png"),
         {130, 16},
         QStringLiteral("Multimedia: Volume Up and more"),
         ButtonTextAlignment::Left,
         13},
        {QStringLiteral("Section header (ItemBK)"),
         QStringLiteral("ItemBK.png"),
         QStringLiteral("ItemBK.png"),
         QStringLiteral("ItemBK.png"),
         {242, 20},
         QStringLiteral("DPI Setting"),
         ButtonTextAlignment::Left,
         13},
        {QStringLiteral("Record (MacroManagement)"),
         QStringLiteral("MacroManagement/Record-normal.png"),
         QStringLiteral("MacroManagement/Record-over.png"),
         QStringLiteral("MacroManagement/Record-over.png"),
         {89, 24},
         QStringLiteral("Start Recording"),
         ButtonTextAlignment::Centre,
         14},
        {QStringLiteral("OK (MacroGunMan/Btn)"),
         QStringLiteral("MacroGunMan/Btn-normal.png"),
         QStringLiteral("MacroGunMan/Btn-down.png"),
         QStringLiteral("MacroGunMan/Btn-down.png"),
         {52, 27},
         QStringLiteral("OK"),
         ButtonTextAlignment::Centre,
         14},
    };
    const QString states[] = {QStringLiteral("normal"), QStringLiteral("hover"),
                              QStringLiteral("pressed"), QStringLiteral("selected"),
                              QStringLiteral("disabled")};

    Sheet sheet({5 * 270 + 20, int(std::size(kinds)) * 60 + 40});
    for (int column = 0; column < 5; ++column) {
        sheet.caption({20 + column * 270, 20}, states[column]);
    }
    int y = 40;
    for (const Kind& kind : kinds) {
        sheet.caption({20, y + 10}, kind.caption);
        for (int column = 0; column < 5; ++column) {
            QWidget window;
            window.resize(kind.size);
            auto* button = new CBitmapBtn(kind.text, QRect(QPoint(0, 0), kind.size), &window);
            const QPixmap normal = bitmap(kind.normal);
            button->setImages(QRect(QPoint(0, 0), kind.size), normal, bitmap(kind.hover),
                              bitmap(kind.pressed), normal);
            button->setTextAlignment(kind.alignment);
            button->setFontHeight(kind.fontHeight);
            window.show();
            switch (column) {
                case 1:
                    sendMouse(*button, QEvent::MouseMove, {5, 5});
                    break;
                case 2:
                    button->setDown(true);
                    break;
                case 3:
                    button->setSelected(true);
                    break;
                case 4:
                    button->setEnabled(false);
                    break;
                default:
                    break;
            }
            sheet.place({20 + column * 270, y + 18}, *button);
        }
        y += 60;
    }
    save(sheet, QStringLiteral("buttons.png"));
}

void Gallery::markers() {
    Sheet sheet({830, 330});

    // The DPI page with its six vertical sliders, at 1, 11, 22, 33, 44 and 53 (full).
    Backdrop dpi(image(QStringLiteral("DPISetting/BK_DPISetting.png")));
    const QPixmap dpiEmpty = bitmap(QStringLiteral("DPISetting/DPIStage/0.png"));
    const QPixmap dpiFull = bitmap(QStringLiteral("DPISetting/DPIStage/164.png"));
    const int dpiPositions[] = {1, 11, 22, 33, 44, 53};
    for (int stage = 0; stage < 6; ++stage) {
        auto* marker = new CDMarkerV(&dpi);
        marker->setGeometry(25 + 36 * stage, 3, 7, 170);
        marker->setTracks(dpiEmpty, dpiFull, QRect(0, 0, 7, 169));
        marker->setRange(1, 54);
        marker->setPosClamped(dpiPositions[stage]);
    }
    sheet.caption({20, 20}, QStringLiteral("DPI page: 1, 11, 22, 33, 44, 53"));
    sheet.place({20, 30}, dpi);

    // The lighting page with its three sliders at 1, 3 and 6; the main window's axis panel with
    // its two sliders at 1 and 11, then at 6 and 10.
    const QPixmap stageEmpty = bitmap(QStringLiteral("StageSlider/1.png"));
    const QPixmap stageFull = bitmap(QStringLiteral("StageSlider/10.png"));
    Backdrop lighting(image(QStringLiteral("Lighting/BK_Lighting.png")));
    const int lightingPositions[] = {1, 3, 6};
    for (int row = 0; row < 3; ++row) {
        auto* marker = new CDMarker(&lighting);
        marker->setGeometry(100, 20 + 29 * row, 128, 8);
        marker->setTracks(stageEmpty, stageFull, QRect(1, 0, 127, 11));
        marker->setRange(1, 6);
        marker->setPosOrMin(lightingPositions[row]);
    }
    sheet.caption({290, 20}, QStringLiteral("Lighting page: 1, 3, 6"));
    sheet.place({290, 30}, lighting);

    int x = 290;
    for (const auto& [xPosition, yPosition] : {std::pair{1, 11}, std::pair{6, 10}}) {
        Backdrop axis(image(QStringLiteral("XYSensitivity/BK_XYSensSetting.png")));
        for (const int row : {0, 1}) {
            auto* marker = new CDMarker(&axis);
            marker->setGeometry(17, 25 + 45 * row, 208, 9);
            marker->setTracks(stageEmpty, stageFull, QRect(0, 0, 206, 14));
            marker->setRange(1, 11);
            marker->setPosClamped(row == 0 ? xPosition : yPosition);
        }
        sheet.caption({x, 170},
                      QStringLiteral("Axis panel: X %1, Y %2").arg(xPosition).arg(yPosition));
        sheet.place({x, 180}, axis);
        x += 260;
    }
    save(sheet, QStringLiteral("markers.png"));
}

void Gallery::menus() {
    const ExMenuModel english{
        120,
        {command(QStringLiteral("Click"), 2001),
         command(QStringLiteral("Menu"), 2002),
         command(QStringLiteral("Scroll "), 2003),
         command(QStringLiteral("Forward"), 2004),
         command(QStringLiteral("RUN"), 2101),
         command(QStringLiteral("Back"), 2005),
         command(QStringLiteral("Fire Mode"), 2105),
         command(QStringLiteral("Double-Click"), 2006),
         command(QStringLiteral("Left Tilt Scroll"), 2007),
         command(QStringLiteral("Skip Left"), 2103),
         command(QStringLiteral("Right Tilt Scroll"), 2008),
         command(QStringLiteral("Skip Right"), 2104),
         submenu(QStringLiteral("DPI Setting +"), 50,
                 {command(QStringLiteral("DPI +"), 2020), command(QStringLiteral("DPI -"), 2021),
                  command(QStringLiteral("DPI Loop"), 2022)}),
         submenu(QStringLiteral("Multimedia Commands +"), 100,
                 {command(QStringLiteral("Media Player"), 2050)}),
         submenu(QStringLiteral("Basic Commands +"), 100, {command(QStringLiteral("Cut"), 2060)}),
         submenu(QStringLiteral("Additional Commands +"), 120,
                 {command(QStringLiteral("Explorer"), 2030)}),
         submenu(QStringLiteral("Gun Managent +"), 100,
                 {submenu(QStringLiteral("Gun1"), 30,
                          {command(QStringLiteral("Assign"), 2040),
                           command(QStringLiteral("Enable"), 3001),
                           command(QStringLiteral("Disable"), 2041)}),
                  {QStringLiteral("Standard Key Switch"), 20000, true, std::nullopt}}),
         command(QStringLiteral("Assign Keyboard Key"), 2011),
         command(QStringLiteral("Macro"), 2012),
         command(QStringLiteral("Deactivated"), 2013)}};

    Sheet sheet({660, 460});
    CExMenu menu(english, menuFont());
    const QPoint origin(100, 100);
    menu.popup(origin);
    check(QTest::qWaitForWindowExposed(&menu), QStringLiteral("the assignment menu did not open"));
    QAction* dpiItem = menu.actions().at(12);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(dpiItem).center());
    auto* dpiMenu = qobject_cast<CExMenu*>(dpiItem->menu());
    if (!check(dpiMenu != nullptr && QTest::qWaitFor([dpiMenu] { return dpiMenu->isVisible(); }),
               QStringLiteral("the DPI submenu did not open"))) {
        return;
    }
    dpiMenu->setActiveAction(dpiMenu->actions().at(2));
    sheet.caption(
        {20, 20},
        QStringLiteral("Assignment menu, \"DPI Setting +\" open, \"DPI Loop\" under the pointer"));
    sheet.place(QPoint(20, 30), menu);
    sheet.place(QPoint(20, 30) + dpiMenu->pos() - menu.pos(), *dpiMenu);
    menu.close();

    // A German submenu wider than its given width, and a context menu.
    const ExMenuModel german{100,
                             {command(QStringLiteral("Lautstärke +"), 2050),
                              command(QStringLiteral("Lautstärke -"), 2051),
                              command(QStringLiteral("Stummschalten"), 2052),
                              command(QStringLiteral("Mediaplayer öffnen"), 2053)}};
    CExMenu germanMenu(german, menuFont());
    germanMenu.popup(origin);
    check(QTest::qWaitForWindowExposed(&germanMenu),
          QStringLiteral("the German menu did not open"));
    germanMenu.setActiveAction(germanMenu.actions().at(1));
    sheet.caption({380, 20}, QStringLiteral("German multimedia menu (width 100)"));
    sheet.place({380, 30}, germanMenu);
    germanMenu.close();

    const ExMenuModel context{
        140,
        {command(QStringLiteral("Delete"), 32771), command(QStringLiteral("Left button"), 32772),
         command(QStringLiteral("Middle button"), 32773),
         command(QStringLiteral("Right button"), 32774),
         command(QStringLiteral("Insert delay"), 32786)}};
    CExMenu contextMenu(context, menuFont());
    contextMenu.popup(origin);
    check(QTest::qWaitForWindowExposed(&contextMenu),
          QStringLiteral("the context menu did not open"));
    sheet.caption({380, 170}, QStringLiteral("Macro manager context menu (width 140)"));
    sheet.place({380, 180}, contextMenu);
    contextMenu.close();

    save(sheet, QStringLiteral("menus.png"));
}

void Gallery::scrollBars() {
    const QPixmap cells = bitmap(QStringLiteral("ScrollBar.png"));
    Sheet sheet({960, 620});

    // One bar per look, 300 pixels long over range 0..999 with a page of 400.
    struct Look {
        QString caption;
        int position;
        std::function<void(CSkinScrollBar&)> act;
    };
    const Look looks[] = {
        {QStringLiteral("top"), 0, [](CSkinScrollBar&) {}},
        {QStringLiteral("middle"), 300, [](CSkinScrollBar&) {}},
        {QStringLiteral("end"), 600, [](CSkinScrollBar&) {}},
        {QStringLiteral("hover up"), 300,
         [](CSkinScrollBar& bar) {
             sendMouse(bar, QEvent::MouseMove, {6, 5});
         }},
        {QStringLiteral("pressed down"), 300,
         [](CSkinScrollBar& bar) {
             test::press(bar, {6, 295});
         }},
        {QStringLiteral("hover thumb"), 300,
         [](CSkinScrollBar& bar) {
             sendMouse(bar, QEvent::MouseMove, {6, 150});
         }},
        {QStringLiteral("dragging"), 300,
         [](CSkinScrollBar& bar) {
             test::press(bar, {6, 150});
             test::moveHeld(bar, {6, 200});
         }},
        {QStringLiteral("no range"), -1, [](CSkinScrollBar&) {}},
    };
    int x = 20;
    for (const Look& look : looks) {
        CSkinScrollBar bar(Qt::Vertical);
        bar.resize(13, 300);
        bar.setBitmap(cells);
        bar.setScrollInfo(look.position < 0 ? ScrollInfo{0, 99, 100, 0}
                                            : ScrollInfo{0, 999, 400, look.position});
        look.act(bar);
        sheet.caption({x - 8, 20}, look.caption);
        sheet.place({x, 30}, bar);
        x += 75;
    }

    // The settings panel's place: 260 × 561 over a tall column, the bar driving it.
    QWidget window;
    window.resize(260, 561);
    auto* area = new QScrollArea(&window);
    area->setFrameStyle(QFrame::NoFrame);
    area->setGeometry(0, 0, 260, 561);
    auto* column = new Backdrop(image(QStringLiteral("BK_MainRight.png")));
    column->resize(247, 900);
    const QPixmap header = bitmap(QStringLiteral("ItemBK.png"));
    const QString titles[] = {QStringLiteral("DPI Setting"),        QStringLiteral("Lighting"),
                              QStringLiteral("Polling Rate"),       QStringLiteral("Mouse Speed"),
                              QStringLiteral("Double-Click Speed"), QStringLiteral("Scroll Speed")};
    int top = 2;
    for (const QString& title : titles) {
        auto* button = new CBitmapBtn(title, QRect(0, top, 242, 20), column);
        button->setImages(QRect(0, 0, 242, 20), header, header, header, header);
        button->setFontHeight(13);
        top += 25;
    }
    area->setWidget(column);
    window.show();
    CSkinScrollWnd* frame = CSkinScrollWnd::skinWindowScroll(area, cells);
    check(frame->verticalBar()->isVisible(),
          QStringLiteral("the settings panel's scroll bar is hidden"));
    area->verticalScrollBar()->setValue(20);
    sheet.caption({x + 20, 20}, QStringLiteral("Settings panel, scrolled by 20"));
    sheet.place({x + 20, 30}, window);
    save(sheet, QStringLiteral("scrollbars.png"));
}

}  // namespace gx508::gallery

// Renders every skinned control in each of its looks into PNG files under the build folder's
// "gallery" folder, drawn from the real skin when the program folder has one (stand-in images
// otherwise), so that the controls can be looked at as a user sees them.

#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarker.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CSkinScrollBar.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/Skin.h"

#include "support/WidgetProbe.h"

#include <QDir>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace gx508 {

using test::sendMouse;

namespace {

const QColor kSheetBackground(24, 24, 24);
const QColor kCaption(200, 200, 200);

QString galleryFolder() {
    return QDir(QStringLiteral(GX508_PROGRAM_DIR)).absoluteFilePath(QStringLiteral("../gallery"));
}

const Skin& skin() {
    static const Skin instance(QStringLiteral(GX508_PROGRAM_DIR "/Skins"));
    return instance;
}

// A skin image, or a plain stand-in of the given size when the skin does not have it.
QImage skinImage(const QString& name, QSize standInSize, const QColor& standIn) {
    const QImage image = skin().image(name);
    if (!image.isNull()) {
        return image;
    }
    QImage replacement(standInSize, QImage::Format_ARGB32);
    replacement.fill(standIn);
    return replacement;
}

QPixmap skinBitmap(const QString& name, QSize standInSize, const QColor& standIn) {
    const QPixmap pixmap = skin().loadBitmap(name);
    return pixmap.isNull() ? test::solidPixmap(standInSize, standIn) : pixmap;
}

// A widget that paints an image as its background, standing in for the window a control lives
// on.
class Backdrop : public QWidget {
  public:
    explicit Backdrop(QImage image) : m_image(std::move(image)) { resize(m_image.size()); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kSheetBackground);
        painter.drawImage(0, 0, m_image);
    }

  private:
    QImage m_image;
};

// One gallery picture: rendered pieces with captions, laid out by the caller.
class Sheet {
  public:
    explicit Sheet(QSize size) : m_image(size, QImage::Format_RGB32) {
        m_image.fill(kSheetBackground);
    }

    void caption(QPoint at, const QString& text) {
        QPainter painter(&m_image);
        painter.setFont(mappedFont(QStringLiteral("Arial"), 11));
        painter.setPen(kCaption);
        painter.drawText(at, text);
    }

    void place(QPoint at, const QImage& piece) {
        QPainter painter(&m_image);
        painter.drawImage(at, piece);
    }

    void place(QPoint at, QWidget& widget) { place(at, widget.grab().toImage()); }

    bool save(const QString& name) const {
        return QDir().mkpath(galleryFolder()) &&
               m_image.save(QDir(galleryFolder()).absoluteFilePath(name));
    }

  private:
    QImage m_image;
};

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

class GalleryTest : public QObject {
    Q_OBJECT

  private slots:
    void buttons();
    void markers();
    void menus();
    void scrollBars();
};

void GalleryTest::buttons() {
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
            const QPixmap normal = skinBitmap(kind.normal, kind.size, QColor(60, 20, 20));
            button->setImages(QRect(QPoint(0, 0), kind.size), normal,
                              skinBitmap(kind.hover, kind.size, QColor(120, 30, 30)),
                              skinBitmap(kind.pressed, kind.size, QColor(170, 30, 30)), normal);
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
    QVERIFY(sheet.save(QStringLiteral("buttons.png")));
}

void GalleryTest::markers() {
    Sheet sheet({830, 330});

    // The DPI page with its six vertical sliders, at 1, 11, 22, 33, 44 and 53 (full).
    Backdrop dpi(
        skinImage(QStringLiteral("DPISetting/BK_DPISetting.png"), {242, 240}, QColor(40, 20, 20)));
    const QPixmap dpiEmpty =
        skinBitmap(QStringLiteral("DPISetting/DPIStage/0.png"), {7, 169}, QColor(50, 50, 50));
    const QPixmap dpiFull =
        skinBitmap(QStringLiteral("DPISetting/DPIStage/164.png"), {7, 169}, QColor(220, 30, 30));
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
    const QPixmap stageEmpty =
        skinBitmap(QStringLiteral("StageSlider/1.png"), {208, 14}, QColor(50, 50, 50));
    const QPixmap stageFull =
        skinBitmap(QStringLiteral("StageSlider/10.png"), {208, 14}, QColor(220, 30, 30));
    Backdrop lighting(
        skinImage(QStringLiteral("Lighting/BK_Lighting.png"), {242, 110}, QColor(40, 20, 20)));
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
        Backdrop axis(skinImage(QStringLiteral("XYSensitivity/BK_XYSensSetting.png"), {242, 106},
                                QColor(40, 20, 20)));
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
    QVERIFY(sheet.save(QStringLiteral("markers.png")));
}

void GalleryTest::menus() {
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
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QAction* dpiItem = menu.actions().at(12);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(dpiItem).center());
    auto* dpiMenu = qobject_cast<CExMenu*>(dpiItem->menu());
    QVERIFY(dpiMenu != nullptr);
    QTRY_VERIFY(dpiMenu->isVisible());
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
    QVERIFY(QTest::qWaitForWindowExposed(&germanMenu));
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
    QVERIFY(QTest::qWaitForWindowExposed(&contextMenu));
    sheet.caption({380, 170}, QStringLiteral("Macro manager context menu (width 140)"));
    sheet.place({380, 180}, contextMenu);
    contextMenu.close();

    QVERIFY(sheet.save(QStringLiteral("menus.png")));
}

void GalleryTest::scrollBars() {
    const QPixmap cells =
        skinBitmap(QStringLiteral("ScrollBar.png"), {117, 48}, QColor(120, 30, 30));
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
    auto* column = new Backdrop(
        skinImage(QStringLiteral("BK_MainRight.png"), {260, 1024}, QColor(30, 20, 20)));
    column->resize(247, 900);
    const QPixmap header = skinBitmap(QStringLiteral("ItemBK.png"), {242, 20}, QColor(90, 20, 20));
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
    QVERIFY(frame->verticalBar()->isVisible());
    area->verticalScrollBar()->setValue(20);
    sheet.caption({x + 20, 20}, QStringLiteral("Settings panel, scrolled by 20"));
    sheet.place({x + 20, 30}, window);
    QVERIFY(sheet.save(QStringLiteral("scrollbars.png")));
}

}  // namespace gx508

QTEST_MAIN(gx508::GalleryTest)
#include "GalleryTest.moc"

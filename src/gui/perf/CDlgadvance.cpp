// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgadvance.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/i18n/FontRule.h"
#include "gui/perf/CDlgAngleSnap.h"
#include "gui/perf/CDlgDPISetting.h"
#include "gui/perf/CDlgDoubleClick.h"
#include "gui/perf/CDlgLighting.h"
#include "gui/perf/CDlgMouseSpeed.h"
#include "gui/perf/CDlgMouseWheelSpeed.h"
#include "gui/perf/CDlgUSBReportRate.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

constexpr int kHeaderTextHeight = 13;
constexpr QStringView kBackground = u"/skins/BK_MainRight.png";
constexpr QStringView kHeaderImage = u"\\skins\\ItemBK.png";

struct Section {
    Text title;
    QStringView pageImage;
};

constexpr std::array<Section, AccordionLayout::kSectionCount> kSections = {{
    {Text::DpiSetting, u"skins/DPISetting/BK_DPISetting.png"},
    {Text::Lighting, u"skins/Lighting/BK_Lighting.png"},
    {Text::PollingRate, u"skins/USBReportRate/BK_USBReportRate.png"},
    {Text::MouseSpeed, u"skins/MouseAttribute/BK_MouseAttribute.png"},
    {Text::DoubleClickSpeed, u"skins/MouseAttribute/BK_MouseAttribute.png"},
    {Text::ScrollSpeed, u"skins/MouseAttribute/BK_ScrollSpeed.png"},
    {Text::AngleSnapping, u"skins/AngleSnap/BK_AngleSnap.png"},
}};

std::array<AccordionLayout::PageSize, AccordionLayout::kSectionCount> PageSizes(const Skin& skin) {
    std::array<AccordionLayout::PageSize, AccordionLayout::kSectionCount> sizes{};
    for (std::size_t k = 0; k < kSections.size(); ++k) {
        const QSize size = skin.size(kSections[k].pageImage);
        sizes[k] = size.isValid() ? AccordionLayout::PageSize{size.width(), size.height()}
                                  : AccordionLayout::PageSize{0, 0};
    }
    return sizes;
}

QRect ToQRect(const PanelRect& r) {
    return {r.left, r.top, r.width(), r.height()};
}

}  // namespace

CDlgadvance::CDlgadvance(SharedState& state, const Skin& skin, QWidget* window)
    : QAbstractScrollArea(window),
      m_skin(skin),
      m_layout(AccordionLayout::initialHeaders(), PageSizes(skin)) {
    setObjectName(QStringLiteral("settingsPanel"));
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(kPanelLinePixels);
    setGeometry(kPlace);

    const QString fontFace = qText(FontFace(state.languageCode));
    QWidget* content = viewport();
    for (int k = 0; k < AccordionLayout::kSectionCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const QRect place = ToQRect(m_layout.header(k));
        auto* header = new CBitmapBtn(qText(state.texts[kSections[index].title]), place, content);
        const QPixmap look = skin.loadBitmap(kHeaderImage);
        header->setImages(QRect(QPoint(0, 0), place.size()), look, look, look, look);
        header->setFontHeight(kHeaderTextHeight);
        header->setFontFace(fontFace);
        header->setObjectName(QStringLiteral("sectionHeader%1").arg(k + 1));
        connect(header, &CBitmapBtn::clicked, this, [this, k] { toggleSection(k); });
        m_headers[index] = header;
    }
    m_headers[AccordionLayout::kAngleSnapSection]->hide();
    m_dpiPage = new CDlgDPISetting(state, skin, content);
    m_pages = {m_dpiPage,
               new CDlgLighting(state, skin, content),
               new CDlgUSBReportRate(state, skin, content),
               new CDlgMouseSpeed(state, skin, content),
               new CDlgDoubleClick(state, skin, content),
               new CDlgMouseWheelSpeed(state, skin, content),
               new CDlgAngleSnap(state, skin, content)};
    for (SettingsPage* page : m_pages) {
        page->hide();
    }
    placeSections();

    m_frame = CSkinScrollWnd::skinWindowScroll(this, skin.loadBitmap(kScrollBarCellsFile));
    updateScrollBar();
}

CDlgadvance::~CDlgadvance() = default;

CBitmapBtn* CDlgadvance::header(int section) const {
    return section >= 0 && section < AccordionLayout::kSectionCount
               ? m_headers[static_cast<std::size_t>(section)]
               : nullptr;
}

SettingsPage* CDlgadvance::page(int section) const {
    return section >= 0 && section < AccordionLayout::kSectionCount
               ? m_pages[static_cast<std::size_t>(section)]
               : nullptr;
}

int CDlgadvance::scrollPosition() const {
    return verticalScrollBar()->value();
}

void CDlgadvance::toggleSection(int section) {
    if (header(section) == nullptr) {
        return;
    }
    emit highlightClearRequested();
    m_layout.toggle(section);
    updateScrollBar();
    placeSections();
    viewport()->update();
}

void CDlgadvance::collapseAll() {
    m_layout.collapseAll();
    updateScrollBar();
    placeSections();
    viewport()->update();
}

void CDlgadvance::refreshAll() {
    for (SettingsPage* page : m_pages) {
        page->refresh();
    }
}

bool CDlgadvance::commitEntry() {
    return m_dpiPage->commitFocusedEditor();
}

// Headers and open pages stand at their layout places, moved up by the scroll position.
void CDlgadvance::placeSections() {
    const int offset = -scrollPosition();
    for (int k = 0; k < AccordionLayout::kSectionCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        m_headers[index]->setGeometry(ToQRect(m_layout.header(k)).translated(0, offset));
        SettingsPage* page = m_pages[index];
        page->move(ToQRect(m_layout.page(k)).topLeft() + QPoint(0, offset));
        page->setVisible(!m_layout.collapsed(k));
    }
}

void CDlgadvance::updateScrollBar() {
    m_scroll = UpdatePanelScroll(m_scroll, viewport()->height(), m_layout.contentHeight());
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, m_scroll.last);
    bar->setPageStep(m_scroll.page);
    bar->setValue(m_scroll.position);
}

void CDlgadvance::scrollContentsBy(int, int) {
    m_scroll.position = scrollPosition();
    placeSections();
    viewport()->update();
}

void CDlgadvance::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::black);
    m_skin.draw(painter, kBackground, 0, -scrollPosition());
}

void CDlgadvance::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit highlightClearRequested();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CDlgadvance::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    event->accept();
    if (bar->maximum() <= bar->minimum()) {
        return;
    }
    const int pixels = PanelWheelPixels(event->angleDelta().y(), QApplication::wheelScrollLines(),
                                        false, viewport()->height());
    bar->setValue(bar->value() + pixels);
}

void CDlgadvance::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    placeSections();
}

}  // namespace gx508

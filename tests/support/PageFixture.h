// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

#include <memory>

#include "core/LogSink.h"
#include "core/store/BlockDefaults.h"
#include "core/store/SharedState.h"
#include "gui/ui/Skin.h"
#include "support/WidgetProbe.h"

namespace gx508::test {

// A settings page on the default block with the shipped skin, English texts and a log kept,
// shown in a window of its own.
template <typename PageType>
struct PageFixture {
    PageFixture() {
        ApplyCodeDefaults(state);
        state.languageCode = "EN";
        state.texts = LanguageTable::For("EN");
        page = new PageType(state, skin, &window);
        window.show();
        QApplication::processEvents();
    }
    void click(QPoint at) {
        press(*page, at);
        release(*page, at);
    }
    std::uint8_t byte(std::size_t offset) const { return state.block.byte(offset); }

    RecordingLog log;
    SharedState state{"/nonexistent", log};
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    QWidget window;
    PageType* page = nullptr;
};

}  // namespace gx508::test

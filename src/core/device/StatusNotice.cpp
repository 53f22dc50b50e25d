// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/StatusNotice.h"

#include "core/i18n/MainWindowTexts.h"
#include "core/perf/Dpi.h"

namespace gx508 {

namespace {

constexpr int kLastDpiNoticeStage = 7;
constexpr std::uint8_t kMacroKeyNotice = 9;

Balloon Make(const LanguageTable& texts, MainWindowText title, std::string text, int ms) {
    return {std::string(MainWindowTextOf(title, texts.language())), std::move(text), ms};
}

}  // namespace

std::optional<Balloon> StatusNoticeBalloon(const LanguageTable& texts, const SettingsBlock& saved,
                                           DeviceNotice notice) {
    const int value = notice.value;
    switch (notice.kind) {
        case 1:
        case 2:
        case 3: {
            if (value < 1 || value > kLastDpiNoticeStage) {
                return std::nullopt;
            }
            const int index = saved.byte(block::kDpiIndex + static_cast<std::size_t>(value - 1));
            std::string text(DpiStageNotice(texts, value));
            text += DpiIndexToText(index);
            return Make(texts, MainWindowText::Info, std::move(text), kNoticeBalloonMs);
        }
        case kMacroKeyNotice:
            if (value == 0) {
                return std::nullopt;
            }
            return Make(texts, MainWindowText::Info,
                        texts[Text::SwitchToMacroKey] + std::to_string(value), kNoticeBalloonMs);
        case kNoticeArrived:
            return Make(texts, MainWindowText::Info, texts[Text::MouseDetected],
                        kConnectionBalloonMs);
        case kNoticeLost:
            return Make(texts, MainWindowText::Warning, texts[Text::MouseNotDetected],
                        kConnectionBalloonMs);
        default:
            return std::nullopt;
    }
}

}  // namespace gx508

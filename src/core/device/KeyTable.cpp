// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/KeyTable.h"

namespace gx508 {

namespace {

constexpr KeyCode kNoCode = {0, 0, 0, 0};

KeyCode WindowsFunctionCode(std::uint8_t kind) {
    switch (kind) {
        case 0:
            return {0x03, 0x00, 0x94, 0x01};  // consumer: my computer
        case 1:
            return {0x03, 0x00, 0x23, 0x02};  // consumer: web home
        case 2:
            return {0x03, 0x00, 0x21, 0x02};  // consumer: search
        case 3:
            return {0x00, 0x04, 0x2C, 0x1B};  // Left Alt + Space, X
        case 4:
            return {0x00, 0x04, 0x2C, 0x11};  // Left Alt + Space, N
        case 5:
            return {0x00, 0x00, 0xE3, 0x07};  // Left Windows, D
        case 6:
            return {0x00, 0x00, 0xE3, 0x15};  // Left Windows, R
        default:
            return kNoCode;
    }
}

KeyCode GunSwitchCode(const SettingsBlock& block, int button, int matrix) {
    for (int j = matrix; j < block::kGunSwitchCount; ++j) {
        if (block.gunAssigned(j) && block.gunButton(j) == button) {
            return {0x08, 0x00, 0x01, static_cast<std::uint8_t>(j + 1)};
        }
    }
    return {0x08, 0x00, 0x01, 0x00};
}

bool AnyStageEnabled(const SettingsBlock& block) {
    for (int s = 0; s < block::kStageCount; ++s) {
        if (block.byte(block::kStageEnabled + static_cast<std::size_t>(s)) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

KeyCode ButtonDeviceCode(const SettingsBlock& block, int button, int matrix) {
    const auto param = [&](ButtonField field) { return block.button(field, button); };
    switch (block.button(ButtonField::Category, button)) {
        case 0:
            if (matrix == 0) {
                return {0x01, 0x00, 0xF0, 0x00};
            }
            return {0x09, block.byte(block::kGunRunMode + static_cast<std::size_t>(matrix - 1)),
                    static_cast<std::uint8_t>(matrix + 5), 0x00};
        case 1:
            return {0x01, 0x00, 0xF1, 0x00};
        case 2:
            return {0x01, 0x00, 0xF2, 0x00};
        case 3:
            return {0x01, 0x00, 0xF4, 0x00};
        case 4:
            return {0x01, 0x00, 0xF3, 0x00};
        case 5:
            return {0x0A, 0xF0, 0x1E, 0x02};
        case 6:
            return AnyStageEnabled(block) ? KeyCode{0x07, 0x00, param(ButtonField::DpiKind), 0x00}
                                          : kNoCode;
        case 7: {
            const std::uint8_t usage = param(ButtonField::MultimediaUsage);
            return {0x03, 0x00, usage, static_cast<std::uint8_t>(usage == 0x83 ? 0x01 : 0x00)};
        }
        case 8:
            return {0x00, 0x00, 0xE0, param(ButtonField::OfficeKey)};
        case 9:
            return WindowsFunctionCode(param(ButtonField::WindowsKind));
        case 10:
            return {0x00, 0x00, param(ButtonField::KeyboardKey), 0x00};
        case 11:
            return {0x09, param(ButtonField::MacroRunMode),
                    static_cast<std::uint8_t>(param(ButtonField::MacroSlot) + 1), 0x00};
        case 15:
            return {0x01, 0x00, 0xF5, 0x00};
        case 16:
            return {0x01, 0x00, 0xF6, 0x00};
        case 17:
            return {0x07, 0x00, 0x04, 0x04};
        case 18:
            return {0x08, 0x00, 0x02, 0x00};
        case 19:
            return GunSwitchCode(block, button, matrix);
        case 20:
            return {0x00, 0x00, 0x2E, 0x00};
        case 21:
            return {0x00, 0x00, 0x06, 0x2C};
        case 22:
            return {0x00, 0x00, 0x04, 0x2C};
        case 23:
            return {0x00, 0x00, 0x07, 0x2C};
        default:
            return kNoCode;
    }
}

int KeyTableEntryOfButton(int button) {
    switch (button) {
        case 1:
            return 2;
        case 2:
            return 1;
        case 7:
            return 11;
        case 11:
            return 7;
        default:
            return button;
    }
}

KeyTable BuildKeyTable(const SettingsBlock& block, int matrix) {
    KeyTable table{};
    for (int button = 0; button < block::kButtonCount; ++button) {
        const KeyCode code = ButtonDeviceCode(block, button, matrix);
        const auto entry = static_cast<std::size_t>(KeyTableEntryOfButton(button));
        for (std::size_t k = 0; k < 4; ++k) {
            table[4 * entry + k] = code[k];
        }
    }
    table[56] = 0x01;
    table[58] = 0xF7;
    table[60] = 0x01;
    table[62] = 0xF8;
    return table;
}

}  // namespace gx508

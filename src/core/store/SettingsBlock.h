// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace gx508 {

// Byte offsets of the settings block. The block is a file format: settings files hold it raw,
// so every offset, width and reserved gap below is fixed. Multi-byte fields are little-endian.
namespace block {

inline constexpr std::size_t kSize = 65400;
inline constexpr int kButtonCount = 12;
inline constexpr int kStageCount = 6;
inline constexpr int kSlotCount = 12;
inline constexpr int kGunSwitchCount = 4;

inline constexpr std::size_t kProfileIndex = 0;         // 1: profile position 0..5
inline constexpr std::size_t kReserved1 = 1;            // 7
inline constexpr std::size_t kReserved8 = 8;            // 4, defaults 1, 1, 1, 1
inline constexpr std::size_t kReportRate = 12;          // 1: interval in ms (1, 2, 4, 8)
inline constexpr std::size_t kReserved13 = 13;          // 1, default 2
inline constexpr std::size_t kDpiIndex = 14;            // 6: DPI index of stage 1..6
inline constexpr std::size_t kReserved20 = 20;          // 2
inline constexpr std::size_t kStageEnabled = 22;        // 6: 1 enabled, 0 disabled
inline constexpr std::size_t kReserved28 = 28;          // 2
inline constexpr std::size_t kStageColour = 30;         // 6 x 3: red, green, blue
inline constexpr std::size_t kSeventhColour = 48;       // 3
inline constexpr std::size_t kReserved51 = 51;          // 3
inline constexpr std::size_t kLightingMode = 54;        // 1: 1 Standard, 2 Respiration, 3 Neon
inline constexpr std::size_t kStandardBrightness = 55;  // 1: 1..6
inline constexpr std::size_t kRespirationPeriod = 56;   // 1: 1..6
inline constexpr std::size_t kNeonPeriod = 57;          // 1: 1..6
inline constexpr std::size_t kLightingMode4Level = 58;  // 1
inline constexpr std::size_t kEnhancePrecision = 59;    // 1: 1 on, anything else off
inline constexpr std::size_t kWheelScrollsScreen = 60;  // 1: 1 a screen per notch, 0 lines
inline constexpr std::size_t kPointerSpeed = 61;        // 1: 1..11
inline constexpr std::size_t kWheelScrollLines = 62;    // 1: 1..100
inline constexpr std::size_t kDoubleClickSpeed = 63;    // 1: 1..11
inline constexpr std::size_t kAngleSnapValue = 64;      // 1
inline constexpr std::size_t kAngleSnapping = 65;       // 1: 1 on, 0 off
inline constexpr std::size_t kReserved66 = 66;          // 1, default 6
inline constexpr std::size_t kXSensitivity = 67;        // 1: 1..11, sent as value x 20
inline constexpr std::size_t kYSensitivity = 68;        // 1: 1..11, sent as value x 20
inline constexpr std::size_t kCategory = 69;            // 12: button function category
inline constexpr std::size_t kDpiKind = 81;             // 12: 1 up, 2 down, 3 cycle
inline constexpr std::size_t kReserved93 = 93;          // 12, defaults 2, 1, then 0
inline constexpr std::size_t kMultimediaUsage = 105;    // 12: low byte of a consumer usage
inline constexpr std::size_t kWindowsKind = 117;        // 12: 0..6
inline constexpr std::size_t kReserved129 = 129;        // 36
inline constexpr std::size_t kOfficeKey = 165;          // 12: keyboard usage sent with Left Ctrl
inline constexpr std::size_t kKeyboardKey = 177;        // 12: keyboard usage
inline constexpr std::size_t kReserved189 = 189;        // 84
inline constexpr std::size_t kMacroSlot = 273;          // 12: slot 0..4 or 6..9
inline constexpr std::size_t kMacroRunMode = 285;       // 12
inline constexpr std::size_t kReserved297 = 297;        // 1
inline constexpr std::size_t kGunRunMode = 298;         // 3: run mode of gun switch 0..2
inline constexpr std::size_t kReserved301 = 301;        // 8
inline constexpr std::size_t kMacroImage = 309;         // 12 x 3074: macro area s
inline constexpr std::size_t kMacroAreaSize = 3074;
inline constexpr std::size_t kReserved37197 = 37197;  // 3
inline constexpr std::size_t kGunParamCopy = 37200;   // 3 x 28: copy of the gun records
inline constexpr std::size_t kReserved37284 = 37284;  // 27916
inline constexpr std::size_t kGunAssigned = 65200;    // 4: 1 assigned, 0 not
inline constexpr std::size_t kGunButton = 65204;      // 4: button index, 255 none
inline constexpr std::size_t kReserved65208 = 65208;  // 4
inline constexpr std::size_t kGunParam = 65212;       // 3 x 28: seven int32 values each
inline constexpr std::size_t kGunParamSize = 28;
inline constexpr int kGunParamRecords = 3;
inline constexpr std::size_t kReserved65296 = 65296;    // 28
inline constexpr std::size_t kGunBindingCount = 65324;  // 1
inline constexpr std::size_t kSlotMacro = 65325;        // 12: macro number, 255 free
inline constexpr std::size_t kSlotKind = 65337;         // 12: 0 macro, 1 gun macro
inline constexpr std::size_t kSlotInUse = 65349;        // 12: 1 in use, 255 free
inline constexpr std::size_t kGunItemTotal = 65361;     // 1: item total modulo 256
inline constexpr std::size_t kSlotLength = 65362;       // 12 x uint16
inline constexpr std::size_t kSlotOwner = 65386;        // 12: button index, 255 none
inline constexpr std::size_t kReserved65398 = 65398;    // 2

static_assert(kReserved1 + 7 == kReserved8 && kReserved8 + 4 == kReportRate);
static_assert(kDpiIndex + kStageCount + 2 == kStageEnabled);
static_assert(kStageEnabled + kStageCount + 2 == kStageColour);
static_assert(kStageColour + 3 * kStageCount == kSeventhColour &&
              kSeventhColour + 6 == kLightingMode);
static_assert(kReserved66 + 3 == kCategory);
static_assert(kCategory + kButtonCount == kDpiKind && kDpiKind + 24 == kMultimediaUsage);
static_assert(kMultimediaUsage + kButtonCount == kWindowsKind && kWindowsKind + 48 == kOfficeKey);
static_assert(kOfficeKey + kButtonCount == kKeyboardKey && kKeyboardKey + 96 == kMacroSlot);
static_assert(kMacroSlot + kButtonCount == kMacroRunMode && kMacroRunMode + 13 == kGunRunMode);
static_assert(kGunRunMode + 3 + 8 == kMacroImage);
static_assert(kMacroImage + kSlotCount * kMacroAreaSize == kReserved37197);
static_assert(kReserved37197 + 3 == kGunParamCopy && kGunParamCopy + 84 == kReserved37284);
static_assert(kReserved37284 + 27916 == kGunAssigned);
static_assert(kGunAssigned + 4 == kGunButton && kGunButton + 8 == kGunParam);
static_assert(kGunParam + kGunParamRecords * kGunParamSize + 28 == kGunBindingCount);
static_assert(kGunBindingCount + 1 == kSlotMacro && kSlotMacro + kSlotCount == kSlotKind);
static_assert(kSlotKind + kSlotCount == kSlotInUse && kSlotInUse + kSlotCount == kGunItemTotal);
static_assert(kGunItemTotal + 1 == kSlotLength && kSlotLength + 2 * kSlotCount == kSlotOwner);
static_assert(kSlotOwner + kSlotCount + 2 == kSize);

}  // namespace block

// The per-button arrays of the block: entry i of each belongs to button index i.
enum class ButtonField : std::size_t {
    Category = block::kCategory,
    DpiKind = block::kDpiKind,
    MultimediaUsage = block::kMultimediaUsage,
    WindowsKind = block::kWindowsKind,
    OfficeKey = block::kOfficeKey,
    KeyboardKey = block::kKeyboardKey,
    MacroSlot = block::kMacroSlot,
    MacroRunMode = block::kMacroRunMode,
};

// The one-byte arrays of the macro slot table: entry s belongs to slot s.
enum class SlotField : std::size_t {
    MacroNumber = block::kSlotMacro,
    Kind = block::kSlotKind,
    InUse = block::kSlotInUse,
    Owner = block::kSlotOwner,
};

inline constexpr std::uint8_t kNone = 255;  // a free slot entry, an unbound gun switch

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 65400-byte record of every device setting. Plain bytes: copy, compare and store it raw.
// The typed accessors check their index: reading outside an array gives 0 and writing outside
// it does nothing, so a bad index taken from a loaded file can never reach another field.
class SettingsBlock {
  public:
    using Bytes = std::array<std::uint8_t, block::kSize>;

    SettingsBlock() { m_bytes.fill(0); }

    std::uint8_t byte(std::size_t offset) const {
        return offset < block::kSize ? m_bytes[offset] : 0;
    }
    void setByte(std::size_t offset, std::uint8_t value) {
        if (offset < block::kSize) {
            m_bytes[offset] = value;
        }
    }
    void fill(std::size_t offset, std::size_t count, std::uint8_t value);

    std::uint16_t u16(std::size_t offset) const;
    void setU16(std::size_t offset, std::uint16_t value);
    std::int32_t i32(std::size_t offset) const;
    void setI32(std::size_t offset, std::int32_t value);

    std::uint8_t button(ButtonField field, int button) const;
    void setButton(ButtonField field, int button, std::uint8_t value);

    std::uint8_t slot(SlotField field, int slot) const;
    void setSlot(SlotField field, int slot, std::uint8_t value);
    std::uint16_t slotLength(int slot) const;
    void setSlotLength(int slot, std::uint16_t length);

    // Stage 0..5.
    std::uint8_t dpiIndex(int stage) const;
    void setDpiIndex(int stage, std::uint8_t index);
    bool stageEnabled(int stage) const;
    void setStageEnabled(int stage, bool enabled);
    Rgb stageColour(int stage) const;
    void setStageColour(int stage, Rgb colour);

    // Gun switch 0..3.
    bool gunAssigned(int gunSwitch) const;
    void setGunAssigned(int gunSwitch, bool assigned);
    std::uint8_t gunButton(int gunSwitch) const;
    void setGunButton(int gunSwitch, std::uint8_t button);
    // Value 0..6 of gun parameter record 0..2.
    std::int32_t gunParam(int record, int value) const;
    void setGunParam(int record, int value, std::int32_t v);
    void clearGunParam(int record);

    // Macro area 0..11; empty for another index.
    std::span<std::uint8_t> macroArea(int area);
    std::span<const std::uint8_t> macroArea(int area) const;

    const Bytes& bytes() const { return m_bytes; }
    Bytes& bytes() { return m_bytes; }

    friend bool operator==(const SettingsBlock&, const SettingsBlock&) = default;

  private:
    Bytes m_bytes;
};

// Offsets of the device buffer: scratch space for device replies and staged uploads.
namespace devicebuf {

inline constexpr std::size_t kSize = 37932;
inline constexpr std::size_t kProfileReply = 0;      // 1: reply byte of command 0x82
inline constexpr std::size_t kOptionReply = 1;       // 3: reply bytes of command 0x83
inline constexpr std::size_t kStagedReportRate = 4;  // 1: copy of the report rate code
inline constexpr std::size_t kApplyScratch = 20;     // 768: cleared at each apply
inline constexpr std::size_t kApplyScratchSize = 768;
inline constexpr std::size_t kKeyTable = 788;  // 64: 16 entries of 4 bytes
inline constexpr std::size_t kKeyTableSize = 64;
inline constexpr std::size_t kKeyTableClearSize = 192;  // cleared before each rebuild
inline constexpr std::size_t kMacroImageCopy = 1044;    // 1536: copy of the macro image start
inline constexpr std::size_t kMacroImageCopySize = 1536;

static_assert(kApplyScratch + kApplyScratchSize == kKeyTable);
static_assert(kMacroImageCopy + kMacroImageCopySize <= kSize);

}  // namespace devicebuf

using DeviceBuffer = std::array<std::uint8_t, devicebuf::kSize>;

}  // namespace gx508

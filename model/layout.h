// Sizes and offsets of the blocks of a design. One layout serves the memory, the project file and
// (shifted by 12 bytes) the download image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q700 {

inline constexpr size_t kVersionTagSize = 10;
inline constexpr char kVersionTag[] = "Q700RU004";
inline constexpr char kOldVersionTag[] = "Q700-1.00";
inline constexpr size_t kReservedWordSize = 2;
inline constexpr size_t kBarcodeBlockSize = 23;
inline constexpr int kMenuCount = 10;
inline constexpr size_t kMenuRecordSize = 350;
inline constexpr int kFormCount = 10;
inline constexpr size_t kFormRecordSize = 1215;
inline constexpr int kLookupCount = 3;
inline constexpr size_t kLookupRecordSize = 122;
inline constexpr size_t kReservedAreaSize = 55;
inline constexpr size_t kSettingsBlockSize = 268;
inline constexpr size_t kWeightBlockSize = 12;
inline constexpr size_t kTrailerSize = 100;

inline constexpr size_t kMenuTableSize = kMenuCount * kMenuRecordSize;
inline constexpr size_t kFormTableSize = kFormCount * kFormRecordSize;
inline constexpr size_t kLookupTableSize = kLookupCount * kLookupRecordSize;

// The terminal text sets are numbered 6 to 32 as blocks of the design.
inline constexpr int kFirstTextSet = 6;
inline constexpr int kLastTextSet = 32;
inline constexpr int kTextSetCount = kLastTextSet - kFirstTextSet + 1;

struct TextSetShape {
  int count;         // texts in the set
  int slot_size;     // 16 (12 columns) or 21 (16 columns)
  const char* name;  // field-name stem
};

inline constexpr std::array<TextSetShape, kTextSetCount> kTextSets = {{
    {4, 16, "spare"},         {4, 16, "main_menu"},     {8, 21, "utilities_menu"},
    {4, 16, "delete_data"},   {4, 16, "confirmation"},  {4, 16, "memory_power"},
    {7, 16, "load_lookup"},   {8, 21, "settings_menu"}, {6, 21, "upload_port"},
    {6, 21, "download_port"}, {5, 21, "baud_rate"},     {4, 21, "backlight"},
    {4, 21, "data_deletion"}, {6, 21, "entry_options"}, {8, 21, "view_settings"},
    {3, 16, "system_fault"},  {5, 16, "upload_choice"}, {4, 21, "modem"},
    {5, 16, "status"},        {5, 16, "delete_record"}, {3, 16, "transfer"},
    {2, 16, "password"},      {4, 16, "connecting"},    {3, 16, "modem_connect"},
    {6, 21, "entry_error"},   {8, 16, "load_status"},   {3, 21, "browse_keys"},
}};

inline constexpr const TextSetShape& TextSetShapeOf(int set) {
  return kTextSets[set - kFirstTextSet];
}

// Offset of a text set inside the text block (the 27 sets one after another).
inline constexpr size_t TextSetOffset(int set) {
  size_t offset = 0;
  for (int s = kFirstTextSet; s < set; ++s) {
    offset += static_cast<size_t>(TextSetShapeOf(s).count * TextSetShapeOf(s).slot_size);
  }
  return offset;
}

inline constexpr size_t kTextBlockSize = TextSetOffset(kLastTextSet + 1);
static_assert(kTextBlockSize == 2468);

// Offsets in the project file.
inline constexpr size_t kFileReservedWordOffset = kVersionTagSize;
inline constexpr size_t kFileBarcodeOffset = kFileReservedWordOffset + kReservedWordSize;
inline constexpr size_t kFileMenuTableOffset = kFileBarcodeOffset + kBarcodeBlockSize;
inline constexpr size_t kFileFormTableOffset = kFileMenuTableOffset + kMenuTableSize;
inline constexpr size_t kFileLookupTableOffset = kFileFormTableOffset + kFormTableSize;
inline constexpr size_t kFileTextOffset = kFileLookupTableOffset + kLookupTableSize;
inline constexpr size_t kFileReservedAreaOffset = kFileTextOffset + kTextBlockSize;
inline constexpr size_t kFileSettingsOffset = kFileReservedAreaOffset + kReservedAreaSize;
inline constexpr size_t kFileWeightOffset = kFileSettingsOffset + kSettingsBlockSize;
inline constexpr size_t kFileTrailerOffset = kFileWeightOffset + kWeightBlockSize;
inline constexpr size_t kProjectFileSize = kFileTrailerOffset + kTrailerSize;

static_assert(kFileMenuTableOffset == 35);
static_assert(kFileFormTableOffset == 3535);
static_assert(kFileLookupTableOffset == 15685);
static_assert(kFileTextOffset == 16051);
static_assert(kFileReservedAreaOffset == 18519);
static_assert(kFileSettingsOffset == 18574);
static_assert(kFileWeightOffset == 18842);
static_assert(kProjectFileSize == 18954);

// Target codes: where a menu item, an Esc key or a completed form leads.
inline constexpr uint8_t kTargetMain = 0;
inline constexpr uint8_t TargetOfForm(int form_number) { return static_cast<uint8_t>(form_number); }
inline constexpr uint8_t TargetOfMenu(int menu_number) {
  return static_cast<uint8_t>(10 + menu_number);
}
inline constexpr uint8_t kLastTarget = 20;

}  // namespace q700

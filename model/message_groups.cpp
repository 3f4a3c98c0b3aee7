#include "model/message_groups.h"

#include <algorithm>
#include <cstdio>

#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

struct GroupShape {
  int text_set;
  int rows_small, rows_large;
  int tag_small, tag_large;  // rows named by the caption's size tag
  int first_small, first_large;
  bool font_dependent;
};

// Groups 6 and 25 take some rows from the extra menu texts; their default ids are listed below.
constexpr std::array<GroupShape, kMessageGroupCount> kGroups = {{
    {7, 3, 3, 3, 3, 721, 721, false},    {8, 8, 8, 8, 8, 761, 771, true},
    {9, 4, 4, 4, 4, 981, 981, false},    {10, 4, 4, 3, 3, 991, 991, false},
    {11, 4, 4, 4, 4, 1021, 1021, false}, {12, 7, 7, 7, 7, 1031, 1031, false},
    {13, 8, 8, 8, 8, 0, 0, true},        {14, 6, 5, 6, 4, 801, 811, true},
    {15, 6, 4, 6, 4, 841, 851, true},    {16, 5, 5, 5, 5, 861, 871, true},
    {17, 4, 4, 4, 4, 881, 891, true},    {18, 4, 4, 4, 4, 901, 911, true},
    {19, 6, 4, 6, 4, 921, 931, true},    {20, 8, 6, 8, 6, 941, 951, true},
    {21, 3, 3, 3, 3, 1091, 1091, false}, {22, 5, 5, 5, 5, 741, 741, false},
    {23, 4, 2, 4, 2, 821, 831, true},    {24, 5, 5, 5, 5, 731, 731, false},
    {25, 5, 5, 5, 5, 971, 971, false},   {26, 3, 3, 3, 3, 751, 751, false},
    {27, 2, 2, 2, 2, 961, 961, false},   {28, 4, 4, 4, 4, 1001, 1001, false},
    {29, 3, 3, 3, 3, 1011, 1011, false}, {30, 6, 6, 6, 6, 1071, 1081, true},
    {31, 8, 8, 8, 8, 1041, 1041, false}, {32, 7, 7, 7, 7, 0, 0, true},
}};

constexpr std::array<int, 8> kSettingsGroupSmall = {782, 783, 784, 785, 786, 787, 1712, 788};
constexpr std::array<int, 8> kSettingsGroupLarge = {792, 793, 794, 795, 796, 797, 1722, 798};
constexpr std::array<int, 7> kMiscGroupSmall = {1051, 1052, 1053, 1711, 1713, 1714, 1715};
constexpr std::array<int, 7> kMiscGroupLarge = {1061, 1062, 1063, 1721, 1723, 1724, 1725};
// Extra menu texts (settings block) of the last four rows of the last group.
constexpr std::array<int, 4> kMiscExtraTexts = {0, 2, 3, 4};
constexpr int kSettingsBuzzerRow = 6;

std::string RowText(const StagingRow& row) { return SlotText(ConstBytes(row.data(), row.size())); }

void SetRow(StagingRow& row, std::string_view text) { SetSlotText(Bytes(row), text); }

}  // namespace

bool IsFontDependentGroup(int group) { return kGroups[group].font_dependent; }

int GroupTextSet(int group) { return kGroups[group].text_set; }

int GroupRows(int group, bool large_font) {
  return large_font ? kGroups[group].rows_large : kGroups[group].rows_small;
}

int GroupWidth(int group, bool large_font) {
  return kGroups[group].font_dependent && !large_font ? 16 : 12;
}

std::string GroupSizeTag(int group, bool large_font) {
  char tag[16];
  std::snprintf(tag, sizeof(tag), "(%dx%d)",
                large_font ? kGroups[group].tag_large : kGroups[group].tag_small,
                GroupWidth(group, large_font));
  return tag;
}

std::string GroupCaption(TextLoader& loader, int group, bool large_font) {
  return loader.Load(kFirstGroupCaptionId + group, Slot::kItem) + GroupSizeTag(group, large_font);
}

int GroupDefaultId(int group, int row, bool large_font) {
  if (group == kSettingsGroup) {
    return large_font ? kSettingsGroupLarge[row] : kSettingsGroupSmall[row];
  }
  if (group == kMiscContinuousGroup) {
    return large_font ? kMiscGroupLarge[row] : kMiscGroupSmall[row];
  }
  return (large_font ? kGroups[group].first_large : kGroups[group].first_small) + row;
}

Bytes GroupRowSlot(Design& design, int group, int row) {
  if (row < 0 || row >= kGroups[group].rows_small) return {};
  if (group == kSettingsGroup) {
    if (row == kSettingsBuzzerRow) return ExtraMenuText(design.settings, 1);
    return TextSlot(design, 13, row < kSettingsBuzzerRow ? row + 1 : row);
  }
  if (group == kMiscContinuousGroup && row >= 3) {
    return ExtraMenuText(design.settings, kMiscExtraTexts[row - 3]);
  }
  return TextSlot(design, kGroups[group].text_set, row);
}

int PortLineRow(int group, bool large_font) {
  if (large_font) return 3;
  return group == kUploadPortGroup ? 4 : 5;
}

void FillStagingFromDesign(Design& design, StagingTable& staging) {
  for (int g = 0; g < kMessageGroupCount; ++g) {
    for (int r = 0; r < kGroups[g].rows_small; ++r) {
      const Bytes slot = GroupRowSlot(design, g, r);
      StagingRow& row = staging[g][r];
      std::fill(row.begin(), row.end(), uint8_t{0});
      std::copy(slot.begin(), slot.end(), row.begin());
    }
  }
}

void WriteStagingToDesign(const StagingTable& staging, Design& design) {
  for (int g = 0; g < kMessageGroupCount; ++g) {
    for (int r = 0; r < kGroups[g].rows_small; ++r) {
      SetSlotText(GroupRowSlot(design, g, r), RowText(staging[g][r]));
    }
  }
}

void RefillFontGroups(StagingTable& staging, bool large_font, uint8_t port_flags,
                      const DefaultTerminalTexts& defaults, TextLoader& loader) {
  for (int g = 0; g < kMessageGroupCount; ++g) {
    if (!kGroups[g].font_dependent) continue;
    for (int r = 0; r < GroupRows(g, large_font); ++r) {
      SetRow(staging[g][r], defaults.Get(GroupDefaultId(g, r, large_font)));
    }
  }
  SetRow(staging[kUploadPortGroup][PortLineRow(kUploadPortGroup, large_font)],
         PortLineText(loader, kUploadPortLine, large_font,
                      port_flags & settings_offset::kUploadIsBluetooth));
  SetRow(staging[kDownloadPortGroup][PortLineRow(kDownloadPortGroup, large_font)],
         PortLineText(loader, kDownloadPortLine, large_font,
                      port_flags & settings_offset::kDownloadIsBluetooth));
}

void SetPortLines(Bytes text_block, bool large_font, uint8_t port_flags, TextLoader& loader) {
  SetSlotText(TextSlot(text_block, 14, PortLineRow(kUploadPortGroup, large_font)),
              PortLineText(loader, kUploadPortLine, large_font,
                           port_flags & settings_offset::kUploadIsBluetooth));
  SetSlotText(TextSlot(text_block, 15, PortLineRow(kDownloadPortGroup, large_font)),
              PortLineText(loader, kDownloadPortLine, large_font,
                           port_flags & settings_offset::kDownloadIsBluetooth));
}

}  // namespace q700

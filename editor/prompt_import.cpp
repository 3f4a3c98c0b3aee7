// Reading the screen texts of another project file for the Startup page.
#include "editor/prompt_import.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "model/layout.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

constexpr size_t kTagCompared = 9;
constexpr int kSettingsMenuSet = 13;
constexpr int kBuzzerRow = 6;
constexpr int kFirstExtraRow = 3;  // of the last group
constexpr uint8_t kRevisionWithExtraTexts = 2;
// Extra menu texts (settings block) of the last four rows of the last group.
constexpr int kMiscExtraTexts[] = {0, 2, 3, 4};

class FileBytes {
 public:
  explicit FileBytes(std::string bytes) : bytes_(std::move(bytes)) {}

  // A whole slot of the file, or nothing when the file ends before its last byte.
  std::optional<std::string_view> At(size_t offset, size_t size) const {
    if (offset + size > bytes_.size()) return std::nullopt;
    return std::string_view(bytes_).substr(offset, size);
  }
  size_t size() const { return bytes_.size(); }

 private:
  std::string bytes_;
};

// The row takes the slot's bytes; a 16-byte slot leaves the rest of the row empty.
void FillRow(StagingRow& row, std::string_view slot) {
  std::fill(row.begin(), row.end(), uint8_t{0});
  std::copy_n(slot.begin(), std::min(slot.size(), row.size()), row.begin());
}

void FillRowFromSet(StagingRow& row, const FileBytes& file, int set, int line) {
  const TextSetShape& shape = TextSetShapeOf(set);
  const size_t size = static_cast<size_t>(shape.slot_size);
  const auto slot = file.At(kFileTextOffset + TextSetOffset(set) + line * size, size);
  if (slot) FillRow(row, *slot);
}

void SetRow(StagingRow& row, std::string_view text) { SetSlotText(Bytes(row), text); }

bool IsVersionTag(std::string_view header) {
  return header == std::string_view(kVersionTag, kTagCompared) ||
         header == std::string_view(kOldVersionTag, kTagCompared);
}

}  // namespace

PromptImport ImportPrompts(const std::filesystem::path& path, StagingTable& staging, Design& design,
                           const DefaultTerminalTexts& defaults) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string bytes(kProjectFileSize, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  const FileBytes file(std::move(bytes));

  const auto header = file.At(0, kTagCompared);
  if (!header || !IsVersionTag(*header)) return {PromptImportStatus::kForeign, std::nullopt};

  for (int group = 0; group < kMessageGroupCount; ++group) {
    const int set = GroupTextSet(group);
    if (set == kSettingsMenuSet) continue;
    for (int line = 0; line < TextSetShapeOf(set).count; ++line) {
      FillRowFromSet(staging[group][line], file, set, line);
    }
  }
  // The settings menu's title line is not a row; its buzzer row sits between lines 6 and 7.
  for (int row = 0; row < kBuzzerRow; ++row) {
    FillRowFromSet(staging[kSettingsGroup][row], file, kSettingsMenuSet, row + 1);
  }
  FillRowFromSet(staging[kSettingsGroup][kBuzzerRow + 1], file, kSettingsMenuSet, kBuzzerRow + 1);

  PromptImport result{PromptImportStatus::kImported, std::nullopt};
  const auto settings = file.At(kFileSettingsOffset, kSettingsBlockSize);
  if (!settings) return result;

  using namespace settings_offset;
  const auto extra_text = [&](int i) {
    return settings->substr(kExtraMenuTexts + static_cast<size_t>(i) * kExtraTextSize,
                            kExtraTextSize);
  };
  const bool large_font = (*settings)[kLargeFont] != 0;
  const int first_default = large_font ? kCalculatorLarge : kCalculatorSmall;
  result.large_font = large_font;
  if (static_cast<uint8_t>((*settings)[kRevision]) >= kRevisionWithExtraTexts) {
    FillRow(staging[kSettingsGroup][kBuzzerRow], extra_text(1));
    for (int i = 0; i < 4; ++i) {
      FillRow(staging[kMiscContinuousGroup][kFirstExtraRow + i], extra_text(kMiscExtraTexts[i]));
    }
  } else {
    // Older files have no extra menu texts: take the defaults of the file's font.
    SetRow(staging[kSettingsGroup][kBuzzerRow], defaults.Get(first_default + 1));
    for (int i = 0; i < 4; ++i) {
      const int extra = kMiscExtraTexts[i];
      if (SlotTextLength(ExtraMenuText(design.settings, extra)) == 0) {
        SetRow(staging[kMiscContinuousGroup][kFirstExtraRow + i],
               defaults.Get(first_default + extra));
      }
    }
  }
  return result;
}

}  // namespace q700::editor

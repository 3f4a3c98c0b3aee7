// Fuzz target for the Startup page's import of screen texts from another project file: any bytes
// as the file. A file without one of the two version tags changes nothing; otherwise every row
// that the file reaches holds the bytes of its slot in the file, the rows it does not reach keep
// their texts, and the design itself never changes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "editor/prompt_import.h"
#include "fuzz/fuzz_support.h"
#include "model/defaults.h"
#include "model/layout.h"
#include "model/message_groups.h"
#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

using q700::StagingRow;
using q700::StagingTable;

constexpr int kSettingsMenuSet = 13;

struct Setup {
  Setup() {
    q700::RefillTerminalTexts(loader, defaults);
    q700::ResetDesign(design, defaults);
    q700::FillStagingFromDesign(design, staging);
  }
  q700::TextLoader loader;
  q700::DefaultTerminalTexts defaults;
  q700::Design design;
  StagingTable staging{};
};

// The row a slot of the file gives: its bytes, the rest of the row zero. Nothing when the file
// ends inside the slot.
std::optional<StagingRow> RowFromFile(std::string_view file, int set, int line) {
  const q700::TextSetShape& shape = q700::TextSetShapeOf(set);
  const size_t size = static_cast<size_t>(shape.slot_size);
  const size_t offset =
      q700::kFileTextOffset + q700::TextSetOffset(set) + static_cast<size_t>(line) * size;
  if (offset + size > file.size()) return std::nullopt;
  StagingRow row{};
  for (size_t i = 0; i < size; ++i) row[i] = static_cast<uint8_t>(file[offset + i]);
  return row;
}

void CheckRow(const StagingRow& after, const StagingRow& before, std::string_view file, int set,
              int line) {
  const std::optional<StagingRow> expected = RowFromFile(file, set, line);
  Q700_FUZZ_CHECK(after == (expected ? *expected : before));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  static const std::filesystem::path path = q700::fuzz::ScratchFolder() / "import.TPX";
  q700::fuzz::WriteFile(path, data, size);
  const std::string_view file = q700::fuzz::AsText(data, size);

  q700::Design design = setup.design;
  StagingTable staging = setup.staging;
  const q700::editor::PromptImport result =
      q700::editor::ImportPrompts(path, staging, design, setup.defaults);
  Q700_FUZZ_CHECK(design == setup.design);

  const std::string_view header = file.substr(0, 9);
  const bool tagged = header == q700::kVersionTag || header == q700::kOldVersionTag;
  if (!tagged) {
    Q700_FUZZ_CHECK(result.status == q700::editor::PromptImportStatus::kForeign);
    Q700_FUZZ_CHECK(staging == setup.staging);
    return 0;
  }
  Q700_FUZZ_CHECK(result.status == q700::editor::PromptImportStatus::kImported);

  for (int group = 0; group < q700::kMessageGroupCount; ++group) {
    const int set = q700::GroupTextSet(group);
    if (set == kSettingsMenuSet) continue;
    const int rows = q700::TextSetShapeOf(set).count;
    for (int line = 0; line < rows; ++line) {
      CheckRow(staging[group][line], setup.staging[group][line], file, set, line);
    }
  }
  // The settings menu: lines 1 to 6 of its set, its buzzer row, then line 7.
  for (int row = 0; row < 6; ++row) {
    CheckRow(staging[q700::kSettingsGroup][row], setup.staging[q700::kSettingsGroup][row], file,
             kSettingsMenuSet, row + 1);
  }
  CheckRow(staging[q700::kSettingsGroup][7], setup.staging[q700::kSettingsGroup][7], file,
           kSettingsMenuSet, 7);

  const bool has_settings = file.size() >= q700::kFileSettingsOffset + q700::kSettingsBlockSize;
  Q700_FUZZ_CHECK(result.large_font.has_value() == has_settings);
  if (has_settings) {
    const bool large = file[q700::kFileSettingsOffset + q700::settings_offset::kLargeFont] != 0;
    Q700_FUZZ_CHECK(*result.large_font == large);
  } else {
    // Without the file's settings the buzzer row and the extra rows stay as they were.
    Q700_FUZZ_CHECK(staging[q700::kSettingsGroup][6] == setup.staging[q700::kSettingsGroup][6]);
    for (int row = q700::kCalculatorRow; row < 7; ++row) {
      Q700_FUZZ_CHECK(staging[q700::kMiscContinuousGroup][row] ==
                      setup.staging[q700::kMiscContinuousGroup][row]);
    }
  }

  // Whatever was imported can be written back into a design and saved.
  q700::WriteStagingToDesign(staging, design);
  return 0;
}

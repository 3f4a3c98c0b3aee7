// Import of the terminal's screen texts from another project file into the Startup page's
// working texts. Only the texts and the font choice are taken; nothing of the file reaches the
// design directly.
#pragma once

#include <filesystem>
#include <optional>

#include "model/design.h"
#include "model/message_groups.h"
#include "texts/terminal_texts.h"

namespace q700::editor {

enum class PromptImportStatus { kImported, kUnreadable, kForeign };

struct PromptImport {
  PromptImportStatus status = PromptImportStatus::kUnreadable;
  // The file's large-font flag; nothing when the file ends before its settings block.
  std::optional<bool> large_font;
};

// Reads the text sets of a project file into the rows of their groups. The settings menu group
// takes the file's lines 1 to 7 around its buzzer row; the buzzer row and the last four rows of
// the last group come from the file's extra menu texts when the file's model revision has them
// (2 or more), otherwise from the defaults of the file's font (the last four rows only where
// `design` has no text of its own). Rows that a short file does not reach keep their texts. A
// file whose first 9 bytes are neither "Q700RU004" nor "Q700-1.00" is foreign and changes
// nothing.
PromptImport ImportPrompts(const std::filesystem::path& path, StagingTable& staging, Design& design,
                           const DefaultTerminalTexts& defaults);

}  // namespace q700::editor

// The Code ID dialog ("CODEIDDLG"): the Code ID option and the fifteen Code IDs of the settings
// block, edited on working copies with the key sequence picker (two codes each) and five preset
// sets. OK writes them into the design, which the front end must then mark as modified.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/pickers.h"
#include "model/design.h"
#include "model/settings_block.h"
#include "texts/text_loader.h"

namespace q700::editor {

inline constexpr int kCodeIdCount = settings_offset::kCodeIdCount;  // 15
inline constexpr int kCodeIdPresetCount = 5;
inline constexpr int kCodeIdEnableBox = 101;
inline constexpr int kFirstCodeIdLabel = 901;
inline constexpr int kFirstCodeIdField = 301;
inline constexpr int kFirstCodeIdSetButton = 201;  // "Set 1" to "Set 5"
inline constexpr int kCodeIdClearButton = 206;

struct CodeIdView {
  bool enable = false;                           // 101
  bool controls_enabled = false;                 // labels 901-915, fields 301-315, buttons 201-206
  std::array<std::string, kCodeIdCount> fields;  // sequence texts of the Code IDs
};

// What the front end must do after OK.
struct CodeIdCommit {
  bool mark_modified = true;  // set the design's Modified flag
};

class CodeIdDialog {
 public:
  CodeIdDialog(Design& design, TextLoader& texts) : settings_(design.settings), texts_(texts) {}

  // Takes the working copies of the flag and the Code IDs.
  CodeIdView Open();
  CodeIdView View();
  CodeIdView ClickEnable();
  // "Set 1" to "Set 5", `set` from 0: all fifteen Code IDs become the preset set.
  CodeIdView PressSet(int set);
  CodeIdView PressClear();

  // A click in field `field` (0 to 14): the key sequence picker on its working Code ID, with a
  // capacity of 2. Its OK stores the codes (a missing second code as 0) and gives the field's
  // new text; its Cancel gives the field's previous text.
  KeySequencePicker Picker(int field);

  // Writes the flag and the fifteen Code IDs, also while the flag is off.
  CodeIdCommit Ok();
  void Cancel() {}

  ConstBytes code_id(int field) const;
  // The working Code ID of a field, for a picker box that edits it in place.
  Bytes code_id_box(int field);

 private:
  Bytes settings_;
  TextLoader& texts_;
  uint8_t flag_ = 0;
  std::array<uint8_t, kCodeIdCount * 2> codes_{};
};

// The characters of a preset Code ID; `set` from 0, `field` from 0.
const char* CodeIdPreset(int set, int field);

}  // namespace q700::editor

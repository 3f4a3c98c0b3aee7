// The Weight Code dialog ("WEIGHTCODE"): how weight barcodes are split into a key and a
// quantity. It edits the weight-code block at its own OK.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "model/design.h"
#include "texts/text_loader.h"

namespace q700::editor {

inline constexpr int kWeightEnableBox = 1011;
inline constexpr int kWeightFormat1CBox = 1029;
inline constexpr int kWeightPrefixField = 1013;
inline constexpr int kWeightMaskList = 1017;
inline constexpr int kWeightKeyFieldList = 1018;
inline constexpr int kWeightQuantityFieldList = 1023;
inline constexpr size_t kWeightPrefixLimit = 2;

struct WeightCodeLists {
  std::vector<std::string> masks;   // 1017: "05" to "09"
  std::vector<std::string> fields;  // 1018 and 1023: "field 1" to "field 8"
};

struct WeightCodeView {
  bool enable = false;            // 1011
  bool format_1c = false;         // 1029
  bool controls_enabled = false;  // 1013, 1017, 1018, 1023 and 1029
  // List positions; a stored value outside its list selects nothing and is kept.
  int mask = 0;
  int key_field = 0;
  int quantity_field = 0;
};

// The prefix as it is stored: a single character right-aligned after a blank, nothing as two
// blanks; only the first two characters count.
std::string NormalisePrefix(std::string_view text);

class WeightCodeDialog {
 public:
  WeightCodeDialog(Design& design, TextLoader& texts) : weight_(design.weight), texts_(texts) {}

  WeightCodeLists Lists() const;
  WeightCodeView Open();
  WeightCodeView View() const;
  // The prefix field's text when the dialog opens.
  std::string PrefixText() const;

  WeightCodeView ClickEnable();
  WeightCodeView ClickFormat1C();
  void SelectMask(int position);
  void SelectKeyField(int position);
  void SelectQuantityField(int position);
  // The user typed in the prefix field (at most two characters): the text waits until the
  // field loses the focus or the dialog is confirmed.
  EditRewrite ChangePrefix(std::string_view text);
  // The prefix field lost the focus: its text becomes the prefix and is shown as stored.
  EditRewrite LeavePrefix(std::string_view text);

  // Stores the flags, the lists and the prefix. A prefix still being typed (OK by the Enter key
  // while the field has the focus) is taken as if the field had lost the focus.
  void Ok();
  void Cancel() {}

 private:
  Bytes weight_;
  TextLoader& texts_;
  bool enable_ = false;
  bool format_1c_ = false;
  uint16_t mask_ = 0;
  uint16_t key_field_ = 0;
  uint16_t quantity_field_ = 0;
  std::array<uint8_t, 2> prefix_{};
  std::string typed_prefix_;
  bool prefix_typed_ = false;
};

}  // namespace q700::editor

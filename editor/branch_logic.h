// The function-key dialogs of a form: the branch dialog ("FormBranchDlg") for FN + 1 to FN + 4,
// and the summation ("FormSummation") and remains ("FormRemains") settings of one key, opened
// from it. The branch dialog edits the working copy as the user goes and puts the record back on
// Cancel, which also undoes what the summation and remains dialogs stored; those two store their
// bytes only at their own OK.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "editor/form_detail.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

inline constexpr uint8_t kBranchRemains = 11;
inline constexpr uint8_t kBranchSummation = 12;
inline constexpr uint8_t kBranchLast = 13;  // "Delete last from DataFile"

// "disable", form 1 to 10, "Remains", "Summation", "Delete last from DataFile".
std::vector<std::string> BranchTexts(TextLoader& texts);

struct BranchView {
  std::array<int, kFunctionKeys> targets{};  // lists 401 to 404
  std::array<bool, kFunctionKeys> more{};    // "More..." buttons 3 to 6
};

// Which dialog a "More..." button opens.
enum class BranchDetail { kNone, kRemains, kSummation };

class BranchDialog {
 public:
  explicit BranchDialog(FormRecord record) : record_(record) {}

  // Takes the backup; a branch byte above 13 is read, and stored, as "disable".
  BranchView Open();
  BranchView View();
  // `key` is 0 to 3 for FN + 1 to FN + 4.
  BranchView SelectTarget(int key, int target);
  BranchDetail PressMore(int key);

  void Ok() {}
  void Cancel() { backup_.Restore(record_); }

 private:
  FormRecord record_;
  FormBackup backup_;
};

struct SummationLists {
  std::vector<std::string> sources;  // 1024
  std::vector<std::string> fields;   // 1017 and 1018
};
SummationLists LoadSummationLists(TextLoader& texts);

struct SummationView {
  int source = 0;          // 1024
  int field = 0;           // 1017
  bool multiply = false;   // 1011
  int multiply_field = 0;  // 1018
  bool multiply_field_enabled = false;
};

class SummationDialog {
 public:
  SummationDialog(FormRecord record, int key) : record_(record), key_(key) {}

  SummationView Open();
  SummationView View() const { return view_; }
  SummationView SelectSource(int source);
  SummationView SelectField(int field);
  SummationView ClickMultiply();
  SummationView SelectMultiplyField(int field);
  // Stores the source and the fields byte: summation field + 16 x (multiply field + 1).
  void Ok();
  void Cancel() {}

 private:
  FormRecord record_;
  int key_;
  SummationView view_;
};

struct RemainsLists {
  std::vector<std::string> filters;  // 1024: "variable1" to "variable3"
  std::vector<std::string> fields;   // 1017
};
RemainsLists LoadRemainsLists(TextLoader& texts);

struct RemainsView {
  bool enable = false;         // 1029
  int filter_for = 0;          // 1024
  int field = 0;               // 1017
  CheckState suffix;           // 1011 "Filter is suffix:"
  bool lists_enabled = false;  // 1024 and 1017
};

class RemainsDialog {
 public:
  RemainsDialog(FormRecord record, int key) : record_(record), key_(key) {}

  RemainsView Open();
  RemainsView View() const;
  RemainsView ClickEnable();
  RemainsView SelectFilterFor(int variable);
  RemainsView SelectField(int field);
  RemainsView ClickSuffix();
  // Rebuilds both bytes: filter = 16 when enabled + field; options = suffix bit + 16 x variable.
  void Ok();
  void Cancel() {}

 private:
  FormRecord record_;
  int key_;
  bool enable_ = false;
  int filter_for_ = 0;
  int field_ = 0;
  bool suffix_ = false;
};

}  // namespace q700::editor

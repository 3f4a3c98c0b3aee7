// The properties dialog of a lookup line ("LookupAdvanceDlg"): "Save field data" and, when the
// data is saved, its fixed length, prefix and suffix codes. Edits go into the working copy as the
// user goes; Cancel puts the record back as it was when the dialog opened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

struct LookupPropertiesView {
  CheckState save_field_data;       // 101
  CheckState fixed_length;          // 102
  bool fixed_length_edits = false;  // 301 and 401
  int alignment = 0;
  CheckState prefix;        // 103
  bool prefix_box = false;  // 302
  CheckState suffix;        // 104
  bool suffix_box = false;  // 303
};

struct LookupPropertiesTexts {
  std::string fixed_length;
  std::string prefix;  // sequence texts
  std::string suffix;
};

class LookupPropertiesDialog {
 public:
  LookupPropertiesDialog(FormRecord record, int line, TextLoader& texts);

  // The alignment list (401).
  std::vector<std::string> Alignments();

  LookupPropertiesView Open();
  LookupPropertiesView View();
  LookupPropertiesTexts Texts();

  LookupPropertiesView ClickSaveFieldData();
  LookupPropertiesView ClickFixedLength();
  EditRewrite ChangeFixedLength(std::string_view text);
  LookupPropertiesView SelectAlignment(int alignment);
  LookupPropertiesView ClickPrefix();
  LookupPropertiesView ClickSuffix();

  // Storage of the prefix and suffix picker boxes (capacity 10), taken into the record at OK.
  Bytes prefix_box() { return prefix_; }
  Bytes suffix_box() { return suffix_; }

  // OK: a lookup line has no input mark; the picker boxes' codes are stored.
  DialogOk Ok();
  void Cancel();

 private:
  uint8_t& Line(size_t array_offset) { return record_.line(array_offset, line_); }
  bool Flag(size_t array_offset) { return Line(array_offset) != 0; }
  LookupPropertiesView Toggle(size_t array_offset);

  FormRecord record_;
  int line_;
  TextLoader& texts_;
  FormBackup backup_;
  CodeBox prefix_{};
  CodeBox suffix_{};
};

}  // namespace q700::editor

// The field properties dialog of an ordinary form line ("AdvanceDlg"): fixed length, initial
// value, prefix and suffix codes, input mark, decimal places, partial barcode reading, leading
// code, check digit and auto ENTER. It edits the line in the working copy as the user goes;
// Cancel puts the record back as it was when the dialog opened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

struct FieldPropertiesLists {
  std::vector<std::string> alignments;      // 401
  std::vector<std::string> decimal_places;  // 404
  std::vector<std::string> check_digits;    // 402
  std::vector<std::string> auto_enter;      // 403
};
FieldPropertiesLists LoadFieldPropertiesLists(TextLoader& texts);

// Check boxes, radio buttons, enabled edits and list selections.
struct FieldPropertiesView {
  CheckState fixed_length;          // 101
  bool fixed_length_edits = false;  // 301 and 401
  int alignment = 0;
  CheckState initial_value;             // 102
  bool initial_value_edit = false;      // 302
  CheckState prefix;                    // 103
  bool prefix_box = false;              // 303
  CheckState suffix;                    // 104
  bool suffix_box = false;              // 304
  CheckState input_mark;                // 105
  bool input_mark_edit = false;         // 305
  bool decimal_places_enabled = false;  // 404
  int decimal_places = 0;
  CheckState partial;                // 106
  CheckState barcode_part;           // 1053 (radio)
  CheckState gs1_part;               // 1054 (radio)
  CheckState cut_gs1;                // 1055
  bool start_position_edit = false;  // 306
  bool max_length_edit = false;      // 307
  CheckState save_full;              // 1011
  bool gs1_code_edit = false;        // 1013
  CheckState leading_code;           // 107
  bool leading_code_edit = false;    // 308
  CheckState check_digit;            // 108
  bool check_digit_list = false;     // 402
  int check_digit_method = 0;        // position in 402
  int auto_enter = 0;                // 403
};

// The texts of the edit boxes and picker boxes, written when the dialog opens.
struct FieldPropertiesTexts {
  int form_number = 1;  // 501
  int line_number = 1;  // 502
  std::string fixed_length;
  std::string initial_value;
  std::string prefix;  // sequence texts
  std::string suffix;
  std::string input_mark;
  std::string start_position;
  std::string max_length;
  std::string gs1_code;
  std::string leading_code;
};

class FieldPropertiesDialog {
 public:
  // `form` and `line` count from 0; `show_input_mark` is the editor's flag of that line.
  FieldPropertiesDialog(FormRecord record, int form, int line, bool& show_input_mark,
                        TextLoader& texts);

  // Takes the backup and settles the partial barcode bytes (both stored).
  FieldPropertiesView Open();
  FieldPropertiesView View();
  FieldPropertiesTexts Texts();

  FieldPropertiesView ClickFixedLength();
  EditRewrite ChangeFixedLength(std::string_view text);
  FieldPropertiesView SelectAlignment(int alignment);
  FieldPropertiesView ClickInitialValue();
  EditRewrite ChangeInitialValue(std::string_view text);
  FieldPropertiesView ClickPrefix();
  FieldPropertiesView ClickSuffix();
  FieldPropertiesView ClickInputMark();
  EditRewrite ChangeInputMark(std::string_view text);
  FieldPropertiesView SelectDecimalPlaces(int places);
  FieldPropertiesView ClickPartial();
  FieldPropertiesView ClickBarcodePart();
  FieldPropertiesView ClickGs1Part();
  FieldPropertiesView ClickCutGs1();
  EditRewrite ChangeStartPosition(std::string_view text);
  EditRewrite ChangeMaxLength(std::string_view text);
  FieldPropertiesView ClickSaveFull();
  EditRewrite ChangeGs1Code(std::string_view text);
  FieldPropertiesView ClickLeadingCode();
  EditRewrite ChangeLeadingCode(std::string_view text);
  FieldPropertiesView ClickCheckDigit();
  FieldPropertiesView SelectCheckDigit(int position);
  FieldPropertiesView SelectAutoEnter(int choice);

  // Storage of the prefix and suffix picker boxes (capacity 10), taken into the record at OK.
  Bytes prefix_box() { return prefix_; }
  Bytes suffix_box() { return suffix_; }

  // OK: refused with a warning while a GS1 code is too short; otherwise the dialog's values are
  // stored and it closes.
  DialogOk Ok();
  void Cancel();

 private:
  uint8_t& Line(size_t array_offset) { return record_.line(array_offset, line_); }
  bool Flag(size_t array_offset) { return Line(array_offset) != 0; }
  void Toggle(size_t array_offset) { Line(array_offset) = Flag(array_offset) ? 0 : 1; }

  FormRecord record_;
  int form_;
  int line_;
  bool& show_input_mark_;
  TextLoader& texts_;
  FormBackup backup_;
  bool show_input_mark_backup_ = false;
  bool save_full_ = false;
  CodeBox prefix_{};
  CodeBox suffix_{};
  std::string gs1_code_;
};

// The initial value a line keeps of a typed text: at most 9 characters (1 for a boolean line),
// digits only for integer, real and auto(+/-) lines (with a single "." for the last two), a
// boolean character or nothing, and the leading letters and digits of an alphameric line.
std::string FitInitialValue(uint8_t type, std::string_view text);

// The warning shown when the GS1 code is shorter than 2 characters.
Message ShortGs1CodeMessage();

}  // namespace q700::editor

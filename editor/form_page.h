// The Form page of the editor sheet: a working copy of the ten forms, shown one form at a time
// as eight lines plus the form's header choices. Each event of the page is one method that
// changes the working copy and returns what the controls must now show; the sheet's OK commits
// the copy into the design.
//
// A front end writes a view into its controls with its own change notifications ignored, and
// writes an EditRewrite back into the box that changed.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "model/design.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

// The lists of the page, in value order.
struct FormPageLists {
  std::vector<std::string> forms;           // "Name :"
  std::vector<std::string> fonts;           // "Font :"
  std::vector<std::string> escape_targets;  // "Esc  :"
  std::vector<std::string> next_targets;    // "Next :", the targets and "Beck to the error form"
  std::vector<std::string> error_targets;   // "if an error occured :"
  std::vector<std::string> lookup_files;    // "Lookup :"
  std::vector<std::string> record_actions;  // "Record :"
  std::vector<std::string> types;           // each line's "Data type"
  std::vector<std::string> input_sources;   // each line's "Input source"
};

// Which controls of a line accept input.
struct LineControls {
  bool type = true;
  bool prompt = false;
  bool input_source = false;
  bool min_length = false;
  bool max_length = false;
  bool lookup = false;
  bool more = false;  // "more..."
};

// The choices of one line; its lookup list depends on its type.
struct LineState {
  LineControls enabled;
  int type = 0;
  int input_source = 0;
  std::vector<std::string> lookup_items;
  int lookup = 0;
};

// The edit boxes of one line.
struct LineTexts {
  std::string prompt;
  std::string min_length;
  std::string max_length;
};

struct FormPageView {
  int form = 0;
  int font = 0;
  int escape_target = 0;
  int next_target = 0;
  int error_target = 0;
  int lookup_file = 0;
  int record_action = 0;
  std::array<LineState, kFormLines> lines;
  std::array<LineTexts, kFormLines> texts;
};

// Which dialog a "more..." button opens.
enum class FieldDialog { kFieldProperties, kLookupProperties };

// What the rest of the program must do after the forms were committed.
struct FormCommit {
  bool restart_simulator = true;  // send key 51: back to the main menu
  bool recount_utilities = true;  // the utilities menu's line count depends on lookup file 1
};

class FormPage {
 public:
  explicit FormPage(TextLoader& texts) : texts_(texts) {}

  FormPageLists Lists() const;

  // The page is first shown: copy the design's forms, show form 1.
  FormPageView Open(const Design& design);
  // The whole current form, as showing it writes it.
  FormPageView View();

  // "Name :".
  FormPageView SelectForm(int form);
  // "Font :": stored at once; lines 5 to 8 are locked with the large font.
  std::array<LineState, kFormLines> SelectFont(int font);
  void SelectEscapeTarget(int target);
  void SelectNextTarget(int target);
  void SelectErrorTarget(int target);
  void SelectLookupFile(int file);
  void SelectRecordAction(int action);

  // Line events; `line` is 0 to 7.
  LineState SelectType(int line, int type);
  EditRewrite ChangePrompt(int line, std::string_view text);
  EditRewrite ChangeMinLength(int line, std::string_view text);
  EditRewrite ChangeMaxLength(int line, std::string_view text);
  void SelectInputSource(int line, int source);
  void SelectLookupColumn(int line, int column);
  // "more...": remembers the line for the dialog and tells which dialog to open.
  FieldDialog PressMore(int line);

  // The sheet closes with OK: the working copy goes into the design, which is tidied.
  // `modified` is set whether or not anything changed.
  FormCommit Apply(Design& design, bool& modified);
  // The sheet closes with Cancel: the working copy is dropped.
  void Cancel();

  bool opened() const { return opened_; }
  int current_form() const { return form_; }
  // 12 with the large font, 16 with the small one.
  size_t prompt_limit() { return static_cast<size_t>(record().line_width()); }
  // The current form's record in the working copy; the detail dialogs edit it in place.
  FormRecord record() { return FormAt(working_, form_); }
  // The line of the last "more...".
  int detail_line() const { return detail_line_; }
  // The editor's "Show input mark" flag of a line of the current form.
  bool& show_input_mark(int line) { return show_input_mark_[form_][line]; }
  ConstBytes working_copy() const { return working_; }

 private:
  LineState StateOf(int line);
  bool Locked(int line);

  TextLoader& texts_;
  std::array<uint8_t, kFormTableSize> working_{};
  std::array<std::array<bool, kFormLines>, kFormCount> show_input_mark_{};
  int form_ = 0;
  int detail_line_ = 0;
  bool opened_ = false;
};

// Which controls of a line take input for a type, before the font rule.
LineControls LineControlsFor(uint8_t type);

// Whether changing a line's type from `old_type` to `new_type` drops its detail settings.
bool TypeChangeClearsDetails(uint8_t old_type, uint8_t new_type);

}  // namespace q700::editor

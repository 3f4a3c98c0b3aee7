// The Lookup page of the editor sheet: a working copy of the three lookup records, shown one at a
// time. The working copy holds the no-match action as its position in the six-entry list; the
// records store it 2 higher while "Only read data once" is set. On apply, delimited records get
// their layout computed and the calculator item of the terminal's utilities menu is renumbered.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "editor/edit_text.h"
#include "editor/editor_session.h"
#include "editor/form_detail.h"
#include "editor/pickers.h"
#include "model/design.h"
#include "model/lookup_record.h"

namespace q700::editor {

struct LookupPageLists {
  std::vector<std::string> lookups;       // 451: "1st lookup file" ..
  std::vector<std::string> field_counts;  // 401: " 0" .. " 8"
  std::vector<std::string> bad_format;    // 403
};

// The colour of the note about delimiters (1027): red while the lookup is fixed-length, the
// system's grey-text colour while it is delimited.
enum class NoteColour { kRed, kGreyText };
inline constexpr Rgb kNoteRed = {200, 20, 30};
inline constexpr Rgb kNoteGreyFallback = {128, 128, 128};  // when the system has none

// The three controls of a field row.
struct LookupRowState {
  bool offset = false;  // 301-308
  bool length = false;  // 311-318
  bool key = false;     // 151-158
};

struct LookupView {
  int lookup = 0;            // 451
  bool delimited = false;    // radio 162 chosen, else 161
  std::string length_label;  // 501
  NoteColour note = NoteColour::kRed;
  bool member_length_enabled = false;  // 309
  bool delimiter_enabled = false;      // 310
  std::string member_length;
  std::string delimiter;
  int field_count = 0;
  CheckState read_once;                     // 102
  CheckState upload;                        // 101
  CheckState negative_remains;              // 103
  CheckState delete_if_empty;               // 1011
  std::vector<std::string> no_match_items;  // 402, six entries or the two inserting ones
  int no_match = 0;
  int bad_format = 0;
  std::array<std::string, kLookupFields> offsets;
  std::array<std::string, kLookupFields> lengths;
  int key_field = 0;
  std::array<LookupRowState, kLookupFields> rows;
};

// What the delimiter box (310) must show after a change, and the message to show first.
struct DelimiterEntry {
  EditRewrite rewrite;
  std::optional<Message> message;
};

class LookupPage {
 public:
  explicit LookupPage(EditorSession& session) : session_(session) {}

  LookupPageLists Lists() const;

  // The page is first shown: copy the records (no-match action to its list position), show
  // lookup 1.
  LookupView Open(const Design& design);
  LookupView View();

  // "Name :".
  LookupView SelectLookup(int lookup);
  // Radio 161 "Fixed length": the delimiter becomes 0; the delimiter box keeps its text.
  LookupView ChooseFixedLength();
  // Radio 162 "Delimiter": the delimiter becomes the code in the box, or tab for 0.
  LookupView ChooseDelimiter();
  EditRewrite ChangeMemberLength(std::string_view text);
  DelimiterEntry ChangeDelimiter(std::string_view text);
  // Fields 0 to 7.
  EditRewrite ChangeOffset(int field, std::string_view text);
  EditRewrite ChangeLength(int field, std::string_view text);
  std::array<LookupRowState, kLookupFields> SelectFieldCount(int count);
  void SelectKeyField(int field);
  LookupView ClickReadOnce();
  CheckState ClickUpload();
  CheckState ClickNegativeRemains();
  CheckState ClickDeleteIfEmpty();
  // A position in the no-match list as it is filled now.
  void SelectNoMatch(int position);
  void SelectBadFormat(int action);
  // All three lookups; the delete-if-empty flag is kept.
  LookupView Reset();

  // The sheet closes with OK: delimited layouts, the stored no-match form, then the calculator
  // number in the default texts and the Startup page's working texts.
  void Apply(Design& design);
  void Cancel() { opened_ = false; }

  bool opened() const { return opened_; }
  int current_lookup() const { return lookup_; }
  LookupRecord record() { return LookupAt(working_, lookup_); }
  // The working copy holds the no-match action as its list position.
  LookupRecord working_lookup(int lookup) { return LookupAt(working_, lookup); }

 private:
  std::array<LookupRowState, kLookupFields> Rows();
  std::vector<std::string> NoMatchItems();
  int NoMatchPosition();

  EditorSession& session_;
  std::array<uint8_t, kLookupTableSize> working_{};
  int lookup_ = 0;
  bool delimited_ = false;     // the format radio button chosen last
  std::string delimiter_box_;  // what 310 shows
  bool opened_ = false;
};

}  // namespace q700::editor

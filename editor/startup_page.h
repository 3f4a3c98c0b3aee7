// The Startup page of the editor sheet: the start target, the delimiters put between the data
// fields of a record, the terminal's system font and the texts of the terminal's own screens,
// edited one message group at a time in a staging table. The page's font choice and its staging
// table are shared with the Settings and Lookup pages through the editor session.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "editor/edit_text.h"
#include "editor/editor_session.h"
#include "editor/form_detail.h"
#include "model/design.h"
#include "model/message_groups.h"

namespace q700::editor {

struct StartupPageLists {
  std::vector<std::string> start_targets;     // 451: "form 1", "menu 1"
  std::vector<std::string> delimiter_counts;  // 401: "nil", " 1 ", " 2 "
};

struct GroupRowView {
  std::string label;  // 501-508: the default text of the row
  std::string text;   // 311-318: the working text
  bool enabled = false;
};

struct GroupView {
  int group = 0;  // 410
  int width = 12;
  std::array<GroupRowView, kGroupRowsMax> rows;
};

// The ASCII boxes (301, 302) show a code in decimal, the Text boxes (303, 304) its character.
struct DelimiterView {
  std::string first_code;
  std::string second_code;
  std::string first_text;
  std::string second_text;
  bool first_enabled = false;   // 301 and 303
  bool second_enabled = false;  // 302 and 304
};

struct StartupView {
  int start_target = 0;     // 451
  int delimiter_count = 0;  // 401
  DelimiterView delimiters;
  CheckState large_font;            // 101
  std::vector<std::string> groups;  // 410: the 26 captions with their size tags
  GroupView group;
};

// After a change of one box of a delimiter pair: what the box itself must show, what its partner
// must show, and a message to show first.
struct PairedEntry {
  EditRewrite rewrite;
  std::optional<std::string> partner;
  std::optional<Message> message;
};

struct StartupImport {
  bool imported = false;
  std::optional<Message> message;
  std::optional<StartupView> view;  // when imported
};

class StartupPage {
 public:
  // The first showing writes port lines into `design` at once, so the page keeps it.
  StartupPage(EditorSession& session, Design& design) : session_(session), design_(design) {}
  ~StartupPage();
  StartupPage(const StartupPage&) = delete;
  StartupPage& operator=(const StartupPage&) = delete;

  StartupPageLists Lists() const;

  // The page is first shown: the font choice, the port lines, the working values and texts;
  // shows group 0.
  StartupView Open();
  StartupView View();

  void SelectStartTarget(int target);
  DelimiterView SelectDelimiterCount(int count);
  // 301 and 302.
  PairedEntry ChangeFirstCode(std::string_view text) { return ChangeCode(0, text); }
  PairedEntry ChangeSecondCode(std::string_view text) { return ChangeCode(1, text); }
  // 303 and 304.
  PairedEntry ChangeFirstText(std::string_view text) { return ChangeText(0, text); }
  PairedEntry ChangeSecondText(std::string_view text) { return ChangeText(1, text); }
  // "Use large font for all prompts": refills the groups that follow the font.
  StartupView ClickLargeFont();
  GroupView SelectGroup(int group);
  // Row 0 to 7 of the group shown.
  EditRewrite ChangeRow(int row, std::string_view text);
  // Start target, delimiters (","), and every group's default texts in the current font.
  StartupView Reset();
  // Takes the screen texts and the font of another project file. A foreign file gives the
  // message to show; a file that cannot be read changes nothing, silently.
  StartupImport Import(const std::filesystem::path& path);

  // The sheet closes with OK: bytes 1, 2, 3 and 68, and the texts when they were edited.
  void Apply();
  void Cancel();

  bool opened() const { return opened_; }
  bool texts_edited() const { return texts_edited_; }
  int selected_group() const { return group_; }
  bool large_font() const { return session_.large_font; }
  const StagingTable& staging() const { return staging_; }
  StagingRow& staging_row(int group, int row) { return staging_[group][row]; }

 private:
  PairedEntry ChangeCode(int which, std::string_view text);
  PairedEntry ChangeText(int which, std::string_view text);
  DelimiterView Delimiters() const;
  GroupView ShowGroup();
  EditRewrite StoreRow(int row, std::string_view text);
  void Leave();

  EditorSession& session_;
  Design& design_;
  StagingTable staging_{};
  int start_target_ = 0;
  int count_ = 0;
  std::array<uint8_t, 2> delimiters_{};
  int group_ = 0;
  bool texts_edited_ = false;
  bool opened_ = false;
};

}  // namespace q700::editor

// The Startup page: start-up options, the delimiter pairs, the font choice, the message groups
// with their row boxes, Reset, Import and the commit.
#include "editor/startup_page.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_values.h"
#include "editor/prompt_import.h"
#include "model/project_file.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

constexpr size_t kRowRead = 19;
constexpr unsigned kByteMax = 255;
constexpr uint8_t kCarriageReturn = 13;
constexpr uint8_t kResetDelimiter = ',';
constexpr int kStartTargets = kStartTargetTexts.count;
constexpr int kDelimiterCounts = 3;
constexpr int kUtilitiesGroup = 1;
constexpr int kMemoryPowerRow = 6;
constexpr int kSettingsBuzzerRow = 6;
// Rows of the last group whose extra menu text falls back to its small-font default.
constexpr int kMiscExtraTexts[] = {0, 2, 3, 4};

// Labels that show blanks with the small font: (group, row).
constexpr std::array<std::array<int, 2>, 3> kBlankSmallLabels = {{{12, 3}, {16, 2}, {21, 1}}};

std::string RowText(const StagingRow& row) { return SlotText(ConstBytes(row.data(), row.size())); }

void SetRow(StagingRow& row, std::string_view text) { SetSlotText(Bytes(row), text); }

// The character a Text box shows for a code; none for 0.
std::string CharacterText(uint8_t code) {
  return code == 0 ? std::string() : std::string(1, static_cast<char>(code));
}

// A label shows "&" only when it is doubled.
std::string DoubleFirstAmpersand(std::string text) {
  const size_t amp = text.find('&');
  if (amp != std::string::npos) text.insert(amp, 1, '&');
  return text;
}

Message InvalidValueMessage() {
  Message message;
  message.caption_id = kCaptionWarning;
  message.text_id = kTextInvalidValue;
  message.icon = Icon::kWarning;
  return message;
}

}  // namespace

StartupPage::~StartupPage() { Leave(); }

void StartupPage::Leave() {
  if (session_.startup_staging == &staging_) session_.startup_staging = nullptr;
  opened_ = false;
}

StartupPageLists StartupPage::Lists() const {
  StartupPageLists lists;
  lists.start_targets = LoadTexts(session_.texts, kStartTargetTexts);
  lists.delimiter_counts = {session_.texts.Load(kItemNil, Slot::kItem)};
  for (auto& count : LoadTexts(session_.texts, {kItemDelimiterCounts, 2}))
    lists.delimiter_counts.push_back(count);
  return lists;
}

StartupView StartupPage::Open() {
  const bool large = design_.settings[kLargeFont] != 0;
  session_.large_font = large;
  // Flags left from an earlier sheet may belong to another design; the Settings page keeps
  // them in line with its own working copy once it has been shown.
  if (!session_.settings_shown) {
    uint8_t flags = 0;
    if (design_.settings[kUploadPort] == kUploadBluetooth) flags |= kUploadIsBluetooth;
    if (design_.settings[kDownloadPort] == kDownloadBluetooth) flags |= kDownloadIsBluetooth;
    session_.port_flags = flags;
  }
  WritePortLine(session_, design_, PortMenu::kUpload,
                (session_.port_flags & kUploadIsBluetooth) != 0, large);
  WritePortLine(session_, design_, PortMenu::kDownload,
                (session_.port_flags & kDownloadIsBluetooth) != 0, large);

  texts_edited_ = false;
  group_ = 0;
  start_target_ = design_.settings[kStartTarget];
  delimiters_ = {design_.settings[kFirstDelimiter], design_.settings[kSecondDelimiter]};
  count_ = delimiters_[0] == 0 ? 0 : delimiters_[1] == 0 ? 1 : 2;

  // The port lines written above reach the staging table with the rest of the texts.
  FillStagingFromDesign(design_, staging_);
  for (int i = 0; i < 4; ++i) {
    const int extra = kMiscExtraTexts[i];
    if (SlotTextLength(ExtraMenuText(design_.settings, extra)) == 0) {
      SetRow(staging_[kMiscContinuousGroup][kCalculatorRow + i],
             session_.defaults.Get(kCalculatorSmall + extra));
    }
  }

  session_.startup_staging = &staging_;
  session_.startup_shown = true;
  opened_ = true;
  return View();
}

DelimiterView StartupPage::Delimiters() const {
  DelimiterView view;
  view.first_code = NumberText(delimiters_[0]);
  view.second_code = NumberText(delimiters_[1]);
  view.first_text = CharacterText(delimiters_[0]);
  view.second_text = CharacterText(delimiters_[1]);
  view.first_enabled = count_ >= 1;
  view.second_enabled = count_ >= 2;
  return view;
}

StartupView StartupPage::View() {
  StartupView view;
  view.start_target = start_target_;
  view.delimiter_count = count_;
  view.delimiters = Delimiters();
  view.large_font = CheckState{session_.large_font, true};
  for (int g = 0; g < kMessageGroupCount; ++g) {
    view.groups.push_back(GroupCaption(session_.texts, g, session_.large_font));
  }
  view.group = ShowGroup();
  return view;
}

// Showing a group writes every row box, and each write is a change that the row rule stores:
// rows beyond the group's count become blanks in the staging table too.
GroupView StartupPage::ShowGroup() {
  const bool large = session_.large_font;
  const int rows = GroupRows(group_, large);
  GroupView view;
  view.group = group_;
  view.width = GroupWidth(group_, large);
  const std::string blanks(static_cast<size_t>(view.width), ' ');
  if (group_ == kMiscContinuousGroup) PutCalculatorDigit(session_, CalculatorDigit(design_));
  for (int r = 0; r < kGroupRowsMax; ++r) {
    GroupRowView& row = view.rows[r];
    if (r >= rows) {
      row.label = blanks;
      row.text = blanks;
      StoreRow(r, blanks);
      continue;
    }
    row.enabled = true;
    row.label = session_.defaults.Get(GroupDefaultId(group_, r, large));
    if (group_ == kSettingsGroup && r == kSettingsBuzzerRow) {
      row.label = SlotText(ExtraMenuText(design_.settings, 1));
    } else if (group_ == kUtilitiesGroup && r == kMemoryPowerRow && !large) {
      row.label = DoubleFirstAmpersand(row.label);
    }
    row.text = RowText(staging_[group_][r]);
    if (EditRewrite cut = StoreRow(r, row.text)) row.text = *cut;
  }
  if (!large) {
    for (const auto& [group, label_row] : kBlankSmallLabels) {
      if (group == group_) view.rows[label_row].label = blanks;
    }
  }
  return view;
}

EditRewrite StartupPage::StoreRow(int row, std::string_view text) {
  const size_t width = static_cast<size_t>(GroupWidth(group_, session_.large_font));
  return SettleEdit(text.substr(0, kRowRead), [&](std::string_view box) -> EditRewrite {
    if (box.size() > width) return std::string(box.substr(0, width));
    SetRow(staging_[group_][row], box);
    texts_edited_ = true;
    return std::nullopt;
  });
}

EditRewrite StartupPage::ChangeRow(int row, std::string_view text) {
  if (!InRange(row, kGroupRowsMax)) return std::nullopt;
  return StoreRow(row, text);
}

GroupView StartupPage::SelectGroup(int group) {
  if (InRange(group, kMessageGroupCount)) group_ = group;
  return ShowGroup();
}

void StartupPage::SelectStartTarget(int target) {
  if (InRange(target, kStartTargets)) start_target_ = target;
}

DelimiterView StartupPage::SelectDelimiterCount(int count) {
  if (InRange(count, kDelimiterCounts)) count_ = count;
  return Delimiters();
}

// The ASCII box of a pair; its partner shows the character of the code stored.
PairedEntry StartupPage::ChangeCode(int which, std::string_view text) {
  uint8_t& delimiter = delimiters_[which];
  PairedEntry entry;
  entry.rewrite = SettleEdit(text, [&](std::string_view box) -> EditRewrite {
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (!number) return box.empty() ? std::nullopt : EditRewrite(NumberText(0));
    // A carriage return would end the record on the terminal.
    if (*number == kCarriageReturn) {
      entry.message = InvalidValueMessage();
      return NumberText(delimiter);
    }
    if (*number > kByteMax) return NumberText(kByteMax);
    delimiter = static_cast<uint8_t>(*number);
    entry.partner = CharacterText(delimiter);
    return std::nullopt;
  });
  return entry;
}

// The Text box of a pair: one character; its partner shows the code.
PairedEntry StartupPage::ChangeText(int which, std::string_view text) {
  uint8_t& delimiter = delimiters_[which];
  PairedEntry entry;
  entry.rewrite = SettleEdit(text, [&](std::string_view box) -> EditRewrite {
    if (box.size() >= 2) return std::string(box.substr(0, 1));
    const uint8_t code = box.empty() ? 0 : static_cast<uint8_t>(box[0]);
    if (code == kCarriageReturn) {
      entry.message = InvalidValueMessage();
      return CharacterText(delimiter);
    }
    delimiter = code;
    entry.partner = NumberText(delimiter);
    return std::nullopt;
  });
  return entry;
}

StartupView StartupPage::ClickLargeFont() {
  session_.large_font = !session_.large_font;
  RefillFontGroups(staging_, session_.large_font, session_.port_flags, session_.defaults,
                   session_.texts);
  return View();
}

StartupView StartupPage::Reset() {
  start_target_ = 0;
  count_ = 1;
  delimiters_ = {kResetDelimiter, 0};
  texts_edited_ = false;
  group_ = 0;
  const bool large = session_.large_font;
  for (int g = 0; g < kMessageGroupCount; ++g) {
    if (IsFontDependentGroup(g)) continue;
    for (int r = 0; r < GroupRows(g, large); ++r) {
      SetRow(staging_[g][r], session_.defaults.Get(GroupDefaultId(g, r, large)));
    }
  }
  RefillFontGroups(staging_, large, session_.port_flags, session_.defaults, session_.texts);
  return View();
}

StartupImport StartupPage::Import(const std::filesystem::path& path) {
  StartupImport result;
  const PromptImport import = ImportPrompts(path, staging_, design_, session_.defaults);
  if (import.status == PromptImportStatus::kForeign) result.message = FormatMismatchMessage();
  if (import.status == PromptImportStatus::kImported) {
    result.imported = true;
    if (import.large_font) session_.large_font = *import.large_font;
    group_ = 0;
    result.view = View();
  }
  return result;
}

void StartupPage::Apply() {
  if (!opened_) return;
  std::array<uint8_t, 2> delimiters = delimiters_;
  if (count_ < 2) delimiters[1] = 0;
  if (count_ < 1) delimiters[0] = 0;
  design_.settings[kStartTarget] = static_cast<uint8_t>(start_target_);
  design_.settings[kFirstDelimiter] = delimiters[0];
  design_.settings[kSecondDelimiter] = delimiters[1];
  design_.settings[kLargeFont] = session_.large_font ? 1 : 0;
  if (texts_edited_) WriteStagingToDesign(staging_, design_);
  Leave();
}

void StartupPage::Cancel() { Leave(); }

}  // namespace q700::editor

// The check of a design before a download: what the terminal reaches, and what it cannot use.
#include "model/design_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "model/download_image.h"
#include "model/field_names.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/message_groups.h"
#include "model/settings_block.h"

namespace q700 {
namespace {

using namespace form_offset;

constexpr int kMaxLineLength = 80;
constexpr uint8_t kCarriageReturn = 13;
constexpr uint8_t kBackToErrorForm = 21;
constexpr size_t kShortestGs1Code = 2;

std::string Number(size_t n) { return std::to_string(n); }
std::string FormPrefix(int form) { return "form." + Number(form + 1) + "."; }
std::string MenuPrefix(int menu) { return "menu." + Number(menu + 1) + "."; }
std::string LinePrefix(int form, int line) {
  return FormPrefix(form) + "line." + Number(line + 1) + ".";
}
std::string LookupPrefix(int lookup) { return "lookup." + Number(lookup + 1) + "."; }

// The text fields by the slot they stand for.
const FieldInfo* TextFieldAt(DesignBlock block, size_t offset) {
  static const auto* fields = [] {
    auto* map = new std::map<std::pair<DesignBlock, size_t>, const FieldInfo*>();
    for (const FieldInfo& f : DesignFields()) {
      if (f.kind == FieldKind::kText) map->emplace(std::make_pair(f.block, f.offset), &f);
    }
    return map;
  }();
  const auto it = fields->find({block, offset});
  return it == fields->end() ? nullptr : it->second;
}

// Types of lines that take input from the user.
bool TakesInput(uint8_t type) {
  return IsEntryType(type) || (type >= kTypeAlphameric && type <= kTypeCompare);
}

// Types whose lookup column the download keeps.
bool KeepsLookupColumn(uint8_t type) {
  return type != kTypeNil && (type < kTypeFixedData || type > kTypePause);
}

class Checker {
 public:
  explicit Checker(Design& design) : d_(design), prepared_(std::make_unique<Design>(design)) {
    // The terminal gets the design as the download prepares it: its counts of items and lines
    // tell which menus and forms hold anything.
    PrepareDownload(*prepared_);
  }

  std::vector<Finding> Run() {
    Start();
    for (int m = 0; m < kMenuCount; ++m) {
      if (menu_reached_[m]) Menu(m);
    }
    for (int f = 0; f < kFormCount; ++f) {
      if (form_reached_[f]) Form(f);
    }
    for (int l = 0; l < kLookupCount; ++l) Lookup(l);
    Settings();
    TerminalTexts();
    OtherTexts();
    return std::move(findings_);
  }

 private:
  void Add(Severity severity, std::string field, std::string message) {
    findings_.push_back({severity, std::move(field), std::move(message)});
  }

  int Items(int menu) { return MenuAt(*prepared_, menu).item_count(); }
  int Lines(int form) { return FormAt(*prepared_, form).line_count(); }

  // Why a target code leads nowhere; nothing when it leads somewhere.
  std::optional<std::string> Dead(int target) {
    if (target == kTargetMain) return std::nullopt;
    if (target >= 1 && target <= kFormCount) {
      if (Lines(target - 1) > 0) return std::nullopt;
      return "leads to form " + Number(target) + ", which has no line that takes input";
    }
    if (target > kFormCount && target <= kLastTarget) {
      if (Items(target - kFormCount - 1) > 0) return std::nullopt;
      return "leads to menu " + Number(target - kFormCount) + ", which has no item";
    }
    return "holds " + Number(target) + ", which is no target";
  }

  // A target of something the terminal reaches: an error when it leads nowhere, and what it
  // leads to is reached in turn.
  void Follow(const std::string& field, int target) {
    if (const auto dead = Dead(target)) {
      Add(Severity::kError, field, *dead);
      return;
    }
    Reach(target);
  }

  // Marks a menu or form reached; one reached for the first time is followed on.
  void Reach(int target) {
    bool* reached = nullptr;
    if (target >= 1 && target <= kFormCount) reached = &form_reached_[target - 1];
    if (target > kFormCount && target <= kLastTarget) {
      reached = &menu_reached_[target - kFormCount - 1];
    }
    if (reached == nullptr || *reached) return;
    *reached = true;
    pending_.push_back(target);
  }

  void Walk() {
    for (size_t next = 0; next < pending_.size(); ++next) Targets(pending_[next]);
  }

  // The targets of a menu or form.
  void Targets(int target) {
    if (target > kFormCount) {
      const int m = target - kFormCount - 1;
      MenuRecord menu = MenuAt(d_, m);
      Follow(MenuPrefix(m) + "escape", menu.escape_target());
      for (int k = 0; k < Items(m); ++k) {
        Follow(MenuPrefix(m) + "item." + Number(k + 1) + ".target", menu.item_target(k));
      }
      return;
    }
    const int f = target - 1;
    FormRecord form = FormAt(d_, f);
    Follow(FormPrefix(f) + "escape", form.escape_target());
    if (form.next_target() != kBackToErrorForm) Follow(FormPrefix(f) + "next", form.next_target());
    // "Skip error" (0), then the main menu, the forms and the menus one code higher.
    const int error_target = form.at(kErrorTarget);
    if (error_target > kLastTarget + 1) {
      Add(Severity::kError, FormPrefix(f) + "error_target",
          "holds " + Number(error_target) + ", which is no target");
    } else if (error_target != 0) {
      Follow(FormPrefix(f) + "error_target", error_target - 1);
    }
    for (int k = 0; k < kFunctionKeys; ++k) {
      const int branch = form.at(kBranch + static_cast<size_t>(k));
      if (branch >= 1 && branch <= kFormCount) {
        Follow(FormPrefix(f) + "fn." + Number(k + 1) + ".branch", branch);
      }
    }
  }

  void Start() {
    const bool menu = d_.settings[settings_offset::kStartTarget] != 0;
    const int target = menu ? TargetOfMenu(1) : TargetOfForm(1);
    if (const auto dead = Dead(target)) {
      Add(Severity::kError, "settings.start",
          "the terminal's program starts with " + std::string(menu ? "menu 1" : "form 1") +
              ", which has no " + (menu ? "item" : "line that takes input"));
      return;
    }
    Reach(target);
    Walk();
  }

  void Menu(int m) {
    MenuRecord menu = MenuAt(d_, m);
    const size_t width = static_cast<size_t>(menu.line_width());
    const std::string font = menu.font_size() != 0 ? "large" : "small";
    const auto too_wide = [&](const std::string& field, Bytes slot) {
      const size_t length = SlotTextLength(slot);
      if (length <= width) return;
      Add(Severity::kWarning, field,
          Number(length) + " characters; with the " + font + " font the terminal shows " +
              Number(width) + ", and the download cuts the rest");
    };
    if (menu.caption_flag() != 0) too_wide(MenuPrefix(m) + "caption", menu.caption());
    const int count = Items(m);
    for (int k = 0; k < kMenuItems; ++k) {
      const std::string field = MenuPrefix(m) + "item." + Number(k + 1) + ".text";
      too_wide(field, menu.item_text(k));
      const bool blank =
          SlotText(MenuAt(*prepared_, m).item_text(k)).find_first_not_of(' ') == std::string::npos;
      if (k < count && blank) {
        Add(Severity::kWarning, field,
            "is blank: the terminal shows the first " + Number(count) +
                " items (as many as have a text), so a later item with a text is left out");
      }
    }
  }

  void Form(int f) {
    FormRecord form = FormAt(d_, f);
    const int width = form.line_width();
    const int lines = width - 8;  // with the large font only lines 1 to 4 are in use
    for (int i = 0; i < lines; ++i) {
      const uint8_t type = form.type(i);
      const std::string line = LinePrefix(f, i);
      if (type != kTypeNil && type != kTypeExtension &&
          SlotTextLength(form.prompt(i)) > static_cast<size_t>(width)) {
        Add(Severity::kError, line + "prompt",
            Number(SlotTextLength(form.prompt(i))) + " characters, but a line of the " +
                (width == 12 ? "large" : "small") + " font shows " + Number(width));
      }
      if (TakesInput(type)) {
        if (form.min_length(i) > form.max_length(i)) {
          Add(Severity::kError, line + "min_length",
              "the minimum length " + Number(form.min_length(i)) + " is above the maximum length " +
                  Number(form.max_length(i)) + ", so the line can never be completed");
        }
        if (form.max_length(i) > kMaxLineLength) {
          Add(Severity::kWarning, line + "max_length",
              Number(form.max_length(i)) + "; the terminal takes at most 80 characters");
        }
        const uint8_t mode = form.line(kPartialMode, i);
        if ((mode == 2 || mode == 3) && SlotTextLength(form.gs1_code(i)) < kShortestGs1Code) {
          Add(Severity::kError, line + "gs1_code",
              "a GS1 part is read, so the GS1 code needs at least 2 characters");
        }
      }
      LookupUse(f, i);
    }
  }

  // A line that looks a field up: the form needs a defined lookup file that has the field.
  void LookupUse(int f, int i) {
    FormRecord form = FormAt(d_, f);
    const uint8_t type = form.type(i);
    const uint8_t column = form.lookup_column(i);
    if (!KeepsLookupColumn(type)) return;
    if (column == 0) {
      if (type == kTypeLookup) {
        Add(Severity::kWarning, LinePrefix(f, i) + "lookup_column",
            "a lookup line that names no field of the lookup file shows nothing");
      }
      return;
    }
    const int field = (column - 1) % 8 + 1;
    const int file = form.at(kLookupFile);
    if (file == 0 || file > kLookupCount) {
      if (form_without_lookup_.insert(f).second) {
        Add(Severity::kError, FormPrefix(f) + "lookup",
            "line " + Number(i + 1) + " looks up field " + Number(field) +
                ", but the form uses no lookup file");
      }
      return;
    }
    LookupRecord lookup = LookupAt(d_, file - 1);
    if (!lookup.defined()) {
      if (undefined_lookups_.insert(file - 1).second) {
        const bool no_fields = lookup.field_count() == 0;
        Add(Severity::kError,
            LookupPrefix(file - 1) + (no_fields ? "field_count" : "member_length"),
            "form " + Number(f + 1) + " looks fields up in lookup file " + Number(file) +
                ", which is not defined: its " +
                (no_fields ? "number of fields" : "member length") + " is 0");
      }
      return;
    }
    if (field > lookup.field_count()) {
      Add(Severity::kError, LinePrefix(f, i) + "lookup_column",
          "looks up field " + Number(field) + ", but lookup file " + Number(file) + " has " +
              Number(lookup.field_count()) + " fields");
    }
  }

  void Lookup(int l) {
    LookupRecord lookup = LookupAt(d_, l);
    const std::string prefix = LookupPrefix(l);
    if (lookup.delimiter() == kCarriageReturn) {
      Add(Severity::kError, prefix + "delimiter",
          "13 (carriage return) ends a record of the lookup file, so it cannot separate fields");
    }
    const int count = lookup.field_count();
    if (count == 0) return;
    if (lookup.key_field() >= count) {
      Add(Severity::kError, prefix + "key_field",
          "the key is field " + Number(lookup.key_field() + 1) + ", but the file has " +
              Number(count) + " fields");
    }
    if (lookup.delimiter() != 0) {
      std::array<uint8_t, kLookupRecordSize> worked{};
      std::copy_n(lookup.bytes().begin(), kLookupRecordSize, worked.begin());
      LookupRecord layout{Bytes(worked)};
      ApplyDelimitedLayout(layout);
      if (layout.member_length() != lookup.member_length()) {
        Add(Severity::kError, prefix + "member_length",
            Number(lookup.member_length()) + ", but the delimited fields make records of " +
                Number(layout.member_length()) + " (set it to " + Number(layout.member_length()) +
                ")");
      }
      for (int k = 0; k < count && k < kLookupFields; ++k) {
        if (layout.field_offset(k) == lookup.field_offset(k)) continue;
        Add(Severity::kError, prefix + "field." + Number(k + 1) + ".offset",
            Number(lookup.field_offset(k)) + ", but in the delimited record field " +
                Number(k + 1) + " starts at " + Number(layout.field_offset(k)) + " (set it to " +
                Number(layout.field_offset(k)) + ")");
      }
      return;
    }
    // A record without a length is not defined, which the forms that use it are told.
    if (lookup.member_length() == 0) return;
    for (int k = 0; k < count && k < kLookupFields; ++k) {
      const int end = lookup.field_offset(k) + lookup.field_length(k) - 1;
      if (lookup.field_offset(k) == 0 || end > lookup.member_length()) {
        Add(Severity::kWarning, prefix + "field." + Number(k + 1) + ".offset",
            "field " + Number(k + 1) + " takes positions " + Number(lookup.field_offset(k)) +
                " to " + Number(std::max(end, 0)) + ", outside the record of " +
                Number(lookup.member_length()) + " characters");
      }
    }
  }

  void Settings() {
    using namespace settings_offset;
    const std::pair<size_t, const char*> delimiters[] = {{kFirstDelimiter, "delimiter1"},
                                                         {kSecondDelimiter, "delimiter2"}};
    for (const auto& [offset, name] : delimiters) {
      if (d_.settings[offset] == kCarriageReturn) {
        Add(Severity::kError, std::string("settings.") + name,
            "13 (carriage return) ends a collected record, so it cannot separate its fields");
      }
    }
  }

  // The terminal's screens, row by row as the system font shows them.
  void TerminalTexts() {
    const bool large = d_.settings[settings_offset::kLargeFont] != 0;
    for (int g = 0; g < kMessageGroupCount; ++g) {
      const size_t width = static_cast<size_t>(GroupWidth(g, large));
      for (int r = 0; r < GroupRows(g, large); ++r) {
        const Bytes slot = GroupRowSlot(d_, g, r);
        if (slot.empty()) continue;
        const DesignBlock block =
            slot.data() >= d_.texts.data() && slot.data() < d_.texts.data() + d_.texts.size()
                ? DesignBlock::kTexts
                : DesignBlock::kSettings;
        const FieldInfo* field = TextFieldAt(
            block, static_cast<size_t>(slot.data() - DesignBlockBytes(d_, block).data()));
        if (field == nullptr) continue;
        checked_.insert(field);
        const size_t length = SlotTextLength(slot);
        if (length <= width) continue;
        Add(Severity::kWarning, field->name,
            Number(length) + " characters, but the terminal's " + (large ? "large" : "small") +
                " system font shows " + Number(width) + " on this screen");
      }
    }
  }

  // Every other text: as long as the editor lets it be.
  void OtherTexts() {
    for (const FieldInfo& f : DesignFields()) {
      if (f.kind != FieldKind::kText || f.read_only || checked_.count(&f) != 0) continue;
      // Prompts and menu texts are checked with their font, where the terminal reaches them.
      if (f.name.find(".prompt") != std::string::npos ||
          (f.block == DesignBlock::kMenus && f.name.find("text") != std::string::npos) ||
          f.name.find(".caption") != std::string::npos) {
        continue;
      }
      const Bytes slot = DesignBlockBytes(d_, f.block).subspan(f.offset, f.size);
      const size_t length = SlotTextLength(slot);
      if (length > static_cast<size_t>(f.max)) {
        Add(Severity::kWarning, f.name,
            Number(length) + " characters; its slot is meant for " + Number(f.max));
      } else if (!f.charset.empty() &&
                 SlotText(slot).find_first_not_of(f.charset) != std::string::npos) {
        Add(Severity::kWarning, f.name, "holds characters other than 0-9, A-Z and a-z");
      }
    }
  }

  Design& d_;
  std::unique_ptr<Design> prepared_;
  std::vector<Finding> findings_;
  std::array<bool, kMenuCount> menu_reached_{};
  std::array<bool, kFormCount> form_reached_{};
  std::vector<int> pending_;
  std::set<int> form_without_lookup_;
  std::set<int> undefined_lookups_;
  std::set<const FieldInfo*> checked_;
};

}  // namespace

std::vector<Finding> CheckDesign(Design& design) { return Checker(design).Run(); }

bool HasErrors(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::kError; });
}

}  // namespace q700

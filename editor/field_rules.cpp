// The editor's pages and dialogs run over fields changed by name, page by page in the order of
// the editor sheet.
#include "editor/field_rules.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "editor/barcode_labels.h"
#include "editor/barcode_page.h"
#include "editor/form_page.h"
#include "editor/label_texts.h"
#include "editor/lookup_page.h"
#include "editor/menu_page.h"
#include "editor/settings_logic.h"
#include "editor/settings_page.h"
#include "editor/startup_page.h"
#include "editor/symbology_logic.h"
#include "model/barcode_block.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/message_groups.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

using Fields = std::vector<const FieldInfo*>;

size_t InRecord(const FieldInfo& f, size_t record_size) { return f.offset % record_size; }
int RecordIndex(const FieldInfo& f, size_t record_size) {
  return static_cast<int>(f.offset / record_size);
}

// Puts a field's value from one record into another of the same layout, leaving the other bits
// of its bytes alone.
void CopyValue(const FieldInfo& f, size_t record_size, ConstBytes from, Bytes to) {
  const size_t at = InRecord(f, record_size);
  for (size_t i = 0; i < FieldWidth(f); ++i) {
    const uint8_t mask = FieldBitMask(f, i);
    to[at + i] = static_cast<uint8_t>((to[at + i] & ~mask) | (from[at + i] & mask));
  }
}

// Whether a field's bits meet a bit field of the barcode settings block.
bool Overlaps(const FieldInfo& f, BitField bits) {
  if (f.block != DesignBlock::kBarcode) return false;
  const uint8_t wanted = static_cast<uint8_t>(((1u << bits.width) - 1u) << bits.low);
  for (size_t i = 0; i < FieldWidth(f); ++i) {
    if (f.offset + i == bits.byte && (FieldBitMask(f, i) & wanted) != 0) return true;
  }
  return false;
}

bool AnyOverlaps(const Fields& fields, std::initializer_list<BitField> bits) {
  return std::any_of(fields.begin(), fields.end(), [&](const FieldInfo* f) {
    return std::any_of(bits.begin(), bits.end(), [&](BitField b) { return Overlaps(*f, b); });
  });
}

bool InSettings(const FieldInfo& f, size_t first, size_t last) {
  return f.block == DesignBlock::kSettings && f.offset >= first && f.offset <= last;
}

bool IsSettingsField(const FieldInfo& f, size_t offset) { return InSettings(f, offset, offset); }

// The records of a block that changed fields belong to.
std::set<int> Records(const Fields& fields, DesignBlock block, size_t record_size) {
  std::set<int> records;
  for (const FieldInfo* f : fields) {
    if (f->block == block) records.insert(RecordIndex(*f, record_size));
  }
  return records;
}

class Rules {
 public:
  Rules(EditorSession& session, Design& before, Design& design, const Fields& changed,
        MessageSink& sink)
      : session_(session),
        before_(before),
        design_(design),
        changed_(changed),
        sink_(sink),
        given_(std::make_unique<Design>(design)) {}

  std::vector<DerivedValue> Run() {
    Stage("the Form page", [this] { Forms(); });
    Stage("the Menu page", [this] { Menus(); });
    Stage("the Lookup page", [this] { Lookups(); });
    Stage("the Barcode page", [this] { BarcodePageRules(); });
    SymbologyDialogs();
    Stage("the Settings page", [this] { SettingsPageRules(); });
    Stage("the Startup page", [this] { StartupPageRules(); });
    std::vector<DerivedValue> derived;
    for (const FieldInfo& f : DesignFields()) {
      const auto by = derived_by_.find(&f);
      // A value that a page changed and another one put back was not derived after all.
      if (by != derived_by_.end() && !SameFieldValue(f, *given_, design_)) {
        derived.push_back({&f, by->second});
      }
    }
    return derived;
  }

 private:
  // Runs one page's rules and notes the fields whose values they changed.
  void Stage(const std::string& by, const std::function<void()>& rules) {
    const auto was = std::make_unique<Design>(design_);
    rules();
    for (const FieldInfo& f : DesignFields()) {
      if (!SameFieldValue(f, *was, design_)) derived_by_[&f] = by;
    }
  }

  Fields Where(const std::function<bool(const FieldInfo&)>& belongs) const {
    Fields fields;
    for (const FieldInfo* f : changed_) {
      if (belongs(*f)) fields.push_back(f);
    }
    return fields;
  }

  // Types are chosen on the page, so a change of type clears the details it clears there; the
  // values given with it come back afterwards. Then OK tidies the forms.
  void Forms() {
    const Fields fields = Where([](const FieldInfo& f) { return f.block == DesignBlock::kForms; });
    const std::set<int> forms = Records(fields, DesignBlock::kForms, kFormRecordSize);
    if (forms.empty()) return;
    const auto is_type = [](const FieldInfo& f) {
      const size_t at = InRecord(f, kFormRecordSize);
      return at >= form_offset::kDataType && at < form_offset::kDataType + kFormLines;
    };
    auto start = std::make_unique<Design>(design_);
    for (const FieldInfo* f : fields) {
      if (is_type(*f)) {
        const size_t at = f->offset;
        start->forms[at] = before_.forms[at];
      }
    }
    FormPage page(session_.texts);
    page.Open(*start);
    for (const int form : forms) {
      page.SelectForm(form);
      FormRecord given = FormAt(design_, form);
      for (const FieldInfo* f : fields) {
        if (RecordIndex(*f, kFormRecordSize) != form || !is_type(*f)) continue;
        const int line = static_cast<int>(InRecord(*f, kFormRecordSize) - form_offset::kDataType);
        page.SelectType(line, given.type(line));
      }
      for (const FieldInfo* f : fields) {
        if (RecordIndex(*f, kFormRecordSize) == form) {
          CopyValue(*f, kFormRecordSize, given.bytes(), page.record().bytes());
        }
      }
      // Lengths are typed into their boxes: at most 80, and 1 on a boolean line.
      for (const FieldInfo* f : fields) {
        if (RecordIndex(*f, kFormRecordSize) != form) continue;
        const size_t at = InRecord(*f, kFormRecordSize);
        if (at >= form_offset::kMinLength && at < form_offset::kMinLength + kFormLines) {
          const int line = static_cast<int>(at - form_offset::kMinLength);
          page.ChangeMinLength(line, NumberText(given.min_length(line)));
        } else if (at >= form_offset::kMaxLength && at < form_offset::kMaxLength + kFormLines) {
          const int line = static_cast<int>(at - form_offset::kMaxLength);
          page.ChangeMaxLength(line, NumberText(given.max_length(line)));
        }
      }
    }
    auto applied = std::make_unique<Design>(design_);
    bool modified = false;
    page.Apply(*applied, modified);
    for (const int form : forms) {
      const Bytes from = FormAt(*applied, form).bytes();
      std::copy(from.begin(), from.end(), FormAt(design_, form).bytes().begin());
    }
  }

  // Texts are typed into the page, which keeps them within the menu's line width; the pass-down
  // rule runs for each menu shown (every menu when the separate-files option changes).
  void Menus() {
    const Fields fields = Where([](const FieldInfo& f) {
      return f.block == DesignBlock::kMenus || IsSettingsField(f, settings_offset::kSeparateFiles);
    });
    std::set<int> menus =
        Records(Where([](const FieldInfo& f) { return f.block == DesignBlock::kMenus; }),
                DesignBlock::kMenus, kMenuRecordSize);
    const bool separate_files = std::any_of(fields.begin(), fields.end(), [](const FieldInfo* f) {
      return IsSettingsField(*f, settings_offset::kSeparateFiles);
    });
    if (separate_files) {
      for (int m = 0; m < kMenuCount; ++m) menus.insert(m);
    }
    if (menus.empty()) return;
    MenuPage page(session_.texts);
    page.Open(design_);
    for (const int menu : menus) {
      page.SelectMenu(menu);
      MenuRecord given = MenuAt(*given_, menu);
      for (const FieldInfo* f : fields) {
        if (f->block != DesignBlock::kMenus || RecordIndex(*f, kMenuRecordSize) != menu ||
            f->kind != FieldKind::kText) {
          continue;
        }
        const size_t at = InRecord(*f, kMenuRecordSize);
        if (at == menu_offset::kCaption) {
          page.ChangeCaption(SlotText(given.caption()));
        } else {
          const int item =
              static_cast<int>((at - menu_offset::kItemTexts) / menu_offset::kTextSize);
          page.ChangeItem(item, SlotText(given.item_text(item)));
        }
      }
    }
    auto applied = std::make_unique<Design>(design_);
    page.Apply(*applied);
    for (const int menu : menus) {
      const Bytes from = MenuAt(*applied, menu).bytes();
      std::copy(from.begin(), from.end(), MenuAt(design_, menu).bytes().begin());
    }
    design_.settings[settings_offset::kSeparateFiles] =
        applied->settings[settings_offset::kSeparateFiles];
  }

  // "Only read data once" is ticked on the page, which keeps the no-match action the user sees;
  // OK lays out delimited records, and the calculator item's number follows whether a lookup
  // file is defined.
  void Lookups() {
    const Fields fields =
        Where([](const FieldInfo& f) { return f.block == DesignBlock::kLookups; });
    const std::set<int> lookups = Records(fields, DesignBlock::kLookups, kLookupRecordSize);
    if (lookups.empty()) return;
    const auto at = [](const FieldInfo& f) { return InRecord(f, kLookupRecordSize); };
    auto start = std::make_unique<Design>(design_);
    for (const FieldInfo* f : fields) {
      if (at(*f) == lookup_offset::kReadOnce)
        start->lookups[f->offset] = before_.lookups[f->offset];
    }
    LookupPage page(session_);
    page.Open(*start);
    for (const int lookup : lookups) {
      page.SelectLookup(lookup);
      LookupRecord given = LookupAt(design_, lookup);
      LookupRecord working = page.working_lookup(lookup);
      for (const FieldInfo* f : fields) {
        if (RecordIndex(*f, kLookupRecordSize) == lookup && at(*f) == lookup_offset::kReadOnce) {
          page.ClickReadOnce();
        }
      }
      for (const FieldInfo* f : fields) {
        if (RecordIndex(*f, kLookupRecordSize) != lookup || at(*f) == lookup_offset::kReadOnce) {
          continue;
        }
        if (at(*f) == lookup_offset::kNoMatchAction) {
          // The page holds the action as its position in the six-entry list.
          const uint8_t stored = given.no_match_action();
          working.no_match_action() =
              given.read_once() != 0 && stored > 1 ? static_cast<uint8_t>(stored - 2) : stored;
        } else {
          CopyValue(*f, kLookupRecordSize, given.bytes(), working.bytes());
        }
      }
    }
    auto applied = std::make_unique<Design>(design_);
    page.Apply(*applied);
    for (const int lookup : lookups) {
      const Bytes from = LookupAt(*applied, lookup).bytes();
      std::copy(from.begin(), from.end(), LookupAt(design_, lookup).bytes().begin());
    }
    PutCalculatorDigit(ExtraMenuText(design_.settings, 0), CalculatorDigit(design_));
  }

  void BarcodePageRules() {
    bool owned =
        AnyOverlaps(changed_, {barcode::kScanMode, barcode::kReadRedundancy, barcode::kTimeout,
                               barcode::kCode128Family, barcode::kCode128Copy});
    for (const SymbologyBox& box : SymbologyBoxes())
      owned = owned || AnyOverlaps(changed_, {box.bit});
    if (!owned) return;
    BarcodePage page(session_.texts);
    page.Open(design_);
    page.Apply(design_);
  }

  // The dialogs whose OK derives values: the length limits and Codabar's start/stop characters,
  // each a stage of its own.
  void SymbologyDialogs() {
    for (const LengthDialogLayout& layout : LengthDialogLayouts()) {
      bool owned = AnyOverlaps(changed_, {layout.qualification.field, layout.first, layout.second});
      for (const RadioGroup& group : layout.choices) {
        owned = owned || AnyOverlaps(changed_, {group.field});
      }
      for (const OptionBox& box : layout.boxes) owned = owned || AnyOverlaps(changed_, {box.bit});
      if (!owned) continue;
      Stage(std::string("the \"") +
                std::string(EnglishLabel(SymbologyLabels(layout.dialog), layout.title_id)) +
                "\" dialog", [&] {
        LengthDialog dialog(layout, design_, session_.texts);
        dialog.Open();
        dialog.Ok();
      });
    }
    if (AnyOverlaps(changed_, {barcode::kCodabarStartStop, barcode::kCodabarTransmitStartStop})) {
      Stage("the \"Codabar Parameters\" dialog", [this] {
        CodabarDialog dialog(design_);
        dialog.Open();
        dialog.Ok();
      });
    }
  }

  // Ports are chosen on the page (which asks about the ones only some terminals have, and
  // rewrites the terminal's port menu); block transmission is ticked in the acoustic coupler
  // dialog. OK writes the bytes the page owns and the port text flags.
  void SettingsPageRules() {
    using namespace settings_offset;
    const auto owned = [](const FieldInfo& f) {
      return InSettings(f, 5, 67) || InSettings(f, 69, 83) || InSettings(f, 115, 149) ||
             IsSettingsField(f, kPortTextFlags);
    };
    const Fields fields = Where(owned);
    if (fields.empty()) return;
    const auto changed = [&](size_t offset) {
      return std::any_of(fields.begin(), fields.end(),
                         [offset](const FieldInfo* f) { return IsSettingsField(*f, offset); });
    };
    const uint8_t upload = design_.settings[kUploadPort];
    const uint8_t download = design_.settings[kDownloadPort];
    design_.settings[kUploadPort] = before_.settings[kUploadPort];
    design_.settings[kDownloadPort] = before_.settings[kDownloadPort];
    SettingsPage page(session_, design_);
    page.Open();
    if (changed(kUploadPort)) page.SelectUploadPort(upload, sink_);
    if (changed(kDownloadPort)) page.SelectDownloadPort(download, sink_);
    const bool coupler = std::any_of(fields.begin(), fields.end(), [](const FieldInfo* f) {
      return InSettings(*f, 69, 81) || IsSettingsField(*f, kVolume);
    });
    if (coupler) {
      const bool block = changed(kBlockTransmission);
      if (block) page.working_copy()[kBlockTransmission] = before_.settings[kBlockTransmission];
      AcousticCouplerDialog dialog(page.working_copy());
      dialog.Open();
      if (block) dialog.ClickBlockTransmission();
      dialog.Ok();
    }
    page.Apply();
  }

  // The font is chosen on the page, which refills the terminal's screens in it; the texts given
  // are typed into their rows (and kept within the row's width). OK writes the start options
  // and the texts.
  void StartupPageRules() {
    using namespace settings_offset;
    const auto owned = [](const FieldInfo& f) {
      return f.block == DesignBlock::kTexts || InSettings(f, kStartTarget, kSecondDelimiter) ||
             IsSettingsField(f, kLargeFont) || InSettings(f, kExtraMenuTexts, kPortTextFlags - 1);
    };
    const Fields fields = Where(owned);
    if (fields.empty()) return;
    const bool font = std::any_of(fields.begin(), fields.end(), [](const FieldInfo* f) {
      return IsSettingsField(*f, kLargeFont);
    });
    if (font) design_.settings[kLargeFont] = before_.settings[kLargeFont];
    // The default calculator item carries the number the Lookup page last gave it.
    PutCalculatorDigit(session_, CalculatorDigit(design_));
    StartupPage page(session_, design_);
    page.Open();
    if (font) page.ClickLargeFont();
    std::vector<const FieldInfo*> unmapped;
    for (const FieldInfo* f : fields) {
      if (f->kind != FieldKind::kText) continue;
      const std::string text =
          SlotText(DesignBlockBytes(*given_, f->block).subspan(f->offset, f->size));
      const uint8_t* slot = DesignBlockBytes(design_, f->block).data() + f->offset;
      bool mapped = false;
      for (int g = 0; g < kMessageGroupCount && !mapped; ++g) {
        for (int r = 0; r < kGroupRowsMax && !mapped; ++r) {
          const Bytes row = GroupRowSlot(design_, g, r);
          if (row.empty() || row.data() != slot) continue;
          page.SelectGroup(g);
          page.ChangeRow(r, text);
          mapped = true;
        }
      }
      if (!mapped) unmapped.push_back(f);
    }
    page.Apply();
    // Lines that no group shows keep what was given.
    for (const FieldInfo* f : unmapped) {
      const Bytes from = DesignBlockBytes(*given_, f->block).subspan(f->offset, f->size);
      SetSlotText(DesignBlockBytes(design_, f->block).subspan(f->offset, f->size), SlotText(from));
    }
  }

  EditorSession& session_;
  Design& before_;
  Design& design_;
  const Fields& changed_;
  MessageSink& sink_;
  const std::unique_ptr<Design> given_;  // the design with the changes, before any rule
  std::map<const FieldInfo*, std::string> derived_by_;
};

}  // namespace

std::vector<DerivedValue> ApplyEditorRules(EditorSession& session, Design& before, Design& design,
                                           const std::vector<const FieldInfo*>& changed,
                                           MessageSink& sink) {
  session.BeginSheet();
  return Rules(session, before, design, changed, sink).Run();
}

}  // namespace q700::editor

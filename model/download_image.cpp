// Preparing a design for the terminal and building its download image.
#include "model/download_image.h"

#include <algorithm>

#include "model/form_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"

namespace q700 {
namespace {

// Makes the text of a slot exactly `width` characters: blanks after a shorter text, a longer one
// cut, and a NUL right after.
void PadSlotText(Bytes slot, size_t width) {
  const size_t length = std::min(SlotTextLength(slot), width);
  std::fill(slot.begin() + static_cast<ptrdiff_t>(length),
            slot.begin() + static_cast<ptrdiff_t>(width), uint8_t{' '});
  slot[width] = 0;
}

void PrepareMenus(Design& d) {
  for (int m = 0; m < kMenuCount; ++m) {
    MenuRecord menu = MenuAt(d, m);
    const size_t width = static_cast<size_t>(menu.line_width());
    if (menu.caption_flag() != 0) PadSlotText(menu.caption(), width);
    for (int k = 0; k < kMenuItems; ++k) PadSlotText(menu.item_text(k), width);
  }
  UpdateMenuItemCounts(d.menus);
}

// The terminal shows the lines up to the last one that takes input or a pause.
uint8_t LineCount(FormRecord form) {
  uint8_t count = 0;
  for (int i = 0; i < kFormLines; ++i) {
    const uint8_t t = form.type(i);
    if (IsEntryType(t) || (t >= kTypePause && t <= kTypeCompare))
      count = static_cast<uint8_t>(i + 1);
  }
  return count;
}

void PrepareForms(Design& d) {
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(d, f);
    TidyFormLines(form, kFormLines);
    form.line_count() = LineCount(form);
  }
}

// Settings bytes that hold a 0-based choice in the design and a 1-based one on the terminal.
constexpr size_t kOneBasedChoices[] = {
    settings_offset::kUploadPort,    settings_offset::kDownloadPort, settings_offset::kBaudRate,
    settings_offset::kBacklightMode, settings_offset::kDataDeletion, settings_offset::kEntryPrompt,
    settings_offset::kModemSpeed,    settings_offset::kKeyClick,     settings_offset::kGoodReadBeep,
    settings_offset::kWarningBeep,
};

void ConvertSettings(Bytes s) {
  using namespace settings_offset;
  s[kStartTarget] = s[kStartTarget] == 0 ? TargetOfForm(1) : TargetOfMenu(1);
  for (const size_t offset : kOneBasedChoices) s[offset] = static_cast<uint8_t>(s[offset] + 1);
  // The terminal takes the time-out as its digit character.
  s[kBacklightTimeout] = static_cast<uint8_t>(s[kBacklightTimeout] + '0');
}

}  // namespace

void PrepareDownload(Design& design) {
  PrepareForms(design);
  PrepareMenus(design);
}

DownloadImage BuildImage(Design& design) {
  DownloadImage image{};
  const auto put = [&image](size_t at, ConstBytes block) {
    std::copy(block.begin(), block.end(), image.begin() + static_cast<ptrdiff_t>(at));
  };
  put(kImageBarcodeOffset, design.barcode);
  put(kImageMenuTableOffset, design.menus);
  put(kImageFormTableOffset, design.forms);
  put(kImageLookupTableOffset, design.lookups);

  const Bytes texts = Bytes(image).subspan(kImageTextOffset, kTextBlockSize);
  for (int set = kFirstTextSet; set <= kLastTextSet; ++set) {
    for (int line = 0; line < TextSetShapeOf(set).count; ++line) {
      const Bytes from = TextSlot(design, set, line);
      const Bytes to = TextSlot(texts, set, line);
      const size_t width = to.size() - 1;
      const size_t length = std::min(SlotTextLength(from), width);
      std::copy_n(from.begin(), length, to.begin());
      std::fill(to.begin() + static_cast<ptrdiff_t>(length),
                to.begin() + static_cast<ptrdiff_t>(width), uint8_t{' '});
      to[width] = 0;
    }
  }
  // The place of the reserved area stays zero.

  std::array<uint8_t, kSettingsBlockSize> settings = design.settings;
  ConvertSettings(settings);
  put(kImageSettingsOffset, settings);
  put(kImageWeightOffset, design.weight);
  return image;
}

}  // namespace q700

// Every symbology dialog, driven through all its controls and closed with OK, changes only the
// bits and bytes it owns; closed with Cancel it changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "editor/code_id_logic.h"
#include "editor/symbology_logic.h"
#include "editor/weight_code_logic.h"

namespace q700::editor {
namespace {

using enum BarcodeDialog;

// Owned bits of the barcode settings block by byte, as the block's layout assigns them.
const std::map<BarcodeDialog, std::map<size_t, uint8_t>> kOwnedBits = {
    {kCode39, {{5, 0xF0}}},
    {kItalianPharmacode, {{5, 0x08}}},
    {kFrenchPharmacode, {{5, 0x04}}},
    {kIndustrial25, {{6, 0xC3}, {12, 0x43}, {13, 0xFF}}},
    {kInterleave25, {{5, 0x03}, {6, 0x0C}, {14, 0xFF}, {15, 0xFF}}},
    {kMatrix25, {{6, 0x30}, {7, 0xC0}, {16, 0xFF}, {17, 0xFF}}},
    {kCodabar, {{7, 0x38}}},
    {kMsi, {{9, 0xF0}, {18, 0xFF}, {19, 0xFF}}},
    {kPlessey, {{9, 0x0C}}},
    {kUpce, {{4, 0x60}, {9, 0x02}, {10, 0x22}}},
    {kEan8, {{10, 0x08}, {11, 0x80}}},
    {kEan13, {{9, 0x01}, {10, 0xD5}, {12, 0x04}}},
    {kTelepen, {{2, 0x02}}},
    {kRss14, {{3, 0x38}}},
    {kRss14Limited, {{3, 0x07}}},
    {kRss14Expanded, {{4, 0x80}}},
    {kEan128, {{22, 0x20}}},
    {kCodeId, {}},
    {kWeightCode, {}},
    {kCoop25, {{12, 0x30}}},
};

// Owned bytes of the settings block and of the weight-code block.
std::set<size_t> OwnedSettingsBytes(BarcodeDialog d) {
  std::set<size_t> bytes;
  if (d == kEan128) bytes.insert(258);
  if (d == kCodeId) {
    for (size_t i = 84; i <= 114; ++i) bytes.insert(i);
  }
  return bytes;
}

std::set<size_t> OwnedWeightBytes(BarcodeDialog d) {
  std::set<size_t> bytes;
  if (d == kWeightCode) {
    for (size_t i = 2; i < kWeightBlockSize; ++i) bytes.insert(i);
  }
  return bytes;
}

// Clicks every button the dialog has in order and then, depending on `variant`, one of them
// again or none, so that over the variants each radio button ends up selected and each box
// ends up turned over; types into every field; closes with OK or Cancel.
template <typename Dialog>
void ClickAll(Dialog& dialog, const ButtonStates& buttons, int variant) {
  for (const ButtonState& button : buttons) dialog.Click(button.control);
  const size_t again = static_cast<size_t>(variant) % (buttons.size() + 1);
  if (again < buttons.size()) dialog.Click(buttons[again].control);
}

void RunDialog(BarcodeDialog d, Design& design, TextLoader& texts, bool ok, int variant) {
  switch (InfoOf(d).kind) {
    case DialogKind::kCheckBoxes: {
      CheckBoxDialog dialog(*FindCheckBoxDialog(d), design);
      ClickAll(dialog, dialog.Open(), variant);
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
    case DialogKind::kLength: {
      LengthDialog dialog(*FindLengthDialog(d), design, texts);
      ClickAll(dialog, dialog.Open().buttons, variant);
      dialog.ChangeFirst(variant % 2 == 0 ? "90" : "0");
      dialog.ChangeSecond(variant % 3 == 0 ? "40" : "200");
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
    case DialogKind::kCodabar: {
      CodabarDialog dialog(design);
      ClickAll(dialog, dialog.Open(), variant);
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
    case DialogKind::kTelepen: {
      TelepenDialog dialog(design);
      ClickAll(dialog, dialog.Open(), variant);
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
    case DialogKind::kEan128: {
      Ean128Dialog dialog(design);
      dialog.Open();
      dialog.Click(kTransmitCodeIdBox);
      dialog.ChangeAscii("300");
      if (variant % 2 == 0) dialog.ChangeText("q");
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
    case DialogKind::kCodeId: {
      CodeIdDialog dialog(design, texts);
      dialog.Open();
      dialog.ClickEnable();
      for (int set = 0; set < kCodeIdPresetCount; ++set) dialog.PressSet(set);
      dialog.PressClear();
      for (int field = 0; field < kCodeIdCount; ++field) {
        KeySequencePicker picker = dialog.Picker(field);
        picker.Open();
        picker.Click('0' + field);
        picker.Click(5);
        picker.Ok();
      }
      (void)(ok ? dialog.Ok() : (dialog.Cancel(), CodeIdCommit{}));
      break;
    }
    case DialogKind::kWeightCode: {
      WeightCodeDialog dialog(design, texts);
      dialog.Open();
      dialog.ClickEnable();
      dialog.ClickFormat1C();
      dialog.SelectMask(1);
      dialog.SelectKeyField(5);
      dialog.SelectQuantityField(6);
      dialog.ChangePrefix("8");
      dialog.LeavePrefix("8");
      ok ? dialog.Ok() : dialog.Cancel();
      break;
    }
  }
}

constexpr uint8_t kFills[] = {0x00, 0xFF, 0x5A, 0xA5};
constexpr int kVariants = 10;

Design FilledDesign(uint8_t fill) {
  Design design;
  design.barcode.fill(fill);
  design.settings.fill(fill);
  design.weight.fill(fill);
  design.menus.fill(fill);
  return design;
}

TEST(Ownership, OkChangesOnlyTheDialogsOwnBitsAndBytes) {
  TextLoader texts;
  for (int i = 0; i < kBarcodeDialogCount; ++i) {
    const auto d = static_cast<BarcodeDialog>(i);
    const char* name = InfoOf(d).template_name;
    const std::map<size_t, uint8_t>& owned = kOwnedBits.at(d);
    const std::set<size_t> settings = OwnedSettingsBytes(d);
    const std::set<size_t> weight = OwnedWeightBytes(d);
    bool changed = false;
    for (int variant = 0; variant < kVariants * 4; ++variant) {
      const uint8_t fill = kFills[variant % 4];
      const Design before = FilledDesign(fill);
      Design design = before;
      RunDialog(d, design, texts, true, variant / 4);
      for (size_t b = 0; b < kBarcodeBlockSize; ++b) {
        const uint8_t mask = owned.contains(b) ? owned.at(b) : 0;
        EXPECT_EQ(design.barcode[b] & ~mask, before.barcode[b] & ~mask)
            << name << " byte " << b << " fill " << int{fill} << " variant " << variant / 4;
      }
      for (size_t b = 0; b < kSettingsBlockSize; ++b) {
        if (!settings.contains(b)) {
          EXPECT_EQ(design.settings[b], before.settings[b]) << name << " settings byte " << b;
        }
      }
      for (size_t b = 0; b < kWeightBlockSize; ++b) {
        if (!weight.contains(b)) {
          EXPECT_EQ(design.weight[b], before.weight[b]) << name << " weight byte " << b;
        }
      }
      changed |= design != before;
      Design rest = design;
      rest.barcode = before.barcode;
      rest.settings = before.settings;
      rest.weight = before.weight;
      EXPECT_EQ(rest, before) << name;
    }
    // Running through every control must reach the dialog's own bits.
    EXPECT_TRUE(changed) << name << " wrote nothing";
  }
}

TEST(Ownership, CancelChangesNothing) {
  TextLoader texts;
  for (const uint8_t fill : kFills) {
    for (int i = 0; i < kBarcodeDialogCount; ++i) {
      const auto d = static_cast<BarcodeDialog>(i);
      const Design before = FilledDesign(fill);
      Design design = before;
      RunDialog(d, design, texts, false, i);
      EXPECT_EQ(design, before) << InfoOf(d).template_name;
    }
  }
}

}  // namespace
}  // namespace q700::editor

// The twenty dialogs behind the Barcode page's buttons, and the tables that drive the eleven
// check-box dialogs and the four length dialogs: template, title, and each control's bits.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "model/barcode_block.h"
#include "texts/label_table.h"

namespace q700::editor {

// In the order of the page's buttons 201 to 220.
enum class BarcodeDialog {
  kCode39,
  kItalianPharmacode,
  kFrenchPharmacode,
  kIndustrial25,
  kInterleave25,
  kMatrix25,
  kCodabar,
  kMsi,
  kPlessey,
  kUpce,
  kEan8,
  kEan13,
  kTelepen,
  kRss14,
  kRss14Limited,
  kRss14Expanded,
  kEan128,
  kCodeId,
  kWeightCode,
  kCoop25,
};
inline constexpr int kBarcodeDialogCount = 20;
inline constexpr int kFirstDialogButton = 201;

// Which dialog object serves a template.
enum class DialogKind { kCheckBoxes, kLength, kCodabar, kTelepen, kEan128, kCodeId, kWeightCode };

struct BarcodeDialogInfo {
  BarcodeDialog dialog;
  int button;                 // on the Barcode page
  const char* template_name;  // dialog template
  DialogKind kind;
};

const BarcodeDialogInfo& InfoOf(BarcodeDialog dialog);
// The dialog a button of the Barcode page opens; nothing for other controls.
std::optional<BarcodeDialog> DialogOfButton(int button);

// A check box bound to one bit of the barcode settings block, and the language id of its label.
struct OptionBox {
  int control;
  int language_id;
  BitField bit;
};

struct CheckBoxDialogLayout {
  BarcodeDialog dialog;
  int title_id;
  std::span<const OptionBox> boxes;  // controls 101, 102, .. in order
};

// Radio buttons first_button, first_button + 1, .. choosing the code 0, 1, .. of a bit field.
struct RadioGroup {
  int first_button;
  int count;
  BitField field;
};

struct LengthDialogLayout {
  BarcodeDialog dialog;
  int title_id;
  std::span<const RadioGroup> choices;  // start/stop, or MSI's verification and transmission
  std::span<const OptionBox> boxes;     // verify and transmit checksum; none for MSI
  RadioGroup qualification;             // "Fixed Length" (0), "Max / Min Length" (1)
  BitField first;                       // 2 bits (Industrial 25: value modulo 4) or 7 bits
  BitField second;
  // Language ids of the length labels: "Max Length :", "Min Length :", "Fixed Length 1:",
  // "Fixed Length 2:".
  std::array<int, 4> length_label_ids;
  std::span<const LabelRow> labels;  // the other labelled controls but the boxes
};

inline constexpr int kFirstValueField = 301;
inline constexpr int kSecondValueField = 302;
inline constexpr int kFirstValueLabel = 501;
inline constexpr int kSecondValueLabel = 502;

std::span<const CheckBoxDialogLayout> CheckBoxDialogLayouts();
std::span<const LengthDialogLayout> LengthDialogLayouts();
// The table entry of a dialog; nullptr for a dialog of another kind.
const CheckBoxDialogLayout* FindCheckBoxDialog(BarcodeDialog dialog);
const LengthDialogLayout* FindLengthDialog(BarcodeDialog dialog);

}  // namespace q700::editor

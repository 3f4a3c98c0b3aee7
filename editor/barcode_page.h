// The Barcode page of the editor sheet: the reader settings (scan mode, read redundancy,
// time-out) and one check box per symbology. It reads the barcode settings block when it is
// opened and writes back only its own bits at the sheet's OK. Its buttons open the symbology
// dialogs, which write into the design at their own OK, so the page keeps no copy of their bits.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/dialog_controls.h"
#include "editor/edit_text.h"
#include "editor/symbology_tables.h"
#include "model/choice_lists.h"
#include "model/design.h"
#include "texts/text_loader.h"

namespace q700::editor {

inline constexpr int kScanModeList = 401;
inline constexpr int kRedundancyList = 402;
inline constexpr int kTimeoutField = 301;
// The time-out box takes up to four characters, so a value above 255 can be typed and clamped.
inline constexpr size_t kTimeoutChars = 4;
inline constexpr int kScanModeCount = kScanModeTexts.count;
inline constexpr int kRedundancyCount = kRedundancyTexts.count;
inline constexpr int kSymbologyBoxCount = 27;
inline constexpr int kFirstSymbologyBox = 101;
inline constexpr int kCode128Box = 124;
inline constexpr int kEan128Box = 125;

// A symbology check box of the page and the bit it shows.
struct SymbologyBox {
  int control;
  BitField bit;
};
// Controls 101 to 127 in order.
std::span<const SymbologyBox> SymbologyBoxes();

struct BarcodePageLists {
  std::vector<std::string> scan_modes;    // 401
  std::vector<std::string> redundancies;  // 402
};

struct BarcodePageView {
  // List positions. A stored scan mode beyond the list selects nothing and is kept until the
  // user chooses one.
  int scan_mode = 0;
  int redundancy = 0;
  std::string timeout;  // 301
  ButtonStates boxes;   // 101 to 127
};

class BarcodePage {
 public:
  explicit BarcodePage(TextLoader& texts) : texts_(texts) {}

  BarcodePageLists Lists() const;

  // The page is created: read the settings and the 27 boxes from the design.
  BarcodePageView Open(const Design& design);
  BarcodePageView View() const;

  void SelectScanMode(int position);
  void SelectRedundancy(int position);
  // The time-out box always ends up holding 1 to 255; only its first `kTimeoutChars` characters
  // are read.
  EditRewrite ChangeTimeout(std::string_view text);
  // A click on a symbology box turns it over; returns whether it is now checked.
  bool ClickBox(int control);
  // The dialog a button opens ("more...", "Code ID", "Weight Code").
  static std::optional<BarcodeDialog> PressButton(int control) { return DialogOfButton(control); }

  // The sheet closes with OK: the page's own bits go into the barcode settings block; the bits
  // of the dialogs keep what the dialogs wrote. A page that was never opened writes nothing.
  void Apply(Design& design);
  // The sheet closes with Cancel: nothing is written.
  void Cancel() { opened_ = false; }

  bool opened() const { return opened_; }

 private:
  TextLoader& texts_;
  unsigned scan_mode_ = 0;
  unsigned redundancy_ = 0;
  unsigned timeout_ = 0;
  std::array<bool, kSymbologyBoxCount> boxes_{};
  bool opened_ = false;
};

}  // namespace q700::editor

// The Barcode page: reader settings, symbology boxes and the commit of their bits.
#include "editor/barcode_page.h"

#include "editor/list_texts.h"
#include "model/barcode_block.h"

namespace q700::editor {
namespace {

namespace bc = barcode;

constexpr std::array<SymbologyBox, kSymbologyBoxCount> kBoxes = {{
    {101, bc::kCode39},
    {102, bc::kItalianPharmacode},
    {103, bc::kFrenchPharmacode},
    {104, bc::kIndustrial25},
    {105, bc::kInterleave25},
    {106, bc::kMatrix25},
    {107, bc::kCodabar},
    {108, bc::kMsi},
    {109, bc::kPlessey},
    {110, bc::kUpce},
    {111, bc::kUpceAddon2},
    {112, bc::kUpceAddon5},
    {113, bc::kEan8},
    {114, bc::kEan8Addon2},
    {115, bc::kEan8Addon5},
    {116, bc::kEan13},
    {117, bc::kEan13Addon2},
    {118, bc::kEan13Addon5},
    {119, bc::kTelepen},
    {120, bc::kRss14},
    {121, bc::kRss14Limited},
    {122, bc::kRss14Expanded},
    {123, bc::kCode93},
    {kCode128Box, bc::kCode128},
    {kEan128Box, bc::kEan128},
    {126, bc::kNegative},
    {127, bc::kCoop25},
}};

constexpr unsigned kTimeoutMax = 255;

int BoxIndex(int control) {
  const int index = control - kFirstSymbologyBox;
  return index >= 0 && index < kSymbologyBoxCount ? index : -1;
}

}  // namespace

std::span<const SymbologyBox> SymbologyBoxes() { return kBoxes; }

BarcodePageLists BarcodePage::Lists() const {
  return {LoadTexts(texts_, kScanModeTexts), LoadTexts(texts_, kRedundancyTexts)};
}

BarcodePageView BarcodePage::Open(const Design& design) {
  const ConstBytes block = design.barcode;
  scan_mode_ = Get(block, bc::kScanMode);
  redundancy_ = Get(block, bc::kReadRedundancy);
  timeout_ = Get(block, bc::kTimeout);
  for (int i = 0; i < kSymbologyBoxCount; ++i) boxes_[i] = Get(block, kBoxes[i].bit) != 0;
  opened_ = true;
  return View();
}

BarcodePageView BarcodePage::View() const {
  BarcodePageView view;
  view.scan_mode = static_cast<int>(scan_mode_);
  view.redundancy = static_cast<int>(redundancy_);
  view.timeout = NumberText(timeout_);
  for (int i = 0; i < kSymbologyBoxCount; ++i) view.boxes.push_back({kBoxes[i].control, boxes_[i]});
  return view;
}

void BarcodePage::SelectScanMode(int position) {
  if (position >= 0 && position < kScanModeCount) scan_mode_ = static_cast<unsigned>(position);
}

void BarcodePage::SelectRedundancy(int position) {
  if (position >= 0 && position < kRedundancyCount) redundancy_ = static_cast<unsigned>(position);
}

EditRewrite BarcodePage::ChangeTimeout(std::string_view typed) {
  const std::string_view text = typed.substr(0, kTimeoutChars);
  const std::optional<unsigned> number = ParseUnsigned(text);
  if (!number || *number == 0) {
    timeout_ = 1;
    return NumberText(1);
  }
  if (*number > kTimeoutMax) {
    timeout_ = kTimeoutMax;
    return NumberText(kTimeoutMax);
  }
  timeout_ = *number;
  if (text.size() >= 2 && text.front() == '0') return NumberText(*number);
  return std::nullopt;
}

bool BarcodePage::ClickBox(int control) {
  const int index = BoxIndex(control);
  if (index < 0) return false;
  boxes_[index] = !boxes_[index];
  return boxes_[index];
}

void BarcodePage::Apply(Design& design) {
  // Without Open the page holds no values of its own to write.
  if (!opened_) return;
  const Bytes block = design.barcode;
  Set(block, bc::kScanMode, scan_mode_);
  Set(block, bc::kReadRedundancy, redundancy_);
  Set(block, bc::kTimeout, timeout_);
  for (int i = 0; i < kSymbologyBoxCount; ++i) {
    const int control = kBoxes[i].control;
    if (control != kCode128Box && control != kEan128Box) Set(block, kBoxes[i].bit, boxes_[i]);
  }
  // The reader sees Code 128 and EAN128 as one family in byte 1; byte 22 tells them apart, and
  // its copy of the Code 128 box is only kept up to date while the family is on.
  const bool code128 = boxes_[kCode128Box - kFirstSymbologyBox];
  const bool ean128 = boxes_[kEan128Box - kFirstSymbologyBox];
  Set(block, bc::kCode128Family, code128 || ean128);
  Set(block, bc::kCode128, code128);
  Set(block, bc::kEan128, ean128);
  if (code128 || ean128) Set(block, bc::kCode128Copy, code128);
  opened_ = false;
}

}  // namespace q700::editor

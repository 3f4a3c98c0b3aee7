// The Barcode page: reader settings, symbology boxes and the commit of their bits.
#include "editor/barcode_page.h"

#include "editor/list_texts.h"
#include "model/barcode_block.h"

namespace q700::editor {
namespace {

namespace bc = barcode;

constexpr std::array<SymbologyBox, kSymbologyBoxCount> kBoxes = {{
    {101, 308, bc::kCode39},
    {102, 309, bc::kItalianPharmacode},
    {103, 310, bc::kFrenchPharmacode},
    {104, 311, bc::kIndustrial25},
    {105, 312, bc::kInterleave25},
    {106, 313, bc::kMatrix25},
    {107, 314, bc::kCodabar},
    {108, 315, bc::kMsi},
    {109, 316, bc::kPlessey},
    {110, 317, bc::kUpce},
    {111, 318, bc::kUpceAddon2},
    {112, 319, bc::kUpceAddon5},
    {113, 320, bc::kEan8},
    {114, 321, bc::kEan8Addon2},
    {115, 322, bc::kEan8Addon5},
    {116, 323, bc::kEan13},
    {117, 324, bc::kEan13Addon2},
    {118, 325, bc::kEan13Addon5},
    {119, 326, bc::kTelepen},
    {120, 327, bc::kRss14},
    {121, 328, bc::kRss14Limited},
    {122, 329, bc::kRss14Expanded},
    {123, 330, bc::kCode93},
    {kCode128Box, 331, bc::kCode128},
    {kEan128Box, 332, bc::kEan128},
    {126, 333, bc::kNegative},
    {127, 337, bc::kCoop25},
}};

constexpr int kTextScanMode1 = 1461;
constexpr int kTextRedundancy1 = 1481;
constexpr unsigned kTimeoutMax = 255;

int BoxIndex(int control) {
  const int index = control - kFirstSymbologyBox;
  return index >= 0 && index < kSymbologyBoxCount ? index : -1;
}

}  // namespace

std::span<const SymbologyBox> SymbologyBoxes() { return kBoxes; }

BarcodePageLists BarcodePage::Lists() const {
  return {LoadTexts(texts_, kTextScanMode1, kScanModeCount),
          LoadTexts(texts_, kTextRedundancy1, kRedundancyCount)};
}

DialogLabels BarcodePage::Labels() {
  DialogLabels labels{301,
                      {{901, 302}, {902, 303}, {903, 304}, {904, 305}, {905, 306}, {906, 307}}};
  for (const SymbologyBox& box : kBoxes) labels.controls.push_back({box.control, box.language_id});
  for (int button = 201; button <= 217; ++button) labels.controls.push_back({button, 334});
  labels.controls.push_back({218, 335});
  labels.controls.push_back({219, 336});
  return labels;
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

EditRewrite BarcodePage::ChangeTimeout(std::string_view text) {
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

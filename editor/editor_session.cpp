// Editor state shared by the pages, and the terminal-text writes they make at once.
#include "editor/editor_session.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "model/lookup_record.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

constexpr int kAcousticRowSmall = 5;
constexpr int kAcousticRowLarge = 4;

std::string LineText(TextLoader& texts, int id, bool large_font) {
  std::string text = texts.Load(id, Slot::kTerminalText);
  text.resize(std::min<size_t>(text.size(), large_font ? 12 : 16));
  return text;
}

void SetStagingRow(StagingRow& row, std::string_view text) { SetSlotText(Bytes(row), text); }

// Writes one row of a port menu group into the design and the Startup page's working texts.
void WriteRow(EditorSession& session, Design& design, int group, int row, std::string_view text) {
  SetSlotText(GroupRowSlot(design, group, row), text);
  if (session.startup_staging != nullptr) {
    SetStagingRow((*session.startup_staging)[group][row], text);
  }
}

// An empty line, or one made blank by the Startup page (12 or 16 blanks, then its end or text).
bool NeedsAcousticText(std::string_view line) {
  size_t blanks = line.find_first_not_of(' ');
  if (blanks == std::string_view::npos) blanks = line.size();
  return line.empty() || blanks == 12 || blanks == 16;
}

}  // namespace

bool EditorSession::FontInForce(const Design& design) const {
  return startup_shown ? large_font : design.settings[settings_offset::kLargeFont] != 0;
}

void WritePortLine(EditorSession& session, Design& design, PortMenu menu, bool bluetooth,
                   bool large_font) {
  const bool upload = menu == PortMenu::kUpload;
  const PortLineIds& ids = upload ? kUploadPortLine : kDownloadPortLine;
  const int group = upload ? kUploadPortGroup : kDownloadPortGroup;
  const std::string small = PortLineText(session.texts, ids, false, bluetooth);
  const std::string large = PortLineText(session.texts, ids, true, bluetooth);
  // The defaults keep the port line at the modem line's place in each font.
  session.defaults.Set(ids.modem_small, small);
  session.defaults.Set(ids.modem_large, large);
  WriteRow(session, design, group, PortLineRow(group, large_font), large_font ? large : small);
}

void RestoreAcousticLine(EditorSession& session, Design& design, bool large_font) {
  const int row = large_font ? kAcousticRowLarge : kAcousticRowSmall;
  if (!NeedsAcousticText(SlotText(GroupRowSlot(design, kUploadPortGroup, row)))) return;
  const std::string small = LineText(session.texts, kAcousticLineSmall, false);
  const std::string large = LineText(session.texts, kAcousticLineLarge, true);
  session.defaults.Set(kAcousticLineSmall, small);
  session.defaults.Set(kAcousticLineLarge, large);
  WriteRow(session, design, kUploadPortGroup, row, large_font ? large : small);
}

char CalculatorDigit(Design& design) { return AnyLookupDefined(design.lookups) ? '9' : '8'; }

void PutCalculatorDigit(Bytes slot, char digit) {
  if (!slot.empty() && slot[0] != 0) slot[0] = static_cast<uint8_t>(digit);
}

void PutCalculatorDigit(EditorSession& session, char digit) {
  for (int id : {kCalculatorSmall, kCalculatorLarge}) {
    std::string text(session.defaults.Get(id));
    if (text.empty() || text[0] == digit) continue;
    text[0] = digit;
    session.defaults.Set(id, text);
  }
  if (session.startup_staging != nullptr) {
    PutCalculatorDigit(Bytes((*session.startup_staging)[kMiscContinuousGroup][kCalculatorRow]),
                       digit);
  }
}

}  // namespace q700::editor

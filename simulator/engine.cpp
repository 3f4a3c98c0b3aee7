// The engine's state machine: the terminal's main menu, upload, utilities and settings screens,
// the designed menus, and the way into, around and out of forms.
#include "simulator/engine.h"

#include <algorithm>

#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "simulator/clock_line.h"
#include "simulator/keypad.h"
#include "simulator/record.h"
#include "texts/text_ids.h"

namespace q700 {
namespace {

// Terminal text sets shown by the engine.
constexpr int kMainMenuTexts = 7;
constexpr int kUtilitiesTexts = 8;
constexpr int kSettingsTexts = 13;
constexpr int kConnectingTexts = 28;
constexpr int kEntryErrorTexts = 30;
constexpr int kPressAnyKeyText = 5;

constexpr int kMenuLines = 3;      // entries of the terminal's main menu
constexpr int kSettingsLines = 8;  // line 1 is the title, so the selection runs 2 to 8
const char kBlankLine[] = "                ";
const char kStarLine[] = "****************";

class NullHost final : public SimulatorHost {
 public:
  void RedrawLcd() override {}
  void RedrawLcdLine(int) override {}
  void RedrawMainMenuArea() override {}
  void DrawPendingLetter(int, int, char) override {}
  void ShowMessage(const Message&) override {}
  void PostNewCommand() override {}
};

// Lines up to the last one that is neither nil nor one of lookup to pause.
uint8_t FormLineCount(FormRecord form) {
  uint8_t count = 0;
  for (int i = 0; i < kFormLines; ++i) {
    const uint8_t type = form.type(i);
    if (type != kTypeNil && (type < kTypeLookup || type > kTypePause)) {
      count = static_cast<uint8_t>(i + 1);
    }
  }
  return count;
}

}  // namespace

SimulatorHost& NullSimulatorHost() {
  static NullHost host;
  return host;
}

Message NothingToRunMessage() {
  Message m;
  m.caption_id = kCaptionNoProgram;
  m.text_id = kTextDefineYourProgram;
  m.icon = Icon::kWarning;
  return m;
}

int UtilitiesLineCount(Design& design) { return LookupAt(design, 0).defined() ? 8 : 7; }

void PrepareDesignForCollect(Design& design) {
  UpdateMenuItemCounts(design.menus);
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(design, f);
    for (int i = 0; i < kFormLines; ++i) {
      const uint8_t type = form.type(i);
      if (type == kTypeNil || type == kTypeExtension) {
        Bytes prompt = form.prompt(i);
        std::fill(prompt.begin(), prompt.end(), uint8_t{0});
      }
      if (WithoutLookup(type)) form.lookup_column(i) = 0;
    }
    form.line_count() = FormLineCount(form);
  }
}

Simulator::Simulator(Design& design, Clock& clock, SimulatorHost& host)
    : design_(design), clock_(clock), host_(host) {}

void Simulator::SimulatorKey(int key) {
  if (pending_ && key != last_key_) CommitPendingLetter();
  last_key_ = key;
  switch (key) {
    case kKeyBackToMain:
      selected_line_ = 1;
      ShowMainMenu(Redraw::kWholeScreen);
      return;
    case kKeyUploadScreen:
      ShowUploadScreen();
      return;
    case kKeyUtilities:
      selected_line_ = 1;
      ShowUtilities();
      return;
    case 54:
    case 55:
    case 56:
    case 57:
      return;
    default:
      break;
  }
  switch (state_) {
    case EngineState::kMainMenu:
      MainMenuKey(key);
      break;
    case EngineState::kUpload:
      if (key == kKeyEsc) {
        selected_line_ = 2;
        ShowMainMenu(Redraw::kWholeScreen);
      }
      break;
    case EngineState::kUtilities:
      UtilitiesKey(key);
      break;
    case EngineState::kSettings:
      SettingsKey(key);
      break;
    case EngineState::kUserMenu:
      UserMenuKey(key);
      break;
    case EngineState::kForm:
      if (key != kKeyDown) FormKey(key);
      break;
    case EngineState::kEntryError:
      ShowForm(current_id_);
      break;
  }
}

void Simulator::PressKey(int key) {
  if ((key == kKeyAlpha || key == kKeyEsc) && state_ == EngineState::kForm) alpha_ = !alpha_;
  SimulatorKey(key);
}

void Simulator::Tick() {
  blink_ = (blink_ + 1) % 10;
  if (pending_ && ++tap_ticks_ >= 7) CommitPendingLetter();
}

std::string Simulator::ClockLine() {
  return ClockLineText(clock_.Local(), blink_, record_counter_,
                       design_.settings[settings_offset::kSeparateFiles] != 0);
}

void Simulator::SetLcdText(int row, std::string text) {
  if (text.size() > kLcdLineMax) text.resize(kLcdLineMax);
  lcd_[row] = std::move(text);
}

void Simulator::PutCell(int row, int column, char c) {
  if (column < 0 || column >= static_cast<int>(kLcdLineMax)) return;
  std::string& line = lcd_[row];
  if (static_cast<int>(line.size()) <= column) line.resize(column + 1, ' ');
  line[column] = c;
}

// ---- The terminal's own screens ----

void Simulator::ShowMainMenu(Redraw redraw) {
  for (int i = 0; i < 4; ++i) SetLcdText(i, SlotText(TextSlot(design_, kMainMenuTexts, i)));
  for (int i = 4; i < kLcdLines; ++i) SetLcdText(i, kBlankLine);
  state_ = EngineState::kMainMenu;
  current_id_ = 0;
  alpha_ = false;
  wide_spacing_ = true;
  if (redraw == Redraw::kWholeScreen) {
    host_.RedrawLcd();
  } else {
    host_.RedrawMainMenuArea();
  }
}

void Simulator::MainMenuKey(int key) {
  switch (key) {
    case 1:
      Collect();
      break;
    case 2:
      selected_line_ = 0;
      ShowUploadScreen();
      break;
    case 3:
      selected_line_ = 1;
      ShowUtilities();
      break;
    case kKeyUp:
      selected_line_ = selected_line_ <= 1 ? kMenuLines : selected_line_ - 1;
      host_.RedrawMainMenuArea();
      break;
    case kKeyDown:
      selected_line_ = selected_line_ >= kMenuLines ? 1 : selected_line_ + 1;
      host_.RedrawMainMenuArea();
      break;
    case kKeyEnter:
    case kKeyEnter2:
      if (selected_line_ >= 1 && selected_line_ <= kMenuLines) MainMenuKey(selected_line_);
      break;
    default:
      break;
  }
}

void Simulator::Collect() {
  PrepareDesignForCollect(design_);
  if (design_.settings[settings_offset::kStartTarget] == 0) {
    if (FormAt(design_, 0).line_count() != 0) {
      StartForm(1);
      return;
    }
  } else if (MenuAt(design_, 0).item_count() != 0) {
    OpenMenu(TargetOfMenu(1));
    return;
  }
  host_.ShowMessage(NothingToRunMessage());
  host_.PostNewCommand();
}

void Simulator::ShowUploadScreen() {
  for (int i = 0; i < 4; ++i) SetLcdText(i, SlotText(TextSlot(design_, kConnectingTexts, i)));
  for (int i = 4; i < kLcdLines; ++i) SetLcdText(i, kBlankLine);
  state_ = EngineState::kUpload;
  alpha_ = false;
  wide_spacing_ = true;
  host_.RedrawLcd();
}

void Simulator::ShowUtilities() {
  for (int i = 0; i < kLcdLines; ++i) {
    SetLcdText(i, i < utilities_lines_ ? SlotText(TextSlot(design_, kUtilitiesTexts, i))
                                       : std::string(kBlankLine));
  }
  state_ = EngineState::kUtilities;
  alpha_ = false;
  wide_spacing_ = false;
  host_.RedrawLcd();
}

void Simulator::UtilitiesKey(int key) {
  switch (key) {
    case 1:
      selected_line_ = 2;
      ShowSettings();
      break;
    case kKeyUp:
      selected_line_ = selected_line_ <= 1 ? utilities_lines_ : selected_line_ - 1;
      host_.RedrawLcd();
      break;
    case kKeyDown:
      selected_line_ = selected_line_ >= utilities_lines_ ? 1 : selected_line_ + 1;
      host_.RedrawLcd();
      break;
    case kKeyEsc:
    case kKeyResetField:
      selected_line_ = 3;
      ShowMainMenu(Redraw::kWholeScreen);
      break;
    case kKeyEnter:
    case kKeyEnter2:
      if (selected_line_ == 1) UtilitiesKey(1);
      break;
    default:
      break;
  }
}

void Simulator::ShowSettings() {
  for (int i = 0; i < kLcdLines; ++i) SetLcdText(i, SlotText(TextSlot(design_, kSettingsTexts, i)));
  state_ = EngineState::kSettings;
  alpha_ = false;
  wide_spacing_ = false;
  host_.RedrawLcd();
}

void Simulator::SettingsKey(int key) {
  if ((key >= 1 && key <= 7) || key == kKeyEsc || key == kKeyEnter || key == kKeyEnter2 ||
      key == kKeyResetField) {
    selected_line_ = 1;
    ShowUtilities();
  } else if (key == kKeyUp) {
    selected_line_ = selected_line_ <= 2 ? kSettingsLines : selected_line_ - 1;
    host_.RedrawLcd();
  } else if (key == kKeyDown) {
    selected_line_ = selected_line_ >= kSettingsLines ? 2 : selected_line_ + 1;
    host_.RedrawLcd();
  }
}

// ---- The designed menus ----

void Simulator::OpenMenu(int id) {
  MenuRecord menu = MenuAt(design_, id - TargetOfMenu(1));
  menu.current_item() = 0;
  menu.spare_cursor() = 0;
  ShowMenu(id);
}

void Simulator::ShowMenu(int id) {
  MenuRecord menu = MenuAt(design_, id - TargetOfMenu(1));
  state_ = EngineState::kUserMenu;
  current_id_ = id;
  wide_spacing_ = false;
  const int shown = std::min<int>(menu.item_count(), 8);
  for (auto& line : lcd_) line.clear();
  if (menu.caption_flag() != 0) {
    SetLcdText(0, SlotText(menu.caption()));
    for (int k = 0; k < std::min(shown, 7); ++k) SetLcdText(k + 1, SlotText(menu.item_text(k)));
    selected_line_ = menu.current_item() + 2;
  } else {
    for (int k = 0; k < shown; ++k) SetLcdText(k, SlotText(menu.item_text(k)));
    selected_line_ = menu.current_item() + 1;
  }
  host_.RedrawLcd();
}

void Simulator::UserMenuKey(int key) {
  MenuRecord menu = MenuAt(design_, current_id_ - TargetOfMenu(1));
  if (key >= 1 && key <= 9) {
    ChooseMenuItem(key - 1);
  } else if (key == kKeyZero) {
    ChooseMenuItem(9);
  } else if (key == kKeyUp) {
    if (menu.current_item() > 0) {
      --menu.current_item();
      ShowMenu(current_id_);
    }
  } else if (key == kKeyDown) {
    if (menu.current_item() + 1 < std::min<int>(menu.item_count(), 8)) {
      ++menu.current_item();
      ShowMenu(current_id_);
    }
  } else if (key == kKeyEsc) {
    GoToTarget(menu.escape_target(), MenuStart::kCurrentItem);
  } else if (key == kKeyEnter || key == kKeyEnter2) {
    // A current item beyond the ten items (a design from elsewhere) leads nowhere.
    if (menu.current_item() < 10)
      GoToTarget(menu.item_target(menu.current_item()), MenuStart::kFirstItem);
  }
}

void Simulator::ChooseMenuItem(int item) {
  MenuRecord menu = MenuAt(design_, current_id_ - TargetOfMenu(1));
  if (item >= menu.item_count()) return;
  menu.current_item() = static_cast<uint8_t>(item);
  GoToTarget(menu.item_target(item), MenuStart::kFirstItem);
}

// Target 21 ("back to the error form") and anything beyond the menus, which the terminal alone
// gives a meaning, return to the terminal's main menu.
void Simulator::GoToTarget(int target, MenuStart start) {
  if (target >= 1 && target <= kFormCount) {
    StartForm(target);
  } else if (target >= TargetOfMenu(1) && target <= kLastTarget) {
    if (start == MenuStart::kFirstItem) {
      OpenMenu(target);
    } else {
      ShowMenu(target);
    }
  } else {
    selected_line_ = 1;
    ShowMainMenu(Redraw::kWholeScreen);
  }
}

// ---- Forms ----

FormRecord Simulator::Form() { return FormAt(design_, std::clamp(current_id_, 1, 10) - 1); }

int Simulator::CurrentLine() { return std::min<int>(Form().current_line(), kFormLines - 1); }

void Simulator::SetCurrentLine(int line) { Form().current_line() = static_cast<uint8_t>(line); }

int Simulator::LineWidth() { return Form().line_width(); }

// The input buffer bounds what a maximum length can store.
int Simulator::MaxLength(int line) {
  return std::min<int>(Form().max_length(line), static_cast<int>(kInputMax));
}

std::string Simulator::Prompt(int line) {
  std::string prompt = SlotText(Form().prompt(line));
  if (static_cast<int>(prompt.size()) > LineWidth()) prompt.resize(LineWidth());
  return prompt;
}

int Simulator::PromptColumns(int line) { return static_cast<int>(Prompt(line).size()); }

// An auto(+/-) line with room for the sign and twice its maximum length shows a sign column;
// the input then starts behind it.
void Simulator::ComputeStartColumn(int line) {
  LineInput& in = inputs_[line];
  const int prompt = PromptColumns(line);
  const int max = MaxLength(line);
  in.sign_column = Form().type(line) == kTypeAuto && LineWidth() >= prompt + 1 + 2 * max;
  in.start_column = in.sign_column ? prompt + 1 + max : prompt;
  in.cursor_column = in.start_column;
}

void Simulator::StartForm(int number) {
  current_id_ = number;
  FormRecord form = Form();
  for (int i = 0; i < kFormLines; ++i) {
    inputs_[i] = LineInput{};
    lcd_[i].clear();
    ComputeStartColumn(i);
    if (form.line(form_offset::kInitialFlag, i) != 0) {
      inputs_[i].text = SlotText(form.initial_value(i));
    }
  }
  int line = 0;
  if (!IsEntryType(form.type(0))) {
    for (int i = 1; i < kFormLines; ++i) {
      if (IsEntryType(form.type(i))) {
        line = i;
        break;
      }
    }
  }
  SetCurrentLine(line);
  selected_line_ = 0;
  ShowForm(number);
}

void Simulator::ShowForm(int number) {
  for (auto& line : lcd_) line.clear();
  state_ = EngineState::kForm;
  current_id_ = number;
  wide_spacing_ = false;
  FormRecord form = Form();
  const int line_count = std::min<int>(form.line_count(), kFormLines);
  for (int i = 0; i < kFormLines; ++i) {
    const uint8_t type = form.type(i);
    if (i >= line_count && type == kTypeNil) continue;
    LineInput& in = inputs_[i];
    SetLcdText(i, Prompt(i));
    if (type == kTypeCounter) {
      in.text = CounterDigits(record_counter_);
    } else if (type == kTypePassDown) {
      const int room = (form.font_size() != 0 ? 48 : 128) - PromptColumns(i);
      in.text = pass_down_.substr(0, static_cast<size_t>(std::max(room, 0)));
      FitPassDown(i);
    } else if (type == kTypeAuto) {
      DrawSignMarker(i);
    }
    const size_t from = static_cast<size_t>(in.scroll > 0 ? in.scroll - 1 : 0);
    if (from < in.text.size()) SetLcdText(i, lcd_[i] + in.text.substr(from));
  }
  const int current = CurrentLine();
  cursor_row_ = current;
  cursor_column_ = inputs_[current].cursor_column;
  host_.RedrawLcd();
  DrawInputMarks(current);
}

void Simulator::ShowEntryError(int kind) {
  SetLcdText(4, kStarLine);
  SetLcdText(5, SlotText(TextSlot(design_, kEntryErrorTexts, std::clamp(kind, 1, 2) - 1)));
  SetLcdText(6, SlotText(TextSlot(design_, kEntryErrorTexts, kPressAnyKeyText)));
  SetLcdText(7, kStarLine);
  alpha_ = false;
  state_ = EngineState::kEntryError;
  wide_spacing_ = false;
  host_.RedrawLcd();
}

void Simulator::FormKey(int key) {
  switch (key) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case kKeyZero:
    case kKeyMinus:
    case kKeyDot:
      if (alpha_) {
        TapLetterKey(key);
      } else {
        TypeCharacter(KeyCharacter(key));
      }
      break;
    case kKeyUp:
      PreviousField();
      break;
    case kKeyDown:
      NextField();
      break;
    case kKeyEsc:
      GoToTarget(Form().escape_target(), MenuStart::kCurrentItem);
      break;
    case kKeyBackspace:
      Backspace();
      break;
    case kKeyEnter:
    case kKeyEnter2:
      Enter();
      break;
    case kKeyResetField:
      ResetField();
      break;
    default:
      break;
  }
}

void Simulator::PreviousField() {
  FormRecord form = Form();
  const int current = CurrentLine();
  if (current <= 0) return;
  int head = current;
  while (head > 0 && form.type(head) == kTypeExtension) --head;
  for (int j = head - 1; j >= 0; --j) {
    if (!IsEntryType(form.type(j))) continue;
    if (j != current) {
      SetCurrentLine(j);
      inputs_[j].cursor_column = inputs_[j].start_column;
      ShowForm(current_id_);
    }
    return;
  }
}

void Simulator::NextField() {
  FormRecord form = Form();
  const int current = CurrentLine();
  const int line_count = std::min<int>(form.line_count(), kFormLines);
  if (current >= line_count - 1) return;
  for (int j = current + 1; j < line_count; ++j) {
    if (!IsEntryType(form.type(j))) continue;
    SetCurrentLine(j);
    inputs_[j].cursor_column = inputs_[j].start_column;
    ShowForm(current_id_);
    return;
  }
}

void Simulator::Enter() {
  FormRecord form = Form();
  const int current = CurrentLine();
  if (inputs_[current].text.size() < form.min_length(current)) {
    ShowEntryError(kErrorTooShort);
    return;
  }
  if (current < std::min<int>(form.line_count(), kFormLines) - 1) {
    NextField();
    return;
  }
  ++record_counter_;
  const uint8_t action = form.record_action();
  if (action == kActionPassDown || StoresRecords(action)) {
    std::array<std::string, kFormLines> texts;
    for (int i = 0; i < kFormLines; ++i) texts[i] = inputs_[i].text;
    std::string record = ComposeRecord(form, texts, DesignDelimiters(design_), clock_.Local());
    if (action == kActionPassDown) {
      pass_down_ = std::move(record);
    } else {
      host_.StoreRecord(current_id_, record);
    }
  }
  GoToTarget(form.next_target(), MenuStart::kFirstItem);
}

}  // namespace q700

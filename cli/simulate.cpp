// The headless simulator: key lists, the fixed time, and the printed display.
#include "cli/simulate.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ostream>

#include "model/settings_block.h"
#include "simulator/clock_line.h"
#include "simulator/engine.h"
#include "simulator/keypad.h"
#include "texts/text_loader.h"

namespace q700::cli {
namespace {

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::optional<int> KeyOfName(const std::string& name) {
  static const std::pair<const char*, int> kNames[] = {
      {"ENTER", kKeyEnter},  {"ESC", kKeyEsc},     {"UP", kKeyUp},     {"DOWN", kKeyDown},
      {"BS", kKeyBackspace}, {"ALPHA", kKeyAlpha}, {"MENU", kKeyMenu}, {"MINUS", kKeyMinus},
      {"DOT", kKeyDot},      {"0", kKeyZero},
  };
  for (const auto& [text, key] : kNames) {
    if (name == text) return key;
  }
  if (const auto code = ParseNumber(name)) {
    if ((*code >= 1 && *code <= kKeyCount) || (*code >= 51 && *code <= 60)) return *code;
  }
  return std::nullopt;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

class PrintingHost final : public SimulatorHost {
 public:
  PrintingHost(TextLoader& texts, std::ostream& out) : texts_(texts), out_(out) {}
  void RedrawLcd() override {}
  void RedrawLcdLine(int) override {}
  void RedrawMainMenuArea() override {}
  void DrawPendingLetter(int, int, char) override {}
  void ShowMessage(const Message& message) override {
    out_ << "message=" << texts_.Load(message.text_id, Slot::kMessage) << message.detail << "\n";
  }
  // There is no New command without the program's window: the design stays as it is.
  void PostNewCommand() override {}
  void StoreRecord(int, const std::string& record) override { records_.push_back(record); }

  const std::vector<std::string>& records() const { return records_; }

 private:
  TextLoader& texts_;
  std::ostream& out_;
  std::vector<std::string> records_;
};

}  // namespace

std::optional<std::vector<SimulatorInput>> ParseSimulatorInputs(std::string_view text,
                                                                std::string* error) {
  std::vector<SimulatorInput> inputs;
  size_t pos = 0;
  while (pos < text.size()) {
    if (std::isspace(static_cast<unsigned char>(text[pos]))) {
      ++pos;
      continue;
    }
    size_t end = pos;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
    const std::string item(text.substr(pos, end - pos));
    pos = end;
    const std::string upper = Upper(item);
    if (upper.rfind("TICK:", 0) == 0) {
      const auto ticks = ParseNumber(std::string_view(item).substr(5));
      if (!ticks || *ticks < 0 || *ticks > kMaxTicks) {
        if (error) {
          *error = "bad tick count in '" + item + "': give tick:N with N from 0 to " +
                   std::to_string(kMaxTicks);
        }
        return std::nullopt;
      }
      inputs.push_back({0, *ticks});
      continue;
    }
    const auto key = KeyOfName(upper);
    if (!key) {
      if (error) {
        *error = "unknown key '" + item +
                 "': give a key code 1 to 20 or 51 to 60, a name (ENTER ESC UP DOWN BS ALPHA "
                 "MENU 0 to 9 MINUS DOT) or tick:N";
      }
      return std::nullopt;
    }
    inputs.push_back({*key, 0});
  }
  return inputs;
}

std::optional<LocalTime> ParseLocalTime(std::string_view text) {
  // YYYY-MM-DDTHH:MM:SS
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
      (text[10] != 'T' && text[10] != 't') || text[13] != ':' || text[16] != ':') {
    return std::nullopt;
  }
  const auto part = [&](size_t at, size_t n) { return ParseNumber(text.substr(at, n)); };
  const auto year = part(0, 4), month = part(5, 2), day = part(8, 2);
  const auto hour = part(11, 2), minute = part(14, 2), second = part(17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) {
    return std::nullopt;
  }
  if (*hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return LocalTime{*year, *month, *day, *hour, *minute, *second};
}

std::string_view StateName(const Simulator& sim) {
  switch (sim.state()) {
    case EngineState::kMainMenu:
      return "main";
    case EngineState::kUpload:
      return "upload";
    case EngineState::kUtilities:
      return "utilities";
    case EngineState::kSettings:
      return "settings";
    case EngineState::kUserMenu:
      return "menu";
    case EngineState::kForm:
      return "form";
    case EngineState::kEntryError:
      return "error";
  }
  return "main";
}

void RunSimulation(Design& design, Clock& clock, const std::vector<SimulatorInput>& inputs,
                   TextLoader& texts, std::ostream& out) {
  PrintingHost host(texts, out);
  Simulator sim(design, clock, host);
  sim.set_selected_line(1);
  sim.ShowMainMenu(Redraw::kWholeScreen);
  for (const SimulatorInput& input : inputs) {
    if (input.key != 0) {
      sim.PressKey(input.key);
    } else {
      for (int i = 0; i < input.ticks; ++i) sim.Tick();
    }
  }
  for (int row = 0; row < kLcdLines; ++row) out << '|' << sim.lcd_line(row) << "|\n";
  out << "state=" << StateName(sim) << "\n";
  out << "selected=" << sim.selected_line() << "\n";
  out << "cursor=" << sim.cursor_column() << ',' << sim.cursor_row() << "\n";
  out << "alpha=" << (sim.alpha_mode() ? "on" : "off") << "\n";
  out << "counter=" << sim.record_counter() << "\n";
  out << "clock="
      << ClockLineText(clock.Local(), 0, sim.record_counter(),
                       design.settings[settings_offset::kSeparateFiles] != 0)
      << "\n";
  out << "passdown=" << sim.pass_down() << "\n";
  for (const std::string& record : host.records()) out << "record=" << record << "\n";
}

}  // namespace q700::cli

// A design with the new-project defaults, a simulator on a fixed clock (5 March 2026, 09:07:30)
// and a host that records what the engine asks of it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/defaults.h"
#include "model/design.h"
#include "model/field_names.h"
#include "model/form_record.h"
#include "simulator/engine.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::test {

struct RecordingHost final : SimulatorHost {
  struct Letter {
    int column, row;
    char letter;
  };
  void RedrawLcd() override { ++lcd_redraws; }
  void RedrawLcdLine(int row) override { line_redraws.push_back(row); }
  void RedrawMainMenuArea() override { ++menu_area_redraws; }
  void DrawPendingLetter(int column, int row, char letter) override {
    letters.push_back({column, row, letter});
  }
  void ShowMessage(const Message& message) override { messages.push_back(message); }
  void PostNewCommand() override { ++new_commands; }

  int lcd_redraws = 0;
  int menu_area_redraws = 0;
  std::vector<int> line_redraws;
  std::vector<Letter> letters;
  std::vector<Message> messages;
  int new_commands = 0;
};

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() {
    TextLoader loader;
    RefillTerminalTexts(loader, defaults_);
    ResetDesign(design, defaults_);
    sim.ShowMainMenu(Redraw::kWholeScreen);
  }

  // Sets a design field by its dotted name, as `tpq700 set` does.
  void Set(const std::string& name, std::string_view value) {
    const FieldInfo* field = FindField(name);
    ASSERT_NE(field, nullptr) << name;
    ASSERT_FALSE(CheckFieldValue(*field, value).has_value()) << name << "=" << value;
    SetField(*field, design, value);
  }

  void Keys(std::initializer_list<int> keys) {
    for (int key : keys) sim.PressKey(key);
  }

  // Types digits, "-" and "." with their keys (outside alpha mode).
  void Type(std::string_view text) {
    for (char c : text) {
      if (c == '0') {
        sim.PressKey(11);
      } else if (c >= '1' && c <= '9') {
        sim.PressKey(c - '0');
      } else if (c == '-') {
        sim.PressKey(13);
      } else if (c == '.') {
        sim.PressKey(16);
      } else {
        ADD_FAILURE() << "no key types " << c;
      }
    }
  }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) sim.Tick();
  }

  std::string Lcd(int row) const { return sim.lcd_line(row); }
  FormRecord Form(int number) { return FormAt(design, number - 1); }

  DefaultTerminalTexts defaults_;
  Design design;
  FakeClock clock{LocalTime{2026, 3, 5, 9, 7, 30}};
  RecordingHost host;
  Simulator sim{design, clock, host};
};

}  // namespace q700::test

// The simulator engine: runs the designed application on the simulated terminal. A state
// machine driven by one key code at a time, rendering into the eight LCD lines that the Client
// window draws. It reads the design in place and writes a few runtime bytes back into it (menu
// item counts and current items, form line counts and current lines, cleaned prompts and lookup
// columns).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/clock.h"
#include "base/message.h"
#include "model/design.h"
#include "model/form_record.h"

namespace q700 {

inline constexpr int kLcdLines = 8;
inline constexpr size_t kLcdLineMax = 24;  // characters of one LCD line
inline constexpr size_t kInputMax = 160;   // characters of a line's input buffer

// What the engine asks of its front end: which part of the display to repaint, the letter of a
// multi-tap in progress, and the message and New command of a Collect that finds nothing to run.
class SimulatorHost {
 public:
  virtual ~SimulatorHost() = default;
  virtual void RedrawLcd() = 0;
  virtual void RedrawLcdLine(int row) = 0;
  virtual void RedrawMainMenuArea() = 0;
  virtual void DrawPendingLetter(int column, int row, char letter) = 0;
  virtual void ShowMessage(const Message& message) = 0;
  virtual void PostNewCommand() = 0;
  // A completed form whose record action keeps its record in the data file: the record as the
  // terminal would store it. The program has nowhere to keep it; the tool prints it.
  virtual void StoreRecord(int /*form*/, const std::string& /*record*/) {}
};

// A host that ignores everything, for headless use.
SimulatorHost& NullSimulatorHost();

enum class EngineState { kMainMenu, kUpload, kUtilities, kSettings, kUserMenu, kForm, kEntryError };

// How much of the terminal picture the main menu repaints.
enum class Redraw { kWholeScreen, kMainMenuArea };
// How a menu reached as a target starts: from its first item, or where it was left.
enum class MenuStart { kFirstItem, kCurrentItem };

// Input state of one form line.
struct LineInput {
  std::string text;       // what was typed, or the initial value, counter digits, passed-down text
  int start_column = 0;   // LCD column where the input begins
  int cursor_column = 0;  // LCD column of the next character
  int scroll = 0;         // times the line scrolled left (one more once the maximum is reached)
  bool sign_column = false;
};

// Entry-error kinds.
inline constexpr int kErrorWrongType = 1;
inline constexpr int kErrorTooShort = 2;

// "Please define your program!" in a warning box captioned "No executable program".
Message NothingToRunMessage();

// 8 when lookup file 1 is defined (the utilities menu then offers loading it), else 7.
int UtilitiesLineCount(Design& design);

// What Collect does to the design before it starts: menu item counts, the prompts and lookup
// columns of lines that cannot use them, and form line counts.
void PrepareDesignForCollect(Design& design);

class Simulator {
 public:
  Simulator(Design& design, Clock& clock, SimulatorHost& host);

  // The single entry point for key codes 1 to 20 and 51 to 60.
  void SimulatorKey(int key);
  // A pictured key pressed: keys 10 and 17 flip alpha mode in form entry first (so ESC takes the
  // flipped mode along into the next form), then the key goes to SimulatorKey.
  void PressKey(int key);
  // The 100-ms tick: advances the clock blink and commits a pending multi-tap letter on the
  // seventh tick after the last tap.
  void Tick();

  void ShowMainMenu(Redraw redraw);
  void StartForm(int number);  // form 1 to 10
  void ShowForm(int number);
  void OpenMenu(int id);  // target code 11 to 20
  void ShowMenu(int id);
  void ShowEntryError(int kind);

  // Field entry on the current line of the form shown.
  void TypeCharacter(char c);
  void TapLetterKey(int key);
  void Backspace();
  void ResetField();
  void DrawInputMarks(int line);
  void DrawSignMarker(int line);
  void FitPassDown(int line);

  // Called when the editor commits the forms.
  void UpdateUtilitiesLineCount() { utilities_lines_ = UtilitiesLineCount(design_); }
  // New and Open start counting again.
  void ResetRecordCounter() { record_counter_ = 0; }
  void set_selected_line(int line) { selected_line_ = line; }

  // The clock line text at the current blink phase.
  std::string ClockLine();

  // What the Client window draws.
  const std::string& lcd_line(int row) const { return lcd_[row]; }
  bool wide_spacing() const { return wide_spacing_; }
  int selected_line() const { return selected_line_; }
  int cursor_column() const { return cursor_column_; }
  int cursor_row() const { return cursor_row_; }
  bool alpha_mode() const { return alpha_; }
  // The multi-tap letter waiting for its commit, 0 when none.
  char pending_letter() const { return pending_ ? pending_letter_ : 0; }

  EngineState state() const { return state_; }
  int current_id() const { return current_id_; }
  int utilities_line_count() const { return utilities_lines_; }
  unsigned record_counter() const { return record_counter_; }
  const std::string& pass_down() const { return pass_down_; }
  int blink_counter() const { return blink_; }
  const LineInput& line_input(int line) const { return inputs_[line]; }
  Design& design() { return design_; }
  Clock& clock() { return clock_; }

 private:
  // Menus and screens.
  void MainMenuKey(int key);
  void Collect();
  void ShowUploadScreen();
  void ShowUtilities();
  void UtilitiesKey(int key);
  void ShowSettings();
  void SettingsKey(int key);
  void UserMenuKey(int key);
  void ChooseMenuItem(int item);
  void GoToTarget(int target, MenuStart start);

  // Forms.
  void FormKey(int key);
  void PreviousField();
  void NextField();
  void Enter();
  void CommitPendingLetter();

  FormRecord Form();
  int CurrentLine();
  void SetCurrentLine(int line);
  int LineWidth();
  int MaxLength(int line);
  std::string Prompt(int line);
  int PromptColumns(int line);
  void ComputeStartColumn(int line);
  void RebuildScrolledLine(int line);
  void SetLcdText(int row, std::string text);
  void PutCell(int row, int column, char c);

  Design& design_;
  Clock& clock_;
  SimulatorHost& host_;

  EngineState state_ = EngineState::kMainMenu;
  int current_id_ = 0;
  int selected_line_ = 1;
  int utilities_lines_ = 7;
  unsigned record_counter_ = 0;
  std::string pass_down_;

  std::array<std::string, kLcdLines> lcd_;
  bool wide_spacing_ = true;
  int cursor_column_ = 0;
  int cursor_row_ = 0;
  bool alpha_ = false;

  std::array<LineInput, kFormLines> inputs_;

  int last_key_ = 0;
  bool pending_ = false;
  char pending_letter_ = 0;
  int pending_key_ = 0;
  int tap_ = 0;
  int tap_ticks_ = 0;
  int blink_ = 0;
};

}  // namespace q700

// Driving real dialogs in-process as a user would: scripts that run inside modal dialogs as they
// open, control actions that send the notifications a user's input sends, and the editor set-up.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "editor/editor_session.h"
#include "editor/win32/editor_sheet.h"
#include "model/design.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::gui_test {

using Script = std::function<void(HWND dialog)>;

// Runs a script inside each top-level dialog (message boxes included) that opens on this thread,
// in the order they were expected, once the dialog's modal loop is running. A dialog that is
// still open when its script returns is cancelled, and a dialog nobody expected is cancelled and
// counted, so a failing test never hangs.
class ModalDriver {
 public:
  ModalDriver();
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // The next dialog to open runs `script`.
  void Expect(Script script);
  // `dialog` exists already (the editor sheet's hook hands it over): run `script` in it.
  void Drive(HWND dialog, Script script);

  int unexpected() const { return unexpected_; }
  bool all_ran() const { return scripts_.empty(); }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  void DialogCreated(HWND dialog);

  HHOOK hook_ = nullptr;
  std::deque<Script> scripts_;
  std::deque<HWND> claimed_;
  int unexpected_ = 0;
};

// User actions. Each sends what the control itself would send for a user's input.
void Type(HWND dialog, int id, const std::wstring& text);  // the edit box sends EN_CHANGE
// Types `keys` over the whole text of an edit box one character at a time, as the keyboard
// does: the box's own limit of characters and its digits-only style apply.
void KeyIn(HWND dialog, int id, const std::wstring& keys);
void Choose(HWND dialog, int id, int position);  // selection and CBN_SELCHANGE
void Click(HWND dialog, int id);                 // BM_CLICK
void ClickAt(HWND window, int x, int y);         // left button down and up

// Reading controls.
std::wstring Text(HWND dialog, int id);
std::wstring WindowText(HWND window);
int Selection(HWND dialog, int id);
int ItemCount(HWND dialog, int id);
std::wstring ItemAt(HWND dialog, int id, int position);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);

// A static or button text of a message box (the message).
std::wstring MessageBoxText(HWND box);

// Clicks the cell of `code` in a picker's grid of `columns` data columns (16 rows), the cells
// being the grid's client area divided evenly, headers included.
void ClickCode(HWND grid, int columns, int code);
POINT CodeCentre(HWND grid, int columns, int code);

// Shows a dialog that a script runs in before its modal loop showed it, and paints it now.
void ShowNow(HWND dialog);
// The colour of a pixel of a window as it is on the screen.
COLORREF PixelAt(HWND window, int x, int y);

// A new design with the built-in texts, and the editor over it.
class EditorTest : public testing::Test {
 protected:
  EditorTest();

  // Opens the editor sheet with no owner and runs `script` in it once it runs; `page` is the
  // first page. Returns what OpenEditor returned.
  bool RunSheet(const std::function<void(HWND sheet, HWND page)>& script);

  static void PressOk(HWND sheet);
  static void PressCancel(HWND sheet);

  TextLoader texts_;
  DefaultTerminalTexts defaults_;
  Design design_;
  editor::EditorSession session_{texts_, defaults_};
  int commits_ = 0;
  win32::EditorSheetContext context_{
      design_, texts_, defaults_, session_, {}, [this] { ++commits_; }, {}};
  ModalDriver driver_;
};

}  // namespace q700::gui_test

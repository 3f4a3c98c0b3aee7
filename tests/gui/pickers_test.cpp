// The grid pickers as the user sees them: the character picker, the painting of the grids and
// of a picker box while its picker is open, and the key sequence picker's Clear and Cancel.
#include "editor/win32/grid_pickers.h"
#include "editor/win32/picker_box.h"
#include "gui_test_support.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

constexpr int kCharacterColumns = 8;
constexpr int kKeyColumns = 16;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHeaderGrey = RGB(192, 192, 192);

// A pixel near the top left corner of a code's cell, clear of its name.
COLORREF CellCorner(HWND grid, int columns, int code) {
  const POINT centre = CodeCentre(grid, columns, code);
  RECT client;
  GetClientRect(grid, &client);
  const int width = client.right / (columns + 1);
  const int height = client.bottom / 17;
  return PixelAt(grid, centre.x - width / 2 + 3, centre.y - height / 2 + 3);
}

class PickersTest : public testing::Test {
 protected:
  TextLoader texts_;
  ModalDriver driver_;
};

TEST_F(PickersTest, CharacterPickerChoosesOneCharacter) {
  uint8_t value = 2;  // STX
  driver_.Expect([&](HWND picker) {
    EXPECT_EQ(WindowText(picker), L"The Grid Control");
    ShowNow(picker);
    HWND grid = GetDlgItem(picker, IDC_GRID);
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 2), kBlue);
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 'x'), kWhite);
    EXPECT_EQ(PixelAt(grid, 3, 3), kHeaderGrey);
    ClickCode(grid, kCharacterColumns, 127);  // DEL cannot be chosen
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 2), kBlue);
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 127), kWhite);
    ClickCode(grid, kCharacterColumns, 'x');
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 'x'), kBlue);
    EXPECT_EQ(CellCorner(grid, kCharacterColumns, 2), kWhite);
    Click(picker, IDOK);
  });
  EXPECT_EQ(win32::RunCharacterPicker(nullptr, value, texts_), "x");
  EXPECT_EQ(value, 'x');

  driver_.Expect([&](HWND picker) {
    ClickCode(GetDlgItem(picker, IDC_GRID), kCharacterColumns, 'A');
    Click(picker, IDCANCEL);
  });
  EXPECT_EQ(win32::RunCharacterPicker(nullptr, value, texts_), "x");
  EXPECT_EQ(value, 'x');
}

TEST_F(PickersTest, KeySequencePickerClearsAndCancels) {
  uint8_t code_id[2] = {'A', 0};
  driver_.Expect([&](HWND picker) {
    ShowNow(picker);
    HWND grid = GetDlgItem(picker, IDC_GRID);
    EXPECT_EQ(CellCorner(grid, kKeyColumns, 32), kBlue);  // "SP" starts selected
    EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" A");
    ClickCode(grid, kKeyColumns, 'B');
    EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" A B");
    std::wstring message;
    driver_.Expect([&](HWND box) {
      message = MessageBoxText(box);
      Click(box, IDOK);
    });
    ClickCode(grid, kKeyColumns, 'C');
    EXPECT_EQ(message, L"Too many characters !!!");
    Click(picker, IDC_GRID_CLEAR);
    EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L"");
    ClickCode(grid, kKeyColumns, 10);  // LF cannot be chosen
    ClickCode(grid, kKeyColumns, 'C');
    EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" C");
    Click(picker, IDCANCEL);
  });
  EXPECT_EQ(win32::RunKeySequencePicker(nullptr, code_id, 2, texts_), " A");
  EXPECT_EQ(code_id[0], 'A');
  EXPECT_EQ(code_id[1], 0);
}

TEST_F(PickersTest, PickerBoxIsBlueWhileItsPickerIsOpen) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 300, 80, nullptr,
                               nullptr, nullptr, nullptr);
  HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24,
                             owner, nullptr, nullptr, nullptr);
  uint8_t value = 'a';
  win32::MakeCharacterBox(box, value, texts_);
  EXPECT_EQ(WindowText(box), L"a");
  UpdateWindow(owner);
  EXPECT_NE(PixelAt(box, 150, 5), kBlue);
  COLORREF while_open = 0;
  bool open = false;
  driver_.Expect([&](HWND picker) {
    open = win32::IsPickerOpen(box);
    while_open = PixelAt(box, 150, 5);
    ClickCode(GetDlgItem(picker, IDC_GRID), kCharacterColumns, 0);
    Click(picker, IDOK);
  });
  ClickAt(box, 5, 5);
  EXPECT_TRUE(open);
  EXPECT_EQ(while_open, kBlue);
  EXPECT_FALSE(win32::IsPickerOpen(box));
  EXPECT_EQ(WindowText(box), L"NUL");
  EXPECT_EQ(value, 0);
  // Typing into the box changes neither the box nor the value.
  SendMessageW(box, WM_CHAR, 'z', 0);
  EXPECT_EQ(WindowText(box), L"NUL");
  DestroyWindow(owner);
}

}  // namespace
}  // namespace q700::gui_test

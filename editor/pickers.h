// The two grid pickers: the character picker (one of the 128 ASCII codes) and the key sequence
// picker (up to 2 or 10 of the terminal's 256 key codes). Names, colours and geometry of their
// grids are plain functions, so a front end only paints cells and forwards clicks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/message.h"
#include "texts/text_loader.h"

namespace q700::editor {

enum class PickerKind { kCharacter, kKeySequence };

inline constexpr int kCodeVar1 = 29;  // the form's variables 1 to 3 in a key sequence
inline constexpr int kCodeVar3 = 31;
inline constexpr int kCodeSpace = 32;
inline constexpr int kCodeIdCapacity = 2;         // a Code ID box
inline constexpr int kCodeSequenceCapacity = 10;  // a prefix or suffix code box
inline constexpr size_t kResultTextMax = 69;

inline bool IsVariableCode(int code) { return code >= kCodeVar1 && code <= kCodeVar3; }

// Display names: "NUL" .. "US", "SP", the printable character, "DEL". Codes of 128 and above,
// which the grid does not show, are named by their decimal value.
std::string CharacterName(int code);
// Display names of key codes: "" for 0, "Ins", "Del", .., "F12", "ESC", "Exec", "Var1" .. "Var3",
// "SP", the printable character, "DEL", and "128" to "255".
std::string KeyName(int code);
std::string CellName(PickerKind kind, int code);

// Codes a grid shows: 128 or 256.
int CodeCount(PickerKind kind);
// A code on the grid that a click may choose (127 and 0, 10, 13 are refused).
bool IsChoosable(PickerKind kind, int code);

// Grid geometry. Grid column and row 0 hold the headers; the code of data column c and data row
// r (from 0) is c x 16 + r, drawn at grid column c + 1 and grid row r + 1.
struct GridShape {
  int columns;  // data columns: 8 or 16
  int rows;     // data rows: 16
};
GridShape ShapeOf(PickerKind kind);

struct GridCellSize {
  int width = 0;
  int height = 0;
};
// Equal integer cells over the whole client area, headers included.
GridCellSize CellSize(PickerKind kind, int client_width, int client_height);

struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
GridRect CellRect(GridCellSize size, int grid_column, int grid_row);
GridRect CodeRect(GridCellSize size, int code);

// The code a click at (x, y) chooses; nothing for the headers, outside the data cells and for
// refused cells.
std::optional<int> HitTest(PickerKind kind, int client_width, int client_height, int x, int y);

// Header labels: data column c gives "00", "10" .. "F0"; data row r gives "00" .. "0F".
std::string ColumnHeader(int column);
std::string RowHeader(int row);

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kGridBackground = {192, 192, 192};  // the headers' area
inline constexpr Rgb kGridDataFill = {255, 255, 255};
inline constexpr Rgb kGridDataLine = {196, 196, 196};
inline constexpr Rgb kGridHeaderLine = {255, 255, 255};
inline constexpr Rgb kGridFrame = {0, 0, 0};  // outer frame and the lines below the headers
inline constexpr Rgb kGridText = {0, 0, 0};
inline constexpr Rgb kGridRefusedText = {128, 128, 128};
inline constexpr Rgb kGridVariableText = {255, 0, 0};
inline constexpr Rgb kGridSelectedFill = {0, 0, 255};
inline constexpr Rgb kGridSelectedText = {255, 255, 255};
inline constexpr Rgb kPickerBoxOpenFill = {0, 0, 255};  // a picker box while its picker is open
// The key sequence picker's result display: sunken border, grey text 5 pixels from the left.
inline constexpr Rgb kResultFill = {255, 255, 255};
inline constexpr Rgb kResultShadow = {128, 128, 128};  // top and left edges
inline constexpr Rgb kResultLight = {255, 255, 255};   // bottom and right edges
inline constexpr Rgb kResultText = {128, 128, 128};
inline constexpr int kResultTextIndent = 5;

struct CellLook {
  Rgb fill;
  Rgb text;
};
CellLook CellLookOf(PickerKind kind, int code, bool selected);

// The text of a stored key sequence: a blank and the name of each code up to the first 0 or the
// capacity; a variable adds its text ("variable1" ..) and ends it, filling the sequence.
struct SequenceText {
  std::string text;
  std::vector<uint8_t> codes;  // the codes read
  int length = 0;              // codes read, the capacity when a variable ended the text
};
SequenceText ReadSequenceText(ConstBytes storage, int capacity, TextLoader& texts);

// What a click in a grid did.
struct PickerClick {
  bool selected = false;           // the clicked cell is now the selected cell
  int previous = -1;               // the cell selected before, to redraw plain
  std::optional<Message> message;  // to show the user
};

// The character picker, opened on one byte (the acoustic coupler's characters).
class CharacterPicker {
 public:
  explicit CharacterPicker(uint8_t& value) : value_(value) {}

  void Open();
  PickerClick Click(int code);
  // Close with OK: the byte takes the chosen code; returns the text the box shows.
  std::string Ok();
  // Close with Cancel: the byte is unchanged; returns the text the box shows.
  std::string Cancel();

  int selected() const { return selected_; }

 private:
  uint8_t& value_;
  int start_ = 0;
  int selected_ = 0;
  int result_ = 0;
};

// The key sequence picker, opened on the storage of a Code ID (2 bytes, capacity 2) or of a
// prefix or suffix code (10 bytes, capacity 10).
class KeySequencePicker {
 public:
  KeySequencePicker(Bytes storage, int capacity, TextLoader& texts);

  void Open();
  PickerClick Click(int code);
  // "Clear": the sequence and the result text become empty.
  void Clear();
  // Close with OK: the storage takes the sequence, zero after it; returns the box's text.
  std::string Ok();
  // Close with Cancel: the storage is unchanged; returns the box's text at opening.
  std::string Cancel();

  int selected() const { return selected_; }
  const std::string& result_text() const { return result_text_; }
  const std::vector<uint8_t>& sequence() const { return codes_; }
  bool full() const { return length_ >= capacity_; }

 private:
  Bytes storage_;
  int capacity_;
  TextLoader& texts_;
  std::vector<uint8_t> codes_;
  int length_ = 0;
  int selected_ = kCodeSpace;
  std::string result_text_;
  std::string opening_text_;
};

}  // namespace q700::editor

// The grid pickers: names, geometry and the picking of characters and key sequences.
#include "editor/pickers.h"

#include <algorithm>
#include <array>

#include "editor/list_texts.h"

namespace q700::editor {
namespace {

constexpr std::array<const char*, 32> kControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

constexpr std::array<const char*, 32> kKeyNames = {
    "",      "Ins",  "Del",   "Home", "End", "Up",  "Down", "Left", "BS",   "HT",  "LF",
    "Right", "PgUp", "Enter", "PgDn", "F1",  "F2",  "F3",   "F4",   "F5",   "F6",  "F7",
    "F8",    "F9",   "F10",   "F11",  "F12", "ESC", "Exec", "Var1", "Var2", "Var3"};

// The names shared by both tables from the blank up.
std::string PrintableName(int code) {
  if (code == kCodeSpace) return "SP";
  if (code == 127) return "DEL";
  return std::string(1, static_cast<char>(code));
}

const char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string CharacterName(int code) {
  if (code < 0) return {};
  if (code < kCodeSpace) return kControlNames[static_cast<size_t>(code)];
  if (code < 128) return PrintableName(code);
  return std::to_string(code);
}

std::string KeyName(int code) {
  if (code < 0 || code > 255) return {};
  if (code < kCodeSpace) return kKeyNames[static_cast<size_t>(code)];
  if (code < 128) return PrintableName(code);
  return std::to_string(code);
}

std::string CellName(PickerKind kind, int code) {
  return kind == PickerKind::kCharacter ? CharacterName(code) : KeyName(code);
}

int CodeCount(PickerKind kind) { return kind == PickerKind::kCharacter ? 128 : 256; }

bool IsChoosable(PickerKind kind, int code) {
  if (code < 0 || code >= CodeCount(kind)) return false;
  if (kind == PickerKind::kCharacter) return code != 127;
  return code != 0 && code != 10 && code != 13;
}

GridShape ShapeOf(PickerKind kind) {
  return kind == PickerKind::kCharacter ? GridShape{8, 16} : GridShape{16, 16};
}

GridCellSize CellSize(PickerKind kind, int client_width, int client_height) {
  const GridShape shape = ShapeOf(kind);
  return {std::max(client_width, 0) / (shape.columns + 1),
          std::max(client_height, 0) / (shape.rows + 1)};
}

GridRect CellRect(GridCellSize size, int grid_column, int grid_row) {
  const int left = grid_column * size.width;
  const int top = grid_row * size.height;
  return {left, top, left + size.width, top + size.height};
}

GridRect CodeRect(GridCellSize size, int code) {
  return CellRect(size, code / 16 + 1, code % 16 + 1);
}

std::optional<int> HitTest(PickerKind kind, int client_width, int client_height, int x, int y) {
  const GridCellSize size = CellSize(kind, client_width, client_height);
  // A window too small to hold a cell has nothing to click.
  if (size.width <= 0 || size.height <= 0 || x < 0 || y < 0) return std::nullopt;
  const GridShape shape = ShapeOf(kind);
  const int column = x / size.width;
  const int row = y / size.height;
  if (column < 1 || row < 1 || column > shape.columns || row > shape.rows) return std::nullopt;
  const int code = (column - 1) * 16 + (row - 1);
  if (!IsChoosable(kind, code)) return std::nullopt;
  return code;
}

std::string ColumnHeader(int column) { return {kHexDigits[column & 15], '0'}; }

std::string RowHeader(int row) { return {'0', kHexDigits[row & 15]}; }

CellLook CellLookOf(PickerKind kind, int code, bool selected) {
  CellLook look{kGridDataFill, kGridText};
  if (!IsChoosable(kind, code)) look.text = kGridRefusedText;
  if (selected) look = {kGridSelectedFill, kGridSelectedText};
  if (IsVariableCode(code)) look.text = kGridVariableText;
  return look;
}

SequenceText ReadSequenceText(ConstBytes storage, int capacity, TextLoader& texts) {
  SequenceText sequence;
  const int limit = std::min(capacity, static_cast<int>(storage.size()));
  for (int i = 0; i < limit && storage[static_cast<size_t>(i)] != 0; ++i) {
    const int code = storage[static_cast<size_t>(i)];
    sequence.codes.push_back(static_cast<uint8_t>(code));
    sequence.length = i + 1;
    if (IsVariableCode(code)) {
      sequence.text += " " + texts.Load(kItemVariables + code - kCodeVar1, Slot::kItem);
      sequence.length = capacity;
      break;
    }
    sequence.text += " " + KeyName(code);
  }
  if (sequence.text.size() > kResultTextMax) sequence.text.resize(kResultTextMax);
  return sequence;
}

void CharacterPicker::Open() {
  start_ = value_;
  selected_ = start_;
  result_ = start_;
}

PickerClick CharacterPicker::Click(int code) {
  if (!IsChoosable(PickerKind::kCharacter, code)) return {};
  PickerClick click{true, selected_, std::nullopt};
  selected_ = code;
  result_ = code;
  return click;
}

std::string CharacterPicker::Ok() {
  value_ = static_cast<uint8_t>(result_);
  return CharacterName(result_);
}

std::string CharacterPicker::Cancel() { return CharacterName(start_); }

KeySequencePicker::KeySequencePicker(Bytes storage, int capacity, TextLoader& texts)
    : storage_(storage),
      capacity_(std::clamp(capacity, 0, static_cast<int>(storage.size()))),
      texts_(texts) {}

void KeySequencePicker::Open() {
  selected_ = kCodeSpace;
  SequenceText stored = ReadSequenceText(storage_, capacity_, texts_);
  codes_ = std::move(stored.codes);
  length_ = stored.length;
  result_text_ = stored.text;
  opening_text_ = result_text_;
}

PickerClick KeySequencePicker::Click(int code) {
  if (!IsChoosable(PickerKind::kKeySequence, code)) return {};
  PickerClick click{true, selected_, std::nullopt};
  selected_ = code;
  // A variable stands for the whole sequence, so it may only come first.
  if (full() || (IsVariableCode(code) && !codes_.empty())) {
    click.message = Message{
        .caption_id = kCaptionError, .text_id = kTextTooManyCharacters, .icon = Icon::kWarning};
    return click;
  }
  codes_.push_back(static_cast<uint8_t>(code));
  std::string name;
  if (IsVariableCode(code)) {
    name = texts_.Load(kItemVariables + code - kCodeVar1, Slot::kItem);
    length_ = capacity_;
  } else {
    name = KeyName(code);
    ++length_;
  }
  result_text_ += " " + name;
  if (result_text_.size() > kResultTextMax) result_text_.resize(kResultTextMax);
  return click;
}

void KeySequencePicker::Clear() {
  codes_.clear();
  length_ = 0;
  result_text_.clear();
}

std::string KeySequencePicker::Ok() {
  std::fill(storage_.begin(), storage_.end(), uint8_t{0});
  std::copy(codes_.begin(), codes_.end(), storage_.begin());
  return result_text_;
}

std::string KeySequencePicker::Cancel() { return opening_text_; }

}  // namespace q700::editor

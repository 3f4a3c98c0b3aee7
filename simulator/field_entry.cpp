// Field entry: typing, multi-tap letters, backspace, field reset, input marks, the sign column
// and the spreading of a passed-down record over its lines.
#include "simulator/field_entry.h"

#include <algorithm>
#include <string_view>

#include "simulator/engine.h"
#include "simulator/keypad.h"

namespace q700 {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Extension lines are at most four, and a field never runs beyond line 8.
constexpr int kMaxExtensions = 4;

}  // namespace

bool AcceptsCharacter(uint8_t type, char c) {
  switch (type) {
    case kTypeText:
    case kTypeExtension:
      return true;
    case kTypeInteger:
    case kTypeReal:
      return IsDigit(c);
    case kTypeLetter:
      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    case kTypeAuto:
      return IsDigit(c) || c == '.';
    case kTypeBoolean:
      return c != 0 && std::string_view("01YNynTFtf").find(c) != std::string_view::npos;
    default:
      return false;
  }
}

void Simulator::CommitPendingLetter() {
  if (!pending_) return;
  pending_ = false;
  TypeCharacter(pending_letter_);
}

void Simulator::TapLetterKey(int key) {
  const std::string_view letters = AlphaLetters(key);
  if (letters.empty()) return;
  if (pending_ && key != pending_key_) CommitPendingLetter();
  tap_ = pending_ ? (tap_ + 1) % static_cast<int>(letters.size()) : 0;
  pending_letter_ = letters[static_cast<size_t>(tap_)];
  pending_key_ = key;
  pending_ = true;
  tap_ticks_ = 0;
  host_.DrawPendingLetter(cursor_column_, cursor_row_, pending_letter_);
}

void Simulator::TypeCharacter(char c) {
  if (state_ != EngineState::kForm) return;
  FormRecord form = Form();
  const int b = CurrentLine();
  LineInput& in = inputs_[b];
  if (!AcceptsCharacter(form.type(b), c)) {
    ShowEntryError(kErrorWrongType);
    return;
  }
  // A field showing earlier input or its initial value, just entered: typing replaces it all.
  if (!in.text.empty() && in.cursor_column == in.start_column) {
    ResetField();
    for (int j = b + 1; j < kFormLines && j <= b + kMaxExtensions; ++j) {
      if (form.type(j) != kTypeExtension) break;
      inputs_[j].text.clear();
      inputs_[j].cursor_column = inputs_[j].start_column;
      inputs_[j].scroll = 0;
      // The display follows the emptied buffer instead of showing the old continuation.
      SetLcdText(j, Prompt(j));
      host_.RedrawLcdLine(j);
    }
    if (form.input_mark(b) != 0) {
      DrawInputMarks(b);
    } else {
      host_.RedrawLcd();
    }
    cursor_column_ = in.start_column;
    cursor_row_ = b;
  }
  const int width = LineWidth();
  const int max = MaxLength(b);
  // A line without room for a single character keeps nothing.
  if (max == 0) return;
  const int start = in.start_column;
  const int last = start + max - 1;
  int& column = in.cursor_column;
  column = std::max(column, start);

  const size_t index = static_cast<size_t>(column > last ? column - start - 1 : column - start);
  if (index >= in.text.size()) in.text.resize(index + 1, ' ');
  in.text[index] = c;

  if (column >= last) {
    // The maximum length is reached: further characters overwrite the last one.
    if (column == last) {
      ++column;
      ++in.scroll;
    }
    const int at = std::min({static_cast<int>(lcd_[b].size()), width - 1, last});
    lcd_[b].resize(static_cast<size_t>(std::max(at, 0)));
    PutCell(b, at, c);
  } else if (column < width - 1) {
    PutCell(b, column, c);
    ++column;
    ++cursor_column_;
  } else if (b + 1 < kFormLines && form.type(b + 1) == kTypeExtension) {
    SetCurrentLine(b + 1);
    ShowForm(current_id_);
    return;
  } else {
    ++column;
    ++in.scroll;
    RebuildScrolledLine(b);
  }
  host_.RedrawLcdLine(b);
}

// Prompt, sign and the input from the scroll position, ending with the input mark.
void Simulator::RebuildScrolledLine(int line) {
  const LineInput& in = inputs_[line];
  SetLcdText(line, Prompt(line));
  DrawSignMarker(line);
  const size_t from = static_cast<size_t>(in.scroll);
  std::string text = lcd_[line];
  if (from < in.text.size()) text += in.text.substr(from);
  const uint8_t mark = Form().input_mark(line);
  if (mark != 0) text += static_cast<char>(mark);
  SetLcdText(line, std::move(text));
}

void Simulator::Backspace() {
  if (state_ != EngineState::kForm) return;
  FormRecord form = Form();
  const int a = CurrentLine();
  LineInput& in = inputs_[a];
  const int start = in.start_column;
  const int last = start + MaxLength(a) - 1;

  // The scroll count also survives a move back onto the field (cursor at the start column);
  // then there is no character before the cursor to delete.
  if (in.scroll > 0 && in.cursor_column > start) {
    const size_t index = static_cast<size_t>(in.cursor_column - start - 1);
    --in.scroll;
    --in.cursor_column;
    if (index < in.text.size()) in.text.erase(index, 1);
    RebuildScrolledLine(a);
  } else if (in.cursor_column <= start) {
    if (form.type(a) != kTypeExtension || a == 0) return;
    const int above = a - 1;
    SetCurrentLine(above);
    if (!inputs_[above].text.empty()) inputs_[above].text.pop_back();
    ShowForm(current_id_);
    return;
  } else {
    bool moved = true;
    if (in.cursor_column > last) {
      moved = static_cast<size_t>(in.cursor_column - start) >= in.text.size();
    }
    if (moved) --in.cursor_column;
    const size_t index = static_cast<size_t>(in.cursor_column - start);
    if (index < in.text.size()) in.text.resize(index);
    const uint8_t mark = form.input_mark(a);
    if (mark != 0) {
      PutCell(a, in.cursor_column, static_cast<char>(mark));
    } else if (!lcd_[a].empty()) {
      lcd_[a].pop_back();
    }
    if (moved) --cursor_column_;
  }
  host_.RedrawLcdLine(a);
}

void Simulator::ResetField() {
  if (state_ != EngineState::kForm) return;
  FormRecord form = Form();
  const int a = CurrentLine();
  LineInput& in = inputs_[a];
  in.scroll = 0;
  in.text.clear();
  ComputeStartColumn(a);
  SetLcdText(a, Prompt(a));
  DrawSignMarker(a);
  const uint8_t mark = form.input_mark(a);
  if (mark != 0) {
    const int end = std::min(LineWidth(), MaxLength(a)) - 1;
    for (int col = in.start_column; col <= end; ++col) PutCell(a, col, static_cast<char>(mark));
  }
  cursor_column_ = in.start_column;
  cursor_row_ = a;
  host_.RedrawLcdLine(a);
}

void Simulator::DrawInputMarks(int line) {
  FormRecord form = Form();
  const uint8_t mark = form.input_mark(line);
  if (mark == 0) return;
  const int width = LineWidth();
  auto visible = [](const LineInput& in) {
    const int hidden = in.scroll > 0 ? in.scroll - 1 : 0;
    return std::max(static_cast<int>(in.text.size()) - hidden, 0);
  };
  const LineInput& in = inputs_[line];
  const int end = in.start_column + std::min(width - in.start_column, MaxLength(line)) - 1;
  for (int col = in.start_column + visible(in); col <= end; ++col) {
    PutCell(line, col, static_cast<char>(mark));
  }
  host_.RedrawLcdLine(line);
  for (int j = line + 1; j < kFormLines && j <= line + kMaxExtensions; ++j) {
    if (form.type(j) != kTypeExtension) break;
    const LineInput& ext = inputs_[j];
    const int ext_end = std::min(width, MaxLength(j)) - 1;
    for (int col = ext.start_column + visible(ext); col <= ext_end; ++col) {
      PutCell(j, col, static_cast<char>(mark));
    }
    host_.RedrawLcdLine(j);
  }
}

void Simulator::DrawSignMarker(int line) {
  const LineInput& in = inputs_[line];
  if (!in.sign_column) return;
  const uint8_t column = Form().lookup_column(line);
  const bool is_signed = column >= 9 && column <= 24;
  lcd_[line].resize(static_cast<size_t>(std::min(in.start_column - 1, 23)), ' ');
  PutCell(line, in.start_column - 1, is_signed ? '+' : ' ');
}

void Simulator::FitPassDown(int line) {
  FormRecord form = Form();
  LineInput& in = inputs_[line];
  while (!in.text.empty() && in.text.back() == ' ') in.text.pop_back();
  in.cursor_column = in.start_column;
  for (int j = line + 1; j < kFormLines && form.type(j) == kTypeExtension; ++j) {
    inputs_[j].text.clear();
  }
  // The passed-down text uses wider lines than typing does.
  const size_t each = form.font_size() != 0 ? 15 : 20;
  const size_t room = static_cast<size_t>(std::max(static_cast<int>(each) - in.start_column, 0));
  if (in.text.size() <= room) return;
  if (line + 1 >= kFormLines || form.type(line + 1) != kTypeExtension) {
    in.text.resize(room);
    return;
  }
  int j = line + 1;
  inputs_[j].text = in.text.substr(room);
  in.text.resize(room);
  while (inputs_[j].text.size() > each && j + 1 < kFormLines &&
         form.type(j + 1) == kTypeExtension) {
    inputs_[j + 1].text = inputs_[j].text.substr(each);
    inputs_[j].text.resize(each);
    ++j;
  }
  if (inputs_[j].text.size() > each) inputs_[j].text.resize(each);
}

}  // namespace q700

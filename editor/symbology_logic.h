// The symbology dialogs that edit bits of the barcode settings block: one generic check-box
// dialog and one generic length dialog driven by the tables of symbology_tables.h, the Codabar
// and Telepen radio dialogs, and the EAN128 dialog (which also edits the field replacement
// character of the settings block). Each reads the design when it opens and writes its own bits
// at its own OK; Cancel writes nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/dialog_controls.h"
#include "editor/edit_text.h"
#include "editor/symbology_tables.h"
#include "model/design.h"
#include "texts/text_loader.h"

namespace q700::editor {

// One of the eleven check-box dialogs.
class CheckBoxDialog {
 public:
  CheckBoxDialog(const CheckBoxDialogLayout& layout, Design& design)
      : layout_(layout), barcode_(design.barcode) {}

  ButtonStates Open();
  ButtonStates View() const;
  // A click on a box turns it over.
  ButtonStates Click(int control);
  void Ok();
  void Cancel() {}

 private:
  const CheckBoxDialogLayout& layout_;
  Bytes barcode_;
  std::vector<bool> checked_;
};

struct LengthView {
  ButtonStates buttons;      // every radio button and check box
  std::string first_label;   // 501: "Max Length :" or "Fixed Length 1:"
  std::string second_label;  // 502: "Min Length :" or "Fixed Length 2:"
};

// The texts of the number fields when the dialog opens.
struct LengthTexts {
  std::string first;   // 301
  std::string second;  // 302
};

// One of the four length dialogs (Industrial 25, Interleave 25, Matrix 25, MSI).
class LengthDialog {
 public:
  LengthDialog(const LengthDialogLayout& layout, Design& design, const TextLoader& texts)
      : layout_(layout), barcode_(design.barcode), texts_(texts) {}

  LengthView Open();
  LengthView View() const;
  LengthTexts Texts() const;
  // A radio button selects (the qualification buttons also relabel the length labels); a check
  // box turns over.
  LengthView Click(int control);
  // Not a number: 127 (the box is rewritten unless empty); above 127: 127, the box keeps its text.
  EditRewrite ChangeFirst(std::string_view text);
  // Not a number: 1 (the box is rewritten unless empty).
  EditRewrite ChangeSecond(std::string_view text);
  // Stores the choices and the two values: a first value of 0 becomes 1; a second value above
  // the first becomes the first, 0 becomes 1.
  void Ok();
  void Cancel() {}

  unsigned first() const { return first_; }
  unsigned second() const { return second_; }

 private:
  const LengthDialogLayout& layout_;
  Bytes barcode_;
  const TextLoader& texts_;
  std::vector<unsigned> choices_;  // code of each radio group of layout_.choices
  unsigned qualification_ = 0;
  std::vector<bool> checked_;
  unsigned first_ = 0;
  unsigned second_ = 0;
};

// The number boxes of the length dialogs and the EAN128 code take up to five characters, so a
// value beyond their range can be typed and is then clamped or replaced.
inline constexpr size_t kLengthValueChars = 5;
inline constexpr size_t kReplacementAsciiChars = 5;

inline constexpr int kCodabarNone = 151;

// "Codabar Parameters": 151 "None", 152 to 155 the four start/stop character pairs.
class CodabarDialog {
 public:
  explicit CodabarDialog(Design& design) : barcode_(design.barcode) {}

  ButtonStates Open();
  ButtonStates View() const;
  ButtonStates Click(int control);
  void Ok();
  void Cancel() {}

 private:
  Bytes barcode_;
  int selected_ = kCodabarNone;
};

inline constexpr int kTelepenOriginal = 151;
inline constexpr int kTelepenAim = 152;

// "Telepen Parameters": original (numeric) or AIM (full ASCII) Telepen.
class TelepenDialog {
 public:
  explicit TelepenDialog(Design& design) : barcode_(design.barcode) {}

  ButtonStates Open();
  ButtonStates View() const;
  ButtonStates Click(int control);
  void Ok();
  void Cancel() {}

 private:
  Bytes barcode_;
  int selected_ = kTelepenAim;
};

inline constexpr int kTransmitCodeIdBox = 101;
inline constexpr int kReplacementTextField = 301;
inline constexpr int kReplacementAsciiField = 1030;
inline constexpr size_t kReplacementTextLimit = 1;

struct Ean128Texts {
  std::string ascii;  // 1030: the character's code in decimal
  std::string text;   // 301: the character
};

// What the two paired fields must show after one of them changed.
struct Ean128Edit {
  EditRewrite ascii;
  EditRewrite text;
};

// "EAN128 Parameters": "Transmit Code ID" and the field replacement character, shown both as a
// character and as its decimal code.
class Ean128Dialog {
 public:
  Ean128Dialog(Design& design) : barcode_(design.barcode), settings_(design.settings) {}

  ButtonStates Open();
  ButtonStates View() const;
  Ean128Texts Texts() const { return {ascii_, text_}; }
  ButtonStates Click(int control);
  // The user typed in the text field: a single character shows its code in the ASCII field.
  Ean128Edit ChangeText(std::string_view text);
  // The user typed in the ASCII field: a code of 1 to 255 shows its character in the text field;
  // anything else (empty, not a number, 0, above 255) becomes 255.
  Ean128Edit ChangeAscii(std::string_view text);
  // Stores the character (0 when the text field is empty) and byte 22 bit 5 (1 when
  // "Transmit Code ID" is off).
  void Ok();
  void Cancel() {}

 private:
  Bytes barcode_;
  Bytes settings_;
  bool transmit_code_id_ = false;
  std::string ascii_;
  std::string text_;
};

}  // namespace q700::editor

// Editor state that outlives one page: the port text flags and the Startup page's font choice,
// which last across openings of the editor sheet, and what the Settings and Startup pages of
// the open sheet need from each other. Also the writes that several pages make at once into the
// terminal texts (port lines, the calculator item's number).
#pragma once

#include <cstdint>

#include "model/design.h"
#include "model/message_groups.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::editor {

struct EditorSession {
  EditorSession(TextLoader& texts_in, DefaultTerminalTexts& defaults_in)
      : texts(texts_in), defaults(defaults_in) {}

  // The sheet opens: the pages of the previous opening are gone.
  void BeginSheet() {
    settings_shown = false;
    startup_shown = false;
    startup_staging = nullptr;
  }

  // The terminal's system font that the port lines are written in: the Startup page's choice
  // once that page has been shown in this sheet, else the design's flag.
  bool FontInForce(const Design& design) const;

  TextLoader& texts;
  DefaultTerminalTexts& defaults;
  // Bit 0: the upload port is Bluetooth SPP; bit 1: the download port is (settings byte 255).
  uint8_t port_flags = 0;
  // The Startup page's large-font choice.
  bool large_font = false;
  // Pages shown since the sheet opened.
  bool settings_shown = false;
  bool startup_shown = false;
  // The Startup page's working texts while that page exists.
  StagingTable* startup_staging = nullptr;
};

enum class PortMenu { kUpload, kDownload };

// Writes the port line of a port menu (the modem or the Bluetooth SPP text) into the small- and
// large-font default texts, and in `large_font` into the design's text set and the Startup
// page's working texts.
void WritePortLine(EditorSession& session, Design& design, PortMenu menu, bool bluetooth,
                   bool large_font);

// Puts the acoustic-coupler line of the upload port menu back to its default text, in the same
// places as WritePortLine, when the design's line in `large_font` is empty or starts with
// exactly 12 or 16 blanks (a row that the Startup page blanked).
void RestoreAcousticLine(EditorSession& session, Design& design, bool large_font);

// The number of the calculator item of the terminal's utilities menu: '9' when a lookup file
// of the design is defined, else '8'.
char CalculatorDigit(Design& design);

// Makes `digit` the first character of both default calculator texts and of the Startup page's
// working calculator row.
void PutCalculatorDigit(EditorSession& session, char digit);

// Makes `digit` the first character of a non-empty text in a slot.
void PutCalculatorDigit(Bytes slot, char digit);

}  // namespace q700::editor

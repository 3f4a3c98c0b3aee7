// Making a lookup file from a spreadsheet's comma-, semicolon- or tab-separated text: the chosen
// columns in field order, each value in the terminal's code page, delimited or in fixed columns,
// CR LF line ends. A row that cannot be made to fit is left out and said so, never changed in
// another way; a value longer than its field (other than the key) is cut, and said so.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/lookup_layout.h"
#include "data/lookup_problem.h"
#include "texts/code_page.h"

namespace q700 {

struct LookupConvertOptions {
  char separator = 0;  // 0: guessed from the first line
  bool header = true;  // the first row names the columns and is not converted
  // The columns for fields 1, 2, ...: names of the header row or numbers from 1. Empty: the
  // first field-count columns.
  std::vector<std::string> columns;
  int code_page = kDefaultCodePage;
};

enum class ConvertNoteKind { kCut, kLeftOut };

struct LookupConvertNote {
  ConvertNoteKind kind = ConvertNoteKind::kLeftOut;
  size_t line = 0;     // where the row starts in the input, from 1
  int field = 0;       // from 1; 0 for the whole row
  std::string prompt;  // UTF-8: the prompt of a form line that shows the field, if any
  std::string text;    // UTF-8
};

struct LookupConversion {
  // Non-empty when nothing could be made: the definition's faults, an unknown column, ...
  std::string error;
  std::vector<LookupProblem> definition;  // the definition's faults, when they are the reason
  std::string output;                     // the lookup file, in the code page
  char separator = ',';
  size_t written = 0;                    // lines written
  size_t cut = 0;                        // of them, lines with a value cut to its field's length
  size_t left_out = 0;                   // rows left out
  size_t blank = 0;                      // rows without any text, passed over
  std::vector<LookupConvertNote> notes;  // in the order of the input
};

LookupConversion ConvertToLookupFile(std::string_view input, const LookupLayout& layout,
                                     const LookupConvertOptions& options);

// "FILE:LINE: field 2 (Desc:): TEXT" for people.
std::string FormatConvertNote(const LookupConvertNote& note, std::string_view where);

}  // namespace q700

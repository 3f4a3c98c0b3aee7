// A problem found in a lookup file or in its definition: where it is, what is wrong, and what the
// terminal will do with the line; with the names and sentences the tool prints.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace q700 {

// A line may hold at most this many bytes: with its sum and carriage return it fills the
// terminal's 256-byte record.
inline constexpr size_t kLookupLineLimit = 253;

enum class LookupProblemKind {
  // The definition in the design.
  kNotDefined,
  kTooManyFields,
  kKeyBeyondFields,
  kDelimiterEndsLines,
  kLayoutNotComputed,
  kFieldOutsideRecord,
  kRecordTooLong,
  // The file as a whole.
  kByteOrderMark,
  kBareLineFeeds,
  // One line.
  kLineTooLong,
  kEmptyLine,
  kFieldCount,
  kFieldTooLong,
  kLineLength,
  kEmptyKey,
  kDuplicateKey,
  kUtf8Text,
  kNotInCodePage,
};

// What becomes of the line on the terminal (or before it gets there).
enum class TerminalAction {
  kNone,          // a problem of the definition, not of a line
  kStopDownload,  // bad-format action 0
  kTruncate,      // bad-format action 1
  kSkip,          // bad-format action 2
  kUndefined,     // a bad-format action byte the terminal does not know
  kKeep,          // the line fits the format; the terminal keeps it as it is
  kRefuse,        // send-lookup refuses the whole file, so nothing arrives
};

struct LookupProblem {
  LookupProblemKind kind = LookupProblemKind::kNotDefined;
  size_t line = 0;     // from 1; 0 for the definition
  int field = 0;       // from 1; 0 for the whole line or file
  std::string prompt;  // UTF-8: the prompt of a form line that shows the field, if any
  std::string text;    // UTF-8: what is wrong
  TerminalAction action = TerminalAction::kNone;
};

// The action of a format problem under the definition's bad-format action byte.
TerminalAction ActionOfBadFormat(uint8_t bad_format_action);

// Short names for programs ("field-too-long", "skip").
std::string_view ProblemKindName(LookupProblemKind kind);
std::string_view TerminalActionName(TerminalAction action);

// "the terminal skips the line"; empty for kNone.
std::string_view TerminalActionText(TerminalAction action);

// One line for people: "FILE:LINE: field 2 (Desc:): TEXT; the terminal skips the line". A problem
// of the definition reads "WHERE: TEXT" with `where` naming the design.
std::string FormatLookupProblem(const LookupProblem& problem, std::string_view where);

}  // namespace q700

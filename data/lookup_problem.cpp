// Names and sentences of lookup file problems.
#include "data/lookup_problem.h"

namespace q700 {

TerminalAction ActionOfBadFormat(uint8_t bad_format_action) {
  switch (bad_format_action) {
    case 0:
      return TerminalAction::kStopDownload;
    case 1:
      return TerminalAction::kTruncate;
    case 2:
      return TerminalAction::kSkip;
  }
  return TerminalAction::kUndefined;
}

std::string_view ProblemKindName(LookupProblemKind kind) {
  switch (kind) {
    case LookupProblemKind::kNotDefined:
      return "not-defined";
    case LookupProblemKind::kTooManyFields:
      return "too-many-fields";
    case LookupProblemKind::kKeyBeyondFields:
      return "key-beyond-fields";
    case LookupProblemKind::kDelimiterEndsLines:
      return "delimiter-ends-lines";
    case LookupProblemKind::kLayoutNotComputed:
      return "layout-not-computed";
    case LookupProblemKind::kFieldOutsideRecord:
      return "field-outside-record";
    case LookupProblemKind::kRecordTooLong:
      return "record-too-long";
    case LookupProblemKind::kByteOrderMark:
      return "byte-order-mark";
    case LookupProblemKind::kBareLineFeeds:
      return "bare-line-feeds";
    case LookupProblemKind::kLineTooLong:
      return "line-too-long";
    case LookupProblemKind::kEmptyLine:
      return "empty-line";
    case LookupProblemKind::kFieldCount:
      return "field-count";
    case LookupProblemKind::kFieldTooLong:
      return "field-too-long";
    case LookupProblemKind::kLineLength:
      return "line-length";
    case LookupProblemKind::kEmptyKey:
      return "empty-key";
    case LookupProblemKind::kDuplicateKey:
      return "duplicate-key";
    case LookupProblemKind::kUtf8Text:
      return "utf8-text";
    case LookupProblemKind::kNotInCodePage:
      return "not-in-code-page";
  }
  return "unknown";
}

std::string_view TerminalActionName(TerminalAction action) {
  switch (action) {
    case TerminalAction::kNone:
      return "none";
    case TerminalAction::kStopDownload:
      return "stop";
    case TerminalAction::kTruncate:
      return "truncate";
    case TerminalAction::kSkip:
      return "skip";
    case TerminalAction::kUndefined:
      return "undefined";
    case TerminalAction::kKeep:
      return "keep";
    case TerminalAction::kRefuse:
      return "refuse";
  }
  return "none";
}

std::string_view TerminalActionText(TerminalAction action) {
  switch (action) {
    case TerminalAction::kNone:
      return "";
    case TerminalAction::kStopDownload:
      return "the terminal stops the download at this line";
    case TerminalAction::kTruncate:
      return "the terminal cuts or reformats the line";
    case TerminalAction::kSkip:
      return "the terminal skips the line";
    case TerminalAction::kUndefined:
      return "what the terminal does is undefined (the bad-format action is none of its three)";
    case TerminalAction::kKeep:
      return "the terminal keeps the line as it is";
    case TerminalAction::kRefuse:
      return "send-lookup refuses the file";
  }
  return "";
}

std::string FormatLookupProblem(const LookupProblem& problem, std::string_view where) {
  std::string line(where);
  if (problem.line != 0) line += ":" + std::to_string(problem.line);
  line += ": ";
  if (problem.field != 0) {
    line += "field " + std::to_string(problem.field);
    if (!problem.prompt.empty()) line += " (" + problem.prompt + ")";
    line += ": ";
  }
  line += problem.text;
  const std::string_view action = TerminalActionText(problem.action);
  if (!action.empty()) {
    line += "; ";
    line += action;
  }
  return line;
}

}  // namespace q700

// Checking the lines of a lookup file against its definition and the terminal's limits.
#include "data/lookup_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/key_table.h"
#include "model/lookup_record.h"
#include "texts/code_page.h"

namespace q700 {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string_view TrimRightBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string Hex(uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// Whether any byte of the text is 128 or more, eight bytes at a time.
bool HasHighBytes(std::string_view text) {
  uint64_t any = 0;
  size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    any |= word;
  }
  for (; at < text.size(); ++at) any |= static_cast<uint8_t>(text[at]);
  return (any & 0x8080808080808080ull) != 0;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

class Checker {
 public:
  Checker(std::string_view file, const LookupLayout* layout, int code_page)
      : file_(file),
        layout_(layout != nullptr && layout->usable ? layout : nullptr),
        code_page_(code_page),
        keys_(layout_ != nullptr ? file.size() / 40 : 0) {
    if (layout_ != nullptr) {
      format_action_ = ActionOfBadFormat(layout_->bad_format_action);
    }
  }

  LookupCheck Run() {
    size_t skip_mark = 0;  // bytes of line 1 already reported as a byte-order mark
    if (file_.substr(0, 3) == kUtf8Mark) {
      skip_mark = kUtf8Mark.size();
      Add(LookupProblemKind::kByteOrderMark, 1, 0,
          "the file starts with a UTF-8 byte-order mark (EF BB BF), which the terminal takes as "
          "the characters " +
              Quoted(Shown(kUtf8Mark)) + " at the start of line 1",
          TerminalAction::kKeep);
    } else if (file_.substr(0, 2) == "\xFF\xFE" || file_.substr(0, 2) == "\xFE\xFF") {
      Add(LookupProblemKind::kByteOrderMark, 1, 0,
          "the file is UTF-16 text (byte-order mark " + Hex(static_cast<uint8_t>(file_[0])) + " " +
              Hex(static_cast<uint8_t>(file_[1])) +
              "), two bytes a character, which the terminal reads one byte a character: save it "
              "as UTF-8 and make the lookup file with 'tpq700 lookup convert'",
          TerminalAction::kKeep);
      CountUtf16Lines();
      return std::move(result_);
    }

    size_t bare_problem = 0;  // index of the problem that reports the bare line feeds
    size_t bare_count = 0;
    const size_t size = file_.size();
    size_t pos = 0;
    size_t number = 0;
    while (pos < size) {
      const size_t end = LineEnd(pos);
      const std::string_view line = file_.substr(pos, end - pos);
      ++number;
      bool bare = false;
      if (end == size) {
        pos = end;
      } else if (file_[end] == kCr) {
        pos = end + 1;
        if (pos < size && file_[pos] == kLf) ++pos;
      } else if (end + 1 < size && file_[end + 1] == kCr) {
        // A line feed before a carriage return: the terminal drops it and the line ends at the
        // carriage return, as an editor sees it.
        pos = end + 2;
        if (pos < size && file_[pos] == kLf) ++pos;
      } else {
        bare = true;
        pos = end + 1;
      }
      if (bare && bare_count++ == 0) {
        bare_problem = result_.problems.size();
        Add(LookupProblemKind::kBareLineFeeds, number, 0, "", TerminalAction::kRefuse);
      }
      CheckLine(line, number, HasHighBytes(line), number == 1 ? skip_mark : 0);
    }
    result_.lines = number;
    if (bare_count != 0) {
      std::string& text = result_.problems[bare_problem].text;
      text = "the line ends in a line feed without a carriage return";
      if (bare_count == 2) text += " (so does 1 more line)";
      if (bare_count > 2) text += " (so do " + std::to_string(bare_count - 1) + " more lines)";
      text +=
          ": the terminal ends lines only at carriage returns and would join such lines into one; "
          "save the file with Windows line ends (CR LF)";
    }
    InsertPendingKeys();
    // Keys used twice were found a few lines late.
    std::stable_sort(
        result_.problems.begin(), result_.problems.end(),
        [](const LookupProblem& a, const LookupProblem& b) { return a.line < b.line; });
    return std::move(result_);
  }

 private:
  // Where the line that starts at `pos` ends: its carriage return or line feed, or the end.
  size_t LineEnd(size_t pos) {
    // The next carriage return is kept: in a file without one, each line would search the rest.
    if (!cr_found_ || next_cr_ < pos) {
      cr_found_ = true;
      const void* cr = std::memchr(file_.data() + pos, kCr, file_.size() - pos);
      next_cr_ = cr != nullptr ? static_cast<size_t>(static_cast<const char*>(cr) - file_.data())
                               : file_.size();
    }
    const void* lf = std::memchr(file_.data() + pos, kLf, next_cr_ - pos);
    return lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - file_.data())
                         : next_cr_;
  }

  // The lines of UTF-16 text: line feeds among its two-byte units.
  void CountUtf16Lines() {
    const bool little_endian = file_[0] == '\xFF';
    size_t lines = 0;
    bool open_line = true;  // the byte-order mark begins line 1
    for (size_t at = 2; at + 1 < file_.size(); at += 2) {
      const bool line_feed = little_endian ? file_[at] == kLf && file_[at + 1] == '\0'
                                           : file_[at] == '\0' && file_[at + 1] == kLf;
      lines += line_feed;
      open_line = !line_feed;
    }
    result_.lines = lines + (open_line ? 1 : 0);
  }

  void Add(LookupProblemKind kind, size_t line, int field, std::string text,
           TerminalAction action) {
    LookupProblem problem;
    problem.kind = kind;
    problem.line = line;
    problem.field = field;
    if (field != 0 && layout_ != nullptr && static_cast<size_t>(field) <= layout_->fields.size()) {
      problem.prompt = layout_->fields[static_cast<size_t>(field - 1)].prompt;
    }
    problem.text = std::move(text);
    problem.action = action;
    result_.problems.push_back(std::move(problem));
  }

  void CheckLine(std::string_view line, size_t number, bool high, size_t skip_mark) {
    if (line.size() > kLookupLineLimit) {
      Add(LookupProblemKind::kLineTooLong, number, 0,
          "the line has " + std::to_string(line.size()) + " bytes, more than the " +
              std::to_string(kLookupLineLimit) + " a record holds",
          TerminalAction::kRefuse);
    }
    if (layout_ != nullptr) {
      if (line.empty()) {
        Add(LookupProblemKind::kEmptyLine, number, 0, "the line is empty", format_action_);
      } else if (layout_->delimited()) {
        CheckDelimited(line, number);
      } else {
        CheckFixed(line, number);
      }
    }
    if (high) CheckCodePage(line, number, skip_mark);
  }

  void CheckDelimited(std::string_view line, size_t number) {
    const char delimiter = static_cast<char>(layout_->delimiter);
    std::array<std::string_view, kLookupFields> fields;
    size_t count = 0;
    size_t start = 0;
    for (;;) {
      const void* found = std::memchr(line.data() + start, delimiter, line.size() - start);
      const size_t end = found == nullptr
                             ? line.size()
                             : static_cast<size_t>(static_cast<const char*>(found) - line.data());
      if (count < fields.size()) fields[count] = line.substr(start, end - start);
      ++count;
      if (found == nullptr) break;
      start = end + 1;
    }
    const size_t expected = static_cast<size_t>(layout_->field_count);
    if (count != expected) {
      Add(LookupProblemKind::kFieldCount, number, 0,
          "the line has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
              ", lookup file " + std::to_string(layout_->number) + " has " +
              std::to_string(expected),
          format_action_);
    }
    for (size_t k = 0; k < std::min(count, expected); ++k) {
      const size_t limit = static_cast<size_t>(layout_->fields[k].length);
      if (fields[k].size() > limit) {
        Add(LookupProblemKind::kFieldTooLong, number, static_cast<int>(k) + 1,
            std::to_string(fields[k].size()) + " characters, at most " + std::to_string(limit),
            format_action_);
      }
    }
    const size_t key = static_cast<size_t>(layout_->key_field);
    if (key < count) CheckKey(fields[key], number);
  }

  void CheckFixed(std::string_view line, size_t number) {
    const size_t member = static_cast<size_t>(layout_->member_length);
    if (line.size() != member) {
      int cut_field = 0;
      for (size_t k = 0; k < layout_->fields.size() && cut_field == 0; ++k) {
        const LookupField& field = layout_->fields[k];
        if (static_cast<size_t>(field.offset + field.length - 1) > line.size()) {
          cut_field = static_cast<int>(k) + 1;
        }
      }
      std::string text = "the line has " + std::to_string(line.size()) +
                         " characters; the records of lookup file " +
                         std::to_string(layout_->number) + " have " + std::to_string(member);
      if (cut_field != 0) text += ", so this field does not fit in it";
      Add(LookupProblemKind::kLineLength, number, cut_field, text, format_action_);
    }
    const LookupField& key = layout_->fields[static_cast<size_t>(layout_->key_field)];
    const size_t start = static_cast<size_t>(std::max(key.offset, 1) - 1);
    const std::string_view value =
        start < line.size() ? line.substr(start, static_cast<size_t>(key.length)) : "";
    CheckKey(TrimRightBlanks(value), number);
  }

  void CheckKey(std::string_view key, size_t number) {
    const int field = layout_->key_field + 1;
    if (Blank(key)) {
      Add(LookupProblemKind::kEmptyKey, number, field,
          "the key field is empty, so no entry can find the line", TerminalAction::kKeep);
      return;
    }
    // The key waits its turn in a ring of pending keys while its slot is fetched.
    const uint64_t hash = KeyTable::Hash(key);
    keys_.Prefetch(hash);
    PendingKey& next = pending_[pending_next_];
    if (next.line != 0) InsertKey(next);
    next = {key, number, hash};
    pending_next_ = (pending_next_ + 1) % pending_.size();
  }

  void InsertPendingKeys() {
    for (size_t i = 0; i < pending_.size(); ++i) {
      PendingKey& key = pending_[(pending_next_ + i) % pending_.size()];
      if (key.line != 0) InsertKey(key);
      key.line = 0;
    }
  }

  struct PendingKey {
    std::string_view key;
    size_t line = 0;  // 0: none
    uint64_t hash = 0;
  };

  void InsertKey(const PendingKey& pending) {
    const size_t first = keys_.Insert(pending.key, pending.line, pending.hash);
    if (first == 0) return;
    Add(LookupProblemKind::kDuplicateKey, pending.line, layout_->key_field + 1,
        "the key " + Quoted(Shown(pending.key)) + " is also the key of line " +
            std::to_string(first) + ", so an entry finds only one of the two lines",
        TerminalAction::kKeep);
  }

  void CheckCodePage(std::string_view line, size_t number, size_t skip) {
    const std::array<std::string, 256>& characters = Characters();
    // A delimiter is a byte, not text, whatever the code page makes of it; one of 128 or more is
    // taken out before the text is looked at.
    const int delimiter = layout_ != nullptr && layout_->delimited() ? layout_->delimiter : -1;
    // Text that is wholly UTF-8 with characters beyond ASCII was written in UTF-8, not in the
    // code page: a line of real code-page text is hardly ever valid UTF-8 as well.
    size_t first_sequence = std::string_view::npos;
    bool utf8 = true;
    for (size_t start = skip; utf8;) {
      size_t end = delimiter >= 0x80 ? line.find(static_cast<char>(delimiter), start) : line.size();
      if (end == std::string_view::npos) end = line.size();
      const std::string_view field = line.substr(start, end - start);
      for (size_t at = 0; at < field.size();) {
        if (static_cast<uint8_t>(field[at]) < 0x80) {
          ++at;
          continue;
        }
        const size_t length = Utf8SequenceAt(field, at);
        if (length == 0) {
          utf8 = false;
          break;
        }
        if (first_sequence == std::string_view::npos) first_sequence = start + at;
        at += length;
      }
      if (end == line.size()) break;
      start = end + 1;
    }
    if (utf8 && first_sequence != std::string_view::npos) {
      const std::string_view character =
          line.substr(first_sequence, Utf8SequenceAt(line, first_sequence));
      std::string text = "the text is UTF-8: the terminal shows " + Quoted(character) + " as " +
                         Quoted(Shown(character));
      if (!Utf8ToCodePage(character, code_page_).ok) {
        text += ", and code page " + std::to_string(code_page_) + " has no " + Quoted(character);
      }
      Add(LookupProblemKind::kUtf8Text, number, FieldAt(line, first_sequence), text,
          TerminalAction::kKeep);
      return;
    }
    for (size_t at = skip; at < line.size(); ++at) {
      const auto byte = static_cast<uint8_t>(line[at]);
      if (characters[byte].empty() && byte != delimiter) {
        Add(LookupProblemKind::kNotInCodePage, number, FieldAt(line, at),
            "byte " + Hex(byte) + " stands for no character in code page " +
                std::to_string(code_page_),
            TerminalAction::kKeep);
        return;
      }
    }
  }

  // The field (from 1) that holds the byte at `at`; 0 without a layout or outside every field.
  int FieldAt(std::string_view line, size_t at) const {
    if (layout_ == nullptr) return 0;
    if (!layout_->delimited()) return layout_->FixedFieldAt(at);
    const size_t delimiters =
        static_cast<size_t>(std::count(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at),
                                       static_cast<char>(layout_->delimiter)));
    return delimiters < layout_->fields.size() ? static_cast<int>(delimiters) + 1 : 0;
  }

  const std::array<std::string, 256>& Characters() {
    if (!characters_ready_) {
      characters_ = CodePageCharacters(code_page_);
      characters_ready_ = true;
    }
    return characters_;
  }

  // The bytes as the terminal shows them, in UTF-8; a byte that is no character as its number.
  std::string Shown(std::string_view bytes) {
    const std::array<std::string, 256>& characters = Characters();
    std::string shown;
    for (const char c : bytes) {
      const std::string& character = characters[static_cast<uint8_t>(c)];
      shown += character.empty() ? "<" + Hex(static_cast<uint8_t>(c)) + ">" : character;
    }
    return shown;
  }

  std::string_view file_;
  const LookupLayout* layout_;
  int code_page_;
  TerminalAction format_action_ = TerminalAction::kNone;
  KeyTable keys_;
  std::array<PendingKey, 16> pending_{};
  bool cr_found_ = false;
  size_t next_cr_ = 0;  // where the next carriage return is (the size: none), once looked for
  size_t pending_next_ = 0;
  std::array<std::string, 256> characters_;
  bool characters_ready_ = false;
  LookupCheck result_;
};

}  // namespace

LookupCheck CheckLookupFile(std::string_view file, const LookupLayout* layout, int code_page) {
  std::vector<LookupProblem> definition;
  if (layout != nullptr) definition = CheckLookupDefinition(*layout);
  LookupCheck check = Checker(file, layout, code_page).Run();
  check.problems.insert(check.problems.begin(), definition.begin(), definition.end());
  return check;
}

}  // namespace q700

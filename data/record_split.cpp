// Record layouts from the design and the split of records by them.
#include "data/record_split.h"

#include <algorithm>
#include <array>
#include <limits>

#include "model/form_record.h"
#include "model/settings_block.h"

namespace q700 {
namespace {

using namespace form_offset;

constexpr int kUnbounded = std::numeric_limits<int>::max() / 4;

// The form's bytes as a view of our own: the layout only reads them.
struct FormCopy {
  explicit FormCopy(const Design& design, int number) {
    const size_t at = static_cast<size_t>(number - 1) * kFormRecordSize;
    std::copy_n(design.forms.begin() + static_cast<std::ptrdiff_t>(at), kFormRecordSize,
                bytes.begin());
  }
  FormRecord form() { return FormRecord(bytes); }
  std::array<uint8_t, kFormRecordSize> bytes{};
};

std::string FieldName(FormRecord form, int i) {
  std::string name = form.type(i) == kTypeFixedData ? "" : SlotText(form.prompt(i));
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!name.empty() && blank(name.back())) name.pop_back();
  if (!name.empty() && name.back() == ':') name.pop_back();
  while (!name.empty() && blank(name.back())) name.pop_back();
  size_t first = 0;
  while (first < name.size() && blank(name[first])) ++first;
  name.erase(0, first);
  return name.empty() ? "Field " + std::to_string(i + 1) : name;
}

class LayoutBuilder {
 public:
  LayoutBuilder(FormRecord form, int number, std::string delimiters)
      : form_(form), delimiters_(std::move(delimiters)) {
    layout_.form = number;
  }

  RecordLayout Build() {
    if (form_.at(kStampPosition) == kStampTop) AddStamp();
    const int lines = form_.font_size() != 0 ? 4 : kFormLines;
    for (int j = 0; j < lines; ++j) {
      if (LineInRecord(form_, j)) AddField(j);
    }
    if (form_.at(kStampPosition) == kStampBottom) AddStamp();
    return std::move(layout_);
  }

 private:
  void Add(RecordPiece piece) {
    // An empty text matches nothing and only slows the match down.
    if (piece.kind == RecordPiece::Kind::kText && piece.text.empty() && piece.column < 0) return;
    if (piece.kind == RecordPiece::Kind::kDelimiters && piece.text.empty()) return;
    layout_.pieces.push_back(std::move(piece));
  }

  void AddText(std::string text, int column = -1) {
    Add({RecordPiece::Kind::kText, std::move(text), -1, 0, 0, column});
  }
  void AddDelimiters() { Add({RecordPiece::Kind::kDelimiters, delimiters_}); }
  void AddNumber(int width, int low, int high, int column) {
    Add({RecordPiece::Kind::kNumber, {}, width, low, high, column});
  }

  void AddField(int j) {
    RecordColumn column;
    column.kind = ColumnKind::kField;
    column.line = j;
    column.name = FieldName(form_, j);
    column.fixed_length = form_.line(kFixedLengthFlag, j) != 0;
    column.alignment = form_.line(kAlignment, j);
    column.type = form_.type(j);
    SetLengths(j, column);
    const int index = static_cast<int>(layout_.columns.size());
    layout_.columns.push_back(column);

    AddDelimiters();
    if (form_.line(kPrefixFlag, j) != 0) AddText(SlotText(form_.prefix(j)));
    if (column.type == kTypeFixedData) {
      AddText(FitFixedLength(form_, j, SlotText(form_.prompt(j))), index);
    } else {
      const int width = column.fixed_length ? form_.line(kFixedLength, j) : -1;
      Add({RecordPiece::Kind::kData, {}, width, 0, 0, index});
    }
    if (form_.line(kSuffixFlag, j) != 0) AddText(SlotText(form_.suffix(j)));
  }

  // The entry checks hold the typed data between the minimum and maximum length. A field that
  // goes on over extension lines is checked on the line where ENTER was pressed: typing moves
  // there only once the field's own line is full, so at least that much or the minimum is there;
  // its length across the lines is not checked. An initial value may be longer than the maximum;
  // a maximum of 0 lets nothing be typed, so it bounds nothing.
  void SetLengths(int j, RecordColumn& column) {
    if (column.type == kTypeBoolean) column.max_length = 1;
    if (!IsEntryType(column.type)) return;
    const bool extended = j + 1 < kFormLines && form_.type(j + 1) == kTypeExtension;
    column.min_length = form_.min_length(j);
    if (extended) column.min_length = std::min(column.min_length, LineRoom(j));
    if (column.type == kTypeBoolean) return;
    size_t most = form_.max_length(j);
    if (form_.line(kInitialFlag, j) != 0) {
      most = std::max(most, SlotTextLength(form_.initial_value(j)));
    }
    if (most != 0 && !extended) column.max_length = most;
  }

  // Characters that fit on line j after its prompt (and the sign column of an auto(+/-) field).
  size_t LineRoom(int j) {
    const size_t width = static_cast<size_t>(form_.line_width());
    const size_t prompt = std::min(SlotTextLength(form_.prompt(j)), width);
    size_t start = prompt;
    const size_t most = form_.max_length(j);
    if (form_.type(j) == kTypeAuto && width >= prompt + 1 + 2 * most) start = prompt + 1 + most;
    return width > start ? width - start : 0;
  }

  // Three parts in the order of the style or of the clock; each part after the first is
  // preceded by the separator when an earlier part is on and the separator flag is set.
  struct Part {
    bool on;
    int width, low, high;
  };

  int AddParts(ColumnKind kind, const std::array<Part, 3>& parts, bool with_separator,
               const std::string& separator) {
    if (std::none_of(parts.begin(), parts.end(), [](const Part& p) { return p.on; })) return -1;
    const int index = static_cast<int>(layout_.columns.size());
    layout_.columns.push_back({kind, 0, kind == ColumnKind::kDate ? "Date" : "Time"});
    bool earlier = false;
    for (const Part& part : parts) {
      if (!part.on) continue;
      if (earlier && with_separator) AddText(separator, index);
      AddNumber(part.width, part.low, part.high, index);
      earlier = true;
    }
    return index;
  }

  void AddStamp() {
    AddDelimiters();
    const bool two_digit_year = form_.at(kYearDigits) == 1;
    const Part year{form_.at(kYearFlag) != 0, two_digit_year ? 2 : 4, 0,
                    two_digit_year ? 99 : 9999};
    const Part month{form_.at(kMonthFlag) != 0, 2, 1, 12};
    const Part day{form_.at(kDayFlag) != 0, 2, 1, 31};
    std::array<Part, 3> date;
    switch (form_.at(kDateStyle)) {
      case 1:
        date = {month, day, year};
        break;
      case 2:
        date = {day, month, year};
        break;
      default:
        date = {year, month, day};
        break;
    }
    AddParts(ColumnKind::kDate, date, form_.at(kDateSeparatorFlag) != 0,
             SlotText(form_.bytes().subspan(kDateSeparator, 2)));
    if (form_.at(kStampSplit) != 0) AddDelimiters();
    const std::array<Part, 3> time = {{{form_.at(kHourFlag) != 0, 2, 0, 23},
                                       {form_.at(kMinuteFlag) != 0, 2, 0, 59},
                                       {form_.at(kSecondFlag) != 0, 2, 0, 59}}};
    AddParts(ColumnKind::kTime, time, form_.at(kTimeSeparatorFlag) != 0,
             SlotText(form_.bytes().subspan(kTimeSeparator, 2)));
  }

  FormRecord form_;
  std::string delimiters_;
  RecordLayout layout_;
};

// Counts the ways a record can be cut into a layout's pieces (0, 1, or 2 for "more than one"),
// remembering the count from every piece and position, and gives the cut when there is one.
class Matcher {
 public:
  Matcher(const RecordLayout& layout, std::string_view record)
      : layout_(layout),
        record_(record),
        pieces_(layout.pieces.size()),
        memo_((pieces_ + 1) * (record.size() + 1), -1),
        least_(pieces_ + 1, 0),
        most_(pieces_ + 1, 0) {
    // What the pieces from each one on need at least and can take at most, to bound the length
    // of data of any length.
    for (size_t i = pieces_; i-- > 0;) {
      const RecordPiece& p = layout.pieces[i];
      int least = 0, most = 0;
      switch (p.kind) {
        case RecordPiece::Kind::kText:
          least = most = static_cast<int>(p.text.size());
          break;
        case RecordPiece::Kind::kDelimiters:
          most = static_cast<int>(p.text.size());
          break;
        case RecordPiece::Kind::kNumber:
          least = most = p.width;
          break;
        case RecordPiece::Kind::kData:
          least = p.width >= 0 ? p.width : 0;
          most = p.width >= 0 ? p.width : kUnbounded;
          break;
      }
      least_[i] = least_[i + 1] + least;
      most_[i] = std::min(kUnbounded, most_[i + 1] + most);
    }
  }

  int Ways() { return Ways(0, 0); }

  // The span of each piece in the one cut; call only when Ways() is 1.
  std::vector<std::pair<size_t, size_t>> Cut() {
    std::vector<std::pair<size_t, size_t>> spans;
    size_t pos = 0;
    for (size_t i = 0; i < pieces_; ++i) {
      size_t chosen = pos;
      ForEachEnd(i, pos, [&](size_t end) {
        if (Ways(i + 1, end) > 0) {
          chosen = end;
          return false;
        }
        return true;
      });
      spans.emplace_back(pos, chosen);
      pos = chosen;
    }
    return spans;
  }

 private:
  int Ways(size_t i, size_t pos) {
    if (i == pieces_) return pos == record_.size() ? 1 : 0;
    int8_t& known = memo_[i * (record_.size() + 1) + pos];
    if (known >= 0) return known;
    int ways = 0;
    ForEachEnd(i, pos, [&](size_t end) {
      ways = std::min(2, ways + Ways(i + 1, end));
      return ways < 2;
    });
    known = static_cast<int8_t>(ways);
    return ways;
  }

  // Calls `next(end)` for every end of piece i starting at `pos`, until it returns false.
  template <typename Next>
  void ForEachEnd(size_t i, size_t pos, Next next) {
    const RecordPiece& p = layout_.pieces[i];
    const std::string_view rest = record_.substr(pos);
    switch (p.kind) {
      case RecordPiece::Kind::kText:
        if (rest.substr(0, p.text.size()) == p.text) next(pos + p.text.size());
        return;
      case RecordPiece::Kind::kDelimiters:
        if (pos == 0) {
          next(pos);
        } else if (rest.substr(0, p.text.size()) == p.text) {
          next(pos + p.text.size());
        }
        return;
      case RecordPiece::Kind::kNumber:
        if (NumberAt(p, rest)) next(pos + static_cast<size_t>(p.width));
        return;
      case RecordPiece::Kind::kData:
        DataEnds(p, i, pos, next);
        return;
    }
  }

  bool NumberAt(const RecordPiece& p, std::string_view rest) const {
    if (rest.size() < static_cast<size_t>(p.width)) return false;
    int value = 0;
    for (int k = 0; k < p.width; ++k) {
      const char c = rest[static_cast<size_t>(k)];
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return value >= p.low && value <= p.high;
  }

  template <typename Next>
  void DataEnds(const RecordPiece& p, size_t i, size_t pos, Next next) {
    const RecordColumn& column = layout_.columns[static_cast<size_t>(p.column)];
    const size_t left = record_.size() - pos;
    if (p.width >= 0) {
      const size_t width = static_cast<size_t>(p.width);
      if (left < width) return;
      const std::string value = UnpadField(column, record_.substr(pos, width));
      if (Accepts(column, value)) next(pos + width);
      return;
    }
    // Data of any length: at least what leaves the rest no more than it can take, at most what
    // leaves it what it needs.
    const size_t most_after = static_cast<size_t>(most_[i + 1]);
    const size_t least_after = static_cast<size_t>(least_[i + 1]);
    if (left < least_after) return;
    const size_t longest = std::min(left - least_after, column.max_length);
    const size_t shortest =
        std::max(column.min_length, left > most_after ? left - most_after : size_t{0});
    for (size_t n = 0; n <= longest; ++n) {
      if (n > 0 && !FieldAccepts(column.type, record_[pos + n - 1])) return;
      if (n >= shortest && !next(pos + n)) return;
    }
  }

  // A fixed-length field's data was cut or padded to its length, so only its characters say
  // anything (and a boolean's single one).
  static bool Accepts(const RecordColumn& column, std::string_view value) {
    if (column.type == kTypeBoolean && value.size() > 1) return false;
    return std::all_of(value.begin(), value.end(),
                       [&](char c) { return FieldAccepts(column.type, c); });
  }

  const RecordLayout& layout_;
  std::string_view record_;
  size_t pieces_;
  std::vector<int8_t> memo_;
  std::vector<int> least_;
  std::vector<int> most_;
};

std::string JoinForms(const std::vector<int>& forms) {
  std::string text;
  for (size_t i = 0; i < forms.size(); ++i) {
    if (i > 0) text += i + 1 == forms.size() ? " and " : ", ";
    text += std::to_string(forms[i]);
  }
  return text;
}

}  // namespace

RecordLayout RecordLayoutOf(const Design& design, int number) {
  FormCopy copy(design, number);
  std::string delimiters;
  for (size_t offset : {settings_offset::kFirstDelimiter, settings_offset::kSecondDelimiter}) {
    if (design.settings[offset] != 0) delimiters += static_cast<char>(design.settings[offset]);
  }
  return LayoutBuilder(copy.form(), number, delimiters).Build();
}

std::vector<int> StoringForms(const Design& design) {
  std::vector<int> forms;
  for (int number = 1; number <= kFormCount; ++number) {
    FormCopy copy(design, number);
    if (!StoresRecords(copy.form().record_action())) continue;
    if (!RecordLayoutOf(design, number).columns.empty()) forms.push_back(number);
  }
  return forms;
}

bool FieldAccepts(uint8_t type, char c) {
  const bool digit = c >= '0' && c <= '9';
  switch (type) {
    case kTypeInteger:
      return digit;
    case kTypeReal:
      return digit || c == '.';
    case kTypeAuto:
      return digit || c == '.' || c == '+' || c == '-';
    case kTypeLetter:
      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    case kTypeBoolean:
      return std::string_view("01YNynTFtf").find(c) != std::string_view::npos;
    default:
      return true;
  }
}

std::string UnpadField(const RecordColumn& column, std::string_view data) {
  if (!column.fixed_length) return std::string(data);
  const char pad = column.alignment >= 2 ? '0' : ' ';
  const bool pad_before = column.alignment == 1 || column.alignment == 3;
  std::string_view value = data;
  if (pad_before) {
    value.remove_prefix(std::min(value.find_first_not_of(pad), value.size()));
  } else {
    const size_t last = value.find_last_not_of(pad);
    value = last == std::string_view::npos ? std::string_view() : value.substr(0, last + 1);
  }
  const bool number =
      column.type == kTypeInteger || column.type == kTypeReal || column.type == kTypeAuto;
  if (value.empty() && pad == '0' && number && !data.empty()) return "0";
  return std::string(value);
}

RecordSplit SplitRecord(const std::vector<RecordLayout>& layouts, std::string_view record) {
  RecordSplit split;
  std::vector<size_t> fitting;
  int ways = 0;
  for (size_t i = 0; i < layouts.size(); ++i) {
    Matcher matcher(layouts[i], record);
    const int w = matcher.Ways();
    if (w == 0) continue;
    fitting.push_back(i);
    split.forms.push_back(layouts[i].form);
    ways = w;
  }
  if (fitting.empty()) {
    split.outcome = RecordSplit::Outcome::kNoForm;
    return split;
  }
  if (fitting.size() > 1) {
    split.outcome = RecordSplit::Outcome::kSeveralForms;
    return split;
  }
  split.layout = fitting[0];
  if (ways > 1) {
    split.outcome = RecordSplit::Outcome::kSeveralWays;
    return split;
  }
  const RecordLayout& layout = layouts[split.layout];
  Matcher matcher(layout, record);
  matcher.Ways();
  const auto spans = matcher.Cut();
  // Each column is the stretch from the start of its first piece to the end of its last.
  std::vector<std::pair<size_t, size_t>> columns(layout.columns.size(), {record.size(), 0});
  for (size_t i = 0; i < spans.size(); ++i) {
    const int column = layout.pieces[i].column;
    if (column < 0) continue;
    auto& [begin, end] = columns[static_cast<size_t>(column)];
    begin = std::min(begin, spans[i].first);
    end = std::max(end, spans[i].second);
  }
  split.outcome = RecordSplit::Outcome::kSplit;
  for (size_t c = 0; c < columns.size(); ++c) {
    const auto [begin, end] = columns[c];
    const std::string_view text = begin < end ? record.substr(begin, end - begin) : "";
    const RecordColumn& column = layout.columns[c];
    split.values.push_back(column.kind == ColumnKind::kField ? UnpadField(column, text)
                                                             : std::string(text));
  }
  return split;
}

std::string DescribeUnsplit(const RecordSplit& split, const std::vector<RecordLayout>& layouts) {
  switch (split.outcome) {
    case RecordSplit::Outcome::kSplit:
      return "split";
    case RecordSplit::Outcome::kNoForm:
      if (layouts.size() == 1) return "does not fit form " + std::to_string(layouts[0].form);
      return "fits no form";
    case RecordSplit::Outcome::kSeveralForms:
      return "fits forms " + JoinForms(split.forms);
    case RecordSplit::Outcome::kSeveralWays:
      return "fits form " + std::to_string(layouts[split.layout].form) + " in more than one way";
  }
  return {};
}

}  // namespace q700

// The tables of collected records in PostgreSQL and the values they take.
#include "data/postgres/pg_schema.h"

#include <array>
#include <cctype>

#include "model/form_record.h"

namespace q700 {
namespace {

constexpr size_t kIdentifierMax = 63;

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string_view WithoutSign(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return text;
}

bool IsInteger(std::string_view text) { return IsDigits(WithoutSign(text)); }

bool IsDecimal(std::string_view text) {
  text = WithoutSign(text);
  const size_t point = text.find('.');
  if (point == std::string_view::npos) return IsDigits(text);
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = text.substr(point + 1);
  return (whole.empty() || IsDigits(whole)) && (fraction.empty() || IsDigits(fraction)) &&
         !(whole.empty() && fraction.empty());
}

// The stamp's number pieces of a column, in the order the record holds them.
std::vector<const RecordPiece*> NumberPieces(const RecordLayout& layout, size_t column) {
  std::vector<const RecordPiece*> pieces;
  for (const RecordPiece& piece : layout.pieces) {
    if (piece.column == static_cast<int>(column) && piece.kind == RecordPiece::Kind::kNumber) {
      pieces.push_back(&piece);
    }
  }
  return pieces;
}

// A date column is a date only with its year, month and day; a time column a time only with
// hours, minutes and seconds. Fewer parts stay text: they name no moment.
bool IsFullDate(const std::vector<const RecordPiece*>& pieces) {
  int year = 0, month = 0, day = 0;
  for (const RecordPiece* p : pieces) {
    year += p->high == 99 || p->high == 9999;
    month += p->high == 12;
    day += p->high == 31;
  }
  return pieces.size() == 3 && year == 1 && month == 1 && day == 1;
}

bool IsFullTime(const std::vector<const RecordPiece*>& pieces) {
  return pieces.size() == 3 && pieces[0]->high == 23 && pieces[1]->high == 59 &&
         pieces[2]->high == 59;
}

// The numbers of the stamp's parts read from its text by the layout's pieces; false when the
// text does not have them.
bool ReadParts(const RecordLayout& layout, size_t column, std::string_view value,
               std::vector<std::pair<int, int>>* parts) {  // (high, number)
  size_t at = 0;
  for (const RecordPiece& piece : layout.pieces) {
    if (piece.column != static_cast<int>(column)) continue;
    if (piece.kind == RecordPiece::Kind::kText) {
      if (value.substr(at, piece.text.size()) != piece.text) return false;
      at += piece.text.size();
    } else if (piece.kind == RecordPiece::Kind::kNumber) {
      const std::string_view digits = value.substr(at, static_cast<size_t>(piece.width));
      if (digits.size() != static_cast<size_t>(piece.width) || !IsDigits(digits)) return false;
      parts->push_back({piece.high, std::stoi(std::string(digits))});
      at += digits.size();
    }
  }
  return at == value.size();
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<size_t>(month - 1)];
}

}  // namespace

std::string PgTableName(std::string_view design_stem, std::string_view suffix) {
  std::string name;
  for (const char c : design_stem) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    name += (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') ? lower : '_';
  }
  if (name.empty()) name = "records";
  const size_t room = kIdentifierMax - std::min(kIdentifierMax, suffix.size() + 1);
  if (name.size() > room) name.resize(room);
  return name + "_" + std::string(suffix);
}

std::string PgQuoteIdent(std::string_view name) {
  std::string quoted = "\"";
  for (const char c : name) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

PgTable PgTableOf(const RecordLayout& layout, const std::vector<std::string>& names,
                  std::string_view design_stem) {
  PgTable table;
  table.form = layout.form;
  table.name = PgTableName(design_stem, "form" + std::to_string(layout.form));
  for (size_t i = 0; i < layout.columns.size() && i < names.size(); ++i) {
    const RecordColumn& column = layout.columns[i];
    std::string type = "text";
    if (column.kind == ColumnKind::kDate) {
      if (IsFullDate(NumberPieces(layout, i))) type = "date";
    } else if (column.kind == ColumnKind::kTime) {
      if (IsFullTime(NumberPieces(layout, i))) type = "time";
    } else if (column.type == kTypeInteger || column.type == kTypeCounter) {
      // Longer digit strings than a bigint holds stay exact as numeric.
      type = column.max_length <= 18 ? "bigint" : "numeric";
    } else if (column.type == kTypeReal || column.type == kTypeAuto) {
      type = "numeric";
    }
    table.columns.push_back({names[i], type});
  }
  return table;
}

std::string PgCreateTableSql(const PgTable& table) {
  std::string sql = "CREATE TABLE IF NOT EXISTS " + PgQuoteIdent(table.name) +
                    " (received_at timestamptz NOT NULL, port text NOT NULL, batch bigint NOT NULL";
  for (const PgColumn& column : table.columns) {
    sql += ", " + PgQuoteIdent(column.name) + " " + column.type;
  }
  return sql + ")";
}

bool PgValue(const RecordLayout& layout, size_t column, const std::string& type,
             std::string_view value, std::optional<std::string>* out) {
  out->reset();
  if (type == "text") {
    *out = std::string(value);
    return true;
  }
  if (value.empty()) return true;
  if (type == "bigint") {
    if (!IsInteger(value) || WithoutSign(value).size() > 18) return false;
    *out = std::string(value);
    return true;
  }
  if (type == "numeric") {
    if (!IsDecimal(value)) return false;
    *out = std::string(value);
    return true;
  }
  std::vector<std::pair<int, int>> parts;
  if (!ReadParts(layout, column, value, &parts)) return false;
  if (type == "date") {
    int year = 0, month = 0, day = 0;
    for (const auto& [high, number] : parts) {
      if (high == 99) year = 2000 + number;
      if (high == 9999) year = number;
      if (high == 12) month = number;
      if (high == 31) day = number;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
      return false;
    }
    *out = std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
    return true;
  }
  if (type == "time") {
    if (parts.size() != 3 || parts[0].second > 23 || parts[1].second > 59 || parts[2].second > 59) {
      return false;
    }
    *out = TwoDigits(parts[0].second) + ":" + TwoDigits(parts[1].second) + ":" +
           TwoDigits(parts[2].second);
    return true;
  }
  return false;
}

std::string PgRedact(std::string_view conninfo) {
  std::string text(conninfo);
  const bool uri = text.rfind("postgresql://", 0) == 0 || text.rfind("postgres://", 0) == 0;
  if (uri) {
    const size_t start = text.find("://") + 3;
    const size_t end = text.find_first_of("/?", start);
    const size_t at = text.rfind('@', end == std::string::npos ? std::string::npos : end);
    if (at != std::string::npos && at >= start) {
      const size_t colon = text.find(':', start);
      if (colon != std::string::npos && colon < at) text.erase(colon, at - colon);
    }
    // password=... among the parameters after '?'
    const size_t query = text.find('?');
    if (query != std::string::npos) {
      std::string kept = text.substr(0, query);
      std::string params = text.substr(query + 1);
      std::string out;
      size_t pos = 0;
      while (pos <= params.size()) {
        const size_t amp = params.find('&', pos);
        const std::string param =
            params.substr(pos, amp == std::string::npos ? std::string::npos : amp - pos);
        if (param.rfind("password=", 0) != 0 && !param.empty()) {
          out += (out.empty() ? "" : "&") + param;
        }
        if (amp == std::string::npos) break;
        pos = amp + 1;
      }
      text = out.empty() ? kept : kept + "?" + out;
    }
    return text;
  }
  // key=value pairs: drop the password's pair, quoted or not.
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const size_t begin = i;
    while (i < text.size() && text[i] != '=' && !std::isspace(static_cast<unsigned char>(text[i])))
      ++i;
    const std::string key = text.substr(begin, i - begin);
    while (i < text.size() && (text[i] == '=' || std::isspace(static_cast<unsigned char>(text[i]))))
      ++i;
    const size_t value_begin = i;
    if (i < text.size() && text[i] == '\'') {
      for (++i; i < text.size() && text[i] != '\''; ++i) {
        if (text[i] == '\\') ++i;
      }
      ++i;
    } else {
      while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    }
    if (key.empty()) break;
    if (key != "password") {
      out += (out.empty() ? "" : " ") + key + "=" +
             text.substr(value_begin, std::min(i, text.size()) - value_begin);
    }
  }
  return out;
}

}  // namespace q700

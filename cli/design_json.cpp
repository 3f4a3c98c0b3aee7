// Writing a design as JSON and reading it back.
#include "cli/design_json.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/design_file.h"
#include "cli/field_text.h"

namespace q700::cli {
namespace {

std::string HexOf(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

std::optional<std::vector<uint8_t>> BytesOfHex(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    const int high = digit(text[i]);
    const int low = digit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return bytes;
}

nlohmann::json FieldJson(const FieldInfo& field, Design& design, int code_page) {
  switch (field.kind) {
    case FieldKind::kNumber:
      return FieldNumber(field, design);
    case FieldKind::kChoice: {
      // A value without a label (from a damaged or foreign file) stays a number.
      const std::string shown = FormatField(field, design);
      if (shown == std::to_string(FieldNumber(field, design)) &&
          std::find(field.labels.begin(), field.labels.end(), shown) == field.labels.end()) {
        return FieldNumber(field, design);
      }
      return shown;
    }
    case FieldKind::kText:
    case FieldKind::kChars:
    case FieldKind::kChar:
      break;
  }
  return ShownValue(field, design, code_page);
}

// A key's JSON value as the text a field reads. Numbers are taken for numbers and choices (a
// choice's number as stored), booleans for flags, strings for everything.
std::optional<std::string> ValueText(const FieldInfo& f, const nlohmann::json& value,
                                     std::string& why) {
  const bool numeric = f.kind == FieldKind::kNumber || f.kind == FieldKind::kChoice;
  if (value.is_string()) return value.get<std::string>();
  if (numeric && value.is_number_unsigned()) return std::to_string(value.get<uint64_t>());
  if (f.kind == FieldKind::kNumber && f.max == 1 && value.is_boolean()) {
    return value.get<bool>() ? "1" : "0";
  }
  why = numeric ? "a number or a string" : "a string";
  return std::nullopt;
}

}  // namespace

std::string DesignJson(Context& ctx, Design& design, int code_page) {
  auto fresh = std::make_unique<Design>();
  NewDesign(ctx, *fresh);
  const std::vector<ByteRun> runs = UnnamedByteRuns(design, *fresh);
  size_t next_run = 0;
  // Written key by key: the library's ordered objects look every key up as they go, which takes
  // long for the thousands of a design.
  std::string text = "{";
  const auto add = [&](const std::string& key, const nlohmann::json& value) {
    text += text.size() == 1 ? "\n  " : ",\n  ";
    text += nlohmann::json(key).dump() + ": " + value.dump();
  };
  // The runs of each record follow its fields; those of blocks without fields stand where the
  // block stands.
  const auto record_of = [](DesignBlock block, size_t offset) {
    return std::make_pair(BlockOrder(block), RecordOf(block, offset));
  };
  const auto add_runs_before = [&](std::pair<int, int> record) {
    while (next_run < runs.size() &&
           record_of(runs[next_run].place.block, runs[next_run].place.offset) < record) {
      add(runs[next_run].name, HexOf(runs[next_run].bytes));
      ++next_run;
    }
  };
  for (const FieldInfo& f : DesignFields()) {
    add_runs_before(record_of(f.block, f.offset));
    add(f.name, FieldJson(f, design, code_page));
  }
  add_runs_before({kDesignBlockCount, 0});
  return text + "\n}\n";
}

JsonDesign ReadJsonDesign(const nlohmann::json& json, int code_page,
                          std::vector<std::string>& problems) {
  JsonDesign design;
  if (!json.is_object()) {
    problems.push_back("a design in JSON is one object of field names and values");
    return design;
  }
  for (const auto& [key, value] : json.items()) {
    if (const FieldInfo* f = FindField(key)) {
      std::string why;
      const std::optional<std::string> text = ValueText(*f, value, why);
      if (!text) {
        problems.push_back("field " + key + ": " + value.dump() + " is not " + why);
        continue;
      }
      std::string error;
      std::optional<std::string> in_code_page = ValueInCodePage(*f, *text, code_page, error);
      if (!in_code_page) {
        problems.push_back(error);
        continue;
      }
      if (const auto problem = CheckFieldValue(*f, *in_code_page, ValueLimits::kStored)) {
        problems.push_back(*problem);
        continue;
      }
      design.fields.push_back({f, std::move(*in_code_page)});
      continue;
    }
    if (const std::optional<BytePlace> place = FindBytePlace(key)) {
      const std::optional<std::vector<uint8_t>> bytes =
          value.is_string() ? BytesOfHex(value.get<std::string>()) : std::nullopt;
      if (!bytes) {
        problems.push_back(key + ": " + value.dump() + " is not a string of hex digit pairs");
      } else if (bytes->size() > place->room) {
        problems.push_back(key + ": " + std::to_string(bytes->size()) + " bytes, but only " +
                           std::to_string(place->room) + " fit before the end of the record");
      } else {
        design.runs.emplace_back(*place, *bytes);
      }
      continue;
    }
    problems.push_back("no field named " + key + " (see 'tpq700 fields')");
  }
  return design;
}

std::vector<std::string> PutJsonDesign(Design& design, const JsonDesign& json) {
  auto copy = std::make_unique<Design>(design);
  std::vector<std::string> problems = SetAssignments(*copy, json.fields);
  if (!problems.empty()) return problems;
  for (const Assignment& a : json.fields) ClearTextTail(*a.field, *copy);
  PutUnnamedBytes(*copy, json.runs);
  design = *copy;
  return problems;
}

std::optional<JsonDesign> LoadJsonDesign(Context& ctx, const std::string& path, int code_page) {
  std::ostringstream text;
  if (path == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      ctx.Fail("cannot read " + path + ": " + std::strerror(errno));
      return std::nullopt;
    }
    text << in.rdbuf();
  }
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text.str());
  } catch (const nlohmann::json::parse_error& e) {
    // The library's message after its own "[json.exception...] " tag.
    const std::string what = e.what();
    const size_t tag = what.find("] ");
    ctx.Fail(path + ": not JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2)));
    return std::nullopt;
  }
  std::vector<std::string> problems;
  JsonDesign design = ReadJsonDesign(json, code_page, problems);
  for (const std::string& problem : problems) ctx.Fail(path + ": " + problem);
  if (!problems.empty()) return std::nullopt;
  return design;
}

}  // namespace q700::cli

// Converting field values between UTF-8 and the terminal's code page.
#include "cli/field_text.h"

#include <cstdio>

#include "texts/code_page.h"

namespace q700::cli {
namespace {

bool IsText(const FieldInfo& f) {
  return f.kind == FieldKind::kText || f.kind == FieldKind::kChars || f.kind == FieldKind::kChar;
}

std::string Hex(unsigned char byte) {
  char text[5];
  std::snprintf(text, sizeof text, "\\x%02X", byte);
  return text;
}

// Whether `bytes` starts with a whole UTF-8 sequence (of more than one byte).
bool StartsWithUtf8Sequence(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || bytes.size() < length) return false;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return false;
  }
  return true;
}

// Whether UTF-8 text holds a C1 control character (U+0080 to U+009F): what some converters
// make of a byte that the code page leaves undefined.
bool HoldsC1Control(std::string_view utf8) {
  for (size_t i = 0; i + 1 < utf8.size(); ++i) {
    if (static_cast<unsigned char>(utf8[i]) == 0xC2 &&
        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      return true;
    }
  }
  return false;
}

// One byte of the code page as UTF-8, or its escape.
std::string ByteToUtf8(unsigned char byte, int code_page) {
  const CodePageConversion converted =
      CodePageToUtf8(std::string_view(reinterpret_cast<const char*>(&byte), 1), code_page);
  if (!converted.ok || converted.text.empty() || HoldsC1Control(converted.text)) return Hex(byte);
  return converted.text;
}

// A run of bytes above 127 as UTF-8; nothing when a byte of it is undefined in the code page.
std::optional<std::string> RunToUtf8(std::string_view run, int code_page) {
  const CodePageConversion converted = CodePageToUtf8(run, code_page);
  if (!converted.ok || HoldsC1Control(converted.text)) return std::nullopt;
  return converted.text;
}

}  // namespace

std::optional<std::string> ValueInCodePage(const FieldInfo& field, std::string_view utf8,
                                           int code_page, std::string& error) {
  if (!IsText(field)) return std::string(utf8);
  const CodePageConversion converted = Utf8ToCodePage(utf8, code_page);
  if (converted.ok) return converted.text;
  const std::string_view rest = utf8.substr(converted.bad_offset);
  if (rest.empty() || !StartsWithUtf8Sequence(rest)) {
    error = "field " + field.name + ": the value is not UTF-8 (at byte " +
            std::to_string(converted.bad_offset + 1) + ")";
  } else {
    error = "field " + field.name + ": the character \"" + converted.bad_character +
            "\" has no byte in code page " + std::to_string(code_page);
  }
  return std::nullopt;
}

std::string ShownValue(const FieldInfo& field, Design& design, int code_page) {
  if (!IsText(field)) return FormatField(field, design);
  const std::string raw = FormatField(field, design, HighBytes::kRaw);
  std::string shown;
  size_t i = 0;
  while (i < raw.size()) {
    if (static_cast<unsigned char>(raw[i]) < 0x80) {
      shown += raw[i++];
      continue;
    }
    size_t end = i;
    while (end < raw.size() && static_cast<unsigned char>(raw[end]) >= 0x80) ++end;
    // A run of bytes above 127; one that the code page leaves undefined is escaped and the
    // conversion goes on after it.
    const std::string_view run(raw.data() + i, end - i);
    if (const std::optional<std::string> converted = RunToUtf8(run, code_page)) {
      shown += *converted;
    } else {
      for (const char byte : run) shown += ByteToUtf8(static_cast<unsigned char>(byte), code_page);
    }
    i = end;
  }
  return shown;
}

}  // namespace q700::cli

// Reading, checking and writing the fields of a design by name, and the text escapes of values.
#include "model/field_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace q700 {
namespace {

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<long> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The largest value the field's bits hold.
long StoredMax(const FieldInfo& f) {
  if (f.word) return 65535;
  return (1L << f.bit_width) - 1;
}

// The most characters a text may hold: what the editor takes, or what the slot holds.
size_t TextLimit(const FieldInfo& f, ValueLimits limits) {
  switch (f.kind) {
    case FieldKind::kText:
      return limits == ValueLimits::kStored ? f.size - 1 : static_cast<size_t>(f.max);
    case FieldKind::kChars:
      return f.size;
    default:
      return 1;
  }
}

// The label a value matches: written exactly first (blanks tidied), else the only one that
// matches when case is ignored. `ambiguous` lists the labels when several match that way.
std::optional<size_t> MatchLabel(const FieldInfo& f, std::string_view value,
                                 std::vector<std::string>* ambiguous = nullptr) {
  const std::string tidy = TidyLabel(value);
  for (size_t i = 0; i < f.labels.size(); ++i) {
    if (f.labels[i] == tidy) return i;
  }
  const std::string lowered = Lowered(tidy);
  std::optional<size_t> found;
  std::vector<std::string> matches;
  for (size_t i = 0; i < f.labels.size(); ++i) {
    if (Lowered(f.labels[i]) != lowered) continue;
    if (!found) found = i;
    matches.push_back(f.labels[i]);
  }
  if (matches.size() > 1) {
    if (ambiguous != nullptr) *ambiguous = matches;
    return std::nullopt;
  }
  return found;
}

bool Raised(const FieldInfo& f, Design& design) {
  return f.raised_while && DesignBlockBytes(design, f.block)[*f.raised_while] != 0;
}

std::string Range(const FieldInfo& f) {
  std::string text = std::to_string(f.min) + ".." + std::to_string(f.max);
  if (f.excluded >= 0) text += " except " + std::to_string(f.excluded);
  return text;
}

std::string Accepts(const FieldInfo& f, ValueLimits limits) {
  const bool stored = limits == ValueLimits::kStored;
  switch (f.kind) {
    case FieldKind::kNumber:
      if (stored) return "a number 0.." + std::to_string(StoredMax(f));
      return f.max == 1 && f.min == 0 ? "0 or 1" : "a number " + Range(f);
    case FieldKind::kChoice: {
      std::string text = "one of ";
      for (size_t i = 0; i < f.labels.size(); ++i) {
        text += (i ? ", \"" : "\"") + f.labels[i] + "\"";
      }
      return text + " (or its number 0.." + std::to_string(stored ? StoredMax(f) : f.max) + ")";
    }
    case FieldKind::kText:
      return "a text of at most " + std::to_string(TextLimit(f, limits)) + " characters" +
             (f.charset.empty() || stored ? "" : " from 0-9, A-Z and a-z");
    case FieldKind::kChars:
      return "at most " + std::to_string(f.size) + " characters";
    case FieldKind::kChar:
      return "one character, or nothing for none";
  }
  return "";
}

}  // namespace

Bytes DesignBlockBytes(Design& d, DesignBlock block) {
  switch (block) {
    case DesignBlock::kVersionTag:
      return d.version_tag;
    case DesignBlock::kReservedWord:
      return d.reserved_word;
    case DesignBlock::kBarcode:
      return d.barcode;
    case DesignBlock::kMenus:
      return d.menus;
    case DesignBlock::kForms:
      return d.forms;
    case DesignBlock::kLookups:
      return d.lookups;
    case DesignBlock::kTexts:
      return d.texts;
    case DesignBlock::kReservedArea:
      return d.reserved_area;
    case DesignBlock::kSettings:
      return d.settings;
    case DesignBlock::kWeight:
      return d.weight;
  }
  return {};
}

std::string DescribeField(const FieldInfo& f) {
  std::string text;
  switch (f.kind) {
    case FieldKind::kNumber:
      text = f.max == 1 && f.min == 0 ? "flag 0..1" : "number " + Range(f);
      break;
    case FieldKind::kChoice: {
      text = "choice ";
      for (size_t i = 0; i < f.labels.size(); ++i) text += (i ? "|" : "") + f.labels[i];
      break;
    }
    case FieldKind::kText:
      text = "text max " + std::to_string(f.max) + (f.charset.empty() ? "" : " [0-9A-Za-z]");
      break;
    case FieldKind::kChars:
      text = "chars " + std::to_string(f.size);
      break;
    case FieldKind::kChar:
      text = f.max == 255 ? "char" : "char 0.." + std::to_string(f.max);
      break;
  }
  if (f.raised_while)
    text += " (stored " + std::to_string(f.raise) + " higher while read_once is 1)";
  if (f.read_only) text += " (read-only)";
  return text;
}

unsigned FieldNumber(const FieldInfo& f, Design& design) {
  const Bytes block = DesignBlockBytes(design, f.block);
  if (f.word) return ReadU16Le(block, f.offset);
  return GetBits(block[f.offset], f.bit_low, f.bit_width);
}

size_t FieldWidth(const FieldInfo& f) {
  if (f.word) return 2;
  if (f.kind == FieldKind::kText || f.kind == FieldKind::kChars) return f.size;
  return 1;
}

uint8_t FieldBitMask(const FieldInfo& f, size_t i) {
  if (FieldWidth(f) > 1 || i > 0) return 0xFF;
  return static_cast<uint8_t>(((1u << f.bit_width) - 1u) << f.bit_low);
}

bool SameFieldValue(const FieldInfo& f, Design& a, Design& b) {
  if (f.kind == FieldKind::kText) return FormatField(f, a) == FormatField(f, b);
  const Bytes x = DesignBlockBytes(a, f.block);
  const Bytes y = DesignBlockBytes(b, f.block);
  for (size_t i = 0; i < FieldWidth(f); ++i) {
    const uint8_t mask = FieldBitMask(f, i);
    if ((x[f.offset + i] & mask) != (y[f.offset + i] & mask)) return false;
  }
  return true;
}

std::string FormatField(const FieldInfo& f, Design& design, HighBytes high) {
  const Bytes block = DesignBlockBytes(design, f.block);
  const auto escape = [high](std::string_view bytes) { return EscapeText(bytes, high); };
  switch (f.kind) {
    case FieldKind::kNumber:
      return std::to_string(FieldNumber(f, design));
    case FieldKind::kChoice: {
      const unsigned stored = FieldNumber(f, design);
      // A value the editor could not have stored stays a number, so it reads back the same.
      long position = stored;
      if (Raised(f, design)) {
        position -= f.raise;
        if (position < f.raise) return std::to_string(stored);
      }
      return position < static_cast<long>(f.labels.size()) ? f.labels[position]
                                                           : std::to_string(stored);
    }
    case FieldKind::kText:
      return escape(SlotText(block.subspan(f.offset, f.size)));
    case FieldKind::kChars: {
      // Up to the last character that is not a NUL, so every byte reads back.
      const Bytes chars = block.subspan(f.offset, f.size);
      size_t length = chars.size();
      while (length > 0 && chars[length - 1] == 0) --length;
      return escape(AsChars(chars.first(length)));
    }
    case FieldKind::kChar: {
      const uint8_t c = block[f.offset];
      return c == 0 ? std::string() : escape(std::string(1, static_cast<char>(c)));
    }
  }
  return {};
}

std::optional<std::string> CheckFieldValue(const FieldInfo& f, std::string_view value,
                                           ValueLimits limits) {
  const auto refuse = [&](const std::string& why) {
    return "field " + f.name + ": " + why + "; it accepts " + Accepts(f, limits);
  };
  const bool stored = limits == ValueLimits::kStored;
  if (f.read_only && !stored) return "field " + f.name + " is read-only";
  if (f.read_only && f.block == DesignBlock::kVersionTag && value != kVersionTag) {
    return "field " + f.name + " is read-only: a design always carries " + kVersionTag;
  }
  switch (f.kind) {
    case FieldKind::kNumber: {
      const auto n = ParseNumber(value);
      const bool in_range =
          n && (stored ? *n <= StoredMax(f) : *n >= f.min && *n <= f.max && *n != f.excluded);
      if (!in_range) return refuse("\"" + std::string(value) + "\" is not accepted");
      return std::nullopt;
    }
    case FieldKind::kChoice: {
      std::vector<std::string> ambiguous;
      if (MatchLabel(f, value, &ambiguous)) return std::nullopt;
      if (!ambiguous.empty()) {
        std::string names;
        for (const auto& label : ambiguous)
          names += (names.empty() ? "\"" : " and \"") + label + "\"";
        return "field " + f.name + ": \"" + std::string(value) + "\" matches " + names +
               " when case is ignored; write one of them exactly";
      }
      const auto n = ParseNumber(value);
      if (n && *n >= f.min && *n <= (stored ? StoredMax(f) : f.max)) return std::nullopt;
      return refuse("\"" + std::string(value) + "\" is not a choice");
    }
    case FieldKind::kText:
    case FieldKind::kChars:
    case FieldKind::kChar: {
      const auto bytes = UnescapeText(value);
      if (!bytes) return refuse("\"" + std::string(value) + "\" has a bad escape");
      if (bytes->size() > TextLimit(f, limits)) return refuse("the text is too long");
      // Fixed characters are padded with NULs, so one may stand between them; a text ends at
      // its first NUL.
      if (f.kind != FieldKind::kChars && bytes->find('\0') != std::string::npos) {
        return refuse("the text holds a NUL");
      }
      if (f.kind == FieldKind::kChar && !bytes->empty() && !stored &&
          static_cast<uint8_t>((*bytes)[0]) > f.max) {
        return refuse("the character is out of range");
      }
      if (!stored && !f.charset.empty() &&
          bytes->find_first_not_of(f.charset) != std::string::npos) {
        return refuse("the text holds a character that is not allowed");
      }
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckFieldInDesign(const FieldInfo& f, Design& design,
                                              std::string_view value) {
  if (f.kind != FieldKind::kChoice || !Raised(f, design)) return std::nullopt;
  const auto label = MatchLabel(f, value);
  if (!label || static_cast<int>(*label) >= f.raise) return std::nullopt;
  std::string offered;
  for (size_t i = static_cast<size_t>(f.raise); i < f.labels.size() && i < 2u * f.raise; ++i) {
    offered += (offered.empty() ? "\"" : " or \"") + f.labels[i] + "\"";
  }
  return "field " + f.name + ": \"" + std::string(value) +
         "\" is not offered while read_once is 1; it takes " + offered;
}

std::vector<size_t> SetOrder(const std::vector<const FieldInfo*>& fields) {
  std::vector<size_t> order(fields.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_partition(order.begin(), order.end(),
                        [&](size_t i) { return !fields[i]->raised_while.has_value(); });
  return order;
}

void SetField(const FieldInfo& f, Design& design, std::string_view value) {
  const Bytes block = DesignBlockBytes(design, f.block);
  switch (f.kind) {
    case FieldKind::kNumber:
    case FieldKind::kChoice: {
      long n = -1;
      if (f.kind == FieldKind::kChoice) {
        if (const auto label = MatchLabel(f, value)) {
          n = static_cast<long>(*label);
          if (Raised(f, design)) n += f.raise;
        }
      }
      if (n < 0) n = ParseNumber(value).value_or(0);
      if (f.word) {
        WriteU16Le(block, f.offset, static_cast<uint16_t>(n));
      } else {
        SetBits(block[f.offset], f.bit_low, f.bit_width, static_cast<unsigned>(n));
      }
      return;
    }
    case FieldKind::kText:
      SetSlotText(block.subspan(f.offset, f.size), UnescapeText(value).value_or(""));
      return;
    case FieldKind::kChars: {
      std::string bytes = UnescapeText(value).value_or("");
      bytes.resize(std::min(bytes.size(), f.size));
      const Bytes chars = block.subspan(f.offset, f.size);
      std::fill(chars.begin(), chars.end(), uint8_t{0});
      if (f.block == DesignBlock::kWeight && f.size == 2) {
        // The weight-code prefix is kept right-aligned after blanks.
        bytes.insert(0, 2 - bytes.size(), ' ');
      }
      std::copy(bytes.begin(), bytes.end(), chars.begin());
      return;
    }
    case FieldKind::kChar: {
      const std::string bytes = UnescapeText(value).value_or("");
      block[f.offset] = bytes.empty() ? 0 : static_cast<uint8_t>(bytes[0]);
      return;
    }
  }
}

std::string EscapeText(std::string_view bytes, HighBytes high) {
  std::string out;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 32 || c == 127 || (c > 127 && high == HighBytes::kEscaped)) {
      char hex[5];
      std::snprintf(hex, sizeof(hex), "\\x%02X", c);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

std::optional<std::string> UnescapeText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'x': {
        if (i + 2 >= text.size()) return std::nullopt;
        unsigned value = 0;
        for (int k = 1; k <= 2; ++k) {
          const char h = text[i + k];
          value <<= 4;
          if (h >= '0' && h <= '9')
            value |= h - '0';
          else if (h >= 'a' && h <= 'f')
            value |= h - 'a' + 10;
          else if (h >= 'A' && h <= 'F')
            value |= h - 'A' + 10;
          else
            return std::nullopt;
        }
        out += static_cast<char>(value);
        i += 2;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

}  // namespace q700

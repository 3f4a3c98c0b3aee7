// Reading, checking and writing the fields of a design by name, and the text escapes of values.
#include "model/field_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace q700 {
namespace {

std::string Normalised(std::string_view label) {
  std::string out = TidyLabel(label);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
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

std::string Range(const FieldInfo& f) {
  std::string text = std::to_string(f.min) + ".." + std::to_string(f.max);
  if (f.excluded >= 0) text += " except " + std::to_string(f.excluded);
  return text;
}

std::string Accepts(const FieldInfo& f) {
  switch (f.kind) {
    case FieldKind::kNumber:
      return f.max == 1 && f.min == 0 ? "0 or 1" : "a number " + Range(f);
    case FieldKind::kChoice: {
      std::string text = "one of ";
      for (size_t i = 0; i < f.labels.size(); ++i) {
        text += (i ? ", \"" : "\"") + f.labels[i] + "\"";
      }
      return text + " (or its number 0.." + std::to_string(f.max) + ")";
    }
    case FieldKind::kText:
      return "a text of at most " + std::to_string(f.max) + " characters" +
             (f.charset.empty() ? "" : " from 0-9, A-Z and a-z");
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
  if (f.read_only) text += " (read-only)";
  return text;
}

unsigned FieldNumber(const FieldInfo& f, Design& design) {
  const Bytes block = DesignBlockBytes(design, f.block);
  if (f.word) return ReadU16Le(block, f.offset);
  return GetBits(block[f.offset], f.bit_low, f.bit_width);
}

std::string FormatField(const FieldInfo& f, Design& design) {
  const Bytes block = DesignBlockBytes(design, f.block);
  switch (f.kind) {
    case FieldKind::kNumber:
      return std::to_string(FieldNumber(f, design));
    case FieldKind::kChoice: {
      const unsigned value = FieldNumber(f, design);
      return value < f.labels.size() ? f.labels[value] : std::to_string(value);
    }
    case FieldKind::kText:
      return EscapeText(SlotText(block.subspan(f.offset, f.size)));
    case FieldKind::kChars: {
      const Bytes chars = block.subspan(f.offset, f.size);
      return EscapeText(AsChars(chars.first(SlotTextLength(chars))));
    }
    case FieldKind::kChar: {
      const uint8_t c = block[f.offset];
      return c == 0 ? std::string() : EscapeText(std::string(1, static_cast<char>(c)));
    }
  }
  return {};
}

std::optional<std::string> CheckFieldValue(const FieldInfo& f, std::string_view value) {
  const auto refuse = [&](const std::string& why) {
    return "field " + f.name + ": " + why + "; it accepts " + Accepts(f);
  };
  if (f.read_only) return "field " + f.name + " is read-only";
  switch (f.kind) {
    case FieldKind::kNumber: {
      const auto n = ParseNumber(value);
      if (!n || *n < f.min || *n > f.max || *n == f.excluded) {
        return refuse("\"" + std::string(value) + "\" is not accepted");
      }
      return std::nullopt;
    }
    case FieldKind::kChoice: {
      const std::string wanted = Normalised(value);
      for (const auto& label : f.labels) {
        if (Normalised(label) == wanted) return std::nullopt;
      }
      const auto n = ParseNumber(value);
      if (n && *n >= f.min && *n <= f.max) return std::nullopt;
      return refuse("\"" + std::string(value) + "\" is not a choice");
    }
    case FieldKind::kText:
    case FieldKind::kChars:
    case FieldKind::kChar: {
      const auto bytes = UnescapeText(value);
      if (!bytes) return refuse("\"" + std::string(value) + "\" has a bad escape");
      const size_t limit = f.kind == FieldKind::kText    ? static_cast<size_t>(f.max)
                           : f.kind == FieldKind::kChars ? f.size
                                                         : 1;
      if (bytes->size() > limit) return refuse("the text is too long");
      if (bytes->find('\0') != std::string::npos) return refuse("the text holds a NUL");
      if (f.kind == FieldKind::kChar && !bytes->empty() &&
          static_cast<uint8_t>((*bytes)[0]) > f.max) {
        return refuse("the character is out of range");
      }
      if (!f.charset.empty() && bytes->find_first_not_of(f.charset) != std::string::npos) {
        return refuse("the text holds a character that is not allowed");
      }
      return std::nullopt;
    }
  }
  return std::nullopt;
}

void SetField(const FieldInfo& f, Design& design, std::string_view value) {
  const Bytes block = DesignBlockBytes(design, f.block);
  switch (f.kind) {
    case FieldKind::kNumber:
    case FieldKind::kChoice: {
      long n = -1;
      if (f.kind == FieldKind::kChoice) {
        const std::string wanted = Normalised(value);
        for (size_t i = 0; i < f.labels.size(); ++i) {
          if (Normalised(f.labels[i]) == wanted) n = static_cast<long>(i);
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
      const std::string bytes = UnescapeText(value).value_or("");
      const Bytes chars = block.subspan(f.offset, f.size);
      std::fill(chars.begin(), chars.end(), uint8_t{0});
      if (f.block == DesignBlock::kWeight && f.size == 2) {
        // The weight-code prefix is kept right-aligned after blanks.
        const std::string padded = std::string(2 - bytes.size(), ' ') + bytes;
        std::copy(padded.begin(), padded.end(), chars.begin());
      } else {
        std::copy(bytes.begin(), bytes.end(), chars.begin());
      }
      return;
    }
    case FieldKind::kChar: {
      const std::string bytes = UnescapeText(value).value_or("");
      block[f.offset] = bytes.empty() ? 0 : static_cast<uint8_t>(bytes[0]);
      return;
    }
  }
}

std::string EscapeText(std::string_view bytes) {
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
    } else if (c < 32 || c > 126) {
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

// Lookups in the texts that the build read from the dialog templates.
#include "resources/dialog_texts.h"

#include <algorithm>
#include <cctype>

namespace q700 {
namespace {

struct TemplateEntry {
  std::string_view dialog;
  int control;  // 0 for the title
  std::string_view text;
};

constexpr TemplateEntry kEntries[] = {
#define Q700_DIALOG_TITLE(dialog, text) {dialog, 0, text},
#define Q700_DIALOG_TEXT(dialog, control, text) {dialog, control, text},
#include "dialog_texts.inc"
#undef Q700_DIALOG_TEXT
#undef Q700_DIALOG_TITLE
};

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

std::string_view Find(std::string_view dialog, int control) {
  for (const TemplateEntry& entry : kEntries) {
    if (entry.control == control && SameName(entry.dialog, dialog)) return entry.text;
  }
  return {};
}

}  // namespace

std::string_view TemplateTitle(std::string_view dialog) { return Find(dialog, 0); }

std::string_view TemplateText(std::string_view dialog, int control) {
  return control == 0 ? std::string_view() : Find(dialog, control);
}

}  // namespace q700

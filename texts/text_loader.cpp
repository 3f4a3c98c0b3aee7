#include "texts/text_loader.h"

#include "texts/string_table.h"

namespace q700 {

std::string_view LanguageTable::Get(int id) const {
  const auto it = entries_.find(id);
  return it == entries_.end() ? std::string_view() : std::string_view(it->second);
}

void LanguageTable::Set(int id, std::string_view label) {
  if (label.empty()) {
    entries_.erase(id);
    return;
  }
  entries_[id] = std::string(label.substr(0, kLanguageLabelMax));
}

std::string TextLoader::Load(int id, Slot slot) {
  const size_t capacity = kSlotCapacity[static_cast<int>(slot)];
  std::string text;
  const std::string_view entry = language_active_ ? language_.Get(id) : std::string_view();
  if (!entry.empty()) {
    text = entry;
  } else {
    const char* built_in = FindStringTableText(id);
    text = built_in != nullptr ? built_in : "";
    if (language_active_) language_.Set(id, text);
  }
  if (text.size() > capacity) text.resize(capacity);
  slots_[static_cast<int>(slot)] = text;
  return text;
}

}  // namespace q700

// The text loader: every user-visible text comes through it, from the built-in string table or,
// when a language is active, from the language table that overrides it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace q700 {

// The four fixed buffers that a loaded text lands in, with their capacities.
enum class Slot { kCaption = 0, kMessage = 1, kItem = 2, kTerminalText = 3 };
inline constexpr std::array<size_t, 4> kSlotCapacity = {127, 127, 127, 80};

inline constexpr size_t kLanguageLabelMax = 80;

// Language entries by id, each at most 80 characters. Loading a language adds to it; entries a
// file does not define keep what they held.
class LanguageTable {
 public:
  // The entry of `id`; empty when there is none.
  std::string_view Get(int id) const;
  // Stores the label cut to 80 characters; an empty label clears the entry.
  void Set(int id, std::string_view label);
  void Clear() { entries_.clear(); }
  size_t size() const { return entries_.size(); }

 private:
  std::unordered_map<int, std::string> entries_;
};

class TextLoader {
 public:
  // Fills `slot` with the text of `id` and returns it. With a language active, a non-empty
  // language entry wins; otherwise the string-table text is used and also cached in the language
  // table, so the next call finds it there. Texts are cut to the slot's capacity.
  std::string Load(int id, Slot slot);

  // The text last loaded into a slot.
  std::string_view SlotText(Slot slot) const { return slots_[static_cast<int>(slot)]; }

  // The language label of `id` when a language is active and defines it, else empty. Dialogs
  // relabel their controls with it.
  std::string_view Label(int id) const {
    return language_active_ ? language_.Get(id) : std::string_view();
  }

  bool language_active() const { return language_active_; }
  void set_language_active(bool active) { language_active_ = active; }
  LanguageTable& language() { return language_; }
  const LanguageTable& language() const { return language_; }

 private:
  std::array<std::string, 4> slots_;
  LanguageTable language_;
  bool language_active_ = false;
};

}  // namespace q700

#include "texts/terminal_texts.h"

#include "texts/text_loader.h"

namespace q700 {
namespace {

constexpr int GroupTextCount() {
  int n = 0;
  for (const auto& g : kTerminalTextGroups) n += g.count;
  return n;
}
static_assert(GroupTextCount() <= 256);

}  // namespace

DefaultTerminalTexts::DefaultTerminalTexts() = default;

int DefaultTerminalTexts::IndexOf(int id) {
  int index = 0;
  for (const auto& g : kTerminalTextGroups) {
    if (id >= g.first_id && id < g.first_id + g.count) return index + (id - g.first_id);
    index += g.count;
  }
  return -1;
}

int DefaultTerminalTexts::WidthOf(int id) {
  for (const auto& g : kTerminalTextGroups) {
    if (id >= g.first_id && id < g.first_id + g.count) return g.width;
  }
  return 0;
}

std::string_view DefaultTerminalTexts::Get(int id) const {
  const int index = IndexOf(id);
  return index < 0 ? std::string_view() : std::string_view(texts_[index]);
}

void DefaultTerminalTexts::Set(int id, std::string_view text) {
  const int index = IndexOf(id);
  if (index < 0) return;
  texts_[index] = std::string(text.substr(0, static_cast<size_t>(WidthOf(id))));
}

void RefillTerminalTexts(TextLoader& loader, DefaultTerminalTexts& texts) {
  for (const auto& g : kTerminalTextGroups) {
    for (int id = g.first_id; id < g.first_id + g.count; ++id) {
      texts.Set(id, loader.Load(id, Slot::kTerminalText));
    }
  }
}

std::string PortLineText(TextLoader& loader, const PortLineIds& ids, bool large_font,
                         bool bluetooth) {
  const int id = large_font ? (bluetooth ? ids.bluetooth_large : ids.modem_large)
                            : (bluetooth ? ids.bluetooth_small : ids.modem_small);
  std::string text = loader.Load(id, Slot::kTerminalText);
  text.resize(std::min<size_t>(text.size(), large_font ? 12 : 16));
  return text;
}

}  // namespace q700

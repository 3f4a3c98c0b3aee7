// Fault plans of the virtual terminal and their dice.
#include "terminal/terminal_faults.h"

#include <charconv>
#include <cstdlib>

namespace q700 {
namespace {

bool ParseChance(std::string_view text, double* chance) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !(value >= 0 && value <= 1)) {
    return false;
  }
  *chance = value;
  return true;
}

bool ParseCount(std::string_view text, int64_t max, int64_t* count) {
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max) {
    return false;
  }
  *count = value;
  return true;
}

}  // namespace

bool ParseFaultPlan(std::string_view text, FaultPlan* plan, std::string* error) {
  FaultPlan result;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (item.empty()) continue;
    const size_t equals = item.find('=');
    if (equals == std::string_view::npos) {
      *error = "fault '" + std::string(item) + "' has no value (KEY=VALUE)";
      return false;
    }
    const std::string_view key = item.substr(0, equals);
    const std::string_view value = item.substr(equals + 1);
    bool ok = true;
    int64_t count = 0;
    if (key == "corrupt") {
      ok = ParseChance(value, &result.corrupt);
    } else if (key == "drop") {
      ok = ParseChance(value, &result.drop);
    } else if (key == "garble") {
      ok = ParseChance(value, &result.garble);
    } else if (key == "silence") {
      ok = ParseChance(value, &result.silence);
    } else if (key == "delay") {
      ok = ParseCount(value, 60000, &count);
      result.delay_ms = static_cast<uint32_t>(count);
    } else if (key == "nak") {
      ok = ParseCount(value, 1000, &count);
      result.nak = static_cast<int>(count);
    } else if (key == "full") {
      ok = ParseCount(value, 1000000, &count);
      result.full = static_cast<int>(count);
    } else if (key == "cut") {
      ok = ParseCount(value, 1000000, &count);
      result.cut = static_cast<int>(count);
    } else {
      *error = "unknown fault '" + std::string(key) +
               "' (known: corrupt, drop, garble, silence, delay, nak, full, cut)";
      return false;
    }
    if (!ok) {
      *error = "bad value '" + std::string(value) + "' for fault '" + std::string(key) + "'";
      return false;
    }
  }
  *plan = result;
  return true;
}

uint64_t FaultDice::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

bool FaultDice::Roll(double chance) {
  if (chance <= 0) return false;
  // 53 random bits as a fraction of 1.
  const double draw = static_cast<double>(Next() >> 11) * 0x1.0p-53;
  return draw < chance;
}

size_t FaultDice::Below(size_t n) { return static_cast<size_t>(Next() % n); }

}  // namespace q700

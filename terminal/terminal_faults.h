// Faults that the virtual terminal injects on demand, and the seeded dice that decide when: so
// every failure path of the exchanges can be reproduced from a seed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace q700 {

struct FaultPlan {
  // Chances, from 0 to 1:
  double corrupt = 0;  // a block or record (either way) has one byte changed on the line
  double drop = 0;     // a reply is lost on the line
  double garble = 0;   // a reply of the terminal arrives as question marks
  double silence = 0;  // the terminal lets a message pass without a word
  // Every reply and record leaves this much later.
  uint32_t delay_ms = 0;
  // The first `nak` tries of every block and lookup record are answered "NAK".
  int nak = 0;
  // Block number `full` of an application, or record number `full` (from 0) of a lookup file, is
  // answered "FULL"; -1 for none.
  int full = -1;
  // The upload stops after record number `cut` (from 0): the terminal falls silent, as one taken
  // out of its cradle does; -1 for never.
  int cut = -1;

  bool operator==(const FaultPlan&) const = default;
};

// The syntax of --fault: comma-separated KEY=VALUE pairs, for example
// "corrupt=0.01,drop=0.01,garble=0.005,silence=0.005,delay=20,nak=3,full=57,cut=4". An empty text
// is no fault. False, with the reason in `error`, for anything else.
bool ParseFaultPlan(std::string_view text, FaultPlan* plan, std::string* error);

// A small seeded generator (SplitMix64), the same on every system and compiler.
class FaultDice {
 public:
  explicit FaultDice(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // True with the given chance.
  bool Roll(double chance);
  // A number from 0 to n - 1 (n > 0).
  size_t Below(size_t n);

 private:
  uint64_t state_;
};

}  // namespace q700

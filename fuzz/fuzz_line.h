// The program's link to a terminal played by a fuzz target: the tests' scripted terminal on an
// in-memory line and a fake clock, answering each write of the program with bytes of the input at
// once, so the program's time limits cost no real time.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/scripted_terminal.h"

namespace q700::fuzz {

class FuzzLine : public test::ScriptedTerminalLink {
 public:
  // `answer` gets each write of the program and returns the bytes the terminal sends back.
  explicit FuzzLine(std::function<std::string(const std::string&)> answer) {
    script = std::move(answer);
  }

  // Each write of the program, in order.
  std::vector<std::string> Writes() const {
    std::vector<std::string> writes;
    for (const test::Received& r : received) writes.push_back(r.bytes);
    return writes;
  }
};

}  // namespace q700::fuzz

// An environment variable set (or removed) for the length of a scope.
#pragma once

#include <optional>
#include <string>

namespace q700::test {

class ScopedEnv {
 public:
  // `value` nullopt removes the variable.
  ScopedEnv(const char* name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace q700::test

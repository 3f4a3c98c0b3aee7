// A design with the new-project defaults whose fields the data tests set by their dotted names,
// as `tpq700 set` does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/defaults.h"
#include "model/design.h"
#include "model/field_names.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::test {

class DesignTest : public ::testing::Test {
 protected:
  DesignTest() { Reset(); }

  // The design as New makes it.
  void Reset() {
    TextLoader loader;
    DefaultTerminalTexts defaults;
    RefillTerminalTexts(loader, defaults);
    design = Design{};
    ResetDesign(design, defaults);
  }

  void Set(const std::string& name, std::string_view value) {
    const FieldInfo* field = FindField(name);
    ASSERT_NE(field, nullptr) << name;
    ASSERT_FALSE(CheckFieldValue(*field, value).has_value()) << name << "=" << value;
    SetField(*field, design, value);
  }

  void Set(const std::vector<std::pair<std::string, std::string>>& assignments) {
    for (const auto& [name, value] : assignments) Set(name, value);
  }

  Design design;
};

}  // namespace q700::test

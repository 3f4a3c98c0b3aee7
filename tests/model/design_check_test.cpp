// The check of a design before a download: one fault of each kind is found and named by its
// field, and the samples hold none.
#include "model/design_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/defaults.h"
#include "model/field_names.h"
#include "model/project_file.h"
#include "support/recording_sink.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

class DesignCheckTest : public ::testing::Test {
 protected:
  DesignCheckTest() {
    RefillTerminalTexts(texts_, defaults_);
    ResetDesign(*design_, defaults_);
  }

  // A design that passes: menu 1 leads to form 1, which takes an item and looks its name up
  // in a fixed-length lookup file.
  void MakeWorkingDesign() {
    Set({{"settings.start", "menu 1"},
         {"menu.1.item.1.text", "Count"},
         {"menu.1.item.1.target", "form 1"},
         {"form.1.escape", "menu 1"},
         {"form.1.lookup", "1st lookup file"},
         {"form.1.line.1.type", "text"},
         {"form.1.line.1.prompt", "Item:"},
         {"form.1.line.1.min_length", "1"},
         {"form.1.line.1.max_length", "10"},
         {"form.1.line.1.lookup_column", "field 1"},
         {"form.1.line.2.type", "lookup"},
         {"form.1.line.2.lookup_column", "field 2"},
         {"lookup.1.delimiter", "0"},
         {"lookup.1.member_length", "30"},
         {"lookup.1.field_count", "2"},
         {"lookup.1.field.2.offset", "11"},
         {"lookup.1.field.1.length", "10"},
         {"lookup.1.field.2.length", "20"}});
  }

  void Set(const Values& values) {
    for (const auto& [name, value] : values) {
      const FieldInfo* f = FindField(name);
      ASSERT_NE(f, nullptr) << name;
      ASSERT_FALSE(CheckFieldValue(*f, value, ValueLimits::kStored)) << name << "=" << value;
      SetField(*f, *design_, value);
    }
  }

  // "error FIELD" or "warning FIELD" for each finding.
  std::set<std::string> Found() {
    std::set<std::string> found;
    for (const Finding& f : CheckDesign(*design_)) {
      found.insert((f.severity == Severity::kError ? "error " : "warning ") + f.field);
      EXPECT_FALSE(f.message.empty()) << f.field;
    }
    return found;
  }

  TextLoader texts_;
  DefaultTerminalTexts defaults_;
  std::unique_ptr<Design> design_ = std::make_unique<Design>();
};

TEST_F(DesignCheckTest, OneFaultOfEachKindIsNamedByTheFieldToChange) {
  struct Case {
    const char* what;
    Values fault;
    std::set<std::string> found;
  };
  const Case cases[] = {
      {"a menu item to a form without a line",
       {{"menu.1.item.2.text", "Two"}, {"menu.1.item.2.target", "form 4"}},
       {"error menu.1.item.2.target"}},
      {"a menu item to a menu without an item",
       {{"menu.1.item.2.text", "Two"}, {"menu.1.item.2.target", "menu 3"}},
       {"error menu.1.item.2.target"}},
      {"an Esc key to a menu without an item",
       {{"menu.1.escape", "menu 2"}},
       {"error menu.1.escape"}},
      {"a form's next step to a form of prompts only",
       {{"form.1.next", "form 5"}, {"form.5.line.1.type", "prompt"}},
       {"error form.1.next"}},
      {"a branch to a form without a line",
       {{"form.1.fn.1.branch", "form 6"}},
       {"error form.1.fn.1.branch"}},
      {"an error target to a menu without an item",
       {{"form.1.error_target", "menu 4"}},
       {"error form.1.error_target"}},
      {"a start with a form that takes nothing",
       {{"settings.start", "form 1"}, {"form.1.line.1.type", "prompt"}},
       {"error settings.start"}},
      {"lookup lines in a form without a lookup file",
       {{"form.1.lookup", "nil"}},
       {"error form.1.lookup"}},
      {"lookup lines of a lookup file that is not defined",
       {{"lookup.1.member_length", "0"}},
       {"error lookup.1.member_length"}},
      {"a lookup column beyond the lookup file's fields",
       {{"form.1.line.2.lookup_column", "field 3"}},
       {"error form.1.line.2.lookup_column"}},
      {"a key field beyond the lookup file's fields",
       {{"lookup.1.key_field", "field 3"}},
       {"error lookup.1.key_field"}},
      {"a delimited layout not worked out (5, 10 and 3 give 20, offsets 1, 7, 18)",
       {{"lookup.2.field_count", "3"},
        {"lookup.2.field.1.length", "5"},
        {"lookup.2.field.2.length", "10"},
        {"lookup.2.field.3.length", "3"}},
       {"error lookup.2.member_length", "error lookup.2.field.2.offset",
        "error lookup.2.field.3.offset"}},
      {"a minimum length above the maximum",
       {{"form.1.line.1.min_length", "30"}, {"form.1.line.1.max_length", "20"}},
       {"error form.1.line.1.min_length"}},
      {"a maximum length beyond 80",
       {{"form.1.line.1.max_length", "90"}},
       {"warning form.1.line.1.max_length"}},
      {"a prompt wider than the large font",
       {{"form.1.font", "large"}, {"form.1.line.1.prompt", "ABCDEFGHIJKLM"}},
       {"error form.1.line.1.prompt"}},
      {"a GS1 code of one character",
       {{"form.1.line.1.partial.mode", "GS1 part"}, {"form.1.line.1.gs1_code", "9"}},
       {"error form.1.line.1.gs1_code"}},
      {"a menu item wider than the large font",
       {{"menu.1.font", "large"}, {"menu.1.item.1.text", "ABCDEFGHIJKLM"}},
       {"warning menu.1.item.1.text"}},
      {"a blank item among the items shown",
       {{"menu.1.item.3.text", "Three"}},
       {"warning menu.1.item.2.text"}},
      {"a terminal text wider than its screen",
       {{"texts.utilities_menu.0", "1.Settings and more"}},
       {"warning texts.utilities_menu.0"}},
      {"a password longer than its slot is meant for",
       {{"settings.password", "ABCDEFGHIJK"}},
       {"warning settings.password"}},
      {"a carriage return between the fields of a record",
       {{"settings.delimiter1", "13"}},
       {"error settings.delimiter1"}},
      {"a carriage return between the fields of a lookup record",
       {{"lookup.3.delimiter", "13"}},
       {"error lookup.3.delimiter"}},
      {"a fixed-length field beyond the record",
       {{"lookup.1.field.2.length", "25"}},
       {"warning lookup.1.field.2.offset"}},
      {"a form the terminal never reaches is not checked",
       {{"form.7.line.1.type", "text"},
        {"form.7.line.1.min_length", "30"},
        {"form.7.line.1.max_length", "20"}},
       {}},
  };
  MakeWorkingDesign();
  ASSERT_EQ(Found(), std::set<std::string>{});
  const auto working = std::make_unique<Design>(*design_);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    *design_ = *working;
    Set(c.fault);
    EXPECT_EQ(Found(), c.found);
  }
}

TEST_F(DesignCheckTest, ANewDesignStartsWithAFormThatTakesNothing) {
  const std::vector<Finding> findings = CheckDesign(*design_);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].field, "settings.start");
  EXPECT_TRUE(HasErrors(findings));
}

TEST_F(DesignCheckTest, TheSamplesHoldNothingToFix) {
  for (const char* name : {"STOCK.TPX", "DELIVERY.TPX"}) {
    SCOPED_TRACE(name);
    auto sample = std::make_unique<Design>();
    ResetDesign(*sample, defaults_);
    ASSERT_TRUE(ReadProjectFile(std::string(Q700_SAMPLES_DIR) + "/" + name, *sample, texts_));
    for (const Finding& f : CheckDesign(*sample)) ADD_FAILURE() << f.field << ": " << f.message;
  }
}

}  // namespace
}  // namespace q700

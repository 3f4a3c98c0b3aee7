// Reading and writing the fields of a design by name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/defaults.h"
#include "model/field_names.h"
#include "model/form_record.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

class FieldNamesTest : public ::testing::Test {
 protected:
  FieldNamesTest() {
    TextLoader loader;
    DefaultTerminalTexts texts;
    RefillTerminalTexts(loader, texts);
    ResetDesign(design_, texts);
  }

  std::string Get(const std::string& name) {
    const FieldInfo* f = FindField(name);
    EXPECT_NE(f, nullptr) << name;
    return f ? FormatField(*f, design_) : "";
  }

  std::optional<std::string> Set(const std::string& name, const std::string& value) {
    const FieldInfo* f = FindField(name);
    EXPECT_NE(f, nullptr) << name;
    if (f == nullptr) return "missing";
    auto error = CheckFieldValue(*f, value);
    if (!error) SetField(*f, design_, value);
    return error;
  }

  Design design_;
};

TEST_F(FieldNamesTest, NamesAreUniqueAndCoverEveryRecord) {
  std::set<std::string> names;
  for (const FieldInfo& f : DesignFields()) EXPECT_TRUE(names.insert(f.name).second) << f.name;
  for (const char* name :
       {"form.10.line.8.gs1_code", "menu.10.item.10.target", "lookup.3.field.8.length",
        "texts.browse_keys.2", "settings.code_id.plessey", "barcode.msi.second_length",
        "weight.quantity_field", "form.1.fn.4.remains.filter"}) {
    EXPECT_NE(FindField(name), nullptr) << name;
  }
}

TEST_F(FieldNamesTest, NewDesignReadsAsItsDefaults) {
  EXPECT_EQ(Get("version_tag"), "Q700RU004");
  EXPECT_EQ(Get("form.3.next"), "form 3");
  EXPECT_EQ(Get("form.1.line.1.type"), "nil");
  EXPECT_EQ(Get("form.1.line.1.max_length"), "80");
  EXPECT_EQ(Get("form.1.line.1.input_source"), "both");
  EXPECT_EQ(Get("form.1.stamp.date_separator"), "/");
  EXPECT_EQ(Get("lookup.2.delimiter"), "9");
  EXPECT_EQ(Get("barcode.scan_mode"), "Laser");
  EXPECT_EQ(Get("barcode.timeout"), "3");
  EXPECT_EQ(Get("barcode.interleave25.first_length"), "126");
  EXPECT_EQ(Get("settings.key_click"), "Tone 2");
  EXPECT_EQ(Get("settings.backlight_timeout"), "2");
  EXPECT_EQ(Get("weight.prefix"), "23");
  EXPECT_EQ(Get("weight.mask"), "7");
  EXPECT_EQ(Get("texts.main_menu.0"), "1.Collect   ");
}

TEST_F(FieldNamesTest, ChoicesByLabelOrNumber) {
  EXPECT_FALSE(Set("menu.1.item.2.target", "Menu  3"));
  EXPECT_EQ(design_.menus[234 + 1], 13);
  EXPECT_FALSE(Set("form.2.line.1.type", "TEXT"));
  EXPECT_EQ(FormAt(design_, 1).type(0), kTypeText);
  EXPECT_FALSE(Set("form.2.line.1.type", "12"));
  EXPECT_EQ(Get("form.2.line.1.type"), "extension");
  EXPECT_FALSE(Set("form.2.next", "Beck to the error form"));
  EXPECT_EQ(FormAt(design_, 1).next_target(), 21);
  EXPECT_FALSE(Set("barcode.codabar.start_stop", "ABCD / TN*E"));
  EXPECT_EQ(design_.barcode[7] & 0x30, 0x30);
}

TEST_F(FieldNamesTest, BadValuesAreRefusedWithTheFieldAndWhatItAcceptsAndChangeNothing) {
  const Design before = design_;
  auto error = Set("form.1.line.1.max_length", "81");
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("form.1.line.1.max_length"), std::string::npos);
  EXPECT_NE(error->find("0..80"), std::string::npos);
  error = Set("form.1.line.1.type", "decimal");
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("\"compare\""), std::string::npos);
  EXPECT_TRUE(Set("settings.delimiter1", "13"));
  EXPECT_TRUE(Set("lookup.1.delimiter", "256"));
  EXPECT_TRUE(Set("settings.password", "abc-1"));
  EXPECT_TRUE(Set("settings.password", "12345678901"));
  EXPECT_TRUE(Set("form.1.line.1.prompt", std::string(17, 'x')));
  EXPECT_TRUE(Set("form.1.line.1.prompt", "bad\\q"));
  EXPECT_TRUE(Set("version_tag", "Q700RU005"));
  EXPECT_TRUE(Set("barcode.msi.first_length", "128"));
  EXPECT_TRUE(Set("weight.mask", "4"));
  EXPECT_TRUE(Set("form.1.line.1.min_length", "-1"));
  EXPECT_EQ(design_, before);
}

TEST_F(FieldNamesTest, BitFieldsChangeOnlyTheirBits) {
  EXPECT_FALSE(Set("barcode.industrial25.first_length", "2"));
  EXPECT_EQ(design_.barcode[12], 0x42);  // length mode bit 6 kept, low bits 2
  EXPECT_FALSE(Set("barcode.msi.first_length", "5"));
  EXPECT_EQ(design_.barcode[18], 0x85);
  EXPECT_FALSE(Set("form.1.fn.2.summation.multiply", "field 3"));
  EXPECT_FALSE(Set("form.1.fn.2.summation.field", "field 2"));
  EXPECT_EQ(FormAt(design_, 0).line(form_offset::kSummationFields, 1), 0x31);
}

TEST_F(FieldNamesTest, TextsAreEscapedBothWays) {
  EXPECT_FALSE(Set("form.1.line.1.suffix", "\\r\\n"));
  EXPECT_EQ(Get("form.1.line.1.suffix"), "\\r\\n");
  EXPECT_EQ(FormAt(design_, 0).suffix(0)[0], '\r');
  EXPECT_FALSE(Set("menu.1.caption", "Stock \\xC4\\\\"));
  EXPECT_EQ(Get("menu.1.caption"), "Stock \\xC4\\\\");
  EXPECT_FALSE(Set("form.1.line.1.input_mark", "_"));
  EXPECT_EQ(FormAt(design_, 0).input_mark(0), '_');
  EXPECT_FALSE(Set("form.1.line.1.input_mark", ""));
  EXPECT_EQ(FormAt(design_, 0).input_mark(0), 0);
  EXPECT_FALSE(UnescapeText("\\x4").has_value());
}

// Every label that 'tpq700 fields' lists is taken and read back as it is written, whatever the
// labels of a field have in common (blanks, case, digits that are numbers too).
TEST_F(FieldNamesTest, EveryChoiceTakesEachOfItsLabelsAndGivesItBack) {
  size_t choices = 0;
  for (const FieldInfo& f : DesignFields()) {
    if (f.kind != FieldKind::kChoice) continue;
    ++choices;
    EXPECT_FALSE(f.labels.empty()) << f.name;
    for (size_t i = 0; i < f.labels.size(); ++i) {
      const std::string& label = f.labels[i];
      ASSERT_FALSE(CheckFieldValue(f, label)) << f.name << "=" << label;
      ASSERT_FALSE(CheckFieldInDesign(f, design_, label)) << f.name << "=" << label;
      SetField(f, design_, label);
      EXPECT_EQ(FormatField(f, design_), label) << f.name;
      EXPECT_EQ(FieldNumber(f, design_), i) << f.name << "=" << label;
      EXPECT_NE(DescribeField(f).find(label), std::string::npos) << f.name;
    }
  }
  EXPECT_GT(choices, 1000u);
}

TEST_F(FieldNamesTest, ALabelWrittenExactlyWinsOverOnesThatDifferInCaseOnly) {
  struct Case {
    const char* value;
    int stored;  // -1: refused
  };
  const Case cases[] = {
      {"abcd / abcd", 0},  {"ABCD / ABCD", 2},
      {"abcd / tn*e", 1},  {"ABCD  /  TN*E", 3},  // blanks tidied
      {"Abcd / Abcd", -1},                        // both pairs match when case is ignored
      {"abcd / TN*E", -1},
  };
  const FieldInfo* f = FindField("barcode.codabar.start_stop");
  for (const Case& c : cases) {
    const auto error = Set(f->name, c.value);
    if (c.stored < 0) {
      ASSERT_TRUE(error) << c.value;
      EXPECT_NE(error->find("when case is ignored"), std::string::npos) << *error;
      EXPECT_NE(error->find(f->name), std::string::npos) << *error;
      continue;
    }
    ASSERT_FALSE(error) << c.value << ": " << *error;
    EXPECT_EQ(FieldNumber(*f, design_), static_cast<unsigned>(c.stored)) << c.value;
  }
  // A label that only one choice matches is taken in any case.
  EXPECT_FALSE(Set("form.1.line.1.type", "Fixed DATA"));
  EXPECT_EQ(Get("form.1.line.1.type"), "fixed data");
}

TEST_F(FieldNamesTest, TheNoMatchActionIsStoredTwoHigherUnderReadOnce) {
  const FieldInfo* f = FindField("lookup.2.no_match");
  ASSERT_FALSE(Set("lookup.2.no_match", "Clear the screen"));
  EXPECT_EQ(FieldNumber(*f, design_), 4u);
  ASSERT_FALSE(Set("lookup.2.read_once", "1"));
  // Stored 4 under read-once is "Insert to lookup file".
  EXPECT_EQ(Get("lookup.2.no_match"), "Insert to lookup file");
  ASSERT_FALSE(Set("lookup.2.no_match", "Show warning message & Insert"));
  EXPECT_EQ(FieldNumber(*f, design_), 5u);
  // Read-once offers only the two inserting actions; numbers stay as stored.
  const auto refused = CheckFieldInDesign(*f, design_, "Continue");
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("lookup.2.no_match"), std::string::npos);
  ASSERT_FALSE(Set("lookup.2.no_match", "1"));
  EXPECT_EQ(Get("lookup.2.no_match"), "1");
}

TEST_F(FieldNamesTest, StoredLimitsTakeWhatTheBytesHoldButNotAnotherVersionTag) {
  struct Case {
    const char* field;
    std::string value;
    bool editor;
    bool stored;
  };
  const Case cases[] = {
      {"form.1.line.1.max_length", "200", false, true},
      {"form.1.line.1.max_length", "256", false, false},
      {"menu.1.item.1.target", "25", false, true},
      {"lookup.1.delimiter", "13", false, true},
      {"weight.mask", "65535", false, true},
      {"form.1.line.1.prompt", std::string(16, 'x'), true, true},
      {"form.1.line.1.prompt", std::string(20, 'x'), false, true},
      {"form.1.line.1.prompt", std::string(21, 'x'), false, false},
      {"settings.password", "a-b", false, true},
      {"weight.mark", "43994", false, true},
      {"version_tag", "Q700RU004", false, true},
      {"version_tag", "Q700RU003", false, false},
      {"form.1.line.1.prefix", "A\\x00B", true, true},
  };
  for (const Case& c : cases) {
    const FieldInfo* f = FindField(c.field);
    ASSERT_NE(f, nullptr) << c.field;
    EXPECT_EQ(!CheckFieldValue(*f, c.value), c.editor) << c.field << "=" << c.value;
    EXPECT_EQ(!CheckFieldValue(*f, c.value, ValueLimits::kStored), c.stored)
        << c.field << "=" << c.value;
  }
  // Characters with a NUL between them read back whole.
  ASSERT_FALSE(Set("form.1.line.1.prefix", "A\\x00B"));
  EXPECT_EQ(Get("form.1.line.1.prefix"), "A\\x00B");
}

TEST_F(FieldNamesTest, AOneCharacterWeightPrefixIsRightAligned) {
  EXPECT_FALSE(Set("weight.prefix", "7"));
  EXPECT_EQ(design_.weight[4], ' ');
  EXPECT_EQ(design_.weight[5], '7');
}

}  // namespace
}  // namespace q700

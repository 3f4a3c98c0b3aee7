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

TEST_F(FieldNamesTest, AOneCharacterWeightPrefixIsRightAligned) {
  EXPECT_FALSE(Set("weight.prefix", "7"));
  EXPECT_EQ(design_.weight[4], ' ');
  EXPECT_EQ(design_.weight[5], '7');
}

}  // namespace
}  // namespace q700

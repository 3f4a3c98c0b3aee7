// The editor's rules run over fields changed by name: what each page and dialog makes of the
// change, and that nothing else moves.
#include "editor/field_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/page_test_support.h"
#include "model/field_names.h"
#include "model/form_record.h"
#include "support/recording_sink.h"

namespace q700::editor {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

class FieldRulesTest : public test::PageTest {
 protected:
  // Sets fields as they are, the way a design could come from a file.
  void SetAsIs(const Values& values) {
    for (const auto& [name, value] : values) Set(design_, name, value);
  }

  // Sets fields and runs the rules for those that changed.
  std::vector<DerivedValue> Change(const Values& values) {
    auto before = std::make_unique<Design>(design_);
    for (const auto& [name, value] : values) Set(design_, name, value);
    std::vector<const FieldInfo*> changed;
    for (const FieldInfo& f : DesignFields()) {
      if (!SameFieldValue(f, *before, design_)) changed.push_back(&f);
    }
    return ApplyEditorRules(session_, *before, design_, changed, sink_);
  }

  std::string Get(const std::string& name) {
    const FieldInfo* f = FindField(name);
    return f == nullptr ? "(no such field)" : FormatField(*f, design_);
  }

  static void Set(Design& design, const std::string& name, const std::string& value) {
    const FieldInfo* f = FindField(name);
    ASSERT_NE(f, nullptr) << name;
    ASSERT_FALSE(CheckFieldValue(*f, value, ValueLimits::kStored)) << name << "=" << value;
    SetField(*f, design, value);
  }

  q700::test::RecordingSink sink_;
};

struct RuleCase {
  const char* what;
  Values before;  // set as they are
  Values change;  // set with the rules
  Values expect;
};

TEST_F(FieldRulesTest, EachPageMakesOfAChangeWhatItMakesOfTheSameChangeOnTheEditor) {
  const std::string line = "form.1.line.1.";
  const RuleCase cases[] = {
      {"three delimited fields of 5, 10 and 3 characters",
       {},
       {{"lookup.1.field_count", "3"},
        {"lookup.1.field.1.length", "5"},
        {"lookup.1.field.2.length", "10"},
        {"lookup.1.field.3.length", "3"}},
       {{"lookup.1.member_length", "20"},
        {"lookup.1.field.1.offset", "1"},
        {"lookup.1.field.2.offset", "7"},
        {"lookup.1.field.3.offset", "18"},
        {"settings.menu_text.calculator", "9.Calculator    "}}},
      {"a delimited record without fields",
       {},
       {{"lookup.2.delimiter", "44"}},
       {{"lookup.2.member_length", "255"},
        {"lookup.2.field.1.offset", "1"},
        {"settings.menu_text.calculator", "8.Calculator    "}}},
      {"a fixed-length record keeps what was entered",
       {},
       {{"lookup.1.delimiter", "0"},
        {"lookup.1.field_count", "2"},
        {"lookup.1.member_length", "26"},
        {"lookup.1.field.2.offset", "7"}},
       {{"lookup.1.member_length", "26"}, {"lookup.1.field.2.offset", "7"}}},
      {"text to fixed data drops the line's details (their first characters)",
       {{line + "type", "text"},
        {line + "prefix_flag", "1"},
        {line + "prefix", "AB"},
        {line + "fixed_length_flag", "1"},
        {line + "fixed_length", "5"},
        {line + "initial_value_flag", "1"},
        {line + "initial_value", "7"}},
       {{line + "type", "fixed data"}},
       {{line + "prefix_flag", "0"},
        {line + "prefix", "\\x00B"},
        {line + "fixed_length_flag", "0"},
        {line + "fixed_length", "0"},
        {line + "initial_value_flag", "0"},
        {line + "initial_value", ""}}},
      {"text to integer keeps them",
       {{line + "type", "text"}, {line + "prefix_flag", "1"}, {line + "prefix", "AB"}},
       {{line + "type", "integer"}},
       {{line + "prefix_flag", "1"}, {line + "prefix", "AB"}}},
      {"details given with the change of type stay",
       {{line + "type", "text"}},
       {{line + "type", "fixed data"}, {line + "prefix_flag", "1"}, {line + "prefix", "XY"}},
       {{line + "prefix_flag", "1"}, {line + "prefix", "XY"}}},
      {"a pause reads the keypad",
       {{line + "type", "text"}, {line + "input_source", "reader"}},
       {{line + "type", "pause"}},
       {{line + "input_source", "keypad"}}},
      {"a boolean line takes one character",
       {},
       {{line + "type", "boolean"}, {line + "max_length", "5"}},
       {{line + "max_length", "1"}}},
      {"a minimum above the maximum comes down to it",
       {{line + "type", "text"}},
       {{line + "min_length", "30"}, {line + "max_length", "20"}},
       {{line + "min_length", "20"}, {line + "max_length", "20"}}},
      {"extension lines continue a prompt of 10 and 20 characters on a small-font form",
       {{line + "type", "text"}, {line + "prompt", "0123456789"}, {line + "max_length", "20"}},
       {{"form.1.line.2.type", "extension"}, {"form.1.line.3.type", "extension"}},
       {{"form.1.line.2.max_length", "14"}, {"form.1.line.3.max_length", "0"}}},
      {"the large font makes lines 5 to 8 nil and keeps their prompts",
       {{"form.1.line.5.type", "text"}, {"form.1.line.5.prompt", "Five"}},
       {{"form.1.font", "large"}},
       {{"form.1.line.5.type", "nil"}, {"form.1.line.5.prompt", "Five"}}},
      {"separate files and a saved caption pass it down",
       {},
       {{"settings.separate_files", "1"}, {"menu.1.save_caption", "1"}},
       {{"menu.1.pass_down", "1"}}},
      {"nothing saved passes nothing down",
       {{"settings.separate_files", "1"}, {"menu.1.save_caption", "1"}, {"menu.1.pass_down", "1"}},
       {{"menu.1.save_caption", "0"}},
       {{"menu.1.pass_down", "0"}}},
      {"without separate files a saved item leaves passing down to the user",
       {},
       {{"menu.1.save_item", "1"}},
       {{"menu.1.pass_down", "0"}}},
      {"an item of 14 characters in a large-font menu keeps 12",
       {{"menu.1.font", "large"}},
       {{"menu.1.item.1.text", "ABCDEFGHIJKLMN"}},
       {{"menu.1.item.1.text", "ABCDEFGHIJKL"}}},
      {"a 16-character caption stays when the font changes",
       {{"menu.1.caption", "0123456789ABCDEF"}},
       {{"menu.1.font", "large"}},
       {{"menu.1.caption", "0123456789ABCDEF"}}},
      {"Bluetooth SPP as upload port with the small font",
       {},
       {{"settings.upload_port", "Bluetooth SPP"}},
       {{"texts.upload_port.4", "3. Bluetooth SPP"}, {"settings.port_text_flags", "1"}}},
      {"from Bluetooth SPP to IrDA",
       {{"settings.upload_port", "Bluetooth SPP"},
        {"settings.port_text_flags", "1"},
        {"texts.upload_port.4", "3. Bluetooth SPP"}},
       {{"settings.upload_port", "IrDA"}},
       {{"texts.upload_port.4", "3. Modem        "}, {"settings.port_text_flags", "0"}}},
      {"Bluetooth SPP as download port",
       {},
       {{"settings.download_port", "Bluetooth SPP"}},
       {{"texts.download_port.5", "3. Bluetooth SPP"}, {"settings.port_text_flags", "2"}}},
      {"the large system font refills the screens that follow it",
       {},
       {{"settings.large_font", "1"}},
       {{"texts.utilities_menu.0", "1.Settings  "},
        {"settings.menu_text.buzzer", "7.Buzzer    "},
        {"texts.main_menu.0", "1.Collect   "}}},
      {"a row typed under the large font keeps 12 characters",
       {{"settings.large_font", "1"}},
       {{"texts.utilities_menu.0", "1234567890123456"}},
       {{"texts.utilities_menu.0", "123456789012"}}},
      {"no first delimiter, no second one",
       {{"settings.delimiter2", "44"}},
       {{"settings.delimiter1", "0"}},
       {{"settings.delimiter2", "0"}}},
      {"EAN128 alone",
       {},
       {{"barcode.code128", "0"}},
       {{"barcode.code128_family", "1"}, {"barcode.ean128", "1"}, {"barcode.code128.copy", "0"}}},
      {"neither Code 128 nor EAN128 leaves the copy bit",
       {{"barcode.code128.copy", "1"}},
       {{"barcode.code128", "0"}, {"barcode.ean128", "0"}},
       {{"barcode.code128_family", "0"}, {"barcode.code128.copy", "1"}}},
      {"Interleave 25 lengths of 0 and 0",
       {},
       {{"barcode.interleave25.first_length", "0"}, {"barcode.interleave25.second_length", "0"}},
       {{"barcode.interleave25.first_length", "1"}, {"barcode.interleave25.second_length", "1"}}},
      {"a second length above the first",
       {},
       {{"barcode.matrix25.first_length", "10"}, {"barcode.matrix25.second_length", "20"}},
       {{"barcode.matrix25.first_length", "10"}, {"barcode.matrix25.second_length", "10"}}},
      {"Codabar start/stop characters without transmitting them",
       {},
       {{"barcode.codabar.start_stop", "ABCD / TN*E"}},
       {{"barcode.codabar.start_stop", "abcd / abcd"}}},
      {"Codabar start/stop characters transmitted",
       {},
       {{"barcode.codabar.transmit_start_stop", "1"},
        {"barcode.codabar.start_stop", "ABCD / TN*E"}},
       {{"barcode.codabar.start_stop", "ABCD / TN*E"}}},
      {"block transmission sends the control characters",
       {},
       {{"settings.ac.block_transmission", "1"}},
       {{"settings.ac.control_chars", "1"}}},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.what);
    // A new design, default texts and editor state for each case.
    RefillTerminalTexts(texts_, defaults_);
    design_ = Design{};
    ResetDesign(design_, defaults_);
    session_.port_flags = 0;
    session_.large_font = false;
    SetAsIs(c.before);
    Change(c.change);
    for (const auto& [name, value] : c.expect) EXPECT_EQ(Get(name), value) << name;
  }
}

TEST_F(FieldRulesTest, ReadOnceKeepsTheActionTheUserChoseInItsStoredForm) {
  const FieldInfo* no_match = FindField("lookup.1.no_match");
  Change({{"lookup.1.read_once", "1"}, {"lookup.1.no_match", "Show warning message & Insert"}});
  EXPECT_EQ(FieldNumber(*no_match, design_), 5u);
  EXPECT_EQ(Get("lookup.1.no_match"), "Show warning message & Insert");
  // Any number of later changes to the lookup keep it.
  Change({{"lookup.1.upload", "0"}});
  EXPECT_EQ(FieldNumber(*no_match, design_), 5u);
  // Unticking read-once keeps the action, 2 lower.
  Change({{"lookup.1.read_once", "0"}});
  EXPECT_EQ(FieldNumber(*no_match, design_), 3u);
  EXPECT_EQ(Get("lookup.1.no_match"), "Show warning message & Insert");
}

TEST_F(FieldRulesTest, TellsWhichPageDerivedWhatAndLeavesOtherRecordsAlone) {
  // Form 2 holds what the editor would tidy; it is no part of the change.
  SetAsIs({{"form.2.line.1.type", "text"},
           {"form.2.line.1.min_length", "30"},
           {"form.2.line.1.max_length", "20"},
           {"lookup.2.field_count", "2"}});
  const std::vector<DerivedValue> derived = Change({{"lookup.1.field_count", "1"},
                                                    {"lookup.1.field.1.length", "4"},
                                                    {"form.1.line.1.type", "text"}});
  const auto by = [&](const std::string& name) -> std::string {
    for (const DerivedValue& d : derived) {
      if (d.field->name == name) return d.by;
    }
    return "";
  };
  EXPECT_EQ(by("lookup.1.member_length"), "the Lookup page");
  EXPECT_EQ(by("settings.menu_text.calculator"), "the Lookup page");
  EXPECT_EQ(by("lookup.1.field_count"), "");  // given, and kept
  EXPECT_EQ(derived.size(), 2u);
  EXPECT_EQ(Get("form.2.line.1.min_length"), "30");
  EXPECT_EQ(Get("lookup.2.member_length"), "0");
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(FieldRulesTest, APortOnlySomeTerminalsHaveAsksFirst) {
  Change({{"settings.upload_port", "Acoustic Coupler"}});
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text_id, 1147);
  sink_.answer = Answer::kCancel;
  Change({{"settings.download_port", "Bluetooth SPP"}});
  ASSERT_EQ(sink_.messages.size(), 2u);
  EXPECT_EQ(sink_.messages[1].text_id, 1149);
  // Cancel keeps the port shown before.
  EXPECT_EQ(Get("settings.download_port"), "Cradle-IR");
  EXPECT_EQ(Get("texts.download_port.5"), "3. Modem        ");
}

}  // namespace
}  // namespace q700::editor

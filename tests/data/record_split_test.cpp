// Records split back into the fields of their form: the composition's own examples read
// backwards, delimiters that only follow something, padding taken off by the alignment, and the
// records that fit no form, several forms or one form in several ways.
#include "data/record_split.h"

#include <gtest/gtest.h>

#include "model/form_record.h"
#include "tests/data/design_fixture.h"

namespace q700 {
namespace {

using Assignments = std::vector<std::pair<std::string, std::string>>;
using Values = std::vector<std::string>;

class RecordSplitTest : public test::DesignTest {
 protected:
  RecordSplitTest() { Start(); }

  // A comma between fields; form 1 with a text field "Item:".
  void Start() {
    Reset();
    Set({{"settings.delimiter1", "44"},
         {"form.1.line.1.type", "text"},
         {"form.1.line.1.prompt", "Item:"}});
  }

  RecordSplit Split(std::string_view record, std::vector<int> forms = {1}) {
    layouts_.clear();
    for (int form : forms) layouts_.push_back(RecordLayoutOf(design, form));
    return SplitRecord(layouts_, record);
  }

  Values Names(int form = 1) {
    Values names;
    for (const RecordColumn& column : RecordLayoutOf(design, form).columns) {
      names.push_back(column.name);
    }
    return names;
  }

  std::vector<RecordLayout> layouts_;
};

TEST_F(RecordSplitTest, ComposedRecordsSplitBack) {
  const std::string bottom = "appended to the bottom of a record";
  const struct {
    const char* what;
    Assignments set;
    const char* record;
    Values names;
    Values values;
  } cases[] = {
      {"default stamp at the bottom",
       {{"form.1.stamp.position", bottom}},
       "ABC,2026/03/05,09:07:30",
       {"Item", "Date", "Time"},
       {"ABC", "2026/03/05", "09:07:30"}},
      {"date and time not split",
       {{"form.1.stamp.position", bottom}, {"form.1.stamp.split", "0"}},
       "ABC,2026/03/0509:07:30",
       {"Item", "Date", "Time"},
       {"ABC", "2026/03/05", "09:07:30"}},
      {"right aligned, zeros, shorter than the length",
       {{"form.1.line.1.type", "integer"},
        {"form.1.line.1.fixed_length_flag", "1"},
        {"form.1.line.1.fixed_length", "6"},
        {"form.1.line.1.alignment", "3"}},
       "000042",
       {"Item"},
       {"42"}},
      {"fixed length cut the data",
       {{"form.1.line.1.type", "integer"},
        {"form.1.line.1.fixed_length_flag", "1"},
        {"form.1.line.1.fixed_length", "6"},
        {"form.1.line.1.alignment", "3"}},
       "123456",
       {"Item"},
       {"123456"}},
      {"a quantity of nothing but zeros is 0",
       {{"form.1.line.1.type", "integer"},
        {"form.1.line.1.fixed_length_flag", "1"},
        {"form.1.line.1.fixed_length", "5"},
        {"form.1.line.1.alignment", "3"}},
       "00000",
       {"Item"},
       {"0"}},
      {"an empty field keeps its prefix and suffix",
       {{"form.1.line.1.prefix_flag", "1"},
        {"form.1.line.1.prefix", "<"},
        {"form.1.line.1.suffix_flag", "1"},
        {"form.1.line.1.suffix", ">"}},
       "<>",
       {"Item"},
       {""}},
      {"no delimiter before the first field, even after an empty one",
       {{"form.1.line.2.type", "integer"}, {"form.1.line.2.prompt", "Qty:"}},
       "12",
       {"Item", "Qty"},
       {"", "12"}},
      {"counter, pass down, prompt and extension lines are no columns",
       {{"form.1.line.2.type", "extension"},
        {"form.1.line.3.type", "counter"},
        {"form.1.line.4.type", "pass down"},
        {"form.1.line.5.type", "prompt"},
        {"form.1.line.6.type", "letter"},
        {"form.1.line.6.prompt", "Code"}},
       "ABCDEFGHIJKLMNOPQRST,XY",
       {"Item", "Code"},
       {"ABCDEFGHIJKLMNOPQRST", "XY"}},
      {"fixed data is its prompt; a lookup column only when saved",
       {{"form.1.line.2.type", "fixed data"},
        {"form.1.line.2.prompt", "SHOP7"},
        {"form.1.line.3.type", "lookup"},
        {"form.1.line.3.prompt", "Desc:"},
        {"form.1.line.4.type", "lookup"},
        {"form.1.line.4.prompt", "Price:"},
        {"form.1.line.4.initial_value_flag", "1"}},
       "A1,SHOP7,2,50",
       {"Item", "Field 2", "Price"},
       {"A1", "SHOP7", "2,50"}},
      {"large font: lines 5 to 8 are not in the record",
       {{"form.1.font", "large"}, {"form.1.line.5.type", "text"}},
       "ABC",
       {"Item"},
       {"ABC"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Start();
    Set(c.set);
    EXPECT_EQ(Names(), c.names);
    const RecordSplit split = Split(c.record);
    ASSERT_EQ(split.outcome, RecordSplit::Outcome::kSplit) << c.record;
    EXPECT_EQ(split.values, c.values);
  }
}

TEST_F(RecordSplitTest, RecordsThatAreKeptWhole) {
  Set({{"form.1.line.2.type", "integer"},
       {"form.1.line.2.prompt", "Qty:"},
       {"form.2.line.1.type", "text"},
       {"form.2.line.2.type", "text"},
       {"form.3.line.1.type", "letter"},
       {"form.3.line.2.type", "integer"}});
  const struct {
    const char* record;
    std::vector<int> forms;
    RecordSplit::Outcome outcome;
    std::vector<int> fitting;
    const char* why;
  } cases[] = {
      {"A1,12", {1}, RecordSplit::Outcome::kSplit, {1}, "split"},
      // Form 1's second field is an integer: a letter cannot be in it.
      {"A1,1x", {1}, RecordSplit::Outcome::kNoForm, {}, "does not fit form 1"},
      // Text may hold the delimiter; the integer after it may not.
      {"A1,12,7", {1}, RecordSplit::Outcome::kSplit, {1}, "split"},
      {"A1;12", {1, 3}, RecordSplit::Outcome::kNoForm, {}, "fits no form"},
      // Form 3's first field takes letters alone.
      {"A1,12", {1, 3}, RecordSplit::Outcome::kSplit, {1}, "split"},
      {"AB,12", {1, 2, 3}, RecordSplit::Outcome::kSeveralForms, {1, 2, 3}, "fits forms 1, 2 and 3"},
      // The first field may be empty, and then no delimiter follows it: "x,y" is also the
      // record of an empty first field and "x,y" in the second.
      {"x,y", {2}, RecordSplit::Outcome::kSeveralWays, {2}, "fits form 2 in more than one way"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    const RecordSplit split = Split(c.record, c.forms);
    EXPECT_EQ(split.outcome, c.outcome);
    if (c.outcome == RecordSplit::Outcome::kSeveralForms) {
      EXPECT_EQ(split.forms, c.fitting);
    }
    if (c.outcome == RecordSplit::Outcome::kSplit) {
      EXPECT_EQ(layouts_[split.layout].form, c.fitting[0]);
    }
    if (*c.why != '\0') {
      EXPECT_EQ(DescribeUnsplit(split, layouts_), c.why);
    }
  }
}

TEST_F(RecordSplitTest, EntryLengthsAndClassesDecideTheCut) {
  // Without delimiters two fields of any length could be cut anywhere; the first field's fixed
  // minimum and maximum length, the letters and digits of the types leave one cut.
  Set({{"settings.delimiter1", "0"},
       {"form.1.line.1.type", "letter"},
       {"form.1.line.2.type", "integer"},
       {"form.1.line.2.prompt", "Qty:"}});
  ASSERT_EQ(Split("ABC123").outcome, RecordSplit::Outcome::kSplit);
  EXPECT_EQ(Split("ABC123").values, (Values{"ABC", "123"}));

  Set({{"form.1.line.1.type", "text"},
       {"form.1.line.1.min_length", "3"},
       {"form.1.line.1.max_length", "3"}});
  EXPECT_EQ(Split("A1B123").values, (Values{"A1B", "123"}));
  EXPECT_EQ(Split("AB").outcome, RecordSplit::Outcome::kNoForm);
  Set("form.1.line.1.max_length", "4");
  EXPECT_EQ(Split("A1B123").outcome, RecordSplit::Outcome::kSeveralWays);

  // A boolean holds one character; the stamp's digits only real months and days.
  Set({{"form.1.line.1.type", "boolean"},
       {"form.1.line.1.min_length", "1"},
       {"form.1.line.1.max_length", "1"},
       {"form.1.stamp.position", "appended to the bottom of a record"},
       {"form.1.stamp.split", "0"},
       {"form.1.stamp.date_separator_flag", "0"},
       {"form.1.stamp.time_separator_flag", "0"}});
  ASSERT_EQ(Split("Y720260305090730").outcome, RecordSplit::Outcome::kSplit);
  EXPECT_EQ(Split("Y720260305090730").values, (Values{"Y", "7", "20260305", "090730"}));
  EXPECT_EQ(Split("Y720261305090730").outcome, RecordSplit::Outcome::kNoForm);
  EXPECT_EQ(Split("YN20260305090730").outcome, RecordSplit::Outcome::kNoForm);
}

TEST_F(RecordSplitTest, FormsThatKeepRecords) {
  // Every form of a new design saves its record, but only those with data or a stamp count.
  Set({{"form.2.line.1.type", "text"},
       {"form.2.record_action", "pass down"},
       {"form.3.line.1.type", "text"},
       {"form.3.record_action", "nothing"},
       {"form.4.stamp.position", "added to the top of a record"},
       {"form.5.line.1.type", "integer"},
       {"form.5.record_action", "save & output screen"},
       {"form.6.line.1.type", "prompt"},
       {"form.7.line.1.type", "text"},
       {"form.7.record_action", "save & update"},
       {"form.8.line.1.type", "text"},
       {"form.8.record_action", "update lookup"},
       {"form.9.line.1.type", "text"},
       {"form.9.record_action", "save & output record"}});
  EXPECT_EQ(StoringForms(design), (std::vector<int>{1, 4, 5, 7, 9}));
}

}  // namespace
}  // namespace q700

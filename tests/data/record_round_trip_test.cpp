// The split is the exact reverse of the composition: values typed on the simulated terminal into
// the sample designs and into a few hundred generated ones (every alignment, delimiter count,
// prefix and suffix, stamp position, date style, year width and split flag, extension lines),
// composed by `simulate` into records, split back into exactly the values typed.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <sstream>

#include "cli/app.h"
#include "cli/design_file.h"
#include "cli/simulate.h"
#include "data/record_split.h"
#include "model/form_record.h"
#include "model/settings_block.h"
#include "simulator/keypad.h"
#include "tests/data/design_fixture.h"

namespace q700 {
namespace {

using Values = std::vector<std::string>;

std::vector<std::string> RecordLines(const std::string& output) {
  std::vector<std::string> records;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("record=", 0) == 0) records.push_back(line.substr(7));
  }
  return records;
}

Values Split(const Design& design, const std::string& record) {
  std::vector<RecordLayout> layouts;
  for (int form : StoringForms(design)) layouts.push_back(RecordLayoutOf(design, form));
  const RecordSplit split = SplitRecord(layouts, record);
  EXPECT_EQ(split.outcome, RecordSplit::Outcome::kSplit)
      << record << ": " << DescribeUnsplit(split, layouts);
  return split.values;
}

class SampleRoundTripTest : public ::testing::Test {
 protected:
  std::string Simulate(const std::string& sample, const std::string& keys) {
    std::ostringstream out, err;
    const int status = cli::Run({"tpq700", "simulate", std::string(Q700_SAMPLES_DIR) + "/" + sample,
                                 "--now", "2026-03-05T09:07:30", "--keys", keys},
                                out, err);
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
  }

  Design Load(const std::string& sample) {
    Design design;
    std::ostringstream out, err;
    cli::Context ctx(out, err);
    EXPECT_TRUE(cli::LoadDesignFile(ctx, std::string(Q700_SAMPLES_DIR) + "/" + sample, design));
    return design;
  }
};

TEST_F(SampleRoundTripTest, StockCountsAndDeliveryLines) {
  // Stock: a shelf, then two counts (article, quantity zero-filled to five digits, stamp).
  const std::string stock =
      Simulate("STOCK.TPX",
               "ENTER 1 ALPHA 2 ALPHA 1 2 ENTER 4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER 1 2 ENTER "
               "4 0 0 7 8 1 7 3 2 7 0 9 8 ENTER 3 ENTER ESC");
  const Design stock_design = Load("STOCK.TPX");
  const std::vector<std::string> counts = RecordLines(stock);
  ASSERT_EQ(counts.size(), 2u) << stock;
  EXPECT_EQ(Split(stock_design, counts[0]),
            (Values{"4006381333931", "12", "2026/03/05", "09:07:30"}));
  EXPECT_EQ(Split(stock_design, counts[1]),
            (Values{"4007817327098", "3", "2026/03/05", "09:07:30"}));

  // Delivery: two check-in lines (article, quantity, damaged N or Y).
  const std::string delivery = Simulate(
      "DELIVERY.TPX",
      "ENTER 1 2 3 4 5 6 ENTER 1 0 0 4 2 ENTER 4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER 2 4 ENTER ENTER "
      "4 0 0 7 8 1 7 3 2 7 0 9 8 ENTER 6 ENTER ALPHA 9 9 9 ALPHA ENTER");
  const Design delivery_design = Load("DELIVERY.TPX");
  const std::vector<std::string> lines = RecordLines(delivery);
  ASSERT_EQ(lines.size(), 2u) << delivery;
  EXPECT_EQ(Split(delivery_design, lines[0]), (Values{"4006381333931", "24", "N"}));
  EXPECT_EQ(Split(delivery_design, lines[1]), (Values{"4007817327098", "6", "Y"}));
}

// ---------------------------------------------------------------------------------------------
// Generated designs.

using namespace form_offset;

struct Field {
  int line = 0;
  uint8_t type = kTypeText;
  bool fixed = false;
  uint8_t alignment = 0;
  int fixed_length = 0;
  int max_length = 12;
  bool may_be_empty = false;
  std::string fixed_value;  // fixed data and saved lookup data: not typed
};

struct Plan {
  std::vector<Field> fields;  // the lines whose data is in the record, in line order
  int stamp = 0;
  bool date = false, time = false;
  // What the design has of the layouts the split must reverse, to check that all are covered.
  std::set<std::string> features;
};

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(int percent) { return Pick(100) < percent; }
  template <typename T>
  T Of(std::initializer_list<T> choices) {
    return *(choices.begin() + Pick(static_cast<int>(choices.size())));
  }
  std::string Text(std::string_view alphabet, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += alphabet[static_cast<size_t>(Pick(alphabet.size()))];
    return text;
  }

  Plan MakeDesign(Design& design) {
    Plan plan;
    const int delimiters = Pick(3);
    const std::string choices = Of<std::string>({",;", ";|", "|,", "\t,"});
    design.settings[settings_offset::kStartTarget] = 0;
    design.settings[settings_offset::kFirstDelimiter] = delimiters >= 1 ? choices[0] : 0;
    design.settings[settings_offset::kSecondDelimiter] = delimiters == 2 ? choices[1] : 0;
    plan.features.insert("delimiters " + std::to_string(delimiters));

    FormRecord form = FormAt(design, 0);
    const bool large = Chance(25);
    form.font_size() = large ? 1 : 0;
    if (large) plan.features.insert("large font");
    form.record_action() = Of<uint8_t>({0, 2, 6, 7});
    form.next_target() = 1;
    form.escape_target() = 0;
    MakeStamp(form, plan);

    const int lines = large ? 4 : kFormLines;
    // The record's first stretch is never empty: the stamp on top, or the first field.
    bool started = plan.stamp == kStampTop && (plan.date || plan.time);
    bool entry_seen = false;
    for (int i = 0; i < lines; ++i) {
      const int left = lines - i;
      if (entry_seen && Chance(20)) break;
      // The last line left is an entry line, so the form can be completed.
      const int kind = left == 1 && !entry_seen ? 0 : Pick(10);
      if (kind == 7 || kind == 8) {  // lines that show but store nothing
        form.type(i) = kind == 7 ? kTypePrompt : kTypeCounter;
        SetSlotText(form.prompt(i), kind == 7 ? "Note" : "N:");
        continue;
      }
      Field field;
      field.line = i;
      if (kind == 5 && started) {
        field.type = kTypeFixedData;
      } else if (kind == 6 && started) {
        field.type = kTypeLookup;
      } else {
        field.type = Of<uint8_t>(
            {kTypeText, kTypeText, kTypeInteger, kTypeReal, kTypeLetter, kTypeAuto, kTypeBoolean});
      }
      form.type(i) = field.type;
      plan.features.insert("type " + std::to_string(field.type));
      SetSlotText(form.prompt(i), "F" + std::to_string(i + 1) + ":");
      field.fixed = delimiters == 0 || Chance(40);
      if (field.fixed) {
        field.fixed_length = 1 + Pick(8);
        field.alignment = static_cast<uint8_t>(Pick(4));
        form.line(kFixedLengthFlag, i) = 1;
        form.line(kFixedLength, i) = static_cast<uint8_t>(field.fixed_length);
        form.line(kAlignment, i) = field.alignment;
        plan.features.insert("alignment " + std::to_string(field.alignment));
      }
      if (Chance(30)) {
        form.line(kPrefixFlag, i) = 1;
        plan.features.insert("prefix");
        SetSlotText(form.prefix(i), Text("PQ#<*", 1 + Pick(3)));
      }
      if (Chance(30)) {
        form.line(kSuffixFlag, i) = 1;
        plan.features.insert("suffix");
        SetSlotText(form.suffix(i), Text(">Z!", 1 + Pick(2)));
      }
      const int most = field.fixed ? field.fixed_length : 12;
      if (field.type == kTypeFixedData) {
        field.fixed_value = Value(field, 1 + Pick(std::min(most, 8)));
        SetSlotText(form.prompt(i), field.fixed_value);
      } else if (field.type == kTypeLookup) {
        field.fixed_value = Value(field, 1 + Pick(std::min(most, 9)));
        form.line(kInitialFlag, i) = 1;
        SetSlotText(form.initial_value(i), field.fixed_value);
      } else {
        entry_seen = true;
        field.max_length = field.type == kTypeBoolean ? 1 : most;
        // Fields after a started record may be left empty; the first one is entered.
        field.may_be_empty = started && !field.fixed && field.type != kTypeBoolean;
        form.min_length(i) = field.may_be_empty ? 0 : 1;
        form.max_length(i) = static_cast<uint8_t>(field.max_length);
        // A text field long enough to go on over an extension line below it.
        if (field.type == kTypeText && i + 1 < lines && Chance(25)) {
          field.max_length = field.fixed ? field.fixed_length : 20;
          form.max_length(i) = static_cast<uint8_t>(field.fixed ? 20 : field.max_length);
          form.type(i + 1) = kTypeExtension;
          plan.features.insert("extension");
          plan.fields.push_back(field);
          ++i;
          started = true;
          continue;
        }
      }
      plan.fields.push_back(field);
      started = true;
    }
    ClearUnusedDetails(design.forms);
    NormaliseCommittedForms(design.forms);
    return plan;
  }

  // A value the field can hold, `length` characters that its padding does not eat.
  std::string Value(const Field& field, int length) {
    std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-./";
    if (field.type == kTypeInteger || field.type == kTypeReal) alphabet = "0123456789";
    if (field.type == kTypeAuto) alphabet = "0123456789.";
    if (field.type == kTypeLetter) alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (field.type == kTypeBoolean) alphabet = "01";
    if (field.type >= kTypeLookup) alphabet = alphabet.substr(0, 36);  // no marks
    std::string value = Text(alphabet, length);
    if (field.fixed && field.alignment >= 2) {
      // Zeros on the padded side would be taken for padding.
      char& edge = field.alignment == 3 ? value.front() : value.back();
      if (edge == '0') edge = '1';
    }
    return value;
  }

  // Keys that type `value` into the current field and ENTER; `alpha` follows the alpha mode.
  // Letters are tapped in alpha mode and committed by seven ticks.
  void TypeKeys(const std::string& value, bool& alpha, std::vector<cli::SimulatorInput>& keys) {
    for (char c : value) {
      for (int key = 1; key <= kKeyCount; ++key) {
        const size_t taps = AlphaLetters(key).find(c) + 1;
        if (KeyCharacter(key) != c && taps == 0) continue;
        if ((taps != 0) != alpha) keys.push_back({kKeyAlpha, 0});
        alpha = taps != 0;
        keys.insert(keys.end(), alpha ? taps : 1, {key, 0});
        if (alpha) keys.push_back({0, 7});
        break;
      }
    }
    keys.push_back({kKeyEnter, 0});
  }

 private:
  void MakeStamp(FormRecord form, Plan& plan) {
    plan.stamp = Pick(3);
    form.at(kStampPosition) = static_cast<uint8_t>(plan.stamp);
    form.at(kStampSplit) = Chance(50);
    for (size_t flag : {kYearFlag, kMonthFlag, kDayFlag, kHourFlag, kMinuteFlag, kSecondFlag,
                        kDateSeparatorFlag, kTimeSeparatorFlag}) {
      form.at(flag) = Chance(65);
    }
    form.at(kYearDigits) = Chance(50);
    form.at(kDateStyle) = static_cast<uint8_t>(Pick(3));
    SetSlotText(form.bytes().subspan(kDateSeparator, 2), Text("/.-", 1));
    SetSlotText(form.bytes().subspan(kTimeSeparator, 2), Text(":.", 1));
    plan.date = form.at(kYearFlag) || form.at(kMonthFlag) || form.at(kDayFlag);
    plan.time = form.at(kHourFlag) || form.at(kMinuteFlag) || form.at(kSecondFlag);
    if (plan.stamp == 0) plan.date = plan.time = false;
    plan.features.insert("stamp " + std::to_string(plan.stamp));
    if (plan.date) {
      plan.features.insert("date style " + std::to_string(form.at(kDateStyle)));
      if (form.at(kYearFlag)) plan.features.insert(form.at(kYearDigits) ? "year 2" : "year 4");
    }
    if (plan.date && plan.time) plan.features.insert(form.at(kStampSplit) ? "split" : "not split");
  }

  std::mt19937 rng_;
};

// The stamp's texts for a moment, by the form's flags: each number two digits (a four-digit
// year), a separator between a part and an earlier one when the separator flag is set.
std::string StampPart(FormRecord form, const std::array<std::pair<size_t, int>, 3>& parts,
                      size_t separator_flag, size_t separator) {
  std::string text;
  bool earlier = false;
  for (const auto& [flag, value] : parts) {
    if (form.at(flag) == 0) continue;
    if (earlier && form.at(separator_flag) != 0)
      text += SlotText(form.bytes().subspan(separator, 2));
    char digits[8];
    const bool four = flag == kYearFlag && form.at(kYearDigits) == 0;
    std::snprintf(digits, sizeof digits, four ? "%04d" : "%02d",
                  flag == kYearFlag && !four ? value % 100 : value);
    text += digits;
    earlier = true;
  }
  return text;
}

class GeneratedRoundTripTest : public test::DesignTest {};

TEST_F(GeneratedRoundTripTest, TypedValuesComeBack) {
  constexpr int kDesigns = 300;
  constexpr int kRecords = 3;
  TextLoader texts;
  std::set<std::string> covered;
  for (int seed = 1; seed <= kDesigns; ++seed) {
    SCOPED_TRACE("design " + std::to_string(seed));
    Reset();
    Generator gen(static_cast<uint32_t>(seed));
    const Plan plan = gen.MakeDesign(design);
    covered.insert(plan.features.begin(), plan.features.end());
    const LocalTime now{1990 + gen.Pick(110), 1 + gen.Pick(12), 1 + gen.Pick(28),
                        gen.Pick(24),         gen.Pick(60),     gen.Pick(60)};
    FormRecord form = FormAt(design, 0);
    const std::array<std::pair<size_t, int>, 3> date_order[] = {
        {{{kYearFlag, now.year}, {kMonthFlag, now.month}, {kDayFlag, now.day}}},
        {{{kMonthFlag, now.month}, {kDayFlag, now.day}, {kYearFlag, now.year}}},
        {{{kDayFlag, now.day}, {kMonthFlag, now.month}, {kYearFlag, now.year}}}};
    const std::string stamp_date =
        StampPart(form, date_order[form.at(kDateStyle)], kDateSeparatorFlag, kDateSeparator);
    const std::string stamp_time = StampPart(
        form, {{{kHourFlag, now.hour}, {kMinuteFlag, now.minute}, {kSecondFlag, now.second}}},
        kTimeSeparatorFlag, kTimeSeparator);

    std::vector<cli::SimulatorInput> keys = {{1, 0}};  // Collect
    bool alpha = false;
    std::vector<Values> expected;
    for (int r = 0; r < kRecords; ++r) {
      Values values;
      if (plan.stamp == kStampTop) {
        if (plan.date) values.push_back(stamp_date);
        if (plan.time) values.push_back(stamp_time);
      }
      for (const Field& field : plan.fields) {
        if (!field.fixed_value.empty()) {
          values.push_back(field.fixed_value);
          continue;
        }
        const int shortest = field.may_be_empty && gen.Chance(15) ? 0 : 1;
        const int length = shortest + gen.Pick(field.max_length - shortest + 1);
        const std::string value = gen.Value(field, length);
        if (value.empty()) covered.insert("empty value");
        values.push_back(value);
        gen.TypeKeys(value, alpha, keys);
      }
      if (plan.stamp == kStampBottom) {
        if (plan.date) values.push_back(stamp_date);
        if (plan.time) values.push_back(stamp_time);
      }
      expected.push_back(values);
    }
    FakeClock clock(now);
    std::ostringstream out;
    Design run = design;
    cli::RunSimulation(run, clock, keys, texts, out);
    const std::vector<std::string> records = RecordLines(out.str());
    ASSERT_EQ(records.size(), expected.size()) << out.str();
    for (size_t r = 0; r < records.size(); ++r) {
      EXPECT_EQ(Split(design, records[r]), expected[r]) << "record " << records[r];
    }
    if (HasFailure()) return;  // one design's story is enough to read
  }
  for (const char* feature :
       {"delimiters 0", "delimiters 1", "delimiters 2", "large font", "alignment 0",
        "alignment 1",  "alignment 2",  "alignment 3",  "prefix",     "suffix",
        "extension",    "stamp 0",      "stamp 1",      "stamp 2",    "date style 0",
        "date style 1", "date style 2", "year 2",       "year 4",     "split",
        "not split",    "empty value",  "type 1",       "type 2",     "type 3",
        "type 4",       "type 5",       "type 6",       "type 7",     "type 8"}) {
    EXPECT_EQ(covered.count(feature), 1u) << "no design had " << feature;
  }
}

}  // namespace
}  // namespace q700

// Collected records as a table: column names from the prompts, CSV and JSON Lines rows in UTF-8,
// records kept whole, and the file that a batch is appended to.
#include "data/record_table.h"

#include <gtest/gtest.h>

#include <ctime>

#include "base/clock.h"
#include "model/form_record.h"
#include "tests/data/design_fixture.h"
#include "tests/support/scoped_env.h"

namespace q700 {
namespace {

using Names = std::vector<std::string>;

class RecordTableTest : public test::DesignTest {
 protected:
  RecordTableTest() {
    Set({{"settings.delimiter1", "59"},
         {"form.1.line.1.type", "text"},
         {"form.1.line.1.prompt", "Item:"},
         {"form.1.line.2.type", "integer"},
         {"form.1.line.2.prompt", " Qty :"},
         {"form.1.stamp.position", "appended to the bottom of a record"}});
  }

  RecordTable Table(std::vector<int> forms, TableOptions options = {}) {
    std::vector<RecordLayout> layouts;
    for (int form : forms) layouts.push_back(RecordLayoutOf(design, form));
    return RecordTable(std::move(layouts), options);
  }
};

TEST_F(RecordTableTest, ColumnNames) {
  // Prompts without their colon and blanks; a prompt that repeats another, or a name of the
  // table's own, is numbered; the stamp keeps "Date" and "Time"; a line without a prompt and a
  // fixed data line are named by their line.
  Set({{"form.1.line.3.type", "text"},
       {"form.1.line.3.prompt", "Item"},
       {"form.1.line.4.type", "text"},
       {"form.1.line.4.prompt", "Date:"},
       {"form.1.line.5.type", "text"},
       {"form.1.line.6.type", "fixed data"},
       {"form.1.line.6.prompt", "SHOP"},
       {"form.1.line.7.type", "text"},
       {"form.1.line.7.prompt", "batch"},
       {"form.2.line.1.type", "text"},
       {"form.2.line.1.prompt", "Form:"},
       {"form.2.line.2.type", "integer"},
       {"form.2.line.2.prompt", "Qty:"}});
  EXPECT_EQ(Table({1}).columns(), (Names{"Item", "Qty", "Item 2", "Date 2", "Field 5", "Field 6",
                                         "batch", "Date", "Time", "unsplit"}));
  TableOptions origin;
  origin.origin = true;
  EXPECT_EQ(Table({1}, origin).columns(),
            (Names{"received_at", "port", "batch", "Item", "Qty", "Item 2", "Date 2", "Field 5",
                   "Field 6", "batch 2", "Date", "Time", "unsplit"}));
  // Two forms: a "Form" column, and the forms share the columns of the same name.
  EXPECT_EQ(Table({2, 1}).columns(),
            (Names{"Form", "Form 2", "Qty", "Item", "Item 2", "Date 2", "Field 5", "Field 6",
                   "batch", "Date", "Time", "unsplit"}));
}

TEST_F(RecordTableTest, CsvAndJsonRows) {
  Set({{"form.2.line.1.type", "letter"}, {"form.2.line.1.prompt", "Shelf:"}});
  const RecordTable csv = Table({1, 2});
  EXPECT_EQ(csv.Header(), "Form,Item,Qty,Date,Time,Shelf,unsplit\r\n");
  const struct {
    const char* record;
    const char* csv;
    const char* json;
    bool split;
  } cases[] = {
      {"A1;12;2026/03/05;09:07:30", "1,A1,12,2026/03/05,09:07:30,,\r\n",
       R"({"Form":1,"Item":"A1","Qty":"12","Date":"2026/03/05","Time":"09:07:30"})"
       "\n",
       true},
      {"B", "2,,,,,B,\r\n",
       R"({"Form":2,"Shelf":"B"})"
       "\n",
       true},
      // Quotes, commas and line feeds are quoted in CSV and escaped in JSON.
      {"a \"big\", one;12;2026/03/05;09:07:30",
       "1,\"a \"\"big\"\", one\",12,2026/03/05,09:07:30,,\r\n",
       R"({"Form":1,"Item":"a \"big\", one","Qty":"12","Date":"2026/03/05","Time":"09:07:30"})"
       "\n",
       true},
      {"no;fit", ",,,,,,no;fit\r\n",
       R"({"unsplit":"no;fit"})"
       "\n",
       false},
  };
  TableOptions jsonl;
  jsonl.format = TableFormat::kJsonLines;
  const RecordTable json = Table({1, 2}, jsonl);
  EXPECT_EQ(json.Header(), "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    const RecordTable::Row row = csv.Format(c.record);
    EXPECT_EQ(row.text, c.csv);
    EXPECT_EQ(row.split, c.split);
    EXPECT_EQ(row.problem.empty(), c.split);
    EXPECT_EQ(json.Format(c.record).text, c.json);
  }

  // A batch's origin comes first.
  TableOptions origin;
  origin.origin = true;
  const BatchOrigin batch{"2026-03-05T09:07:30+01:00", "/dev/ttyS0", 3};
  EXPECT_EQ(Table({2}, origin).Format("B", &batch).text,
            "2026-03-05T09:07:30+01:00,/dev/ttyS0,3,B,\r\n");
  origin.format = TableFormat::kJsonLines;
  EXPECT_EQ(Table({2}, origin).Format("B", &batch).text,
            R"({"received_at":"2026-03-05T09:07:30+01:00","port":"/dev/ttyS0","batch":3,)"
            R"("Shelf":"B"})"
            "\n");
}

TEST_F(RecordTableTest, CodePages) {
  // Cyrillic in code page 1251: "Кол:" (0xCA 0xEE 0xEB) and "Ящик" (0xDF 0xF9 0xE8 0xEA).
  Set({{"form.3.line.1.type", "text"}});
  std::string prompt = "\xCA\xEE\xEB:";
  for (size_t i = 0; i < prompt.size(); ++i) {
    design.forms[2 * kFormRecordSize + form_offset::kPrompt + i] = static_cast<uint8_t>(prompt[i]);
  }
  TableOptions cyrillic;
  cyrillic.code_page = 1251;
  const RecordTable table = Table({3}, cyrillic);
  EXPECT_EQ(table.columns(), (Names{"Кол", "unsplit"}));
  EXPECT_EQ(table.Format("\xDF\xF9\xE8\xEA").text, "Ящик,\r\n");
  // 1252 leaves 0x81 undefined (Windows' own converter maps it to a control character): the
  // record is kept whole, the byte written as \x81.
  if (CodePageToUtf8("\x81", 1252).ok) return;
  const RecordTable western = Table({3});
  const RecordTable::Row row = western.Format(
      "A\x81"
      "B");
  EXPECT_FALSE(row.split);
  EXPECT_EQ(row.text, ",A\\x81B\r\n");
  EXPECT_EQ(row.problem, "the byte 0x81 is no character of code page 1252");
}

TEST_F(RecordTableTest, ExistingFiles) {
  TableOptions csv_options;
  csv_options.origin = true;
  const RecordTable csv = Table({1}, csv_options);
  const std::string header = "received_at,port,batch,Item,Qty,Date,Time,unsplit\r\n";
  const std::string row = "2026-03-05T09:07:30+01:00,COM3,7,A1,12,2026/03/05,09:07:30,\r\n";
  const struct {
    const char* what;
    std::string contents;
    bool ok;
    bool has_header;
    bool ends_in_line;
    int last_batch;
  } csv_cases[] = {
      {"empty", "", true, false, true, 0},
      {"header only", header, true, true, true, 0},
      {"two batches", header + row + "x,\"COM,4\",12,,,,,\"a\r\nb\"\r\n" + row, true, true, true,
       12},
      {"last row without its line end", header + row.substr(0, row.size() - 2), true, true, false,
       7},
      {"with a byte-order mark", "\xEF\xBB\xBF" + header + row, true, true, true, 7},
      {"other columns", "Item,Qty\r\n", false, true, true, 0},
      {"batch that is no number", header + "x,COM3,two,A,1,,,\r\n", false, true, true, 0},
      {"quote never closed", header + "x,\"COM3,1\r\n", false, false, true, 0},
  };
  for (const auto& c : csv_cases) {
    SCOPED_TRACE(c.what);
    const ExistingTable existing = ReadExistingTable(c.contents, csv);
    EXPECT_EQ(existing.ok, c.ok) << existing.error;
    if (!c.ok) continue;
    EXPECT_EQ(existing.has_header, c.has_header);
    EXPECT_EQ(existing.ends_in_line, c.ends_in_line);
    EXPECT_EQ(existing.last_batch, c.last_batch);
  }
  EXPECT_EQ(ReadExistingTable("Item,Qty\r\n", csv).error,
            "its columns are Item,Qty, not "
            "received_at,port,batch,Item,Qty,Date,Time,unsplit");

  // Appending: the header once, a line end where one was missing.
  EXPECT_EQ(AppendBatch("", ReadExistingTable("", csv), csv, {row}), header + row);
  const std::string cut = header + row.substr(0, row.size() - 2);
  EXPECT_EQ(AppendBatch(cut, ReadExistingTable(cut, csv), csv, {row}), header + row + row);

  TableOptions json_options;
  json_options.origin = true;
  json_options.format = TableFormat::kJsonLines;
  const RecordTable json = Table({1}, json_options);
  EXPECT_EQ(ReadExistingTable("{\"batch\":2}\n\n{\"batch\":5,\"Item\":\"A\"}", json).last_batch, 5);
  EXPECT_FALSE(ReadExistingTable("{\"batch\":2}\nA1;12\n", json).ok);
  EXPECT_FALSE(ReadExistingTable("[1,2]\n", json).ok);
  EXPECT_FALSE(ReadExistingTable("{\"batch\":\"2\"}\n", json).ok);
  EXPECT_EQ(AppendBatch("{\"batch\":1}", ReadExistingTable("{\"batch\":1}", json), json,
                        {"{\"batch\":2}\n"}),
            "{\"batch\":1}\n{\"batch\":2}\n");
}

TEST(IsoLocalTimeTest, LocalTimeWithItsOffset) {
  // 2026-03-05 08:07:30 UTC.
  const std::time_t moment = 1772698050;
  const struct {
    const char* zone;
    const char* text;
  } cases[] = {
      {"UTC0", "2026-03-05T08:07:30+00:00"},
      {"CET-1", "2026-03-05T09:07:30+01:00"},
      {"IST-5:30", "2026-03-05T13:37:30+05:30"},
      {"EST5", "2026-03-05T03:07:30-05:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    test::ScopedEnv zone("TZ", c.zone);
#ifdef _WIN32
    _tzset();
#else
    tzset();
#endif
    EXPECT_EQ(IsoLocalTime(moment), c.text);
  }
#ifdef _WIN32
  _tzset();
#else
  tzset();
#endif
}

}  // namespace
}  // namespace q700

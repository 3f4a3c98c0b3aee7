// The PostgreSQL tables of collected records: names, types from the fields, values as the server
// takes them, and connection strings without their passwords.
#include "data/postgres/pg_schema.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "cli/design_file.h"

namespace q700 {
namespace {

TEST(PgSchemaTest, TableNamesFromTheDesignAndForm) {
  EXPECT_EQ(PgTableName("STOCK", "form2"), "stock_form2");
  EXPECT_EQ(PgTableName("Lager Süd-2", "form10"), "lager_s__d_2_form10");
  EXPECT_EQ(PgTableName("", "batches"), "records_batches");
  const std::string cut = PgTableName(std::string(80, 'a'), "unsplit");
  EXPECT_EQ(cut.size(), 63u);
  EXPECT_EQ(cut.substr(cut.size() - 8), "_unsplit");
  EXPECT_EQ(PgQuoteIdent("Qty \"x\""), "\"Qty \"\"x\"\"\"");
}

TEST(PgSchemaTest, PasswordsAreLeftOut) {
  const std::pair<const char*, const char*> cases[] = {
      {"postgresql://stock:geheim@db/shop", "postgresql://stock@db/shop"},
      {"postgres://stock@db:5433/shop", "postgres://stock@db:5433/shop"},
      {"postgresql://stock@db/shop?password=geheim&sslmode=require",
       "postgresql://stock@db/shop?sslmode=require"},
      {"postgresql:///shop?host=/run/pg&password=geheim", "postgresql:///shop?host=/run/pg"},
      {"host=db password='ge heim' dbname=shop", "host=db dbname=shop"},
      {"password=geheim host=db", "host=db"},
  };
  for (const auto& [given, shown] : cases) EXPECT_EQ(PgRedact(given), shown) << given;
}

class StockTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Design design;
    std::ostringstream out, err;
    cli::Context ctx(out, err);
    ASSERT_TRUE(cli::LoadDesignFile(ctx, std::string(Q700_SAMPLES_DIR) + "/STOCK.TPX", design));
    layout = RecordLayoutOf(design, 2);
    table = PgTableOf(layout, {"Item", "Qty", "Date", "Time"}, "STOCK");
  }
  std::optional<std::string> Value(size_t column, std::string_view text, bool* fits) {
    std::optional<std::string> value;
    *fits = PgValue(layout, column, table.columns[column].type, text, &value);
    return value;
  }
  RecordLayout layout;
  PgTable table;
};

TEST_F(StockTableTest, CountFormTypesAndValues) {
  EXPECT_EQ(table.name, "stock_form2");
  ASSERT_EQ(table.columns.size(), 4u);
  EXPECT_EQ(table.columns[2].type, "date");
  EXPECT_EQ(table.columns[3].type, "time");
  EXPECT_EQ(PgCreateTableSql(table).rfind("CREATE TABLE IF NOT EXISTS \"stock_form2\" "
                                          "(received_at timestamptz NOT NULL, port text NOT "
                                          "NULL, batch bigint NOT NULL, \"Item\" ",
                                          0),
            0u);

  struct Case {
    size_t column;
    const char* text;
    bool fits;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {2, "2026/03/05", true, "2026-03-05"},
      {2, "2024/02/29", true, "2024-02-29"},  // a leap day
      {2, "2026/02/29", false, std::nullopt},
      {2, "2026-03-05", false, std::nullopt},  // not the design's separator
      {2, "", true, std::nullopt},             // an empty stamp is NULL
      {3, "09:07:30", true, "09:07:30"},
      {3, "24:00:00", false, std::nullopt},
      {1, "12", true, "12"},
  };
  for (const Case& c : cases) {
    bool fits = false;
    const std::optional<std::string> value = Value(c.column, c.text, &fits);
    EXPECT_EQ(fits, c.fits) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(PgSchemaTest, NumbersOfTheNumericTypes) {
  RecordLayout layout;
  const std::pair<const char*, bool> numeric[] = {
      {"12.50", true}, {"-3", true}, {"+.5", true}, {".", false}, {"1.2.3", false}, {"1e3", false}};
  for (const auto& [text, fits] : numeric) {
    std::optional<std::string> value;
    EXPECT_EQ(PgValue(layout, 0, "numeric", text, &value), fits) << text;
  }
  std::optional<std::string> value;
  EXPECT_TRUE(PgValue(layout, 0, "bigint", "-123456789012345678", &value));
  EXPECT_FALSE(PgValue(layout, 0, "bigint", "1234567890123456789", &value));  // past 18 digits
  EXPECT_FALSE(PgValue(layout, 0, "bigint", "12a", &value));
  EXPECT_TRUE(PgValue(layout, 0, "text", "", &value));
  EXPECT_EQ(value, std::string());  // text keeps an empty value
}

}  // namespace
}  // namespace q700

// Designs as text: show --json and new --from give the same file back, byte for byte; texts are
// UTF-8 on the command line and in JSON and bytes of the code page in the design; set runs the
// editor's rules and says what they derived; check names what a terminal cannot use.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "cli/command.h"
#include "cli/design_file.h"
#include "cli/design_json.h"
#include "model/defaults.h"
#include "model/field_names.h"
#include "model/project_file.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"
#include "texts/code_page.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::cli {
namespace {

using ::q700::test::ReadFileBytes;
using ::q700::test::TempDir;

using Result = ::q700::test::ToolResult;
using ::q700::test::Tool;

class DesignTextTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return (folder_ / name).string(); }

  std::string NewFile(const std::string& name) {
    const std::string path = Path(name);
    EXPECT_EQ(Tool({"new", "--force", path}).status, 0);
    return path;
  }

  // show --json, then new --from: the file that comes back.
  std::string RoundTrip(const std::string& path) {
    const Result shown = Tool({"show", path, "--json"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    const std::string json = folder_.Write("design.json", shown.out).string();
    const std::string back = Path("back.TPX");
    const Result built = Tool({"new", "--force", back, "--from", json});
    EXPECT_EQ(built.status, 0) << built.err;
    return ReadFileBytes(back);
  }

  TempDir folder_;
};

// A value for a field as far as its bytes hold it.
std::string RandomValue(const FieldInfo& f, std::mt19937& random) {
  const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  const unsigned range = f.word ? 65536u : 1u << f.bit_width;
  switch (f.kind) {
    case FieldKind::kNumber:
      return std::to_string(below(range));
    case FieldKind::kChoice:
      if (below(2) == 0) return f.labels[below(static_cast<unsigned>(f.labels.size()))];
      return std::to_string(below(range));
    case FieldKind::kText:
    case FieldKind::kChars: {
      const size_t room = f.kind == FieldKind::kText ? f.size - 1 : f.size;
      std::string bytes(below(static_cast<unsigned>(room) + 1), '\0');
      const unsigned lowest = f.kind == FieldKind::kText ? 1 : 0;
      for (char& c : bytes) c = static_cast<char>(lowest + below(256 - lowest));
      return EscapeText(bytes);
    }
    case FieldKind::kChar:
      return EscapeText(std::string(1, static_cast<char>(1 + below(255))));
  }
  return {};
}

// Where two files first differ, for a readable failure.
std::string FirstDifference(const std::string& got, const std::string& want) {
  if (got == want) return "same";
  size_t i = 0;
  while (i < got.size() && i < want.size() && got[i] == want[i]) ++i;
  const auto byte = [](const std::string& s, size_t at) {
    return at < s.size() ? std::to_string(static_cast<unsigned char>(s[at])) : "(end)";
  };
  return "offset " + std::to_string(i) + ": " + byte(got, i) + " instead of " + byte(want, i);
}

// A design with random field values; every other one also with random bytes where no field
// shows them (spares, what a slot holds after its text, bits no editor sets).
std::unique_ptr<Design> RandomDesign(std::mt19937& random, int n) {
  TextLoader texts;
  DefaultTerminalTexts defaults;
  RefillTerminalTexts(texts, defaults);
  auto design = std::make_unique<Design>();
  ResetDesign(*design, defaults);
  const std::vector<FieldInfo>& fields = DesignFields();
  for (int k = 0; k < 60; ++k) {
    const FieldInfo& f = fields[random() % fields.size()];
    // The model revision is kept, or loading would upgrade the design.
    if (f.block == DesignBlock::kVersionTag || f.name == "settings.revision") continue;
    const std::string value = RandomValue(f, random);
    EXPECT_FALSE(CheckFieldValue(f, value, ValueLimits::kStored)) << f.name << "=" << value;
    if (CheckFieldInDesign(f, *design, value)) continue;
    SetField(f, *design, value);
  }
  if (n % 2 == 1) {
    const auto blocks = DesignBlocks(*design);
    for (int k = 0; k < 30; ++k) {
      const size_t block = 1 + random() % (blocks.size() - 1);
      const size_t offset = random() % blocks[block].size();
      if (blocks[block].data() == design->settings.data() && offset == 0) continue;
      blocks[block][offset] = static_cast<uint8_t>(random());
    }
  }
  return design;
}

std::string FileOf(const Design& design) {
  const ProjectFileBytes bytes = ProjectFileContents(design);
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(DesignTextTest, ShowJsonThenNewFromGivesTheSameFileBack) {
  for (const char* sample : {"STOCK.TPX", "DELIVERY.TPX"}) {
    const std::string path = std::string(Q700_SAMPLES_DIR) + "/" + sample;
    EXPECT_EQ(FirstDifference(RoundTrip(path), ReadFileBytes(path)), "same") << sample;
  }
  std::mt19937 random(19);
  // Through the files and the commands themselves.
  for (int n = 0; n < 20; ++n) {
    SCOPED_TRACE("design " + std::to_string(n));
    const auto design = RandomDesign(random, n);
    const std::string path = Path("random.TPX");
    ASSERT_TRUE(WriteProjectFile(path, *design));
    ASSERT_EQ(FirstDifference(RoundTrip(path), FileOf(*design)), "same");
  }
  // Through what the commands run, without the files, for many more.
  std::ostringstream out, err;
  Context ctx(out, err);
  for (int n = 20; n < 320; ++n) {
    SCOPED_TRACE("design " + std::to_string(n));
    const auto design = RandomDesign(random, n);
    const std::string json = DesignJson(ctx, *design, kDefaultCodePage);
    std::vector<std::string> problems;
    const JsonDesign read = ReadJsonDesign(nlohmann::json::parse(json), kDefaultCodePage, problems);
    ASSERT_EQ(problems, std::vector<std::string>{});
    auto back = std::make_unique<Design>();
    NewDesign(ctx, *back);
    ASSERT_EQ(PutJsonDesign(*back, read), std::vector<std::string>{});
    ASSERT_EQ(FirstDifference(FileOf(*back), FileOf(*design)), "same");
  }
}

TEST_F(DesignTextTest, BytesNoFieldShowsAreListedUnderTheirRecord) {
  const std::string path = NewFile("a.TPX");
  // A shorter caption leaves the end of the longer one behind its NUL, as the editor does.
  ASSERT_EQ(Tool({"set", path, "menu.1.caption=ABCDEF"}).status, 0);
  ASSERT_EQ(Tool({"set", path, "menu.1.caption=AB"}).status, 0);
  const nlohmann::json json = nlohmann::json::parse(Tool({"show", path, "--json"}).out);
  EXPECT_EQ(json.at("menu.1.caption"), "AB");
  // From the caption's NUL (record offset 2 + 2) on, 32 bytes: the NUL, "DEF", then zeros.
  EXPECT_EQ(json.at("menu.1.bytes.4"), "00444546" + std::string(56, '0'));
  EXPECT_EQ(json.at("barcode.bytes.20"), "06");
  EXPECT_FALSE(json.contains("menu.1.bytes.36"));  // zero bytes are left out
  EXPECT_EQ(RoundTrip(path), ReadFileBytes(path));
}

TEST_F(DesignTextTest, AJsonDesignWithAProblemIsRefusedKeyByKey) {
  const std::string path = NewFile("a.TPX");
  const std::string before = ReadFileBytes(path);
  const std::string json = folder_
                               .Write("bad.json", R"({
  "menu.1.caption": 7,
  "form.1.line.1.max_length": 300,
  "menu.1.colour": "red",
  "menu.1.bytes.340": "0011223344556677889900112233",
  "form.1.bytes.613": "XY",
  "version_tag": "Q700RU003",
  "menu.2.caption": "Ω"
})")
                               .string();
  for (const std::string command : {"new", "set"}) {
    SCOPED_TRACE(command);
    const Result r = command == "new" ? Tool({"new", Path("b.TPX"), "--from", json})
                                      : Tool({"set", path, "--from", json});
    EXPECT_EQ(r.status, 1);
    for (const char* key :
         {"menu.1.caption", "form.1.line.1.max_length", "menu.1.colour", "menu.1.bytes.340",
          "form.1.bytes.613", "version_tag", "menu.2.caption: the character \"Ω\""}) {
      EXPECT_NE(r.err.find(key), std::string::npos) << key << "\n" << r.err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Path("b.TPX")));
  EXPECT_EQ(ReadFileBytes(path), before);

  folder_.Write("broken.json", "{\"menu.1.caption\": ");
  const Result broken = Tool({"new", Path("b.TPX"), "--from", Path("broken.json")});
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("not JSON"), std::string::npos) << broken.err;
}

TEST_F(DesignTextTest, TextsAreUtf8OutsideAndTheCodePageInside) {
  const std::string path = NewFile("a.TPX");
  ASSERT_EQ(Tool({"set", path, "menu.1.caption=Größe €5"}).status, 0);
  const std::string file = ReadFileBytes(path);
  // Windows-1252: ö F6, ß DF, € 80; the caption is at 35 + 2.
  EXPECT_EQ(file.substr(37, 9), std::string("Gr\xF6\xDF"
                                            "e \x80"
                                            "5\0",
                                            9));
  EXPECT_EQ(Tool({"get", path, "menu.1.caption"}).out, "Größe €5\n");

  ASSERT_EQ(Tool({"set", path, "--codepage", "1251", "menu.2.caption=Склад"}).status, 0);
  EXPECT_EQ(ReadFileBytes(path).substr(35 + 350 + 2, 6),
            "\xD1\xEA\xEB\xE0\xE4" + std::string(1, '\0'));
  EXPECT_EQ(Tool({"get", path, "--codepage", "cp1251", "menu.2.caption"}).out, "Склад\n");

  // A character the code page has no byte for is refused by the field's name.
  Result r = Tool({"set", path, "menu.1.caption=Ωmega"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("menu.1.caption"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("1252"), std::string::npos) << r.err;
  // A byte the code page leaves undefined shows as an escape, and reads back.
  ASSERT_EQ(Tool({"set", path, "menu.3.caption=A\\x81B"}).status, 0);
  EXPECT_EQ(Tool({"get", path, "menu.3.caption"}).out, "A\\x81B\n");
  const nlohmann::json json = nlohmann::json::parse(Tool({"show", path, "--json"}).out);
  EXPECT_EQ(json.at("menu.3.caption"), "A\\x81B");
  EXPECT_EQ(json.at("menu.1.caption"), "Größe €5");

  r = Tool({"get", path, "--codepage", "klingon", "menu.1.caption"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("klingon"), std::string::npos) << r.err;
}

TEST_F(DesignTextTest, SetSaysWhatTheEditorsRulesDerivedAndNoRulesStoresAsGiven) {
  const std::string path = NewFile("a.TPX");
  Result r = Tool({"set", path, "lookup.1.field_count=3", "lookup.1.field.1.length=5",
                   "lookup.1.field.2.length=10", "lookup.1.field.3.length=3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("the Lookup page derived lookup.1.member_length=20\n"), std::string::npos)
      << r.err;
  EXPECT_EQ(Tool({"get", path, "lookup.1.member_length", "lookup.1.field.3.offset"}).out,
            "20\n18\n");

  r = Tool({"set", path, "form.1.line.1.type=text", "form.1.line.1.min_length=30",
            "form.1.line.1.max_length=20"});
  EXPECT_NE(r.err.find("the Form page made form.1.line.1.min_length=20 (given: 30)"),
            std::string::npos)
      << r.err;
  r = Tool({"set", path, "--no-rules", "form.1.line.1.min_length=30", "lookup.1.field.1.length=6"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Tool({"get", path, "form.1.line.1.min_length", "lookup.1.member_length"}).out,
            "30\n20\n");

  // Its own listing in JSON changes nothing and derives nothing.
  const std::string before = ReadFileBytes(path);
  folder_.Write("same.json", Tool({"show", path, "--json"}).out);
  r = Tool({"set", path, "--from", Path("same.json")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadFileBytes(path), before);

  EXPECT_EQ(Tool({"set", path}).status, 2);
}

TEST_F(DesignTextTest, CheckNamesTheFieldAndFailsOnErrorsOnly) {
  const std::string path = NewFile("a.TPX");
  Result r = Tool({"check", path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, path +
                       ": error: settings.start: the terminal's program starts with form 1, "
                       "which has no line that takes input\n" +
                       path + ": 1 error\n");

  ASSERT_EQ(Tool({"set", path, "form.1.line.1.type=text", "form.1.line.1.prompt=Item:"}).status, 0);
  r = Tool({"check", path});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, path + ": no problems found\n");

  // A length beyond what the editor offers comes only from JSON, as far as the byte holds it.
  folder_.Write("long.json", R"({"form.1.line.1.max_length": 90})");
  ASSERT_EQ(Tool({"set", path, "--no-rules", "--from", Path("long.json")}).status, 0);
  r = Tool({"check", path});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find(": warning: form.1.line.1.max_length: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(": 1 warning\n"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace q700::cli

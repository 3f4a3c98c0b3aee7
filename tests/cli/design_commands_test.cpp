// The design commands of the tool, run in-process: new, show, get, set, convert and image.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "model/field_names.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace q700::cli {
namespace {

using ::q700::test::TempDir;

// Whole files as bytes.
std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  const std::string bytes = test::ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}

void PutFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

using Result = ::q700::test::ToolResult;
using ::q700::test::Tool;

class DesignCommandsTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return (folder_ / name).string(); }

  std::string NewFile(const std::string& name) {
    const std::string path = Path(name);
    const Result r = Tool({"new", path});
    EXPECT_EQ(r.status, 0) << r.err;
    return path;
  }

  TempDir folder_;
};

TEST_F(DesignCommandsTest, NewWritesANewDesignAndKeepsAnExistingFile) {
  const std::string path = NewFile("a.TPX");
  std::vector<uint8_t> file = FileBytes(path);
  ASSERT_EQ(file.size(), 18954u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 10), std::string("Q700RU004\0", 10));
  EXPECT_EQ(file[18574], 4);

  PutFile(path, {'k', 'e', 'e', 'p'});
  const Result again = Tool({"new", path});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("tpq700: "), std::string::npos);
  EXPECT_EQ(FileBytes(path), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));

  EXPECT_EQ(Tool({"new", "--force", path}).status, 0);
  EXPECT_EQ(FileBytes(path).size(), 18954u);
}

TEST_F(DesignCommandsTest, GetPrintsOneValuePerLineAndNamesUnknownFields) {
  const std::string path = NewFile("a.TPX");
  const Result r =
      Tool({"get", path, "settings.revision", "form.3.next", "texts.main_menu.0", "weight.prefix"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4\nform 3\n1.Collect   \n23\n");

  const Result bad = Tool({"get", path, "settings.revision", "form.11.next"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("tpq700: "), std::string::npos);
  EXPECT_NE(bad.err.find("form.11.next"), std::string::npos);
}

TEST_F(DesignCommandsTest, SetChecksEveryAssignmentBeforeChangingTheFile) {
  const std::string path = NewFile("a.TPX");
  const std::vector<uint8_t> before = FileBytes(path);
  const Result bad = Tool({"set", path, "settings.start=menu 1", "settings.backlight_timeout=10",
                           "lookup.1.delimiter=13"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("settings.backlight_timeout"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("lookup.1.delimiter"), std::string::npos) << bad.err;
  EXPECT_EQ(FileBytes(path), before);

  EXPECT_EQ(Tool({"set", path, "nonsense"}).status, 2);
  EXPECT_EQ(FileBytes(path), before);
  // A bracketed word is an assignment like any other: neither dropped nor split at its commas.
  EXPECT_EQ(Tool({"set", path, "[]"}).status, 2);
  EXPECT_EQ(Tool({"set", path, "[menu.1.caption=A,menu.2.caption=B]"}).status, 1);
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(Tool({"get", path, "[settings.start]"}).status, 1);
  EXPECT_EQ(Tool({"set", path, "settings.start=menu 1", "--bogus"}).status, 2);
  EXPECT_EQ(Tool({"set", path, "settings.start=menu 1", "++"}).status, 2);
  EXPECT_EQ(FileBytes(path), before);

  const Result ok = Tool({"set", path, "settings.start=menu 1", "settings.upload_port=4",
                          "menu.1.item.1.text=Stock", "weight.key_field=5"});
  ASSERT_EQ(ok.status, 0) << ok.err;
  const std::vector<uint8_t> file = FileBytes(path);
  ASSERT_EQ(file.size(), 18954u);
  EXPECT_EQ(file[18574 + 1], 1);
  EXPECT_EQ(file[18574 + 5], 4);
  EXPECT_EQ(std::string(file.begin() + 35 + 23, file.begin() + 35 + 29), std::string("Stock\0", 6));
  EXPECT_EQ(file[18842 + 8], 5);
  EXPECT_EQ(Tool({"get", path, "settings.start"}).out, "menu 1\n");
  // Assignments apply in the order given, the last one of a field winning.
  ASSERT_EQ(Tool({"set", path, "menu.1.caption=A", "menu.1.caption=B", "menu.1.caption=C"}).status,
            0);
  EXPECT_EQ(Tool({"get", path, "menu.1.caption", "settings.start", "menu.1.caption"}).out,
            "C\nmenu 1\nC\n");
}

TEST_F(DesignCommandsTest, ShowJsonHasEveryFieldWithNumbersLabelsAndTexts) {
  const std::string path = NewFile("a.TPX");
  const Result r = Tool({"show", path, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json json = nlohmann::json::parse(r.out);
  for (const FieldInfo& f : DesignFields()) EXPECT_TRUE(json.contains(f.name)) << f.name;
  // The only bits of a new design that no field shows: the low half of barcode byte 20.
  EXPECT_EQ(json.size(), DesignFields().size() + 1);
  EXPECT_EQ(json.at("barcode.bytes.20"), "06");
  EXPECT_EQ(json.at("settings.revision"), 4);
  EXPECT_EQ(json.at("form.3.next"), "form 3");
  EXPECT_EQ(json.at("form.1.line.1.max_length"), 80);
  EXPECT_EQ(json.at("lookup.2.delimiter"), 9);
  EXPECT_EQ(json.at("texts.main_menu.0"), "1.Collect   ");
  EXPECT_EQ(json.at("version_tag"), "Q700RU004");

  const Result text = Tool({"show", path});
  EXPECT_NE(text.out.find("\nsettings.revision=4\n"), std::string::npos);
  EXPECT_NE(text.out.find("\nform.3.next=form 3\n"), std::string::npos);
}

TEST_F(DesignCommandsTest, ConvertUpgradesOldDesignsWithTheWarningOnStderr) {
  const std::string old = NewFile("old.TPX");
  ASSERT_EQ(Tool({"set", old, "settings.key_click=5", "settings.revision=1"}).status, 0);
  std::vector<uint8_t> bytes = FileBytes(old);
  const std::string old_header = "Q700-1.00";
  std::copy(old_header.begin(), old_header.end(), bytes.begin());
  PutFile(old, bytes);

  const std::string converted = Path("new.TPX");
  const Result r = Tool({"convert", old, converted});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "tpq700: Warning: " + old +
                       ": converted from an older format; the file written has the new one\n");
  const std::vector<uint8_t> file = FileBytes(converted);
  ASSERT_EQ(file.size(), 18954u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 10), std::string("Q700RU004\0", 10));
  EXPECT_EQ(file[18574], 4);
  EXPECT_EQ(file[18574 + 137], 2) << "key click back to its default";
  EXPECT_EQ(FileBytes(old), bytes) << "the input is not changed";

  // Commands that only read the design say nothing of its format.
  const std::vector<std::vector<std::string>> readers = {
      {"show", old}, {"get", old, "settings.revision"}, {"image", old, Path("old.bin")}};
  for (const std::vector<std::string>& reader : readers) {
    const Result read = Tool(reader);
    EXPECT_EQ(read.status, 0) << reader[0] << ": " << read.err;
    EXPECT_EQ(read.err, "") << reader[0];
  }

  const Result quiet = Tool({"convert", converted, converted});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "");
}

TEST_F(DesignCommandsTest, ImageBuildsTwentyThousandBytesAndLeavesTheProjectFile) {
  const std::string path = NewFile("a.TPX");
  ASSERT_EQ(Tool({"set", path, "menu.1.font=large", "menu.1.item.1.text=Stock"}).status, 0);
  const std::vector<uint8_t> project = FileBytes(path);
  const std::string out = Path("a.bin");
  const Result r = Tool({"image", path, out});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<uint8_t> image = FileBytes(out);
  ASSERT_EQ(image.size(), 20000u);
  EXPECT_EQ(std::string(image.begin() + 16103, image.begin() + 16119),
            std::string("1.Collect      \0", 16));
  EXPECT_EQ(image[18563], 1);
  EXPECT_EQ(std::string(image.begin() + 46, image.begin() + 59), std::string("Stock       \0", 13));
  EXPECT_EQ(FileBytes(path), project);
}

TEST_F(DesignCommandsTest, ImageKeepsAnExistingFileWithoutForce) {
  const std::string path = NewFile("a.TPX");
  PutFile(Path("a.bin"), {'o', 'l', 'd'});
  const Result kept = Tool({"image", path, Path("a.bin")});
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.err,
            "tpq700: " + Path("a.bin") + " exists; name another file or replace it with --force\n");
  EXPECT_EQ(FileBytes(Path("a.bin")), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(Tool({"image", "--force", path, Path("a.bin")}).status, 0);
  EXPECT_EQ(FileBytes(Path("a.bin")).size(), 20000u);
}

TEST_F(DesignCommandsTest, FieldsTakesThePrefixAsWholeNameParts) {
  struct Case {
    std::string prefix;
    std::string first_line;  // the names' part before the tab
    bool menu_10;            // whether menu 10's fields may appear
  };
  const Case cases[] = {
      {"menu.1", "menu.1.font", false},
      {"menu.1.", "menu.1.font", false},
      {"menu.10", "menu.10.font", true},
  };
  for (const Case& c : cases) {
    const Result r = Tool({"fields", c.prefix});
    ASSERT_EQ(r.status, 0) << c.prefix;
    EXPECT_EQ(r.out.substr(0, r.out.find('\t')), c.first_line) << c.prefix;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
      const bool in_menu_10 = line.rfind("menu.10.", 0) == 0;
      EXPECT_EQ(in_menu_10, c.menu_10) << c.prefix << ": " << line;
    }
  }
  const Result item = Tool({"fields", "menu.1.item.1"});
  EXPECT_EQ(std::count(item.out.begin(), item.out.end(), '\n'), 2) << item.out;
  EXPECT_EQ(Tool({"fields", "menu.1.it"}).out, "");  // no field has a part "it"
}

TEST_F(DesignCommandsTest, FailuresGoToStderrWithTheFailedStatus) {
  const std::string path = NewFile("a.TPX");
  const Result unwritable = Tool({"image", path, Path("gone/a.bin")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("tpq700: Error: File open/create failed! ("), std::string::npos)
      << unwritable.err;

  // One line for one cause, naming the file and the reason.
  const Result missing = Tool({"show", Path("none.TPX")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "tpq700: Error: File open/create failed! (" + Path("none.TPX") +
                             ": No such file or directory)\n");

  PutFile(Path("foreign.TPX"), {'Q', '7', '0', '0', '-', '1', '.', '0', '1', 0});
  const Result foreign = Tool({"convert", Path("foreign.TPX"), Path("out.TPX")});
  EXPECT_EQ(foreign.status, 1);
  EXPECT_EQ(foreign.err, "tpq700: Error: Format mismatch !!! (" + Path("foreign.TPX") +
                             ": not a project file)\n");
  EXPECT_FALSE(std::filesystem::exists(Path("out.TPX")));
}

TEST_F(DesignCommandsTest, EveryCommandHasHelpAndRefusesMissingArguments) {
  for (const char* command : {"new", "show", "get", "set", "convert", "image"}) {
    const Result help = Tool({command, "--help"});
    EXPECT_EQ(help.status, 0) << command;
    EXPECT_NE(help.out.find("Usage:"), std::string::npos) << command;
    const Result bare = Tool({command});
    EXPECT_EQ(bare.status, 2) << command;
    EXPECT_NE(bare.err.find("tpq700: "), std::string::npos) << command;
  }
}

// Packages and scripts ask the tool which version it is; it is the program's version, 3.63.
TEST_F(DesignCommandsTest, VersionPrintsTheProgramsVersion) {
  const Result version = Tool({"--version"});
  EXPECT_EQ(version.status, 0) << version.err;
  EXPECT_EQ(version.out, "tpq700 3.63\n");
  EXPECT_EQ(version.err, "");
}

}  // namespace
}  // namespace q700::cli

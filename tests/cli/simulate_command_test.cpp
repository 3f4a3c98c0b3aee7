// tpq700 simulate, run in-process on designs made with tpq700 new and set.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace q700::cli {
namespace {

using Result = ::q700::test::ToolResult;
using ::q700::test::Tool;

const char kNow[] = "2026-03-05T09:07:30";
const std::string kEmptyLines = "||\n||\n||\n||\n||\n";

class SimulateCommandTest : public ::testing::Test {
 protected:
  SimulateCommandTest() : path_((folder_ / "a.TPX").string()) {
    const Result r = Tool({"new", path_});
    EXPECT_EQ(r.status, 0) << r.err;
  }

  void Set(std::vector<std::string> assignments) {
    assignments.insert(assignments.begin(), {"set", path_, "--no-rules"});
    const Result r = Tool(assignments);
    ASSERT_EQ(r.status, 0) << r.err;
  }

  Result Simulate(const std::string& keys, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"simulate", path_, "--keys", keys, "--now", kNow};
    args.insert(args.end(), more.begin(), more.end());
    return Tool(args);
  }

  test::TempDir folder_;
  std::string path_;
};

TEST_F(SimulateCommandTest, CollectWithNothingToRun) {
  const Result r = Simulate("1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "message=Please define your program!\n"
            "|1.Collect   |\n"
            "|2.Upload    |\n"
            "|3.Utilities |\n"
            "|            |\n"
            "|                |\n"
            "|                |\n"
            "|                |\n"
            "|                |\n"
            "state=main\n"
            "selected=1\n"
            "cursor=0,0\n"
            "alpha=off\n"
            "counter=0\n"
            "clock=MAR05 09:07 0000\n"
            "passdown=\n");
}

TEST_F(SimulateCommandTest, PassDownRecordSpreadOverTheNextForm) {
  Set({"form.1.line.1.type=text", "form.1.line.1.prompt=A:", "form.1.record_action=pass down",
       "form.1.stamp.position=appended to the bottom of a record", "settings.delimiter1=44",
       "form.1.next=form 2", "form.2.line.1.type=pass down",
       "form.2.line.1.prompt=P:", "form.2.line.2.type=extension", "form.2.line.3.type=text"});
  const Result r = Simulate("1 ALPHA 2 tick:7 2 2 tick:7 2 2 2 ALPHA ENTER");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "|P:ABC,2026/03/05,09:|\n"
            "|07:30|\n" +
                std::string("||\n") + kEmptyLines +
                "state=form\n"
                "selected=0\n"
                "cursor=0,2\n"
                "alpha=off\n"
                "counter=1\n"
                "clock=MAR05 09:07 0001\n"
                "passdown=ABC,2026/03/05,09:07:30\n");
  Set({"form.1.stamp.split=0"});
  EXPECT_NE(Simulate("1 ALPHA 2 tick:7 2 2 tick:7 2 2 2 ALPHA ENTER")
                .out.find("passdown=ABC,2026/03/0509:07:30\n"),
            std::string::npos);
}

TEST_F(SimulateCommandTest, ClockLineCountsCompletedForms) {
  Set({"form.1.line.1.type=integer", "form.1.line.1.prompt=Qty:"});
  std::string keys = "1";
  for (int i = 0; i < 12; ++i) keys += " 4 2 ENTER";
  const Result r = Simulate(keys);
  EXPECT_NE(r.out.find("|Qty:|\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("counter=12\nclock=MAR05 09:07 0012\n"), std::string::npos) << r.out;
  Set({"settings.separate_files=1"});
  EXPECT_NE(Simulate(keys).out.find("clock=MAR05 09:07 \n"), std::string::npos);
}

TEST_F(SimulateCommandTest, EntryErrorAndUtilities) {
  Set({"form.1.line.1.type=integer", "form.1.line.1.prompt=N:", "form.1.line.1.min_length=3"});
  const Result r = Simulate("1 4 2 ENTER");
  EXPECT_EQ(r.out.substr(0, r.out.find("state=")),
            "|N:42|\n||\n||\n||\n"
            "|****************|\n"
            "|Data too short!!|\n"
            "|Press any key...|\n"
            "|****************|\n");
  EXPECT_NE(r.out.find("state=error\n"), std::string::npos);
  const Result u = Simulate("3 2 9 DOWN ESC");
  EXPECT_NE(u.out.find("state=main\nselected=3\n"), std::string::npos) << u.out;
}

TEST_F(SimulateCommandTest, CaptionedMenuWithEightItems) {
  Set({"settings.start=menu 1", "menu.1.caption_flag=1", "menu.1.caption=PICK",
       "menu.1.item.1.text=One", "menu.1.item.2.text=Two", "menu.1.item.3.text=Three",
       "menu.1.item.4.text=Four", "menu.1.item.5.text=Five", "menu.1.item.6.text=Six",
       "menu.1.item.7.text=Seven", "menu.1.item.8.text=Eight", "menu.1.item.8.target=form 3",
       "form.3.line.1.type=text", "form.3.line.1.prompt=Eighth:", "form.3.escape=menu 1"});
  const Result r = Simulate("1");
  EXPECT_EQ(r.out.substr(0, r.out.find("cursor=")),
            "|PICK|\n|One|\n|Two|\n|Three|\n|Four|\n|Five|\n|Six|\n|Seven|\n"
            "state=menu\nselected=2\n");
  const Result e = Simulate("1 8 ESC");
  EXPECT_NE(e.out.find("state=menu\nselected=9\n"), std::string::npos) << e.out;
  const Result f = Simulate("1 8");
  EXPECT_NE(f.out.find("|Eighth:|\n"), std::string::npos) << f.out;
}

TEST_F(SimulateCommandTest, SaveWritesTheRuntimeBytes) {
  Set({"form.1.line.1.type=prompt", "form.1.line.2.type=text", "form.1.line.3.type=extension",
       "form.1.line.3.prompt=X", "form.1.line.4.type=counter",
       "form.1.line.4.lookup_column=field 4"});
  const std::string saved = (folder_ / "b.TPX").string();
  const Result r = Simulate("1", {"--save", saved});
  ASSERT_EQ(r.status, 0) << r.err;
  const Result g = Tool({"get", saved, "form.1.line_count", "form.1.current_line",
                         "form.1.line.3.prompt", "form.1.line.4.lookup_column"});
  EXPECT_EQ(g.out, "2\n1\n\nnil\n");
  // The file simulated stays as it was.
  EXPECT_EQ(Tool({"get", path_, "form.1.line.3.prompt"}).out, "X\n");
}

TEST_F(SimulateCommandTest, RefusesBadKeysTimesAndFiles) {
  Result r = Simulate("1 ENTR");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("ENTR"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  r = Tool({"simulate", path_, "--keys", "1", "--now", "2026-02-30T10:00:00"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("2026-02-30T10:00:00"), std::string::npos) << r.err;
  r = Tool({"simulate", path_});
  EXPECT_EQ(r.status, 2);
  r = Tool({"simulate", (folder_ / "missing.TPX").string(), "--keys", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace q700::cli

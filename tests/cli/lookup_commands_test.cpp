// The lookup file commands of the tool, run in-process: lookup check (text and JSON), lookup
// convert, and send-lookup refusing a file before any port is tried.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace q700::cli {
namespace {

using ::q700::test::TempDir;

using Result = ::q700::test::ToolResult;
using ::q700::test::Tool;

const std::string kStock = std::string(Q700_SAMPLES_DIR) + "/STOCK.TPX";
const std::string kDelivery = std::string(Q700_SAMPLES_DIR) + "/DELIVERY.TPX";

TEST(LookupCommands, CheckReportsEachProblemAndItsExitStatus) {
  TempDir dir;
  const Result clean = Tool({"lookup", "check", kStock, "1", Q700_SAMPLES_DIR "/articles.txt"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_NE(clean.out.find("articles.txt: 8 lines, no problems (lookup file 1 of "),
            std::string::npos)
      << clean.out;

  const std::string file = dir.Write("a.txt", "4006381333931\tBall pen\t1.20\r\n4007817327098\t" +
                                                  std::string(21, 'd') + "\t0.65\r\n")
                               .string();
  const Result problems = Tool({"lookup", "check", kStock, "1", file});
  EXPECT_EQ(problems.status, 1);
  EXPECT_EQ(problems.out, file +
                              ":2: field 2 (Desc:): 21 characters, at most 20; the terminal "
                              "skips the line\n" +
                              file + ": 2 lines, 1 problem (lookup file 1 of " + kStock + ")\n");

  const Result json = Tool({"lookup", "check", kStock, "1", file, "--json"});
  EXPECT_EQ(json.status, 1);
  const nlohmann::json report = nlohmann::json::parse(json.out);
  EXPECT_EQ(report["lookup"], 1);
  EXPECT_EQ(report["lines"], 2);
  ASSERT_EQ(report["problems"].size(), 1u);
  EXPECT_EQ(report["problems"][0]["line"], 2);
  EXPECT_EQ(report["problems"][0]["field"], 2);
  EXPECT_EQ(report["problems"][0]["prompt"], "Desc:");
  EXPECT_EQ(report["problems"][0]["kind"], "field-too-long");
  EXPECT_EQ(report["problems"][0]["terminal"], "skip");

#ifndef _WIN32
  // A file name that is not UTF-8 still gives a JSON report.
  const std::string latin1 = dir.Write("caf\xE9.txt", "\r\n").string();
  const Result named = Tool({"lookup", "check", kStock, "1", latin1, "--json"});
  EXPECT_EQ(named.status, 1);
  EXPECT_EQ(nlohmann::json::parse(named.out)["problems"][0]["kind"], "empty-line");
#endif

  // DELIVERY.TPX defines only lookup file 1.
  const Result undefined = Tool({"lookup", "check", kDelivery, "2", file});
  EXPECT_EQ(undefined.status, 1);
  EXPECT_EQ(undefined.out.rfind(kDelivery + " (lookup file 2): not defined: ", 0), 0u)
      << undefined.out;

  EXPECT_EQ(Tool({"lookup", "check", kStock, "4", file}).status, 2);
  EXPECT_EQ(Tool({"lookup", "check", kStock, "1", file, "--codepage", "utf-8"}).status, 2);
  const Result missing = Tool({"lookup", "check", kStock, "1", (dir / "none.txt").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.txt: cannot be read"), std::string::npos) << missing.err;
}

TEST(LookupCommands, ConvertWritesTheFileAndSaysWhatItLeftOut) {
  TempDir dir;
  const std::string csv = dir.Write("stock.csv",
                                    "\xEF\xBB\xBF"
                                    "EAN,Description,Price,Stock\r\n"
                                    "4006381333931,\"Ball pen, blue\",1.20,12\r\n"
                                    "4007817327098,Cr\xC3\xA8me pencil,0.65,3\r\n")
                              .string();
  const std::string out = (dir / "articles.txt").string();
  const Result made = Tool({"lookup", "convert", kStock, "1", csv, "-o", out});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(test::ReadFileBytes(out),
            "4006381333931\tBall pen, blue\t1.20\r\n4007817327098\tCr\xE8me pencil\t0.65\r\n");
  EXPECT_EQ(made.out, out +
                          ": 2 lines written, 0 cut, 0 left out (lookup file 1: tab-delimited, "
                          "code page 1252; input comma-separated, header row skipped)\n");
  EXPECT_EQ(made.err, "");
  EXPECT_EQ(Tool({"lookup", "check", kStock, "1", out}).status, 0);

  // An existing file stays unless --force; a row left out fails the command, the rest is written.
  const Result again = Tool({"lookup", "convert", kStock, "1", csv, "-o", out});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("exists; name another file or replace it with --force"),
            std::string::npos);
  const std::string bad =
      dir.Write("bad.csv", "Price;EAN;Name\n1;12345678901234;Pen\n2;7;Ink\n").string();
  const Result left_out = Tool(
      {"lookup", "convert", kStock, "1", bad, "-o", out, "--force", "--columns", "EAN,Name,Price"});
  EXPECT_EQ(left_out.status, 1);
  EXPECT_EQ(test::ReadFileBytes(out), "7\tInk\t2\r\n");
  EXPECT_EQ(left_out.err, bad +
                              ":2: field 1 (Item:): left out: the key has 14 characters, at most "
                              "13 (a cut key would find the wrong line)\n");

  const Result unknown =
      Tool({"lookup", "convert", kStock, "1", bad, "-o", out, "--force", "--columns", "A,B,C"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("nothing written: no column \"A\" in the header row"),
            std::string::npos)
      << unknown.err;
}

TEST(LookupCommands, SendLookupRefusesAFileWithProblemsBeforeThePort) {
  TempDir dir;
  const test::ScopedEnv appdata("APPDATA", dir.path().string());  // the user's preferences stay out
  const std::string file = dir.Write("a.txt",
                                     "\xEF\xBB\xBF"
                                     "4006381333931\tBall pen\t1.20\r\n")
                               .string();
  const std::vector<std::string> link = {"--port", (dir / "no-port").string(), "--via",
                                         "serial-spp"};
  std::vector<std::string> args = {"send-lookup", file};
  args.insert(args.end(), link.begin(), link.end());
  const Result plain = Tool(args);
  EXPECT_EQ(plain.status, 1);
  EXPECT_EQ(plain.err.find("Cannot open the COM port!"), std::string::npos) << plain.err;
  EXPECT_NE(plain.err.find(file + ":1: the file starts with a UTF-8 byte-order mark"),
            std::string::npos);
  EXPECT_NE(plain.err.find("tpq700: nothing was sent: 1 problem in " + file +
                           "; mend the file (or the design), or send it as it is with --force"),
            std::string::npos)
      << plain.err;

  // Against the design the key with its mark is also too long; --force goes on to the port.
  args.insert(args.end(), {"--design", kStock, "--lookup", "1"});
  const Result designed = Tool(args);
  EXPECT_NE(designed.err.find(file + ":1: field 1 (Item:): 16 characters, at most 13"),
            std::string::npos)
      << designed.err;
  args.push_back("--force");
  const Result forced = Tool(args);
  EXPECT_EQ(forced.status, 1);
  EXPECT_NE(forced.err.find("Cannot open the COM port!"), std::string::npos) << forced.err;
  EXPECT_EQ(Tool({"send-lookup", file, "--lookup", "2"}).status, 2);
}

}  // namespace
}  // namespace q700::cli

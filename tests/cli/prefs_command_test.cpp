// tpq700 prefs and the port listing of tpq700 ports.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/app.h"
#include "cli/link_options.h"
#include "support/fake_ports.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace q700::cli {
namespace {

using q700::test::ScopedEnv;
using q700::test::TempDir;

struct Result {
  int status;
  std::string out, err;
};

Result RunTool(std::vector<std::string> args) {
  args.insert(args.begin(), "tpq700");
  std::ostringstream out, err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(PrefsCommand, ShowsChangesAndWritesThePreferences) {
  TempDir app_data;
  ScopedEnv env("APPDATA", app_data.path().string());
  const auto file = PreferencesFileIn(app_data.path());

  Result r = RunTool({"prefs"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("Cradle-IR"), std::string::npos);
  EXPECT_NE(r.out.find("115200 bps"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(file));  // showing writes nothing

  r = RunTool({"prefs", "--via", "serial-spp", "--receive-via", "IrDA", "--baud", "19200"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(test::ReadFileBytes(file), "Unknow\r2\r1\r1\r3\r0\r0\r0\r1\r");
  EXPECT_NE(r.out.find("Serial-SPP"), std::string::npos);
  EXPECT_NE(r.out.find("19200 bps"), std::string::npos);

  // Fields the command does not touch keep their values.
  std::ofstream(file, std::ios::binary) << "C:\\a.TPX\r0\r0\r3\r0\r1\r1\rDeutsch\r0\rC:\\a.TPX\r";
  r = RunTool({"prefs", "--baud", "9600"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(test::ReadFileBytes(file), "C:\\a.TPX\r0\r0\r3\r4\r1\r1\rDeutsch\r0\rC:\\a.TPX\r");

  // A port that is not in the list, or a bad value, changes nothing.
  r = RunTool({"prefs", "--port", "NO-SUCH-PORT"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_NE(r.err.find("NO-SUCH-PORT"), std::string::npos);
  r = RunTool({"prefs", "--baud", "4800"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(test::ReadFileBytes(file), "C:\\a.TPX\r0\r0\r3\r4\r1\r1\rDeutsch\r0\rC:\\a.TPX\r");
}

TEST(PrefsCommand, LinkOptionsOverrideThePreferencesForOneRun) {
  TempDir app_data;
  ScopedEnv env("APPDATA", app_data.path().string());
  std::ostringstream out, err;
  Context ctx(out, err);
  LinkOptions options{"/dev/pts/9", "irda", "38400"};
  auto session = StartLinkSession(ctx, options, Connection::kReceive,
                                  std::make_unique<q700::test::FakePortSystem>());
  ASSERT_NE(session, nullptr);
  EXPECT_EQ(session->prefs.receive_via, kViaIrda);
  EXPECT_EQ(session->prefs.download_via, kViaCradleIr);
  EXPECT_EQ(session->prefs.baud_rate, 2);
  EXPECT_EQ(session->link.port_override, "/dev/pts/9");
  EXPECT_FALSE(std::filesystem::exists(PreferencesFileIn(app_data.path())));

  // The messages of the link's results reach stderr with their texts.
  const PortOpenResult opened =
      OpenLinkPort(session->link, Connection::kReceive, LinkRoute::kDirect);
  EXPECT_FALSE(opened);
  ShowMessages(session->sink, opened);
  EXPECT_EQ(err.str(), "tpq700: Error: Cannot open the COM port!\n");
}

TEST(PortsCommand, ListsPortsAndMarksThePreferredOne) {
  q700::test::FakePortSystem ports;
  ports.entries = {
      {"\\Device\\Serial0", "COM1"}, {"\\Device\\BthModem1", "COM5"}, {"\\Device\\VCP0", "COM7"}};
  Preferences prefs;
  prefs.port_index = -1;
  prefs.preferred_port = 7;
  std::ostringstream out;
  EXPECT_EQ(PrintPorts(out, ports, prefs), 3);
  std::istringstream lines(out.str());
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) all.push_back(line);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].rfind("   0  COM1 - Serial port", 0), 0u) << all[0];
  EXPECT_NE(all[1].find("COM5 - Bluetooth port"), std::string::npos);
  EXPECT_NE(all[1].find("bluetooth"), std::string::npos);
  EXPECT_EQ(all[2].rfind("*  2  COM7 - Virtual port", 0), 0u) << all[2];
  EXPECT_NE(all[2].find("\\Device\\VCP0"), std::string::npos);
}

}  // namespace
}  // namespace q700::cli

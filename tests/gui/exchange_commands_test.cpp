// The exchange commands of the pop-up menu reach the link with the connection type of the
// preferences: a port that does not open is reported, a type past the three runs nothing, a
// lookup file with Unix line ends is refused before the port.
#include "gui/program_fixture.h"
#include "resources/resource.h"

namespace q700::test {
namespace {

class ExchangeCommandsTest : public ProgramTest {
 protected:
  void SetUp() override {
    Start();
    // A port that no system has, so every exchange stops at opening it.
    app().link.port_override = "COM250";
  }
};

TEST_F(ExchangeCommandsTest, DownloadsReportAPortThatDoesNotOpen) {
  app().prefs.download_via = kViaSerialSpp;
  SeenBox seen;
  ModalScript application;
  application.Then(ClickButton(IDOK, &seen));
  Command(IDM_DOWNLOAD_APPLICATION, application);
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_EQ(seen.text, L"Cannot open the COM port!");

  // The lookup download asks for its file first.
  const std::filesystem::path lookup = dir().Write("items.txt", "12\r\nZZY\r\n");
  SeenBox lookup_seen;
  ModalScript lookup_script;
  lookup_script.Then(TypeFileName(lookup.wstring())).Then(ClickButton(IDOK, &lookup_seen));
  Command(IDM_DOWNLOAD_LOOKUP, lookup_script);
  EXPECT_EQ(lookup_seen.text, L"Cannot open the COM port!");

  // A connection type past the three runs nothing at all.
  app().prefs.download_via = 3;
  Command(IDM_DOWNLOAD_APPLICATION);
  Command(IDM_DOWNLOAD_LOOKUP);
}

TEST_F(ExchangeCommandsTest, ALookupFileWithLineFeedsAloneIsRefusedBeforeThePort) {
  app().prefs.download_via = kViaSerialSpp;
  const std::filesystem::path lookup = dir().Write("unix.txt", "12\nZZY\n");
  SeenBox seen;
  ModalScript script;
  script.Then(TypeFileName(lookup.wstring())).Then(ClickButton(IDOK, &seen));
  Command(IDM_DOWNLOAD_LOOKUP, script);
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_EQ(seen.text.rfind(L"Line 1 of the lookup file ends in a line feed without a carriage "
                            L"return.",
                            0),
            0u);
}

TEST_F(ExchangeCommandsTest, ReceiveCreatesTheFileThenReportsThePort) {
  app().prefs.receive_via = kViaSerialSpp;
  const std::filesystem::path data = dir().path() / "data.txt";
  SeenBox seen;
  ModalScript script;
  script.Then(TypeFileName(data.wstring())).Then(ClickButton(IDOK, &seen));
  Command(IDM_RECEIVE_DATA, script);
  EXPECT_EQ(seen.text, L"Cannot open the COM port!");
  // The output file was created before the port was tried, and stays, empty.
  EXPECT_TRUE(std::filesystem::exists(data));
  EXPECT_EQ(std::filesystem::file_size(data), 0u);

  app().prefs.receive_via = 7;
  Command(IDM_RECEIVE_DATA);
}

}  // namespace
}  // namespace q700::test

namespace q700::test {
namespace {

TEST_F(ExchangeCommandsTest, DetectCradleReportsThatNoCradleAnswers) {
  Preferences probe;
  const bool no_ports = EnumeratePorts(*app().ports, probe) == 0;
  ModalScript script;
  if (no_ports) script.Then(ClickButton(IDOK));
  SeenBox seen;
  script.Then([&](HWND dialog) {
    // The detection's message box opens inside the click; it is the next step.
    SendMessageW(GetDlgItem(dialog, IDC_PREF_DETECT), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  script.Then(ClickButton(IDOK, &seen));
  Command(IDM_PREFERENCES, script);
  EXPECT_EQ(seen.caption, L"Detecting Result");
  EXPECT_EQ(seen.text, L"Cradle is not available!! ");
}

}  // namespace
}  // namespace q700::test

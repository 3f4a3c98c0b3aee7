// The Settings page driven through its controls: the port warnings answered both ways and the
// port lines they rewrite at once, the corrected boxes, the lists and what reaches the design
// after OK and after Cancel.
#include "gui_test_support.h"
#include "model/message_groups.h"
#include "model/settings_block.h"
#include "resources/dialogs/settings_ids.h"
#include "sheet_pages.h"
#include "texts/terminal_texts.h"

namespace q700::gui_test {
namespace {

using namespace settings_offset;

class SettingsPageTest : public EditorTest {
 protected:
  std::string UploadPortLine() {
    return SlotText(GroupRowSlot(design_, kUploadPortGroup, PortLineRow(kUploadPortGroup, false)));
  }
  std::string DownloadPortLine() {
    return SlotText(
        GroupRowSlot(design_, kDownloadPortGroup, PortLineRow(kDownloadPortGroup, false)));
  }
  // The next message box: its text is kept and it is answered with `button`.
  void Answer(std::wstring& text, int button) {
    driver_.Expect([&text, button](HWND box) {
      text = MessageBoxText(box);
      EXPECT_EQ(WindowText(box), L"Warning");
      Click(box, button);
    });
  }
};

TEST_F(SettingsPageTest, BluetoothWarningCancelKeepsAllAndOkRewritesThePortLine) {
  std::wstring warning;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    EXPECT_EQ(ItemAt(page, IDC_SETTINGS_UPLOAD, 4), L"Bluetooth SPP");
    Answer(warning, IDCANCEL);
    Choose(page, IDC_SETTINGS_UPLOAD, 4);
    EXPECT_EQ(warning, L"The Bluetooth SPP is available for Q785 only!");
    EXPECT_EQ(Selection(page, IDC_SETTINGS_UPLOAD), 0);
    EXPECT_EQ(UploadPortLine(), "3. Modem        ");
    EXPECT_EQ(defaults_.Get(kUploadPortLine.modem_small), "3. Modem        ");

    Answer(warning, IDOK);
    Choose(page, IDC_SETTINGS_UPLOAD, 4);
    EXPECT_EQ(Selection(page, IDC_SETTINGS_UPLOAD), 4);
    EXPECT_EQ(UploadPortLine(), "3. Bluetooth SPP");
    EXPECT_EQ(defaults_.Get(kUploadPortLine.modem_small), "3. Bluetooth SPP");
    EXPECT_EQ(defaults_.Get(kUploadPortLine.modem_large), "3. BT SPP   ");
    Choose(page, IDC_SETTINGS_UPLOAD, 1);  // IrDA: no warning
    EXPECT_EQ(UploadPortLine(), "3. Modem        ");

    Answer(warning, IDOK);
    Choose(page, IDC_SETTINGS_DOWNLOAD, 3);
    EXPECT_EQ(DownloadPortLine(), "3. Bluetooth SPP");
    PressCancel(sheet);
  });
  // The texts changed at once and stay; the choices themselves were dropped.
  EXPECT_EQ(DownloadPortLine(), "3. Bluetooth SPP");
  EXPECT_EQ(design_.settings[kUploadPort], 0);
  EXPECT_EQ(design_.settings[kDownloadPort], 0);
  EXPECT_EQ(design_.settings[kPortTextFlags], 0);

  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    Answer(warning, IDOK);
    Choose(page, IDC_SETTINGS_UPLOAD, 4);
    Answer(warning, IDOK);
    Choose(page, IDC_SETTINGS_DOWNLOAD, 3);
    PressOk(sheet);
  });
  EXPECT_EQ(design_.settings[kUploadPort], 4);
  EXPECT_EQ(design_.settings[kDownloadPort], 3);
  EXPECT_EQ(design_.settings[kPortTextFlags], 3);
  EXPECT_EQ(UploadPortLine(), "3. Bluetooth SPP");
}

TEST_F(SettingsPageTest, BoxesAndListsAreCorrectedAndCommittedOnOk) {
  std::wstring warning;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_UPLOAD_PHONE));
    Answer(warning, IDOK);
    Choose(page, IDC_SETTINGS_UPLOAD, 3);
    EXPECT_EQ(warning, L"The Acoustic Coupler is available for Q735 only!");
    Choose(page, IDC_SETTINGS_UPLOAD, 2);
    EXPECT_TRUE(Enabled(page, IDC_SETTINGS_UPLOAD_PHONE));
    EXPECT_TRUE(Enabled(page, IDC_SETTINGS_MODEM_SPEED));
    EXPECT_TRUE(Enabled(page, IDC_SETTINGS_BAUD_RATE));
    Choose(page, IDC_SETTINGS_DOWNLOAD, 2);
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_BAUD_RATE));
    Type(page, IDC_SETTINGS_UPLOAD_PHONE, L"0049301234567");
    Type(page, IDC_SETTINGS_DOWNLOAD_PHONE, L"030 98765");

    Type(page, IDC_SETTINGS_TIMEOUT, L"2");
    Type(page, IDC_SETTINGS_TIMEOUT, L"24");  // a second digit replaces the first
    EXPECT_EQ(Text(page, IDC_SETTINGS_TIMEOUT), L"4");

    Choose(page, IDC_SETTINGS_PROMPT, 0);
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_STAY));
    Choose(page, IDC_SETTINGS_PROMPT, 2);
    Click(page, IDC_SETTINGS_PRESS_KEY);
    EXPECT_TRUE(Checked(page, IDC_SETTINGS_PRESS_KEY));
    EXPECT_EQ(Text(page, IDC_SETTINGS_DURATION), L"0");
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_DURATION));
    Click(page, IDC_SETTINGS_STAY);
    EXPECT_FALSE(Checked(page, IDC_SETTINGS_PRESS_KEY));
    EXPECT_EQ(Text(page, IDC_SETTINGS_DURATION), L"6");
    Type(page, IDC_SETTINGS_DURATION, L"123");
    EXPECT_EQ(Text(page, IDC_SETTINGS_DURATION), L"12");

    EXPECT_EQ(ItemAt(page, IDC_SETTINGS_KEY_CLICK, 5), L"Tone 5");
    Choose(page, IDC_SETTINGS_KEY_CLICK, 5);
    Choose(page, IDC_SETTINGS_GOOD_READ, 3);
    Choose(page, IDC_SETTINGS_WARNING, 0);
    Choose(page, IDC_SETTINGS_BACKLIGHT, 1);
    Choose(page, IDC_SETTINGS_DELETION, 1);
    Choose(page, IDC_SETTINGS_MODEM_SPEED, 4);
    PressOk(sheet);
  });
  const auto& s = design_.settings;
  EXPECT_EQ(s[kUploadPort], 2);
  EXPECT_EQ(s[kDownloadPort], 2);
  EXPECT_EQ(SlotText(ConstBytes(s).subspan(kUploadPhone, kPhoneSize)), "0049301234567");
  EXPECT_EQ(SlotText(ConstBytes(s).subspan(kDownloadPhone, kPhoneSize)), "030 98765");
  EXPECT_EQ(s[kBacklightTimeout], 4);
  EXPECT_EQ(s[kEntryPrompt], 2);
  EXPECT_EQ(s[kPromptDuration], 12);
  EXPECT_EQ(s[kKeyClick], 5);
  EXPECT_EQ(s[kGoodReadBeep], 3);
  EXPECT_EQ(s[kWarningBeep], 0);
  EXPECT_EQ(s[kBacklightMode], 1);
  EXPECT_EQ(s[kDataDeletion], 1);
  EXPECT_EQ(s[kModemSpeed], 4);
}

TEST_F(SettingsPageTest, ResetRestoresTheNewValuesOnly) {
  design_.settings[kUploadPort] = kUploadModem;
  design_.settings[kKeyClick] = 0;
  design_.settings[kSecurityFlags] = 1;
  design_.settings[kStartToneLength] = 4;
  design_.settings[kLargeFont] = 1;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    EXPECT_TRUE(Enabled(page, IDC_SETTINGS_UPLOAD_ICON));
    Click(page, IDC_SETTINGS_RESET);
    EXPECT_EQ(Selection(page, IDC_SETTINGS_UPLOAD), 0);
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_UPLOAD_ICON));
    EXPECT_EQ(Selection(page, IDC_SETTINGS_KEY_CLICK), 2);
    EXPECT_EQ(Text(page, IDC_SETTINGS_TIMEOUT), L"2");
    PressOk(sheet);
  });
  EXPECT_EQ(design_.settings[kUploadPort], 0);
  EXPECT_EQ(design_.settings[kKeyClick], 2);
  EXPECT_EQ(design_.settings[kSecurityFlags], 0);
  EXPECT_EQ(design_.settings[kStartToneLength], 4);  // the acoustic coupler's own
  EXPECT_EQ(design_.settings[kLargeFont], 1);        // the Startup page's
}

}  // namespace
}  // namespace q700::gui_test

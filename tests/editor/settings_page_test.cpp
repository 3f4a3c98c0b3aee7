// The Settings page: port warnings and the port texts written at once, the controls that follow
// the ports, the time-out and duration boxes, the prompt choice, Reset and the commit.
#include "editor/settings_page.h"

#include <gtest/gtest.h>

#include "editor/startup_page.h"
#include "model/settings_block.h"
#include "page_test_support.h"
#include "support/recording_sink.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

constexpr int kUploadSet = 14;
constexpr int kDownloadSet = 15;

class SettingsPageTest : public test::PageTest {
 protected:
  SettingsPage page_{session_, design_};
  q700::test::RecordingSink sink_;
};

TEST_F(SettingsPageTest, ListsOfThePage) {
  const SettingsPageLists lists = page_.Lists();
  EXPECT_EQ(lists.upload_ports.size(), 5u);
  EXPECT_EQ(lists.upload_ports[4], "Bluetooth SPP");
  EXPECT_EQ(lists.download_ports,
            (std::vector<std::string>{"Cradle-IR", "IrDA", "Modem", "Bluetooth SPP"}));
  EXPECT_EQ(lists.key_click,
            (std::vector<std::string>{"Mute", "Tone 1", "Tone 2", "Tone 3", "Tone 4", "Tone 5"}));
  EXPECT_EQ(lists.beeps,
            (std::vector<std::string>{"Mute", "One beep", "Two beeps", "Three beeps"}));
}

TEST_F(SettingsPageTest, BluetoothWarningCancelledChangesNothing) {
  page_.Open();
  const Design before = design_;
  const DefaultTerminalTexts defaults_before = defaults_;
  sink_.answer = Answer::kCancel;
  const PortView view = page_.SelectUploadPort(4, sink_);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text_id, 1149);
  EXPECT_EQ(sink_.messages[0].caption_id, 1122);
  EXPECT_EQ(sink_.messages[0].buttons, Buttons::kOkCancel);
  EXPECT_EQ(view.upload_port, 0);
  EXPECT_EQ(page_.working_copy()[kUploadPort], 0);
  EXPECT_EQ(session_.port_flags, 0);
  EXPECT_EQ(design_, before);
  EXPECT_EQ(defaults_.Get(805), defaults_before.Get(805));
}

TEST_F(SettingsPageTest, UploadPortLinesInTheSmallFont) {
  page_.Open();
  page_.SelectUploadPort(4, sink_);
  EXPECT_EQ(Text(kUploadSet, 4), "3. Bluetooth SPP");
  EXPECT_EQ(defaults_.Get(805), "3. Bluetooth SPP");
  EXPECT_EQ(defaults_.Get(814), "3. BT SPP   ");
  EXPECT_EQ(session_.port_flags, kUploadIsBluetooth);

  page_.SelectUploadPort(1, sink_);  // IrDA: no question
  EXPECT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(Text(kUploadSet, 4), "3. Modem        ");
  EXPECT_EQ(defaults_.Get(805), "3. Modem        ");
  EXPECT_EQ(session_.port_flags, 0);

  // Straight from Bluetooth SPP to the acoustic coupler also puts the modem text back.
  page_.SelectUploadPort(4, sink_);
  page_.SelectUploadPort(3, sink_);
  ASSERT_EQ(sink_.messages.size(), 3u);
  EXPECT_EQ(sink_.messages[2].text_id, 1147);
  EXPECT_EQ(Text(kUploadSet, 4), "3. Modem        ");
  EXPECT_EQ(session_.port_flags, 0);
  page_.Apply();
  EXPECT_EQ(design_.settings[kUploadPort], 3);
  EXPECT_EQ(design_.settings[kPortTextFlags], 0);
}

TEST_F(SettingsPageTest, PortLinesFollowTheFontInForce) {
  design_.settings[kLargeFont] = 1;
  page_.Open();
  page_.SelectDownloadPort(3, sink_);
  EXPECT_EQ(Text(kDownloadSet, 3), "3. BT SPP   ");
  EXPECT_EQ(defaults_.Get(846), "3. Bluetooth SPP");
  EXPECT_EQ(defaults_.Get(854), "3. BT SPP   ");
  EXPECT_EQ(session_.port_flags, kDownloadIsBluetooth);
  page_.Apply();
  EXPECT_EQ(design_.settings[kPortTextFlags], kDownloadIsBluetooth);
  EXPECT_EQ(design_.settings[kDownloadPort], 3);
}

TEST_F(SettingsPageTest, ShownStartupPageDecidesTheFontAndGetsTheLine) {
  StartupPage startup(session_, design_);
  startup.Open();
  startup.ClickLargeFont();  // the design still says small
  page_.Open();
  page_.SelectUploadPort(4, sink_);
  EXPECT_EQ(Text(kUploadSet, 3), "3. BT SPP   ");
  EXPECT_EQ(Row(startup.staging_row(7, 3)), "3. BT SPP   ");
  EXPECT_EQ(Text(kUploadSet, 4), "3. Modem        ");  // the small-font line is not touched
}

TEST_F(SettingsPageTest, AcousticCouplerLineIsRestoredOnlyWhenBlank) {
  SetSlotText(TextSlot(design_, kUploadSet, 5), std::string(16, ' '));
  page_.Open();
  page_.SelectUploadPort(3, sink_);
  EXPECT_EQ(Text(kUploadSet, 5), "4. Acoustic Co. ");

  SetSlotText(TextSlot(design_, kUploadSet, 5), "   Coupler");
  page_.SelectUploadPort(0, sink_);
  page_.SelectUploadPort(3, sink_);
  EXPECT_EQ(Text(kUploadSet, 5), "   Coupler");

  SetSlotText(TextSlot(design_, kUploadSet, 5), "");
  page_.SelectUploadPort(0, sink_);
  page_.SelectUploadPort(3, sink_);
  EXPECT_EQ(Text(kUploadSet, 5), "4. Acoustic Co. ");
}

TEST_F(SettingsPageTest, ModemPortsEnableTheirControls) {
  SettingsView view = page_.Open();
  EXPECT_FALSE(view.ports.upload_phone_enabled);
  EXPECT_FALSE(view.ports.modem_speed_enabled);
  EXPECT_TRUE(view.ports.baud_rate_enabled);
  EXPECT_FALSE(view.upload_phone_icon);

  PortView ports = page_.SelectUploadPort(2, sink_);
  EXPECT_TRUE(ports.upload_phone_enabled);
  EXPECT_TRUE(ports.modem_speed_enabled);
  EXPECT_TRUE(ports.baud_rate_enabled);
  ports = page_.SelectDownloadPort(2, sink_);
  EXPECT_TRUE(ports.download_phone_enabled);
  EXPECT_TRUE(ports.modem_speed_enabled);
  EXPECT_FALSE(ports.baud_rate_enabled);
  EXPECT_TRUE(sink_.messages.empty());

  // Cancel in a warning still reports the controls of the ports kept.
  sink_.answer = Answer::kCancel;
  ports = page_.SelectDownloadPort(3, sink_);
  EXPECT_EQ(ports.download_port, 2);
  EXPECT_FALSE(ports.baud_rate_enabled);
}

TEST_F(SettingsPageTest, PhoneNumbersKeepTwentyCharacters) {
  page_.Open();
  page_.ChangeUploadPhone("0123456789012345678901");
  page_.ChangeDownloadPhone("555");
  const SettingsView view = page_.View();
  EXPECT_EQ(view.upload_phone, "01234567890123456789");
  EXPECT_EQ(view.download_phone, "555");
}

TEST_F(SettingsPageTest, TimeoutBoxHoldsOneDigit) {
  page_.Open();
  EXPECT_EQ(page_.View().timeout, "2");
  EXPECT_EQ(page_.ChangeTimeout("27"), "7");  // "7" typed after "2"
  EXPECT_EQ(page_.working_copy()[kBacklightTimeout], 7);
  EXPECT_EQ(page_.ChangeTimeout("37"), "3");  // "3" typed before "7"
  EXPECT_EQ(page_.working_copy()[kBacklightTimeout], 3);
  EXPECT_EQ(page_.ChangeTimeout(""), "1");
  EXPECT_EQ(page_.working_copy()[kBacklightTimeout], 1);
  EXPECT_EQ(page_.ChangeTimeout("5"), std::nullopt);
  EXPECT_EQ(page_.ChangeTimeout("05"), "5");  // a leading zero keeps the time-out
  EXPECT_EQ(page_.working_copy()[kBacklightTimeout], 5);
  // "0" typed after "5" would give 0, which the box does not hold.
  EXPECT_EQ(page_.ChangeTimeout("50"), "1");
  EXPECT_EQ(page_.working_copy()[kBacklightTimeout], 1);
}

TEST_F(SettingsPageTest, DurationBoxHoldsTwoDigits) {
  page_.Open();
  EXPECT_EQ(page_.ChangeDuration("123"), "12");
  EXPECT_EQ(page_.working_copy()[kPromptDuration], 12);
  EXPECT_EQ(page_.ChangeDuration("05"), "5");
  EXPECT_EQ(page_.working_copy()[kPromptDuration], 5);
  EXPECT_EQ(page_.ChangeDuration("99"), std::nullopt);
  EXPECT_EQ(page_.ChangeDuration(""), "0");
  EXPECT_EQ(page_.working_copy()[kPromptDuration], 0);
}

TEST_F(SettingsPageTest, PromptChoices) {
  SettingsView view = page_.Open();
  EXPECT_TRUE(view.prompt.stay_on_lcd.checked);  // duration 6
  EXPECT_TRUE(view.prompt.duration_enabled);

  PromptView prompt = page_.ChoosePressAnyKey();
  EXPECT_TRUE(prompt.press_any_key.checked);
  EXPECT_EQ(prompt.duration, "0");
  EXPECT_FALSE(prompt.duration_enabled);
  prompt = page_.ChooseStayOnLcd();
  EXPECT_EQ(prompt.duration, "6");
  EXPECT_TRUE(prompt.duration_enabled);

  prompt = page_.SelectEntryPrompt(0);  // "No prompt"
  EXPECT_FALSE(prompt.stay_on_lcd.enabled);
  EXPECT_FALSE(prompt.press_any_key.enabled);
  EXPECT_FALSE(prompt.duration_enabled);
  prompt = page_.SelectEntryPrompt(2);
  EXPECT_TRUE(prompt.press_any_key.enabled);
  EXPECT_TRUE(prompt.duration_enabled);
}

TEST_F(SettingsPageTest, ResetRestoresOnlyItsOwnBytes) {
  design_.settings[kLargeFont] = 1;
  design_.settings[kParity] = 2;
  design_.settings[kFunctionKeyMapping] = 1;
  design_.settings[kCodeIds] = 7;
  design_.settings[kUploadPort] = 4;
  design_.settings[kPassword] = 'x';
  design_.settings[kKeyClick] = 5;
  design_.settings[kBuzzerSecurity] = 1;
  design_.settings[kBacklightTimeout] = 9;
  page_.Open();
  const SettingsView view = page_.Reset();
  EXPECT_EQ(view.ports.upload_port, 0);
  EXPECT_EQ(view.timeout, "2");
  EXPECT_EQ(view.key_click, 2);
  Bytes working = page_.working_copy();
  EXPECT_EQ(working[kPassword], 0);
  EXPECT_EQ(working[kBuzzerSecurity], 0);
  EXPECT_EQ(working[kParity], 2);
  EXPECT_EQ(working[kFunctionKeyMapping], 1);
  EXPECT_EQ(working[kCodeIds], 7);
  EXPECT_EQ(working[kLargeFont], 1);
  EXPECT_EQ(session_.port_flags, kUploadIsBluetooth);  // the texts are left as they are
}

TEST_F(SettingsPageTest, ApplyKeepsBytesChangedElsewhereMeanwhile) {
  page_.Open();
  page_.SelectBaudRate(3);
  design_.settings[kCodeIds + 4] = 0x41;  // the Code ID dialog writes at its own OK
  design_.settings[kFieldReplacement] = 0x1D;
  page_.Apply();
  EXPECT_EQ(design_.settings[kBaudRate], 3);
  EXPECT_EQ(design_.settings[kCodeIds + 4], 0x41);
  EXPECT_EQ(design_.settings[kFieldReplacement], 0x1D);
}

}  // namespace
}  // namespace q700::editor

// The Security, Function Key and Acoustic Coupler dialogs on the Settings page's working copy.
#include "editor/settings_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "editor/pickers.h"
#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

class SettingsDialogsTest : public testing::Test {
 protected:
  SettingsDialogsTest() {
    Design design;
    ResetDesign(design, DefaultTerminalTexts());
    std::copy(design.settings.begin(), design.settings.end(), working_.begin());
  }

  std::string Password() { return SlotText(Bytes(working_).subspan(kPassword, kPasswordSize)); }

  std::array<uint8_t, kSettingsBlockSize> working_{};
};

TEST_F(SettingsDialogsTest, PasswordIsTenLettersOrDigits) {
  SecurityDialog dialog(working_);
  dialog.Open();
  PasswordEntry entry = dialog.ChangePassword("abcDEF0123x");
  ASSERT_EQ(entry.messages.size(), 1u);
  EXPECT_EQ(entry.messages[0].text_id, 1141);
  EXPECT_EQ(entry.messages[0].caption_id, 1122);
  EXPECT_EQ(entry.messages[0].icon, Icon::kWarning);
  EXPECT_EQ(entry.rewrite, "abcDEF0123");

  entry = dialog.ChangePassword("ab!?cd-e");
  ASSERT_EQ(entry.messages.size(), 1u);
  EXPECT_EQ(entry.messages[0].text_id, 1142);
  EXPECT_EQ(entry.rewrite, "abcde");

  // Cut first, then the cut text is checked again.
  entry = dialog.ChangePassword("a b c d e f");
  ASSERT_EQ(entry.messages.size(), 2u);
  EXPECT_EQ(entry.messages[0].text_id, 1141);
  EXPECT_EQ(entry.messages[1].text_id, 1142);
  EXPECT_EQ(entry.rewrite, "abcde");

  EXPECT_TRUE(dialog.ChangePassword("Zz9").messages.empty());
  EXPECT_EQ(Password(), "");  // the page's copy changes only on OK
  dialog.Ok();
  EXPECT_EQ(Password(), "Zz9");
}

TEST_F(SettingsDialogsTest, ProtectingSettingsDisablesItsItemsAndKeepsTheirMarks) {
  SecurityDialog dialog(working_);
  dialog.Open();
  dialog.Click(7);   // "Download Port"
  dialog.Click(13);  // "Barcode Good Read"
  SecurityView view = dialog.Click(0);
  EXPECT_TRUE(view.boxes[0].checked);
  EXPECT_TRUE(view.boxes[5].enabled);  // "Load Lookup File"
  for (int box = 6; box < kSecurityBoxes; ++box) EXPECT_FALSE(view.boxes[box].enabled) << box;
  EXPECT_TRUE(view.boxes[7].checked);
  EXPECT_TRUE(view.boxes[13].checked);
  dialog.Ok();
  EXPECT_EQ(working_[kSecurityFlags], 1);
  EXPECT_EQ(working_[kSecurityFlags + 7], 1);
  EXPECT_EQ(working_[kBuzzerSecurity + 1], 1);
}

TEST_F(SettingsDialogsTest, CancelLeavesTheWorkingCopy) {
  const auto before = working_;
  SecurityDialog security(working_);
  security.Open();
  security.Click(3);
  security.ChangePassword("secret");
  security.Cancel();
  FunctionKeyDialog keys(working_);
  keys.Open();
  keys.ClickEnable();
  keys.SelectFunction(2, 19);
  keys.Cancel();
  AcousticCouplerDialog coupler(working_);
  coupler.Open();
  coupler.ClickBlockTransmission();
  coupler.SelectParity(1);
  coupler.Cancel();
  EXPECT_EQ(working_, before);
}

TEST_F(SettingsDialogsTest, MappingFlagChangesOnlyOnOk) {
  working_[kFunctionKeyMapping] = 1;
  working_[kFunctionKeyMap + 1] = 5;
  FunctionKeyDialog dialog(working_);
  FunctionKeyView view = dialog.Open();
  EXPECT_TRUE(view.lists_enabled);
  EXPECT_EQ(view.functions[1], 5);
  dialog.SelectFunction(6, 19);  // FN+7: "Calculator"
  view = dialog.ClickEnable();
  EXPECT_FALSE(view.enable.checked);
  EXPECT_FALSE(view.lists_enabled);
  EXPECT_EQ(dialog.copy()[kFunctionKeyMapping], 1);
  dialog.Ok();
  EXPECT_EQ(working_[kFunctionKeyMapping], 0);
  EXPECT_EQ(working_[kFunctionKeyMap + 1], 5);
  EXPECT_EQ(working_[kFunctionKeyMap + 6], 19);
  TextLoader texts;
  EXPECT_EQ(FunctionTexts(texts)[19], "Calculator");
}

TEST_F(SettingsDialogsTest, BlockTransmissionForcesTheControlCharacters) {
  AcousticCouplerDialog dialog(working_);
  AcousticCouplerView view = dialog.Open();
  EXPECT_FALSE(view.control_characters.checked);
  EXPECT_TRUE(view.control_characters.enabled);
  EXPECT_FALSE(view.control_boxes);
  EXPECT_FALSE(view.block_controls);
  EXPECT_EQ(view.start_of_text, "STX");
  EXPECT_EQ(view.padding, "SP");

  view = dialog.ClickBlockTransmission();
  EXPECT_TRUE(view.control_characters.checked);
  EXPECT_FALSE(view.control_characters.enabled);
  EXPECT_TRUE(view.control_boxes);
  EXPECT_TRUE(view.block_controls);
  EXPECT_TRUE(view.block_check.enabled);
  // Ending block transmission leaves the control characters on, and the box free again.
  view = dialog.ClickBlockTransmission();
  EXPECT_TRUE(view.control_characters.checked);
  EXPECT_TRUE(view.control_characters.enabled);
  dialog.ClickBlockTransmission();
  dialog.Ok();
  EXPECT_EQ(working_[kBlockTransmission], 1);
  EXPECT_EQ(working_[kControlChars], 1);
}

TEST_F(SettingsDialogsTest, StartToneLengthStaysWithinOneToFive) {
  working_[kStartToneLength] = 9;
  AcousticCouplerDialog dialog(working_);
  EXPECT_EQ(dialog.Open().start_tone, "5");
  EXPECT_EQ(dialog.ChangeStartTone("7"), "5");
  EXPECT_EQ(dialog.ChangeStartTone(""), "5");
  EXPECT_EQ(dialog.ChangeStartTone("3"), std::nullopt);
  EXPECT_EQ(dialog.copy()[kStartToneLength], 3);
  dialog.Ok();
  EXPECT_EQ(working_[kStartToneLength], 3);

  working_[kStartToneLength] = 0;
  AcousticCouplerDialog again(working_);
  EXPECT_EQ(again.Open().start_tone, "1");
  again.Ok();
  EXPECT_EQ(working_[kStartToneLength], 1);
}

TEST_F(SettingsDialogsTest, CharacterPickerWritesTheDialogCopy) {
  AcousticCouplerDialog dialog(working_);
  dialog.Open();
  CharacterPicker picker(dialog.Character(CouplerCharacter::kBlockEnd));
  picker.Open();
  EXPECT_EQ(picker.selected(), 23);  // ETB
  picker.Click(120);
  EXPECT_EQ(picker.Ok(), "x");
  EXPECT_EQ(dialog.View().block_end, "x");
  EXPECT_EQ(working_[kBlockEndChar], 23);
  dialog.SelectVolume(3);
  dialog.Ok();
  EXPECT_EQ(working_[kBlockEndChar], 120);
  EXPECT_EQ(working_[kVolume], 3);
}

}  // namespace
}  // namespace q700::editor

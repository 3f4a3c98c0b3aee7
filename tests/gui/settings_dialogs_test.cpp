// The Settings page's Security, Function Key and Acoustic Coupler dialogs driven through their
// controls: the password messages, the protected functions, the key map, Block Transmission
// forcing the control characters, a character picked in the grid, and Cancel.
#include "gui_test_support.h"
#include "model/settings_block.h"
#include "resources/dialogs/form_ids.h"
#include "resources/dialogs/settings_ids.h"
#include "sheet_pages.h"

namespace q700::gui_test {
namespace {

using namespace settings_offset;

constexpr int kCharacterColumns = 8;

class SettingsDialogsTest : public EditorTest {
 protected:
  // Opens a dialog of the Settings page with `button` and runs `script` in it.
  void InDialog(HWND page, int button, const Script& script) {
    driver_.Expect(script);
    Click(page, button);
  }
  // The next message box: its text is kept and it is answered with OK.
  void AcceptMessage(std::vector<std::wstring>& texts) {
    driver_.Expect([&texts](HWND box) {
      texts.push_back(MessageBoxText(box));
      Click(box, IDOK);
    });
  }
};

TEST_F(SettingsDialogsTest, SecurityDialogChecksThePasswordAndProtectsFunctions) {
  design_.settings[kSecurityFlags + 6] = 1;  // "Upload Port"
  std::vector<std::wstring> messages;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    InDialog(page, IDC_SETTINGS_SECURITY, [&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Security Settings");
      AcceptMessage(messages);
      Type(dialog, IDC_SECURITY_PASSWORD, L"12a--b7");
      EXPECT_EQ(Text(dialog, IDC_SECURITY_PASSWORD), L"12ab7");

      Click(dialog, IDC_SECURITY_FLAG + 13);  // Key Click
      EXPECT_TRUE(Checked(dialog, IDC_SECURITY_FLAG + 7));
      Click(dialog, IDC_SECURITY_FLAG + 1);  // Settings covers 107 to 115
      EXPECT_FALSE(Enabled(dialog, IDC_SECURITY_FLAG + 15));
      EXPECT_TRUE(Checked(dialog, IDC_SECURITY_FLAG + 7));
      EXPECT_TRUE(Checked(dialog, IDC_SECURITY_FLAG + 13));
      EXPECT_TRUE(Enabled(dialog, IDC_SECURITY_FLAG + 6));
      Click(dialog, IDOK);
    });
    // Cancel drops what the dialog did.
    InDialog(page, IDC_SETTINGS_SECURITY, [&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_SECURITY_PASSWORD), L"12ab7");
      EXPECT_TRUE(Checked(dialog, IDC_SECURITY_FLAG + 1));
      Type(dialog, IDC_SECURITY_PASSWORD, L"999");
      Click(dialog, IDC_SECURITY_FLAG + 2);
      Click(dialog, IDCANCEL);
    });
    PressOk(sheet);
  });
  EXPECT_EQ(messages, (std::vector<std::wstring>{L"Invalid character!!!"}));
  const auto& s = design_.settings;
  EXPECT_EQ(SlotText(ConstBytes(s).subspan(kPassword, kPasswordSize)), "12ab7");
  EXPECT_EQ(s[kSecurityFlags], 1);
  EXPECT_EQ(s[kSecurityFlags + 1], 0);
  EXPECT_EQ(s[kSecurityFlags + 6], 1);
  EXPECT_EQ(s[kBuzzerSecurity], 1);
}

TEST_F(SettingsDialogsTest, FunctionKeyMapKeepsItsChoicesWhenDisabled) {
  design_.settings[kFunctionKeyMapping] = 1;
  design_.settings[kFunctionKeyMap + 6] = 19;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    InDialog(page, IDC_SETTINGS_FUNCTION_KEYS, [&](HWND dialog) {
      EXPECT_TRUE(Checked(dialog, IDC_FNKEY_ENABLE));
      EXPECT_EQ(ItemCount(dialog, IDC_FNKEY_FUNCTION + 1), 20);
      EXPECT_EQ(Selection(dialog, IDC_FNKEY_FUNCTION + 7), 19);
      Choose(dialog, IDC_FNKEY_FUNCTION + 1, 5);
      Click(dialog, IDC_FNKEY_ENABLE);
      EXPECT_FALSE(Enabled(dialog, IDC_FNKEY_FUNCTION + 1));
      Click(dialog, IDOK);
    });
    PressOk(sheet);
  });
  EXPECT_EQ(design_.settings[kFunctionKeyMapping], 0);
  EXPECT_EQ(design_.settings[kFunctionKeyMap], 5);
  EXPECT_EQ(design_.settings[kFunctionKeyMap + 6], 19);
}

TEST_F(SettingsDialogsTest, AcousticCouplerForcesControlCharactersAndPicksOne) {
  auto& s = design_.settings;
  s[kStartToneLength] = 9;
  s[kControlChars] = 0;
  s[kBlockTransmission] = 0;
  s[kStartOfText] = 2;
  s[kVolume] = 1;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Settings");
    InDialog(page, IDC_SETTINGS_COUPLER, [&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_AC_TONE), L"5");
      int low = 0;
      int high = 0;
      SendDlgItemMessageW(dialog, IDC_AC_TONE_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                          reinterpret_cast<LPARAM>(&high));
      EXPECT_EQ(low, 1);
      EXPECT_EQ(high, 5);
      EXPECT_EQ(
          reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, IDC_AC_TONE_SPIN, UDM_GETBUDDY, 0, 0)),
          GetDlgItem(dialog, IDC_AC_TONE));
      Type(dialog, IDC_AC_TONE, L"7");
      EXPECT_EQ(Text(dialog, IDC_AC_TONE), L"5");
      Type(dialog, IDC_AC_TONE, L"3");

      EXPECT_FALSE(Checked(dialog, IDC_AC_CONTROL_CHARS));
      EXPECT_FALSE(Enabled(dialog, IDC_AC_START));
      EXPECT_FALSE(Enabled(dialog, IDC_AC_BLOCK_SIZE));
      Click(dialog, IDC_AC_BLOCK);
      EXPECT_TRUE(Checked(dialog, IDC_AC_CONTROL_CHARS));
      EXPECT_FALSE(Enabled(dialog, IDC_AC_CONTROL_CHARS));
      EXPECT_TRUE(Enabled(dialog, IDC_AC_START));
      EXPECT_TRUE(Enabled(dialog, IDC_AC_BLOCK_SIZE));
      EXPECT_TRUE(Enabled(dialog, IDC_AC_BLOCK_CHECK));

      EXPECT_EQ(Text(dialog, IDC_AC_START), L"STX");
      driver_.Expect([&](HWND picker) {
        ClickCode(GetDlgItem(picker, IDC_GRID), kCharacterColumns, 'x');
        Click(picker, IDOK);
      });
      ClickAt(GetDlgItem(dialog, IDC_AC_START), 3, 3);
      EXPECT_EQ(Text(dialog, IDC_AC_START), L"x");

      Choose(dialog, IDC_AC_DATA_BITS, 1);
      Choose(dialog, IDC_AC_PARITY, 2);
      Choose(dialog, IDC_AC_BLOCK_SIZE, 2);
      Click(dialog, IDC_AC_BLOCK_CHECK);
      Click(dialog, IDOK);
    });
    // Cancel drops the dialog's copy.
    InDialog(page, IDC_SETTINGS_COUPLER, [&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_AC_START), L"x");
      Click(dialog, IDC_AC_BLOCK);
      Choose(dialog, IDC_AC_VOLUME, 3);
      Click(dialog, IDCANCEL);
    });
    PressOk(sheet);
  });
  EXPECT_EQ(s[kStartToneLength], 3);
  EXPECT_EQ(s[kControlChars], 1);
  EXPECT_EQ(s[kBlockTransmission], 1);
  EXPECT_EQ(s[kStartOfText], 'x');
  EXPECT_EQ(s[kDataBits], 1);
  EXPECT_EQ(s[kParity], 2);
  EXPECT_EQ(s[kBlockSize], 2);
  EXPECT_EQ(s[kBlockCheck], 1);
  EXPECT_EQ(s[kVolume], 1);
}

}  // namespace
}  // namespace q700::gui_test

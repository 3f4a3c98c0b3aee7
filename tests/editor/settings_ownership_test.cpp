// Every page and dialog that edits the settings block writes only the bytes it owns: the others
// belong to other pages, to dialogs that write at their own OK, or to nobody.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "editor/lookup_page.h"
#include "editor/menu_page.h"
#include "editor/settings_logic.h"
#include "editor/settings_page.h"
#include "editor/startup_page.h"
#include "model/settings_block.h"
#include "page_test_support.h"
#include "support/recording_sink.h"

namespace q700::editor {
namespace {

using Offsets = std::set<size_t>;

Offsets Range(size_t first, size_t last) {
  Offsets offsets;
  for (size_t i = first; i <= last; ++i) offsets.insert(i);
  return offsets;
}

Offsets Join(std::initializer_list<Offsets> parts) {
  Offsets all;
  for (const Offsets& part : parts) all.insert(part.begin(), part.end());
  return all;
}

Offsets Changed(ConstBytes before, ConstBytes after) {
  Offsets changed;
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) changed.insert(i);
  }
  return changed;
}

// A value no editor writes: a byte an apply leaves alone keeps it.
constexpr uint8_t kMark = 0xEE;

class SettingsOwnershipTest : public test::PageTest {
 protected:
  // Marks the whole settings block, as if other editors had written it meanwhile, runs the
  // apply and returns the bytes it wrote.
  template <typename Apply>
  Offsets Written(Apply&& apply) {
    std::fill(design_.settings.begin(), design_.settings.end(), kMark);
    apply();
    Offsets written;
    for (size_t i = 0; i < kSettingsBlockSize; ++i) {
      if (design_.settings[i] != kMark) written.insert(i);
    }
    return written;
  }

  q700::test::RecordingSink sink_;
};

TEST_F(SettingsOwnershipTest, MenuPageWritesByteFour) {
  MenuPage page(texts_);
  page.Open(design_);
  page.ClickSeparateFiles();
  page.ClickSaveItem();
  page.ChangeItem(0, "Count");
  EXPECT_EQ(Written([&] { page.Apply(design_); }), Offsets{settings_offset::kSeparateFiles});
}

TEST_F(SettingsOwnershipTest, LookupPageWritesNoSettingsByte) {
  LookupPage page(session_);
  page.Open(design_);
  page.SelectFieldCount(2);
  page.ChangeMemberLength("12");
  page.ChooseDelimiter();
  EXPECT_EQ(Written([&] { page.Apply(design_); }), Offsets{});
}

TEST_F(SettingsOwnershipTest, StartupPageWritesItsOptionsAndTheExtraMenuTexts) {
  StartupPage page(session_, design_);
  page.Open();
  page.SelectStartTarget(1);
  page.SelectDelimiterCount(2);
  page.ChangeFirstCode("59");
  page.ChangeSecondCode("32");
  page.ClickLargeFont();
  for (int group = 0; group < kMessageGroupCount; ++group) page.SelectGroup(group);
  const Offsets written = Written([&] { page.Apply(); });
  const Offsets owned = Join({Range(1, 3), {68}, Range(150, 254)});
  EXPECT_TRUE(std::includes(owned.begin(), owned.end(), written.begin(), written.end()));
  for (size_t offset : {1, 2, 3, 68, 150, 171, 192, 213, 234}) {
    EXPECT_TRUE(written.contains(offset)) << offset;
  }
}

TEST_F(SettingsOwnershipTest, SettingsPageAndItsDialogsWriteTheirOwnBytes) {
  SettingsPage page(session_, design_);
  page.Open();
  std::vector<uint8_t> before(page.working_copy().begin(), page.working_copy().end());

  // The page's own controls.
  page.SelectUploadPort(4, sink_);
  page.SelectDownloadPort(2, sink_);
  page.ChangeUploadPhone("123");
  page.ChangeDownloadPhone("456");
  page.SelectModemSpeed(4);
  page.SelectBaudRate(2);
  page.SelectBacklight(1);
  page.ChangeTimeout("9");
  page.SelectDataDeletion(1);
  page.SelectEntryPrompt(2);
  page.ChangeDuration("42");
  page.SelectKeyClick(5);
  page.SelectGoodReadBeep(3);
  page.SelectWarningBeep(0);
  Offsets changed = Changed(before, page.working_copy());
  Offsets owned = Join({Range(5, 33), Range(115, 139)});
  EXPECT_TRUE(std::includes(owned.begin(), owned.end(), changed.begin(), changed.end()));
  EXPECT_GE(changed.size(), 14u);

  before.assign(page.working_copy().begin(), page.working_copy().end());
  SecurityDialog security(page.working_copy());
  security.Open();
  for (int box = 0; box < kSecurityBoxes; ++box) security.Click(box);
  security.ChangePassword("Pass123");
  security.Ok();
  changed = Changed(before, page.working_copy());
  owned = Join({Range(34, 57), Range(140, 149)});
  EXPECT_TRUE(std::includes(owned.begin(), owned.end(), changed.begin(), changed.end()));
  EXPECT_GE(changed.size(), 15u);

  before.assign(page.working_copy().begin(), page.working_copy().end());
  FunctionKeyDialog keys(page.working_copy());
  keys.Open();
  keys.ClickEnable();
  for (int key = 0; key < settings_offset::kFunctionKeyCount; ++key)
    keys.SelectFunction(key, key + 1);
  keys.Ok();
  changed = Changed(before, page.working_copy());
  owned = Join({Range(58, 67), {82}});
  EXPECT_TRUE(std::includes(owned.begin(), owned.end(), changed.begin(), changed.end()));
  EXPECT_EQ(changed.size(), 8u);

  before.assign(page.working_copy().begin(), page.working_copy().end());
  AcousticCouplerDialog coupler(page.working_copy());
  coupler.Open();
  coupler.SelectDataBits(0);
  coupler.SelectStopBits(1);
  coupler.SelectParity(2);
  coupler.SelectVolume(3);
  coupler.ChangeStartTone("4");
  coupler.ClickBlockTransmission();
  coupler.SelectBlockSize(2);
  coupler.SelectBlockDelay(1);
  coupler.ClickBlockCheck();
  for (auto box : {CouplerCharacter::kStartOfText, CouplerCharacter::kEndOfText,
                   CouplerCharacter::kPadding, CouplerCharacter::kBlockEnd}) {
    coupler.Character(box) = 'Z';
  }
  coupler.Ok();
  changed = Changed(before, page.working_copy());
  owned = Join({Range(69, 81), {83}});
  EXPECT_TRUE(std::includes(owned.begin(), owned.end(), changed.begin(), changed.end()));
  EXPECT_EQ(changed.size(), 14u);

  // The apply writes what the page and its dialogs own, and the port text flags.
  EXPECT_EQ(Written([&] { page.Apply(); }),
            Join({Range(5, 67), Range(69, 83), Range(115, 149), {255}}));
  EXPECT_EQ(design_.settings[settings_offset::kPortTextFlags], settings_offset::kUploadIsBluetooth);
}

TEST_F(SettingsOwnershipTest, PagesNeverOpenedWriteNothing) {
  MenuPage menu(texts_);
  LookupPage lookup(session_);
  SettingsPage settings(session_, design_);
  StartupPage startup(session_, design_);
  const Design before = design_;
  menu.Apply(design_);
  lookup.Apply(design_);
  settings.Apply();
  startup.Apply();
  EXPECT_EQ(design_, before);
}

}  // namespace
}  // namespace q700::editor

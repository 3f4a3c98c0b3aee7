// The text loader, language files and the default terminal texts.
#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "texts/language_files.h"
#include "texts/string_table.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using test::TempDir;

TEST(TextLoader, BuiltInTextsWithoutALanguage) {
  TextLoader loader;
  EXPECT_EQ(loader.Load(1121, Slot::kCaption), "Error");
  EXPECT_EQ(loader.Load(1171, Slot::kMessage), "Format mismatch !!!");
  EXPECT_EQ(loader.Load(1327, Slot::kMessage), "Cradle is not available!! ");
  EXPECT_EQ(loader.Load(1214, Slot::kItem), "form  ");
  EXPECT_EQ(loader.SlotText(Slot::kCaption), "Error");
  // Nothing is cached while no language is active.
  EXPECT_EQ(loader.language().size(), 0u);
  EXPECT_EQ(loader.Load(9999, Slot::kItem), "");
}

TEST(TextLoader, ALanguageEntryWinsAndAnEmptyOneFallsBackAndIsCached) {
  TextLoader loader;
  loader.set_language_active(true);
  loader.language().Set(1122, "Warnung");
  EXPECT_EQ(loader.Load(1122, Slot::kCaption), "Warnung");
  loader.language().Set(1121, "");
  EXPECT_EQ(loader.Load(1121, Slot::kCaption), "Error");
  EXPECT_EQ(loader.language().Get(1121), "Error");
}

TEST(TextLoader, TextsAreCutToTheirSlotAndLabelsTo80Characters) {
  TextLoader loader;
  loader.set_language_active(true);
  loader.language().Set(1170, std::string(200, 'x'));
  EXPECT_EQ(loader.language().Get(1170).size(), 80u);
  EXPECT_EQ(loader.Load(1170, Slot::kTerminalText).size(), 80u);
  EXPECT_EQ(loader.Label(1170).size(), 80u);
  loader.set_language_active(false);
  EXPECT_EQ(loader.Label(1170), "");
}

TEST(StringTable, HoldsTheTextsOfEveryExchangeAndDialog) {
  EXPECT_STREQ(FindStringTableText(1170), "File open/create failed!");
  EXPECT_STREQ(FindStringTableText(1166), "Failed to download, would you like to retry?");
  EXPECT_STREQ(FindStringTableText(1133), "Please define your program!");
  EXPECT_STREQ(FindStringTableText(1049), "Don't have any COM port device!");
  EXPECT_STREQ(FindStringTableText(1529), "Serial-SPP");
  EXPECT_STREQ(FindStringTableText(1640), "Calculator");
  EXPECT_EQ(FindStringTableText(1), nullptr);  // a language id only
}

constexpr char kGerman[] = "Deutsch\r\n1121=Fehler\r\n1122=Warnung\r\n721=1.Sammeln\r\n1123=\r\n";
constexpr char kFrench[] =
    "Fran\xE7"
    "ais\r\n1121=Erreur\r\n";

TEST(LanguageFiles, TwoFilesFillTwoSlotsInNameOrder) {
  TempDir dir;
  dir.Write("german.lng", kGerman);
  dir.Write("French.LNG", kFrench);
  dir.Write("notes.txt", "Not a language\r\n");
  LanguageList list;
  ASSERT_EQ(ScanLanguages(dir.path(), list), 2);
  EXPECT_EQ(list.files[0].name,
            "Fran\xE7"
            "ais");
  EXPECT_EQ(list.files[1].name, "Deutsch");
}

TEST(LanguageFiles, NoFileOrANamelessFirstFileMeansNoLanguage) {
  TempDir dir;
  LanguageList list;
  EXPECT_EQ(ScanLanguages(dir.path(), list), -1);
  dir.Write("a.lng", "\r\n1121=x\r\n");
  dir.Write("b.lng", kGerman);
  EXPECT_EQ(ScanLanguages(dir.path(), list), -1);
  EXPECT_TRUE(list.files.empty());
}

TEST(LanguageFiles, DisplayNamesAreCutTo40Characters) {
  TempDir dir;
  dir.Write("long.lng", std::string(60, 'N') + "\r\n1=x\r\n");
  LanguageList list;
  ASSERT_EQ(ScanLanguages(dir.path(), list), 1);
  EXPECT_EQ(list.files[0].name, std::string(40, 'N'));
}

TEST(LanguageFiles, LoadingByNameOverridesTextsAndKeepsOthers) {
  TempDir dir;
  dir.Write("german.lng", kGerman);
  dir.Write("french.lng", kFrench);
  LanguageList list;
  const int count = ScanLanguages(dir.path(), list);
  TextLoader loader;

  EXPECT_FALSE(LoadLanguage(list, count, kBuiltInLanguage, loader));
  EXPECT_FALSE(loader.language_active());
  EXPECT_EQ(loader.Load(1121, Slot::kCaption), "Error");

  ASSERT_TRUE(LoadLanguage(list, count, "Deutsch", loader));
  EXPECT_TRUE(loader.language_active());
  EXPECT_EQ(loader.Load(1121, Slot::kCaption), "Fehler");
  EXPECT_EQ(loader.Load(1123, Slot::kCaption), "Download");  // "1123=" clears the entry

  // Switching to a language that lacks 1122 keeps the German text until restart.
  ASSERT_TRUE(LoadLanguage(list, count,
                           "Fran\xE7"
                           "ais",
                           loader));
  EXPECT_EQ(loader.Load(1121, Slot::kCaption), "Erreur");
  EXPECT_EQ(loader.Load(1122, Slot::kCaption), "Warnung");
}

TEST(LanguageFiles, OnlyTheFirst17000BytesOfAFileAreRead) {
  TempDir dir;
  std::string text = "Big\r\n";
  while (text.size() < 16990) text += "5000=" + std::string(60, 'a') + "\r\n";
  text += "1121=" + std::string(30, 'z') + "\r\n";  // straddles the limit
  text += "1122=beyond\r\n";
  dir.Write("big.lng", text);
  LanguageList list;
  const int count = ScanLanguages(dir.path(), list);
  TextLoader loader;
  ASSERT_TRUE(LoadLanguage(list, count, "Big", loader));
  EXPECT_EQ(loader.Load(1122, Slot::kCaption), "Warning");
  EXPECT_LT(loader.language().Get(1121).size(), 30u);
}

TEST(TerminalTexts, RefillTakesTheCurrentLanguageCutToTheGroupWidth) {
  TextLoader loader;
  DefaultTerminalTexts texts;
  RefillTerminalTexts(loader, texts);
  EXPECT_EQ(texts.Get(721), "1.Collect   ");
  EXPECT_EQ(texts.Get(767), "7.Memory & Power");
  EXPECT_EQ(texts.Get(1725), "3.Warning   ");
  EXPECT_EQ(texts.Get(1063), " ESC :Cancel");
  EXPECT_EQ(texts.Get(807), "");  // the Bluetooth variant is not one of the groups

  loader.set_language_active(true);
  loader.language().Set(771, "1.Einstellungen");
  loader.language().Set(761, "1.Einstellungen     ");
  RefillTerminalTexts(loader, texts);
  EXPECT_EQ(texts.Get(771), "1.Einstellun");
  EXPECT_EQ(texts.Get(761), "1.Einstellungen ");
}

}  // namespace
}  // namespace q700

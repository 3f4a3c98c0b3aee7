// The program's commands over its portable state with a recording front end: start-up, the save
// prompt, New, Open (dialog, recent file, command line), Save, Save As, Edit, Preferences and
// closing.
#include "app/workflow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "model/defaults.h"
#include "model/settings_block.h"
#include "support/recording_front_end.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::ReadFileBytes;
using test::RecordingFrontEnd;
using test::TempDir;
using Calls = std::vector<std::string>;

constexpr int kMainMenuSet = 7;  // the text set of the terminal's main menu
constexpr size_t kMarkAt = 100;  // a settings byte the tests mark designs with
constexpr uint8_t kMarked = 0x5A;

class WorkflowTest : public ::testing::Test {
 protected:
  WorkflowTest() : front_end(state) {
    state.prefs_path = PreferencesFileIn(dir.path());
    state.program_folder = dir / "program";
    std::filesystem::create_directories(state.program_folder);
  }

  void WritePreferencesText(std::string_view text) {
    std::filesystem::create_directories(state.prefs_path.parent_path());
    dir.Write("MIRDANTO/TPQ700.ini", text);
  }

  // Start-up, with what it showed forgotten.
  void Start(LastProject last = LastProject::kAsPreferred) {
    StartUp(state, front_end, last);
    front_end.calls.clear();
    front_end.messages.clear();
  }

  // A project file of a new design whose marked byte holds `mark`.
  std::filesystem::path Project(const std::string& name, uint8_t mark) {
    Design design;
    ResetDesign(design, state.defaults);
    design.settings[kMarkAt] = mark;
    const std::filesystem::path path = dir / name;
    EXPECT_TRUE(WriteProjectFile(path, design));
    return path;
  }

  uint8_t Mark() const { return state.design.settings[kMarkAt]; }

  TempDir dir;
  AppState state;
  RecordingFrontEnd front_end;
};

TEST_F(WorkflowTest, StartUpReadsPreferencesThenTheLanguageThenMakesTheNewDesignInIt) {
  dir.Write("program/Deutsch.lng", "Deutsch\r\n721=1.Sammeln\r\n");
  WritePreferencesText("Unknow\r2\r1\r1\r3\r0\r1\rDeutsch\r0\r");
  Start();
  EXPECT_EQ(state.prefs.download_via, 2);
  EXPECT_EQ(state.prefs.baud_rate, 3);
  EXPECT_EQ(state.prefs.always_on_top, 1);
  EXPECT_EQ(state.language_count, 1);
  EXPECT_TRUE(state.texts.language_active());
  // The default terminal texts were refilled in the language before the design was made.
  EXPECT_EQ(state.defaults.Get(721), "1.Sammeln");
  EXPECT_EQ(SlotText(TextSlot(state.design, kMainMenuSet, 0)), "1.Sammeln");
  EXPECT_EQ(state.design.settings[settings_offset::kRevision], 4);
  EXPECT_TRUE(state.file_name.empty());
  EXPECT_FALSE(state.modified);

  // A fresh user: no file, the built-in texts.
  AppState fresh;
  fresh.prefs_path = PreferencesFileIn(dir / "nobody");
  fresh.program_folder = dir / "nowhere";
  RecordingFrontEnd quiet(fresh);
  StartUp(fresh, quiet, LastProject::kAsPreferred);
  EXPECT_FALSE(fresh.texts.language_active());
  EXPECT_EQ(fresh.prefs.last_file, "Unknow");
  EXPECT_EQ(SlotText(TextSlot(fresh.design, kMainMenuSet, 0)), "1.Collect   ");
  EXPECT_TRUE(quiet.calls.empty());
}

TEST_F(WorkflowTest, StartUpReloadsTheLastProjectOnlyWhenAskedAndAFailureLeavesTheDefaults) {
  Start();
  const std::filesystem::path last = Project("Last.TPX", kMarked);
  const std::string prefs = last.string() + "\r0\r0\r1\r0\r1\r0\r0\r0\r";
  WritePreferencesText(prefs);
  Start();
  EXPECT_EQ(Mark(), kMarked);
  EXPECT_EQ(state.file_name, last);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(state.prefs.recent, std::vector<std::string>{last.string()});

  // A file named on the command line takes the last project's place.
  WritePreferencesText(prefs);
  AppState named;
  named.prefs_path = state.prefs_path;
  RecordingFrontEnd named_front_end(named);
  StartUp(named, named_front_end, LastProject::kSkipped);
  EXPECT_NE(named.design.settings[kMarkAt], kMarked);
  EXPECT_TRUE(named.file_name.empty());

  // Auto-preload off, or a last file that is gone: the new design.
  WritePreferencesText(last.string() + "\r0\r0\r1\r0\r0\r0\r0\r0\r");
  state = AppState{.prefs_path = state.prefs_path, .program_folder = state.program_folder};
  Start();
  EXPECT_NE(Mark(), kMarked);
  std::filesystem::remove(last);
  WritePreferencesText(prefs);
  StartUp(state, front_end, LastProject::kAsPreferred);
  EXPECT_NE(Mark(), kMarked);
  EXPECT_TRUE(state.file_name.empty());
  EXPECT_EQ(front_end.TextIds(), std::vector<int>{1170});
}

TEST_F(WorkflowTest, TheSavePromptAsksWithTheProgramTitleAndCancelKeepsEverything) {
  Start();
  const std::filesystem::path kept = dir / "kept.TPX";
  // New, Open, a recent file and closing each ask first; Cancel leaves the design, its name and
  // the modified flag.
  state.prefs.recent = {Project("Other.TPX", 0x11).string()};
  const std::vector<std::function<void()>> commands = {
      [&] { NewProject(state, front_end); },
      [&] { OpenProject(state, front_end); },
      [&] { OpenProject(state, front_end, dir / "Other.TPX"); },
      [&] { OpenRecentFile(state, front_end, 0); },
      [&] { EXPECT_EQ(CloseProgram(state, front_end), Closing::kStay); },
  };
  for (size_t i = 0; i < commands.size(); ++i) {
    state.file_name = kept;
    state.modified = true;
    state.design.settings[kMarkAt] = kMarked;
    front_end.calls.clear();
    front_end.messages.clear();
    front_end.answers = {Answer::kCancel};
    commands[i]();
    EXPECT_EQ(front_end.calls, Calls{"message 1131"}) << i;
    EXPECT_EQ(Mark(), kMarked) << i;
    EXPECT_EQ(state.file_name, kept) << i;
    EXPECT_TRUE(state.modified) << i;
  }
  const Message& ask = front_end.messages[0];
  EXPECT_EQ(ask.caption_id, 0);
  EXPECT_EQ(ask.caption_utf8, "Zentakel's Q700 Application Generator");
  EXPECT_EQ(ask.icon, Icon::kQuestion);
  EXPECT_EQ(ask.buttons, Buttons::kYesNoCancel);

  // With a language, its program title is the caption.
  state.texts.language().Set(1, "Q700 Generator");
  state.texts.set_language_active(true);
  front_end.answers = {Answer::kCancel};
  NewProject(state, front_end);
  EXPECT_EQ(front_end.messages.back().caption_id, kLanguageProgramTitle);

  // Not modified: no question at all.
  state.modified = false;
  const size_t asked = front_end.messages.size();
  EXPECT_EQ(CloseProgram(state, front_end), Closing::kClose);
  EXPECT_EQ(front_end.messages.size(), asked);
}

TEST_F(WorkflowTest, YesWithASaveThatDoesNotHappenActsAsCancel) {
  Start();
  // Yes and a cancelled Save dialog (the design has no name yet).
  state.modified = true;
  state.design.settings[kMarkAt] = kMarked;
  front_end.answers = {Answer::kYes};
  NewProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"message 1131", "save dialog"}));
  EXPECT_EQ(Mark(), kMarked);
  EXPECT_TRUE(state.modified);

  // Yes and a file that cannot be written: the failure is shown and Open does not go on.
  front_end.calls.clear();
  state.file_name = dir / "missing" / "folder" / "x.TPX";
  front_end.answers = {Answer::kYes};
  OpenProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"message 1131", "message 1170"}));
  EXPECT_EQ(front_end.messages.back().caption_id, 1121);
  EXPECT_EQ(Mark(), kMarked);
  EXPECT_TRUE(state.modified);

  // Yes and a save that works: closing goes on.
  front_end.calls.clear();
  state.file_name = dir / "saved.TPX";
  front_end.answers = {Answer::kYes};
  EXPECT_EQ(CloseProgram(state, front_end), Closing::kClose);
  EXPECT_EQ(std::filesystem::file_size(dir / "saved.TPX"), 18954u);
  EXPECT_FALSE(state.modified);

  // No discards the changes: New starts a new design without a name.
  state.modified = true;
  front_end.calls.clear();
  front_end.answers = {Answer::kNo};
  NewProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"message 1131", "record counter", "editor ", "main menu"}));
  EXPECT_NE(Mark(), kMarked);
  EXPECT_FALSE(state.modified);
  EXPECT_TRUE(state.file_name.empty());
}

TEST_F(WorkflowTest, SaveAsAddsTheExtensionUnlessPresentAndRemembersTheFile) {
  Start();
  struct Case {
    const char* typed;
    const char* saved;
  };
  const Case cases[] = {
      {"shop", "shop.TPX"},
      {"depot.tpx", "depot.tpx"},
      {"stock.txt", "stock.txt.TPX"},
  };
  for (const Case& c : cases) {
    state.modified = true;
    front_end.save_choices = {dir / c.typed};
    EXPECT_TRUE(SaveProjectAs(state, front_end)) << c.typed;
    EXPECT_EQ(state.file_name, dir / c.saved);
    EXPECT_EQ(std::filesystem::file_size(dir / c.saved), 18954u) << c.saved;
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.prefs.recent.front(), (dir / c.saved).string());
    EXPECT_EQ(state.prefs.last_file, (dir / c.saved).string());
  }
  EXPECT_EQ(front_end.calls.back(), "recent files");
  EXPECT_EQ(state.prefs.recent.size(), 3u);
  // The preferences file holds the last file first and the recent files at its end.
  const std::string prefs = ReadFileBytes(state.prefs_path);
  EXPECT_EQ(prefs.rfind((dir / "stock.txt.TPX").string() + "\r", 0), 0u) << prefs;
  EXPECT_NE(prefs.find((dir / "shop.TPX").string() + "\r"), std::string::npos);

  // Save writes the named file again without a dialog; a cancelled Save As changes nothing.
  std::filesystem::remove(dir / "stock.txt.TPX");
  state.modified = true;
  front_end.calls.clear();
  EXPECT_TRUE(SaveProject(state, front_end));
  EXPECT_EQ(std::filesystem::file_size(dir / "stock.txt.TPX"), 18954u);
  EXPECT_EQ(front_end.calls, Calls{"recent files"});
  state.modified = true;
  EXPECT_FALSE(SaveProjectAs(state, front_end));
  EXPECT_EQ(state.file_name, dir / "stock.txt.TPX");
  EXPECT_TRUE(state.modified);

  // A save that cannot create the file is told and leaves the design modified.
  state.file_name = dir / "no" / "such" / "folder.TPX";
  front_end.messages.clear();
  EXPECT_FALSE(SaveProject(state, front_end));
  EXPECT_EQ(front_end.TextIds(), std::vector<int>{1170});
  EXPECT_TRUE(state.modified);
}

TEST_F(WorkflowTest, OpenResetsLoadsTheChosenFileOpensTheEditorAndRemembersIt) {
  Start();
  const std::filesystem::path file = Project("Stock.TPX", 0x33);
  // The preferences file changed since start-up: Open reads it again and offers its last file.
  WritePreferencesText(file.string() + "\r0\r2\r1\r0\r1\r1\r0\r0\r");
  state.design.settings[kMarkAt] = kMarked;
  front_end.open_choices = {file};
  OpenProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"record counter", "place home", "open dialog " + file.string(),
                                    "recent files", "editor " + file.string(), "main menu"}));
  EXPECT_EQ(state.prefs.receive_via, 2);
  EXPECT_EQ(Mark(), 0x33);
  EXPECT_EQ(state.file_name, file);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(state.prefs.recent, std::vector<std::string>{file.string()});

  // Without auto-preload the dialog starts empty. Cancelled, Open leaves a new design without a
  // name, so Save cannot write over the file.
  state.prefs.auto_preload = 0;
  WritePreferences(state.prefs, state.prefs_path);
  front_end.calls.clear();
  OpenProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"record counter", "place home", "open dialog ", "main menu"}));
  EXPECT_NE(Mark(), 0x33);
  EXPECT_TRUE(state.file_name.empty());

  // The editor's OK marks the opened design modified.
  front_end.editor_end = DialogEnd::kOk;
  front_end.open_choices = {file};
  OpenProject(state, front_end);
  EXPECT_TRUE(state.modified);
}

TEST_F(WorkflowTest, AFailedOpenLeavesANewDesignWithoutANameAndSaysWhy) {
  Start();
  const std::filesystem::path foreign = dir.Write("Foreign.TPX", "Q700-1.01 and more");
  struct Case {
    std::filesystem::path file;
    int text_id;
  };
  const Case cases[] = {{dir / "Gone.TPX", 1170}, {foreign, 1171}};
  for (const Case& c : cases) {
    for (bool named : {false, true}) {
      state.design.settings[kMarkAt] = kMarked;
      state.file_name = dir / "Before.TPX";
      front_end.calls.clear();
      front_end.messages.clear();
      if (named) {
        OpenProject(state, front_end, c.file);
      } else {
        front_end.open_choices = {c.file};
        OpenProject(state, front_end);
      }
      EXPECT_EQ(front_end.TextIds(), std::vector<int>{c.text_id}) << c.file;
      EXPECT_EQ(front_end.messages[0].caption_id, 1121);
      EXPECT_EQ(front_end.messages[0].icon, Icon::kWarning);
      EXPECT_EQ(front_end.calls.back(), "main menu");
      EXPECT_EQ(std::count(front_end.calls.begin(), front_end.calls.end(), "editor "), 0);
      EXPECT_NE(Mark(), kMarked);
      EXPECT_TRUE(state.file_name.empty());
    }
  }
}

TEST_F(WorkflowTest, AnOlderDesignOpensWithTheUpgradeWarningAndStaysUnmodified) {
  Start();
  const std::filesystem::path file = Project("Old.TPX", 0x21);
  std::string bytes = ReadFileBytes(file);
  bytes[18574] = 1;  // model revision 1
  dir.Write("Old.TPX", bytes);
  front_end.open_choices = {file};
  OpenProject(state, front_end);
  ASSERT_EQ(front_end.messages.size(), 1u);
  EXPECT_EQ(front_end.messages[0].caption_id, 1122);
  EXPECT_EQ(front_end.messages[0].text_utf8,
            "Задача преобразована в новый формат.\r\nПожалуйста, сохраните новую версию!");
  EXPECT_EQ(state.design.settings[settings_offset::kRevision], 4);
  EXPECT_EQ(state.file_name, file);
  EXPECT_FALSE(state.modified);
}

TEST_F(WorkflowTest, ACommandLineFileOpensAsOpenWouldWithTheEditorNamingIt) {
  Start();
  const std::filesystem::path file = Project("My Designs STOCK.TPX", 0x44);
  OpenProject(state, front_end, file);
  EXPECT_EQ(front_end.calls, (Calls{"record counter", "place home", "recent files",
                                    "editor " + file.string(), "main menu"}));
  EXPECT_EQ(Mark(), 0x44);
  EXPECT_EQ(state.file_name, file);
  EXPECT_EQ(state.prefs.recent.front(), file.string());

  // A name relative to the folder the program started in is remembered in full.
  const std::filesystem::path started_in = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  OpenProject(state, front_end, "My Designs STOCK.TPX");
  std::filesystem::current_path(started_in);
  EXPECT_TRUE(state.file_name.is_absolute());
  EXPECT_TRUE(std::filesystem::equivalent(state.file_name, file));
}

TEST_F(WorkflowTest, RecentFilesKeepFourMostRecentFirstAndReopenOverTheDesign) {
  Start();
  std::vector<std::filesystem::path> files;
  for (int i = 0; i < 5; ++i) {
    files.push_back(Project("F" + std::to_string(i) + ".TPX", static_cast<uint8_t>(0x40 + i)));
    ASSERT_TRUE(LoadProject(state, front_end, files.back(), LoadOnto::kCurrentDesign));
  }
  // The fifth file dropped the oldest.
  const std::vector<std::string> expected = {files[4].string(), files[3].string(),
                                             files[2].string(), files[1].string()};
  EXPECT_EQ(state.prefs.recent, expected);
  EXPECT_EQ(front_end.calls, Calls(5, "recent files"));

  // Reopening the third entry (F2) loads it and moves it to the front without growing the list.
  state.modified = false;
  front_end.calls.clear();
  OpenRecentFile(state, front_end, 2);
  EXPECT_EQ(front_end.calls, (Calls{"recent files", "main menu"}));
  EXPECT_EQ(Mark(), 0x42);
  EXPECT_EQ(state.file_name, files[2]);
  EXPECT_EQ(state.prefs.recent, (std::vector<std::string>{files[2].string(), files[4].string(),
                                                          files[3].string(), files[1].string()}));

  // A recent file is read over the design as it is: what a short file does not reach stays.
  std::string shorter = ReadFileBytes(files[4]);
  shorter.resize(18574);  // up to the settings block
  dir.Write("F4.TPX", shorter);
  OpenRecentFile(state, front_end, 1);
  EXPECT_EQ(state.file_name, files[4]);
  EXPECT_EQ(Mark(), 0x42);

  // A recent file that is gone: told, and the design and its name stay.
  std::filesystem::remove(files[3]);
  front_end.messages.clear();
  OpenRecentFile(state, front_end, 2);
  EXPECT_EQ(front_end.TextIds(), std::vector<int>{1170});
  EXPECT_EQ(state.file_name, files[4]);
  EXPECT_EQ(Mark(), 0x42);

  // An entry past the list does nothing.
  front_end.calls.clear();
  OpenRecentFile(state, front_end, 4);
  EXPECT_TRUE(front_end.calls.empty());
}

TEST_F(WorkflowTest, TheEditorsOkMarksTheDesignModifiedAndNewForgetsTheName) {
  Start();
  state.file_name = dir / "Named.TPX";
  front_end.editor_end = DialogEnd::kCancel;
  EditProject(state, front_end);
  EXPECT_FALSE(state.modified);
  // OK without any change still marks the design.
  front_end.editor_end = DialogEnd::kOk;
  EditProject(state, front_end);
  EXPECT_TRUE(state.modified);
  EXPECT_EQ(front_end.calls, (Calls{"editor " + (dir / "Named.TPX").string(), "main menu",
                                    "editor " + (dir / "Named.TPX").string(), "main menu"}));

  state.modified = false;
  front_end.calls.clear();
  NewProject(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"record counter", "editor ", "main menu"}));
  EXPECT_TRUE(state.file_name.empty());
  EXPECT_TRUE(state.modified);
}

TEST_F(WorkflowTest, PreferencesOkReloadsTheLanguageAndTheMenuCancelOnlyPlacesTheWindow) {
  dir.Write("program/Deutsch.lng", "Deutsch\r\n721=1.Sammeln\r\n");
  Start();
  EXPECT_FALSE(state.texts.language_active());
  front_end.preferences_end = DialogEnd::kCancel;
  EditPreferences(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"preferences", "place kept"}));

  front_end.calls.clear();
  front_end.preferences_end = DialogEnd::kOk;
  front_end.on_preferences = [&] { state.prefs.language = "Deutsch"; };
  EditPreferences(state, front_end);
  EXPECT_EQ(front_end.calls, (Calls{"preferences", "popup menu", "place kept"}));
  EXPECT_TRUE(state.texts.language_active());
  EXPECT_EQ(state.defaults.Get(721), "1.Sammeln");

  // "Default <English>" stores "0": the built-in texts again.
  front_end.on_preferences = [&] { state.prefs.language = "0"; };
  EditPreferences(state, front_end);
  EXPECT_FALSE(state.texts.language_active());
  EXPECT_EQ(state.defaults.Get(721), "1.Collect   ");
}

TEST(CommandLineTest, NamesOneProjectFileQuotedOrNot) {
  struct Case {
    const wchar_t* arguments;
    std::optional<std::wstring> named;
  };
  const Case cases[] = {
      {L"", std::nullopt},
      {L"   ", std::nullopt},
      {L"\"\"", std::nullopt},
      {L"C:\\STOCK.TPX", L"C:\\STOCK.TPX"},
      {L"\"C:\\My Designs\\STOCK.TPX\"", L"C:\\My Designs\\STOCK.TPX"},
      {L"  \"C:\\My Designs\\STOCK.TPX\"  ", L"C:\\My Designs\\STOCK.TPX"},
      {L"C:\\My Designs\\STOCK.TPX", L"C:\\My Designs\\STOCK.TPX"},
      {L"\"C:\\Unclosed quote.TPX", L"C:\\Unclosed quote.TPX"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProjectNamedOnCommandLine(c.arguments), c.named);
  }
}

}  // namespace
}  // namespace q700

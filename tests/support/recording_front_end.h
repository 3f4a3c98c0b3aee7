// A front end of the program's workflow for tests: records every call in order, answers questions
// and file choices from lists, and ends the editor sheet and the Preferences dialog as told.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/front_end.h"

namespace q700::test {

class RecordingFrontEnd : public AppFrontEnd {
 public:
  explicit RecordingFrontEnd(const AppState& state) : state_(state) {}

  // Every call as a short line: "message 1131", "open dialog C:\a.TPX", "save dialog",
  // "editor <the file name of its caption>", "preferences", "main menu", "record counter",
  // "place home", "place kept", "popup menu", "recent files".
  std::vector<std::string> calls;
  std::vector<Message> messages;
  // Answers to questions, used up in order; Cancel once they run out.
  std::deque<Answer> answers;
  // What the Open and Save dialogs give, used up in order; a cancel once they run out.
  std::deque<std::filesystem::path> open_choices;
  std::deque<std::filesystem::path> save_choices;
  DialogEnd editor_end = DialogEnd::kCancel;
  DialogEnd preferences_end = DialogEnd::kCancel;
  // Runs while the Preferences dialog is open, as the user's OK would (store and write).
  std::function<void()> on_preferences;

  Answer Show(const Message& message) override {
    messages.push_back(message);
    calls.push_back("message " + std::to_string(message.text_id));
    if (message.buttons == Buttons::kOk) return Answer::kOk;
    if (answers.empty()) return Answer::kCancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> ChooseProjectToOpen(
      const std::filesystem::path& initial) override {
    calls.push_back("open dialog " + initial.string());
    return Next(open_choices);
  }
  std::optional<std::filesystem::path> ChooseProjectToSave() override {
    calls.push_back("save dialog");
    return Next(save_choices);
  }
  DialogEnd RunEditor() override {
    calls.push_back("editor " + state_.file_name.string());
    return editor_end;
  }
  DialogEnd RunPreferences() override {
    calls.push_back("preferences");
    if (on_preferences) on_preferences();
    return preferences_end;
  }
  void ShowMainMenu() override { calls.push_back("main menu"); }
  void ResetRecordCounter() override { calls.push_back("record counter"); }
  void PlaceWindow(WindowPlace place) override {
    calls.push_back(place == WindowPlace::kHome ? "place home" : "place kept");
  }
  void RebuildPopupMenu() override { calls.push_back("popup menu"); }
  void ShowRecentFiles() override { calls.push_back("recent files"); }

  // The text ids of the messages shown, in order.
  std::vector<int> TextIds() const {
    std::vector<int> ids;
    for (const Message& m : messages) ids.push_back(m.text_id);
    return ids;
  }

 private:
  static std::optional<std::filesystem::path> Next(std::deque<std::filesystem::path>& choices) {
    if (choices.empty()) return std::nullopt;
    std::filesystem::path path = choices.front();
    choices.pop_front();
    return path;
  }

  const AppState& state_;
};

}  // namespace q700::test

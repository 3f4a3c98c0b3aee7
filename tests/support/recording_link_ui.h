// A front end of the exchanges for tests: records every call in order, answers questions from a
// list, gives the files it was told to.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/link_ui.h"

namespace q700::test {

class RecordingLinkUi : public LinkUi {
 public:
  // Every call as a short line: "message 1121/1146", "progress open", "progress 5",
  // "progress close", "count 1 3", "choose lookup", "view".
  std::vector<std::string> calls;
  std::vector<Message> messages;
  std::vector<int> progress;  // positions set, in order
  // Answers to Yes/No questions, used up in order; No once they run out.
  std::deque<Answer> answers;
  // Files given by ChooseFile, used up in order; a cancel once they run out.
  std::deque<std::filesystem::path> files;
  std::vector<std::filesystem::path> initial_paths;  // what each choice was offered
  std::vector<std::filesystem::path> viewed;

  Answer Show(const Message& message) override {
    messages.push_back(message);
    calls.push_back("message " + std::to_string(message.caption_id) + "/" +
                    std::to_string(message.text_id));
    if (message.buttons != Buttons::kYesNo && message.buttons != Buttons::kYesNoCancel) {
      return Answer::kOk;
    }
    if (answers.empty()) return Answer::kNo;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::optional<std::filesystem::path> ChooseFile(FileChoice kind,
                                                  const std::filesystem::path& initial) override {
    calls.push_back(kind == FileChoice::kLookupFile ? "choose lookup" : "choose output");
    initial_paths.push_back(initial);
    if (files.empty()) return std::nullopt;
    std::filesystem::path path = files.front();
    files.pop_front();
    return path;
  }

  void OpenProgress() override { calls.push_back("progress open"); }
  void SetProgress(int position) override {
    progress.push_back(position);
    calls.push_back("progress " + std::to_string(position));
  }
  void CloseProgress() override { calls.push_back("progress close"); }
  void ShowReceiveCount(int stage, int count) override {
    calls.push_back("count " + std::to_string(stage) + " " + std::to_string(count));
  }
  void ViewReceivedFile(const std::filesystem::path& path) override {
    calls.push_back("view");
    viewed.push_back(path);
  }

  // The text ids of the messages shown, in order.
  std::vector<int> TextIds() const {
    std::vector<int> ids;
    for (const Message& m : messages) ids.push_back(m.text_id);
    return ids;
  }
};

}  // namespace q700::test

// The link's front end in the Windows program: message boxes, the lookup-file and output-file
// dialogs, the download progress window, the receive count drawn on the screen, and Notepad.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "link/link_ui.h"
#include "texts/text_loader.h"
#include "ui/win32/gdi.h"

namespace q700::win32 {

class Win32LinkUi final : public LinkUi {
 public:
  Win32LinkUi(HINSTANCE instance, TextLoader& texts) : instance_(instance), texts_(texts) {}
  ~Win32LinkUi() override;
  Win32LinkUi(const Win32LinkUi&) = delete;
  Win32LinkUi& operator=(const Win32LinkUi&) = delete;

  Answer Show(const Message& message) override;
  std::optional<std::filesystem::path> ChooseFile(FileChoice kind,
                                                  const std::filesystem::path& initial) override;
  void OpenProgress() override;
  void SetProgress(int position) override;
  void CloseProgress() override;
  void ShowReceiveCount(int stage, int count) override;
  void ViewReceivedFile(const std::filesystem::path& path) override;

  // The progress window while it is open, for tests.
  HWND progress_window() const { return progress_; }
  // The box of the receive count on the screen while it is shown; empty otherwise.
  RECT receive_box() const { return box_; }

 private:
  HINSTANCE instance_;
  TextLoader& texts_;
  HWND progress_ = nullptr;
  // The screen under the receive count box, put back at the end.
  Bitmap saved_screen_;
  RECT box_{};
};

// The text of the receive count box: "Data received : %d", or language text 6 and the count.
std::wstring ReceiveCountText(TextLoader& texts, int count);

}  // namespace q700::win32

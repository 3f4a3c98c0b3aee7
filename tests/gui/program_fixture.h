// A running program for the GUI tests: the real main window and Client window over a design,
// with its preferences file and language folder in a temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/win32/app.h"
#include "app/win32/main_window.h"
#include "gui/gui_support.h"
#include "support/temp_dir.h"

namespace q700::test {

class ProgramTest : public ::testing::Test {
 protected:
  ~ProgramTest() override { Stop(); }

  // Starts the program; a preferences file or language files written before are read.
  void Start() {
    ASSERT_TRUE(win32::RegisterWindowClasses(GetModuleHandleW(nullptr)));
    app_ = std::make_unique<win32::App>(GetModuleHandleW(nullptr));
    app_->program_folder = dir_.path() / "program";
    app_->prefs_path = PrefsPath();
    std::filesystem::create_directories(app_->program_folder);
    ASSERT_NE(win32::CreateMainWindow(*app_), nullptr);
    PumpMessages();
  }

  void Stop() {
    if (app_ == nullptr) return;
    app_.reset();
    PumpMessages();
    // The main window's end posts the quit message, which would end the next modal loop.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  std::filesystem::path PrefsPath() const { return dir_.path() / "MIRDANTO" / "TPQ700.ini"; }

  // Runs a command that opens no modal window.
  void Command(int id) {
    ModalScript none;
    Command(id, none);
  }

  // Runs a command with the modal windows answered by `script`.
  void Command(int id, ModalScript& script) {
    script.Run([&] { SendMessageW(app_->main_window, WM_COMMAND, MAKEWPARAM(id, 0), 0); });
  }

  win32::App& app() { return *app_; }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  std::unique_ptr<win32::App> app_;
};

}  // namespace q700::test

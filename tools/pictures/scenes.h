// What the scenes of the picture tool share: where the sample designs are, and taking a picture
// as a step that must succeed.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "capture.h"

namespace q700::pictures {

// The folder of the sample designs as the program sees it (`C:\Samples`), so that the pictures
// show the path a user's own copy has.
void SetSamplesFolder(const std::filesystem::path& folder);
std::filesystem::path Sample(const std::filesystem::path& name);
// The Russian language file, under a name Wine reaches in a Russian locale.
void SetLanguageFile(const std::filesystem::path& file);
std::filesystem::path LanguageFile();

inline void Take(HWND window, const char* name) {
  EXPECT_TRUE(SaveScreenshot(window, name)) << "the picture " << name << " was not saved";
}
inline void TakeArea(const RECT& area, const char* name) {
  EXPECT_TRUE(SaveScreenArea(area, name)) << "the picture " << name << " was not saved";
}

}  // namespace q700::pictures

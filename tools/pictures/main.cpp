// pictures: takes the pictures of the README and the user guide by running the program's windows
// through what the text beside each picture describes, and saves them as bitmap files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "scenes.h"
#include "ui/win32/text_convert.h"

namespace q700::pictures {
namespace {

std::filesystem::path& SamplesFolder() {
  static std::filesystem::path folder;
  return folder;
}

std::filesystem::path& Language() {
  static std::filesystem::path file;
  return file;
}

constexpr char kUsage[] =
    "usage: pictures [--samples FOLDER] [--language FILE] [--russian] OUTPUT_FOLDER\n"
    "Takes the pictures of the documentation and saves them as OUTPUT_FOLDER\\NAME.bmp.\n"
    "  --samples FOLDER  the sample designs, as the pictures show their path (C:\\Samples)\n"
    "  --language FILE   the Russian language file (default FOLDER\\russian.lng)\n"
    "  --russian         the pictures of the program in Russian only; Wine's ANSI code page\n"
    "                    must be 1251 (LC_ALL=ru_RU.UTF-8)\n";

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

void SetSamplesFolder(const std::filesystem::path& folder) { SamplesFolder() = folder; }
std::filesystem::path Sample(const std::filesystem::path& name) { return SamplesFolder() / name; }
void SetLanguageFile(const std::filesystem::path& file) { Language() = file; }
std::filesystem::path LanguageFile() { return Language(); }

}  // namespace q700::pictures

int wmain(int argc, wchar_t** argv) {
  using namespace q700::pictures;
  std::filesystem::path samples = L"C:\\Samples";
  std::filesystem::path language;
  std::filesystem::path output;
  bool russian = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--help" || arg == L"-h") {
      std::fputs(kUsage, stdout);
      return kExitOk;
    }
    if ((arg == L"--samples" || arg == L"--language") && i + 1 < argc) {
      (arg == L"--samples" ? samples : language) = argv[++i];
    } else if (arg == L"--russian") {
      russian = true;
    } else if (!arg.empty() && arg[0] != L'-' && output.empty()) {
      output = arg;
    } else {
      std::fprintf(stderr, "pictures: unexpected argument %s\n%s", q700::win32::ToUtf8(arg).c_str(),
                   kUsage);
      return kExitUsage;
    }
  }
  if (output.empty()) {
    std::fprintf(stderr, "pictures: no output folder\n%s", kUsage);
    return kExitUsage;
  }
  if (!std::filesystem::is_regular_file(samples / L"STOCK.TPX")) {
    std::fprintf(stderr, "pictures: %s holds no STOCK.TPX\n",
                 q700::win32::ToUtf8(samples.wstring()).c_str());
    return kExitFailed;
  }
  std::error_code error;
  std::filesystem::create_directories(output, error);
  if (!std::filesystem::is_directory(output)) {
    std::fprintf(stderr, "pictures: cannot make the folder %s\n",
                 q700::win32::ToUtf8(output.wstring()).c_str());
    return kExitFailed;
  }
  SetPictureFolder(output);
  SetSamplesFolder(samples);
  SetLanguageFile(language.empty() ? samples / L"russian.lng" : language);

  // The scenes run as test cases, so that every step they expect of the program is checked and a
  // picture of a program that went astray fails the run.
  std::string filter = russian ? "--gtest_filter=RussianPictures.*"
                               : "--gtest_filter=*Pictures.*:-RussianPictures.*";
  std::vector<char*> gtest_args = {const_cast<char*>("pictures"), filter.data()};
  int gtest_argc = static_cast<int>(gtest_args.size());
  testing::InitGoogleTest(&gtest_argc, gtest_args.data());
  return RUN_ALL_TESTS() == 0 ? kExitOk : kExitFailed;
}

// What the fuzz targets share: a scratch folder of the process, writing an input to a file in it,
// and a check that stops the run with a reason when an invariant breaks.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace q700::fuzz {

// Stops the run; libFuzzer keeps the input that got here as a crash file.
[[noreturn]] inline void Broken(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
  std::abort();
}

#define Q700_FUZZ_CHECK(condition)                                          \
  do {                                                                      \
    if (!(condition)) ::q700::fuzz::Broken(#condition, __FILE__, __LINE__); \
  } while (0)

// A folder of this process under the system's temporary folder, made on first use and removed at
// exit (fuzzing several targets at once must not share one).
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("q700-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(ScratchFolder(), ec);
    });
    return path;
  }();
  return folder;
}

inline void WriteFile(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace q700::fuzz

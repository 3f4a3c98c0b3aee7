#include "texts/language_files.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "texts/text_loader.h"

namespace q700 {
namespace {

bool HasLanguageExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".lng";
}

// Reads at most `limit` bytes of a file; empty when it cannot be opened.
bool ReadPrefix(const std::filesystem::path& path, size_t limit, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(limit, '\0');
  in.read(out.data(), static_cast<std::streamsize>(limit));
  out.resize(static_cast<size_t>(in.gcount()));
  return true;
}

std::string DisplayName(std::string_view head) {
  const size_t nul = head.find('\0');
  if (nul != std::string_view::npos) head = head.substr(0, nul);
  const size_t cr = head.find('\r');
  if (cr != std::string_view::npos) head = head.substr(0, cr);
  // A file with LF-only line ends still has a name.
  const size_t lf = head.find('\n');
  if (lf != std::string_view::npos) head = head.substr(0, lf);
  return std::string(head.substr(0, kLanguageNameMax));
}

}  // namespace

int ScanLanguages(const std::filesystem::path& folder, LanguageList& list) {
  list.files.clear();
  std::vector<std::filesystem::path> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_regular_file(ec) && HasLanguageExtension(it->path())) found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  if (found.empty()) return -1;
  for (const auto& path : found) {
    if (static_cast<int>(list.files.size()) == kMaxLanguages) break;
    if (path.native().size() > kLanguagePathMax) continue;
    std::string head;
    ReadPrefix(path, 100, head);
    std::string name = DisplayName(head);
    if (name.empty()) {
      if (list.files.empty()) return -1;
      break;
    }
    list.files.push_back({std::move(name), path});
  }
  return static_cast<int>(list.files.size());
}

void ParseLanguageText(std::string_view text, TextLoader& loader) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string_view id_text = line.substr(0, eq);
    while (!id_text.empty() && (id_text.front() == ' ' || id_text.front() == '\t')) {
      id_text.remove_prefix(1);
    }
    long id = 0;
    size_t digits = 0;
    while (digits < id_text.size() && std::isdigit(static_cast<unsigned char>(id_text[digits])) &&
           id <= 65535) {
      id = id * 10 + (id_text[digits] - '0');
      ++digits;
    }
    if (digits == 0 || id > 65535) continue;
    loader.language().Set(static_cast<int>(id), line.substr(eq + 1));
  }
}

bool LoadLanguage(const LanguageList& list, int count, std::string_view name, TextLoader& loader) {
  loader.set_language_active(false);
  if (count <= 0) return false;
  for (const auto& file : list.files) {
    if (file.name != name) continue;
    std::string text;
    if (!ReadPrefix(file.path, kLanguageFileMax, text)) continue;
    if (text.empty()) return false;
    const size_t first_line_end = text.find('\n');
    if (first_line_end != std::string::npos) {
      // Text after a NUL is not part of the file's text.
      std::string_view body(text);
      body = body.substr(first_line_end + 1);
      body = body.substr(0, body.find('\0'));
      ParseLanguageText(body, loader);
    }
    loader.set_language_active(true);
    return true;
  }
  return false;
}

}  // namespace q700

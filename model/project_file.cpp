// Writing and reading project files, and the upgrade of designs of older revisions.
#include "model/project_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "model/barcode_block.h"
#include "model/form_record.h"
#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_ids.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

bool StartsWith(ConstBytes bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && AsChars(bytes.first(prefix.size())) == prefix;
}

// The current header is recognised by "Q700RU" whatever revision follows; the old one by all of
// "Q700-1.00". A file too short to hold the compared characters is foreign.
bool HeaderAccepted(ConstBytes file) {
  const std::string_view current(kVersionTag, 6);
  if (file.empty() || file[0] != static_cast<uint8_t>(current[0])) return false;
  return StartsWith(file, current) || StartsWith(file, kOldVersionTag);
}

// Revision 2 brought the modem speed, the download phone number, the buzzer settings and the
// extra menu texts.
void UpgradeToRevision2(Design& d, TextLoader& texts) {
  using namespace settings_offset;
  const Bytes s = d.settings;
  std::fill(s.begin() + kModemSpeed, s.begin() + kKeyClick, uint8_t{0});
  s[kKeyClick] = 2;
  s[kGoodReadBeep] = 1;
  s[kWarningBeep] = 2;
  std::fill(s.begin() + kBuzzerSecurity, s.begin() + kExtraMenuTexts, uint8_t{0});
  const int first_id = s[kLargeFont] != 0 ? kCalculatorLarge : kCalculatorSmall;
  // The five texts have consecutive ids from the calculator item.
  for (int i = 0; i < kExtraTextCount; ++i) {
    SetSlotText(ExtraMenuText(s, i), texts.Load(first_id + i, Slot::kTerminalText));
  }
  s[kRevision] = 2;
}

// Revision 3 brought the weight-code block.
void UpgradeToRevision3(Design& d) {
  using namespace weight_offset;
  const Bytes w = d.weight;
  WriteU16Le(w, kMark, kMarkValue);
  WriteU16Le(w, kFlags, kEnable);
  w[kPrefix] = '2';
  w[kPrefix + 1] = '3';
  WriteU16Le(w, kMask, 7);
  WriteU16Le(w, kKeyField, 2);
  WriteU16Le(w, kQuantityField, 4);
  d.settings[settings_offset::kRevision] = 3;
}

// Revision 4 brought the error target of the forms.
void UpgradeToRevision4(Design& d) {
  for (int f = 0; f < kFormCount; ++f) FormAt(d, f).at(form_offset::kErrorTarget) = 0;
  d.settings[settings_offset::kRevision] = 4;
}

// Returns whether any step ran.
bool Upgrade(Design& d, TextLoader& texts) {
  uint8_t& revision = d.settings[settings_offset::kRevision];
  bool upgraded = false;
  if (revision < 2) {
    UpgradeToRevision2(d, texts);
    upgraded = true;
  }
  if (revision < 3) {
    UpgradeToRevision3(d);
    upgraded = true;
  }
  if (revision < 4) {
    UpgradeToRevision4(d);
    upgraded = true;
  }
  return upgraded;
}

}  // namespace

Message UpgradeWarning() {
  Message m;
  m.caption_id = kCaptionWarning;
  m.text_utf8 =
      "Задача преобразована в новый формат.\r\n"
      "Пожалуйста, сохраните новую версию!";
  m.icon = Icon::kWarning;
  return m;
}

Message FormatMismatchMessage() {
  Message m;
  m.caption_id = kCaptionError;
  m.text_id = kTextFormatMismatch;
  m.icon = Icon::kWarning;
  return m;
}

Message FileFailedMessage() {
  Message m;
  m.caption_id = kCaptionError;
  m.text_id = kTextFileCreateFailed;
  m.icon = Icon::kWarning;
  return m;
}

ProjectFileBytes ProjectFileContents(const Design& d) {
  ProjectFileBytes file{};
  size_t at = 0;
  for (const ConstBytes block :
       {ConstBytes(d.version_tag), ConstBytes(d.reserved_word), ConstBytes(d.barcode),
        ConstBytes(d.menus), ConstBytes(d.forms), ConstBytes(d.lookups), ConstBytes(d.texts),
        ConstBytes(d.reserved_area), ConstBytes(d.settings), ConstBytes(d.weight)}) {
    std::copy(block.begin(), block.end(), file.begin() + static_cast<ptrdiff_t>(at));
    at += block.size();
  }
  // The rest is the zero trailer.
  return file;
}

bool WriteProjectFile(const std::filesystem::path& path, Design& design, std::string* error) {
  const ProjectFileBytes file = ProjectFileContents(design);
  return ReplaceFileContents(path, file, error);
}

ProjectReadResult ReadProjectBytes(ConstBytes file, Design& design, TextLoader& texts) {
  if (!HeaderAccepted(file)) return {ProjectRead::kNotAProject, {FormatMismatchMessage()}, {}};
  // Every block after the header, straight into the design, as far as the file reaches.
  size_t at = kVersionTagSize;
  const auto blocks = DesignBlocks(design);
  for (size_t b = 1; b < blocks.size() && at < file.size(); ++b) {
    const size_t n = std::min(blocks[b].size(), file.size() - at);
    std::copy_n(file.begin() + static_cast<ptrdiff_t>(at), n, blocks[b].begin());
    at += n;
  }
  if (Upgrade(design, texts)) return {ProjectRead::kUpgraded, {UpgradeWarning()}, {}};
  return {ProjectRead::kLoaded, {}, {}};
}

ProjectReadResult ReadProjectFile(const std::filesystem::path& path, Design& design,
                                  TextLoader& texts) {
  const auto fail = [&](const std::string& reason) -> ProjectReadResult {
    return {ProjectRead::kCannotRead, {FileFailedMessage()}, path.string() + ": " + reason};
  };
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return fail("it is a folder");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail(errno != 0 ? std::strerror(errno) : "cannot be opened");
  // Nothing after the weight-code block is read.
  std::vector<uint8_t> bytes(kFileTrailerOffset);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return fail(errno != 0 ? std::strerror(errno) : "read error");
  bytes.resize(static_cast<size_t>(in.gcount()));
  return ReadProjectBytes(bytes, design, texts);
}

}  // namespace q700

// Fuzz target for the project-file reader: any bytes, read over a new design as Open does. A
// design that loads must come back the same after a save and a second load, and must build a
// download image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/defaults.h"
#include "model/download_image.h"
#include "model/project_file.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

struct Texts {
  Texts() { q700::RefillTerminalTexts(loader, defaults); }
  q700::TextLoader loader;
  q700::DefaultTerminalTexts defaults;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Texts texts;
  q700::Design design;
  q700::ResetDesign(design, texts.defaults);
  const q700::Design before = design;
  const q700::ProjectReadResult read = q700::ReadProjectBytes({data, size}, design, texts.loader);
  if (!read) {
    // A refused file changes nothing and says so once.
    if (!(design == before) || read.messages.size() != 1) std::abort();
    return 0;
  }
  if (read.messages.size() > 1) std::abort();

  const q700::ProjectFileBytes saved = q700::ProjectFileContents(design);
  q700::Design reloaded;
  q700::ResetDesign(reloaded, texts.defaults);
  const q700::ProjectReadResult again = q700::ReadProjectBytes(saved, reloaded, texts.loader);
  if (!again || !(reloaded == design) || !again.messages.empty()) std::abort();

  q700::PrepareDownload(design);
  const q700::DownloadImage image = q700::BuildImage(design);
  if (image[image.size() - 1] != 0) std::abort();
  return 0;
}

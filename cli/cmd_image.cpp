// tpq700 image: builds the 20,000-byte download image of a design.
#include <filesystem>
#include <memory>

#include "cli/design_file.h"
#include "model/download_image.h"

namespace q700::cli {

void AddImageCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("image", "Build the download image of a design");
  auto file = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "Project file (.TPX); it is not changed")->required();
  cmd->add_option("OUT", *out, "Image file to write (20,000 bytes)")->required();
  cmd->add_flag("--force", *force, "Replace OUT when it exists");
  cmd->footer(
      "The design is prepared as for a download (menu texts padded, form lines tidied, counts "
      "recomputed) in memory only.\n");
  cmd->callback([&ctx, file, out, force] {
    std::error_code ec;
    if (std::filesystem::equivalent(*file, *out, ec)) {
      ctx.Fail(*out + " is the project file itself; name another file for the image");
      return;
    }
    if (!*force && std::filesystem::exists(*out, ec)) {
      ctx.Fail(*out + " exists; name another file or replace it with --force");
      return;
    }
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    PrepareDownload(design);
    const DownloadImage image = BuildImage(design);
    SaveOutputFile(ctx, *out, image);
  });
}

}  // namespace q700::cli

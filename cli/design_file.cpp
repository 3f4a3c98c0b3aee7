#include "cli/design_file.h"

#include <ostream>

#include "app/workflow.h"
#include "base/atomic_file.h"
#include "model/defaults.h"
#include "model/project_file.h"

namespace q700::cli {
namespace {

void ReportFileFailure(Context& ctx, const std::string& reason) {
  ctx.Fail(MessageLine(ctx, FileFailedMessage()) + " (" + reason + ")");
}

}  // namespace

std::string MessageLine(Context& ctx, const Message& message) {
  const std::string caption = message.caption_id != 0
                                  ? ctx.texts.Load(message.caption_id, Slot::kCaption)
                                  : message.caption_utf8;
  std::string text =
      message.text_id != 0 ? ctx.texts.Load(message.text_id, Slot::kMessage) : message.text_utf8;
  text += message.detail;
  // Message boxes break lines with CR LF; a terminal wants LF alone.
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  return caption.empty() ? text : caption + ": " + text;
}

Answer PrintingSink::Show(const Message& message) {
  ctx_.err << MessageLine(ctx_, message) << "\n";
  switch (message.buttons) {
    case Buttons::kYesNo:
    case Buttons::kYesNoCancel:
      return Answer::kYes;
    case Buttons::kOk:
    case Buttons::kOkCancel:
      break;
  }
  return Answer::kOk;
}

void NewDesign(Context& ctx, Design& design) {
  design = Design{};
  ResetDesign(design, ctx.defaults);
}

bool LoadDesignFile(Context& ctx, const std::string& path, Design& design, DesignUse use) {
  design = Design{};
  const ProjectReadResult read = ReadProjectOverDefaults(path, design, ctx.defaults, ctx.texts);
  switch (read.status) {
    case ProjectRead::kCannotRead:
      ReportFileFailure(ctx, read.reason);
      return false;
    case ProjectRead::kNotAProject: {
      const std::string line =
          read.messages.empty() ? std::string("Error") : MessageLine(ctx, read.messages.front());
      ctx.Fail(line + " (" + path + ": not a project file)");
      return false;
    }
    case ProjectRead::kUpgraded:
      // The program asks its user to save; the tool says so only where it writes the file, and
      // in English like the rest of its own words.
      if (use == DesignUse::kWrite) {
        ctx.err << "tpq700: Warning: " << path
                << ": converted from an older format; the file written has the new one\n";
      }
      return true;
    case ProjectRead::kLoaded:
      return true;
  }
  return read.ok();
}

bool SaveDesignFile(Context& ctx, const std::string& path, Design& design) {
  std::string error;
  if (WriteProjectFile(path, design, &error)) return true;
  ReportFileFailure(ctx, error);
  return false;
}

bool SaveOutputFile(Context& ctx, const std::string& path, ConstBytes contents) {
  std::string error;
  if (ReplaceFileContents(path, contents, &error)) return true;
  ReportFileFailure(ctx, error);
  return false;
}

}  // namespace q700::cli

// Loading and saving design files for the commands of the tool, with the core's messages printed
// on stderr.
#pragma once

#include <string>

#include "base/bytes.h"
#include "base/message.h"
#include "cli/command.h"
#include "model/design.h"

namespace q700::cli {

// Prints each message as "Caption: text" on the error stream; questions get their first answer
// (OK or Yes), since the tool asks nobody.
class PrintingSink : public MessageSink {
 public:
  explicit PrintingSink(Context& ctx) : ctx_(ctx) {}
  Answer Show(const Message& message) override;

 private:
  Context& ctx_;
};

// "Caption: text" with the texts loaded through the context's text loader.
std::string MessageLine(Context& ctx, const Message& message);

// Gives the design the contents of a new project, as New does.
void NewDesign(Context& ctx, Design& design);

// Whether the command writes the design it loads (to the same file or another).
enum class DesignUse { kRead, kWrite };

// Loads a design file with the program's open sequence: the defaults, then the file over them.
// An older design is upgraded, with a warning on stderr when the command writes it. On failure
// reports it once, with the file and the reason, and sets the failed exit status.
bool LoadDesignFile(Context& ctx, const std::string& path, Design& design,
                    DesignUse use = DesignUse::kRead);

// Saves the design, replacing the file only when the new one is complete. On failure reports
// "File open/create failed!" with the reason and sets the failed exit status.
bool SaveDesignFile(Context& ctx, const std::string& path, Design& design);

// Writes any output file the same safe way, with the same report on failure.
bool SaveOutputFile(Context& ctx, const std::string& path, ConstBytes contents);

}  // namespace q700::cli

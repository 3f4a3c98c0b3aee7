// Shared set-up of the editor page tests: a new design with the built-in default texts and an
// editor session over them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/editor_session.h"
#include "model/defaults.h"
#include "model/design.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::editor::test {

class PageTest : public testing::Test {
 protected:
  PageTest() {
    RefillTerminalTexts(texts_, defaults_);
    ResetDesign(design_, defaults_);
    session_.BeginSheet();
  }

  std::string Text(int set, int line) { return SlotText(TextSlot(design_, set, line)); }
  std::string Row(const StagingRow& row) { return SlotText(ConstBytes(row.data(), row.size())); }

  TextLoader texts_;
  DefaultTerminalTexts defaults_;
  Design design_;
  EditorSession session_{texts_, defaults_};
};

}  // namespace q700::editor::test

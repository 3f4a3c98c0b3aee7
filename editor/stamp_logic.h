// The date and time stamp dialog of a form ("DateTimeStampDlg"): where the stamp goes and which
// parts of the date and time it holds, with the chosen pattern shown live in the captions of its
// two groups. Edits go into the working copy; Cancel puts the record back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

struct StampLists {
  std::vector<std::string> positions;    // 401
  std::vector<std::string> year_digits;  // 402
  std::vector<std::string> date_styles;  // 403
};
StampLists LoadStampLists(TextLoader& texts);

struct StampView {
  int position = 0;
  bool split = false;  // 101
  bool year = false;   // 102
  int year_digits = 0;
  bool month = false;           // 103
  bool day = false;             // 104
  bool date_separator = false;  // 105
  int date_style = 0;
  bool hour = false;            // 106
  bool minute = false;          // 107
  bool second = false;          // 108
  bool time_separator = false;  // 109
  std::string date_caption;     // "Date Format : YYYY/MM/DD"
  std::string time_caption;     // "Time Format : HH:MM:SS"
};

struct StampTexts {
  std::string date_separator;  // 301
  std::string time_separator;  // 302
};

// A separator edit changed: the text to write back, and the captions that follow from it.
struct StampEdit {
  EditRewrite rewrite;
  StampView view;
};

class StampDialog {
 public:
  explicit StampDialog(FormRecord record) : record_(record) {}

  StampView Open();
  StampView View();
  StampTexts Texts();

  StampView SelectPosition(int position);
  StampView ClickSplit();
  StampView ClickYear();
  StampView SelectYearDigits(int digits);
  StampView ClickMonth();
  StampView ClickDay();
  StampView ClickDateSeparator();
  StampEdit ChangeDateSeparator(std::string_view text);
  StampView SelectDateStyle(int style);
  StampView ClickHour();
  StampView ClickMinute();
  StampView ClickSecond();
  StampView ClickTimeSeparator();
  StampEdit ChangeTimeSeparator(std::string_view text);

  void Ok() {}
  void Cancel() { backup_.Restore(record_); }

 private:
  StampView Toggle(size_t offset);
  StampView Select(size_t offset, int value, int count);
  StampEdit ChangeSeparator(size_t offset, std::string_view text);

  FormRecord record_;
  FormBackup backup_;
};

// The patterns of a form's stamp, as the terminal lays the stamp out: "YYYY/MM/DD", "HH:MM:SS".
std::string DatePattern(FormRecord record);
std::string TimePattern(FormRecord record);

}  // namespace q700::editor

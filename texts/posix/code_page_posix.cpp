// Code-page conversion with iconv.
#include <errno.h>
#include <iconv.h>

#include <string>

#include "texts/code_page.h"

namespace q700 {
namespace {

std::string IconvName(int code_page) { return "CP" + std::to_string(code_page); }

// The length of the UTF-8 sequence that starts with `lead`; 1 for a byte that starts none.
size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (ok()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `input`; on a character it cannot convert, stops there.
  enum class Input { kUtf8, kSingleByte };

  CodePageConversion Run(std::string_view input, Input kind) {
    CodePageConversion result;
    char* in = const_cast<char*>(input.data());
    size_t in_left = input.size();
    char buffer[1024];
    while (in_left > 0) {
      char* out = buffer;
      size_t out_left = sizeof buffer;
      const size_t done = iconv(handle_, &in, &in_left, &out, &out_left);
      result.text.append(buffer, static_cast<size_t>(out - buffer));
      if (done != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: a character that cannot be converted, or a cut sequence.
      result.ok = false;
      result.bad_offset = static_cast<size_t>(in - input.data());
      const size_t length = kind == Input::kUtf8
                                ? Utf8Length(static_cast<unsigned char>(input[result.bad_offset]))
                                : 1;
      result.bad_character = std::string(input.substr(result.bad_offset, length));
      return result;
    }
    return result;
  }

 private:
  iconv_t handle_;
};

}  // namespace

bool IsSupportedCodePage(int code_page) {
  if (code_page <= 0 || code_page > 65535) return false;
  Converter to(IconvName(code_page), "UTF-8");
  Converter from("UTF-8", IconvName(code_page));
  return to.ok() && from.ok();
}

CodePageConversion Utf8ToCodePage(std::string_view utf8, int code_page) {
  Converter converter(IconvName(code_page), "UTF-8");
  if (!converter.ok()) return {.ok = false};
  return converter.Run(utf8, Converter::Input::kUtf8);
}

CodePageConversion CodePageToUtf8(std::string_view bytes, int code_page) {
  Converter converter("UTF-8", IconvName(code_page));
  if (!converter.ok()) return {.ok = false};
  return converter.Run(bytes, Converter::Input::kSingleByte);
}

}  // namespace q700

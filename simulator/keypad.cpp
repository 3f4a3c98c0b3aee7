// Hit areas, picture positions and letters of the pictured keys.
#include "simulator/keypad.h"

#include <array>

namespace q700 {
namespace {

struct KeyArea {
  int key;
  int left, right, top, bottom;  // hit area, bounds inclusive
  Point picture;
};

constexpr std::array<KeyArea, kKeyCount> kAreas = {{
    {1, 31, 76, 311, 335, {29, 309}},    {2, 84, 128, 311, 335, {82, 309}},
    {3, 134, 179, 311, 335, {132, 309}}, {4, 33, 77, 342, 366, {31, 339}},
    {5, 84, 128, 342, 366, {82, 339}},   {6, 133, 177, 342, 366, {131, 339}},
    {7, 36, 78, 373, 396, {34, 370}},    {8, 85, 127, 373, 396, {83, 370}},
    {9, 133, 175, 373, 396, {131, 370}}, {10, 40, 79, 404, 427, {37, 401}},
    {11, 87, 126, 404, 427, {84, 401}},  {12, 132, 171, 404, 427, {129, 401}},
    {13, 28, 73, 283, 306, {27, 281}},   {14, 82, 125, 254, 273, {80, 251}},
    {15, 82, 125, 284, 303, {80, 282}},  {16, 137, 182, 283, 306, {136, 281}},
    {17, 26, 78, 245, 277, {24, 243}},   {18, 137, 189, 245, 277, {135, 243}},
    {19, 24, 65, 201, 236, {22, 200}},   {20, 145, 187, 201, 236, {144, 200}},
}};

// The areas are tested band by band; a point inside a band but on none of its keys hits
// nothing, even when a later band would hold it (the up/down block overlaps the "-" "." band).
struct Band {
  int left, right, top, bottom;
  std::array<int, 3> keys;  // 0 = unused
};

constexpr int kAnyX = 1 << 20;

constexpr std::array<Band, 8> kBands = {{
    {-kAnyX, kAnyX, 201, 236, {19, 20, 0}},
    {82, 125, 254, 303, {14, 15, 0}},
    {-kAnyX, kAnyX, 283, 306, {13, 16, 0}},
    {-kAnyX, kAnyX, 245, 277, {17, 18, 0}},
    {-kAnyX, kAnyX, 311, 335, {1, 2, 3}},
    {-kAnyX, kAnyX, 342, 366, {4, 5, 6}},
    {-kAnyX, kAnyX, 373, 396, {7, 8, 9}},
    {-kAnyX, kAnyX, 404, 427, {10, 11, 12}},
}};

bool Inside(int x, int y, int left, int right, int top, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

int HitTestKey(int x, int y) {
  for (const Band& band : kBands) {
    if (!Inside(x, y, band.left, band.right, band.top, band.bottom)) continue;
    for (int key : band.keys) {
      if (key == 0) continue;
      const KeyArea& a = kAreas[key - 1];
      if (Inside(x, y, a.left, a.right, a.top, a.bottom)) return key;
    }
    return 0;
  }
  return 0;
}

Point KeyPicture(int key) {
  if (key < 1 || key > kKeyCount) return {};
  return kAreas[key - 1].picture;
}

std::string_view AlphaLetters(int key) {
  switch (key) {
    case 1:
      return " ";
    case 2:
      return "ABC";
    case 3:
      return "DEF";
    case 4:
      return "GHI";
    case 5:
      return "JKL";
    case 6:
      return "MNO";
    case 7:
      return "PQRS";
    case 8:
      return "TUV";
    case 9:
      return "WXYZ";
    case kKeyZero:
      return "/*";
    case kKeyMinus:
      return "+$";
    case kKeyDot:
      return "%#";
    default:
      return {};
  }
}

char KeyCharacter(int key) {
  if (key >= 1 && key <= 9) return static_cast<char>('0' + key);
  switch (key) {
    case kKeyZero:
      return '0';
    case kKeyMinus:
      return '-';
    case kKeyDot:
      return '.';
    default:
      return 0;
  }
}

}  // namespace q700

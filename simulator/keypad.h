// The terminal's 20 pictured keys: where a click hits each one, where its picture is drawn, and
// the letters that alpha mode makes from it.
#pragma once

#include <string_view>

namespace q700 {

inline constexpr int kKeyCount = 20;

// Key codes with a role of their own in the engine.
inline constexpr int kKeyAlpha = 10;
inline constexpr int kKeyZero = 11;
inline constexpr int kKeyMenu = 12;
inline constexpr int kKeyMinus = 13;
inline constexpr int kKeyUp = 14;
inline constexpr int kKeyDown = 15;
inline constexpr int kKeyDot = 16;
inline constexpr int kKeyEsc = 17;
inline constexpr int kKeyBackspace = 18;
inline constexpr int kKeyEnter = 19;
inline constexpr int kKeyEnter2 = 20;
// Codes that no key produces: back to the main menu (sent by the editor after it applies), the
// upload screen, the utilities menu, and the field reset.
inline constexpr int kKeyBackToMain = 51;
inline constexpr int kKeyUploadScreen = 52;
inline constexpr int kKeyUtilities = 53;
inline constexpr int kKeyResetField = 60;

struct Point {
  int x = 0;
  int y = 0;
};

// The key whose hit area holds the point (client coordinates), or 0 when the point is on no key.
int HitTestKey(int x, int y);

// Top-left corner of the picture of key 1 to 20.
Point KeyPicture(int key);

// The letters that alpha mode makes from a key, in tap order; empty for keys that make none.
std::string_view AlphaLetters(int key);

// The character that a key types outside alpha mode ("0" to "9", "-", "."), or 0.
char KeyCharacter(int key);

}  // namespace q700

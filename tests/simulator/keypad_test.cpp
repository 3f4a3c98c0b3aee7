// Hit areas of the pictured keys at their edges and the letters of alpha mode.
#include <gtest/gtest.h>

#include "simulator/keypad.h"

namespace q700 {
namespace {

TEST(KeypadHitTest, EnterKeysAtTheirEdges) {
  EXPECT_EQ(HitTestKey(24, 201), 19);
  EXPECT_EQ(HitTestKey(23, 201), 0);  // starts a drag instead
  EXPECT_EQ(HitTestKey(65, 236), 19);
  EXPECT_EQ(HitTestKey(24, 237), 0);
  EXPECT_EQ(HitTestKey(66, 220), 0);
  EXPECT_EQ(HitTestKey(145, 201), 20);
  EXPECT_EQ(HitTestKey(187, 236), 20);
  EXPECT_EQ(HitTestKey(144, 210), 0);
}

TEST(KeypadHitTest, ArrowBlockAndTheGapBetweenItsKeys) {
  EXPECT_EQ(HitTestKey(82, 254), 14);
  EXPECT_EQ(HitTestKey(125, 273), 14);
  EXPECT_EQ(HitTestKey(100, 278), 0);  // between up and down
  EXPECT_EQ(HitTestKey(82, 284), 15);
  EXPECT_EQ(HitTestKey(125, 303), 15);
  EXPECT_EQ(HitTestKey(126, 290), 0);
}

TEST(KeypadHitTest, BandsHitOnlyTheirOwnKeys) {
  EXPECT_EQ(HitTestKey(28, 283), 13);
  EXPECT_EQ(HitTestKey(73, 306), 13);
  EXPECT_EQ(HitTestKey(137, 283), 16);
  EXPECT_EQ(HitTestKey(182, 306), 16);
  // Below the down key but still in the "-" and "." band: nothing.
  EXPECT_EQ(HitTestKey(100, 305), 0);
  EXPECT_EQ(HitTestKey(26, 245), 17);
  EXPECT_EQ(HitTestKey(78, 277), 17);
  EXPECT_EQ(HitTestKey(137, 245), 18);
  EXPECT_EQ(HitTestKey(189, 277), 18);
  EXPECT_EQ(HitTestKey(190, 277), 0);
  EXPECT_EQ(HitTestKey(25, 260), 0);
}

TEST(KeypadHitTest, KeypadRows) {
  EXPECT_EQ(HitTestKey(31, 311), 1);
  EXPECT_EQ(HitTestKey(128, 335), 2);
  EXPECT_EQ(HitTestKey(134, 320), 3);
  EXPECT_EQ(HitTestKey(33, 342), 4);
  EXPECT_EQ(HitTestKey(84, 366), 5);
  EXPECT_EQ(HitTestKey(177, 350), 6);
  EXPECT_EQ(HitTestKey(36, 373), 7);
  EXPECT_EQ(HitTestKey(127, 396), 8);
  EXPECT_EQ(HitTestKey(133, 380), 9);
  EXPECT_EQ(HitTestKey(40, 404), 10);
  EXPECT_EQ(HitTestKey(87, 427), 11);
  EXPECT_EQ(HitTestKey(171, 427), 12);
  EXPECT_EQ(HitTestKey(172, 427), 0);
  EXPECT_EQ(HitTestKey(80, 320), 0);   // between keys 1 and 2
  EXPECT_EQ(HitTestKey(50, 338), 0);   // between two rows
  EXPECT_EQ(HitTestKey(100, 100), 0);  // the display
}

TEST(KeypadPictures, CornersOfTheKeyPictures) {
  EXPECT_EQ(KeyPicture(19).x, 22);
  EXPECT_EQ(KeyPicture(19).y, 200);
  EXPECT_EQ(KeyPicture(12).x, 129);
  EXPECT_EQ(KeyPicture(12).y, 401);
  EXPECT_EQ(KeyPicture(15).x, 80);
  EXPECT_EQ(KeyPicture(15).y, 282);
}

TEST(KeypadLetters, AlphaLettersAndDigits) {
  EXPECT_EQ(AlphaLetters(1), " ");
  EXPECT_EQ(AlphaLetters(7), "PQRS");
  EXPECT_EQ(AlphaLetters(9), "WXYZ");
  EXPECT_EQ(AlphaLetters(11), "/*");
  EXPECT_EQ(AlphaLetters(13), "+$");
  EXPECT_EQ(AlphaLetters(16), "%#");
  EXPECT_EQ(AlphaLetters(10), "");
  EXPECT_EQ(KeyCharacter(11), '0');
  EXPECT_EQ(KeyCharacter(9), '9');
  EXPECT_EQ(KeyCharacter(13), '-');
  EXPECT_EQ(KeyCharacter(16), '.');
  EXPECT_EQ(KeyCharacter(14), 0);
}

}  // namespace
}  // namespace q700

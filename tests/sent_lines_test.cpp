// Lines closed with Enter while a room text is drawn wait their turn: sent
// one by one once the text is done, five frames apart, and what the player
// was still typing comes back with the next key.
#include <gtest/gtest.h>

#include "support/rig.h"

namespace raketa::test {
namespace {

// Room 2 of an empty world with a three-character text still to be typed.
void TextBeingTyped(Rig& rig) {
  rig.StartPlay(2);
  WriteFile("texty/m2.dat", "abc");
  OpenRoomText(rig.g, "texty\\m2.dat");
  rig.w.Room(2).FirstVisit = 1;
  rig.g.NarrationPending = true;
}

TEST(SentLines, TwoLinesClosedDuringTheTextAreSentInTurn) {
  Rig rig;
  TextBeingTyped(rig);
  rig.Type("prohledej");
  rig.PressEnter();
  rig.Type("i");
  rig.PressEnter();
  EXPECT_EQ(rig.LineUtf8(), "i") << "the first line waits, the second is being typed";
  rig.Frame(4);  // the text is done in the fourth frame
  EXPECT_EQ(rig.LineUtf8(), "i");
  rig.Frame();
  EXPECT_EQ(rig.LineUtf8(), "OK....");
  EXPECT_EQ(rig.w.Room(2).Searched, 1);
  rig.Frame(4);  // the cooldown between two commands
  EXPECT_EQ(rig.LineUtf8(), "OK....");
  rig.Frame();
  EXPECT_EQ(rig.LineUtf8(), "Nic u sebe nemáš.");
  rig.Frame(10);
  EXPECT_TRUE(rig.g.SentLines.empty());
  EXPECT_EQ(rig.LineUtf8(), "Nic u sebe nemáš.") << "no press is left over to send anything else";
}

TEST(SentLines, WhatWasStillBeingTypedComesBackWithTheNextKey) {
  Rig rig;
  TextBeingTyped(rig);
  rig.Type("prohledej");
  rig.PressEnter();
  rig.Type("inv");
  rig.Frame(10);  // the text, the waiting line, the cooldown after it
  EXPECT_EQ(rig.LineUtf8(), "OK....");
  rig.Type("entář");
  EXPECT_EQ(rig.LineUtf8(), "inventář");
  rig.PressEnter();
  rig.Frame(6);
  EXPECT_EQ(rig.LineUtf8(), "Nic u sebe nemáš.");
}

TEST(SentLines, WithoutTypingAfterEnterTheLineIsSentAsAlways) {
  Rig rig;
  TextBeingTyped(rig);
  rig.Type("prohledej");
  rig.PressEnter();
  rig.Frame(5);
  EXPECT_EQ(rig.LineUtf8(), "OK....");
  EXPECT_TRUE(rig.g.SentLines.empty());
  EXPECT_FALSE(rig.g.EnterWhileTelling);
}

}  // namespace
}  // namespace raketa::test

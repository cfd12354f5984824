// Typed UTF-8 becomes code page 1250; what has no place there is dropped.
// Pasted text too, cut to one command line.
#include <gtest/gtest.h>

#include "presentation/boxes/typed_text.h"

namespace raketa {
namespace {

TEST(TypedText, KeepsWhatCodePage1250HoldsAndDropsTheRest) {
  struct Case {
    const char* typed;
    std::string expected;
    const char* why;
  };
  const Case cases[] = {
      {"sever", "sever", "plain letters"},
      {"\xC4\x8D\x65\xC5\x98\xC5\xAF", "\xE8" "e\xD8\xF9", "č e Ř ů"},
      {"\xE2\x82\xAC", "\x80", "the euro sign has a place"},
      {"a\xD0\xB6" "b", "ab", "Cyrillic ж has none"},
      {"x\xF0\x9F\x9A\x80y", "xy", "a four-byte rocket has none"},
      {"a\tb\nc\x7F" "d", "abcd", "control characters"},
      {"\x80z", "z", "a stray continuation byte"},
      {"\xC4z", "z", "a lead byte without its continuation"},
      {"k\xC5", "k", "a sequence cut off at the end"},
      {"\xC1\x81z", "z", "an overlong A"},
      {"\xE0\x81\x81z", "z", "an overlong A in three bytes"},
      {"\xED\xA0\x80z", "z", "a surrogate half"},
      {"\xF5\x80\x80\x80z", "z", "past the last code point"},
  };
  for (const Case& c : cases) EXPECT_EQ(TypedCp1250(c.typed), c.expected) << c.why;
}

TEST(TypedText, PastedTextDropsLineBreaksAndFillsOneLineAtMost) {
  struct Case {
    std::string clipboard;
    std::string expected;
    const char* why;
  };
  const Case cases[] = {
      {"vem kl\xC3\xAD\xC4\x8D", "vem kl\xED\xE8", "UTF-8 in, code page 1250 out"},
      {"sever\r\n", "sever", "a trailing line break"},
      {"prohledej\nm\xC3\xADstnost", "prohledejm\xEDstnost", "a break inside"},
      {std::string(60, 'a'), std::string(50, 'a'), "cut at a full line"},
      {"", "", "an empty clipboard"},
  };
  for (const Case& c : cases) EXPECT_EQ(PastedCp1250(c.clipboard), c.expected) << c.why;
}

}  // namespace
}  // namespace raketa

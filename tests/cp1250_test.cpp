// Code page 1250 held against the C library's iconv: every byte of the upper
// half both ways, the five bytes the code page leaves undefined, and
// characters it cannot hold.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cwctype>
#include <clocale>
#include <optional>
#include <string>
#include <string_view>

#include "services/cp1250.h"

namespace raketa {
namespace {

// iconv's conversion of the whole of `in`; nothing when it refuses a character.
std::optional<std::string> Iconv(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string src(in);
  std::string out(in.size() * 4 + 8, '\0');
  char* inp = src.data();
  char* outp = out.data();
  std::size_t inLeft = src.size(), outLeft = out.size();
  const std::size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::optional<std::string> ToUtf8(std::string_view cp1250) { return Iconv("UTF-8", "CP1250", cp1250); }
std::optional<std::string> ToCp1250(std::string_view utf8) { return Iconv("CP1250", "UTF-8", utf8); }

char32_t OnlyCodepoint(const std::string& utf8) {
  char32_t cp = 0;
  const std::size_t n = DecodeUtf8(utf8, 0, cp);
  EXPECT_EQ(n, utf8.size()) << "not one character: " << utf8;
  return cp;
}

TEST(CodePage1250, EveryUpperByteAgreesWithIconvBothWays) {
  ASSERT_TRUE(ToUtf8("a").has_value()) << "iconv knows no CP1250";
  for (int b = 0x80; b <= 0xFF; ++b) {
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
    const std::string byte(1, static_cast<char>(b));
    const std::optional<std::string> utf8 = ToUtf8(byte);
    if (!utf8) {
      // A hole in the code page: shown as the replacement character and
      // never produced from any text.
      EXPECT_EQ(Cp1250ToCodepoint(static_cast<unsigned char>(b)), U'\uFFFD');
      EXPECT_EQ(Cp1250ToUtf8(byte), "\uFFFD");
      continue;
    }
    EXPECT_EQ(Cp1250ToUtf8(byte), *utf8);
    EXPECT_EQ(Cp1250ToCodepoint(static_cast<unsigned char>(b)), OnlyCodepoint(*utf8));
    // And back.
    EXPECT_EQ(ToCp1250(*utf8), byte);
    EXPECT_EQ(Utf8ToCp1250(*utf8), byte);
    EXPECT_EQ(CodepointToCp1250(OnlyCodepoint(*utf8)), b);
  }
}

TEST(CodePage1250, TheHolesAreTheFiveIconvRefuses) {
  std::string holes;
  for (int b = 0x80; b <= 0xFF; ++b)
    if (Cp1250ToCodepoint(static_cast<unsigned char>(b)) == U'\uFFFD') holes.push_back(static_cast<char>(b));
  EXPECT_EQ(holes, "\x81\x83\x88\x90\x98");
  for (char h : holes) EXPECT_FALSE(ToUtf8(std::string(1, h)).has_value()) << int(static_cast<unsigned char>(h));
}

TEST(CodePage1250, WholeTextsConvertAsIconvConvertsThem) {
  // Every defined byte in one run, with the ASCII half around it.
  std::string all;
  for (int b = 1; b <= 0xFF; ++b)
    if (Cp1250ToCodepoint(static_cast<unsigned char>(b)) != U'\uFFFD') all.push_back(static_cast<char>(b));
  const std::optional<std::string> utf8 = ToUtf8(all);
  ASSERT_TRUE(utf8.has_value());
  EXPECT_EQ(Cp1250ToUtf8(all), *utf8);
  EXPECT_EQ(Utf8ToCp1250(*utf8), all);
}

TEST(CodePage1250, CharactersItCannotHoldBecomeAQuestionMark) {
  struct Case {
    const char* what;
    const char* utf8;
  };
  const Case cases[] = {
      {"n with tilde", "ñ"},
      {"o with stroke", "ø"},
      {"a with ring", "å"},
      {"oe ligature (code page 1252 has it)", "œ"},
      {"y with diaeresis (0xFF is the dot above)", "ÿ"},
      {"A with macron", "Ā"},
      {"the replacement character that stands for the holes", "\uFFFD"},
      {"a CJK ideograph", "中"},
      {"outside the basic plane", "\U0001F680"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ToCp1250(c.utf8).has_value()) << "iconv holds it after all";
    EXPECT_EQ(CodepointToCp1250(OnlyCodepoint(c.utf8)), -1);
    EXPECT_EQ(Utf8ToCp1250(c.utf8), "?");
    // One question mark for the character, whatever its length in UTF-8.
    EXPECT_EQ(Utf8ToCp1250(std::string("ř") + c.utf8 + "a"), "\xF8?a");
  }
}

TEST(CodePage1250, LowerCaseFollowsUnicodeWithinTheCodePage) {
  const std::string before = std::setlocale(LC_CTYPE, nullptr);
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  for (int b = 0; b <= 0xFF; ++b) {
    const char32_t cp = Cp1250ToCodepoint(static_cast<unsigned char>(b));
    const int lower = CodepointToCp1250(static_cast<char32_t>(std::towlower(static_cast<wint_t>(cp))));
    // A capital whose small letter the code page lacks stays as it is.
    const int expected = lower < 0 ? b : lower;
    EXPECT_EQ(LowerCp1250(static_cast<unsigned char>(b)), expected) << "byte 0x" << std::hex << b;
  }
  std::setlocale(LC_CTYPE, before.c_str());
}

TEST(Utf8Decoding, TakesWholeSequencesAndRefusesWhatIsNotUtf8) {
  struct Case {
    std::string bytes;
    std::size_t length;  // 0: refused
    char32_t cp;
    const char* why;
  };
  const Case cases[] = {
      {"a", 1, U'a', "ASCII"},
      {"\xC4\x8D", 2, U'\u010D', "two bytes (č)"},
      {"\xC2\x80", 2, U'\u0080', "the smallest two-byte code point"},
      {"\xE2\x82\xAC", 3, U'\u20AC', "three bytes (€)"},
      {"\xE0\xA0\x80", 3, U'\u0800', "the smallest three-byte code point"},
      {"\xED\x9F\xBF", 3, U'\uD7FF', "just below the surrogates"},
      {"\xEE\x80\x80", 3, U'\uE000', "just above the surrogates"},
      {"\xF0\x9F\x9A\x80", 4, U'\U0001F680', "four bytes (rocket)"},
      {"\xF4\x8F\xBF\xBF", 4, U'\U0010FFFF', "the last code point"},
      {"\xC4\x8Dx", 2, U'\u010D', "what follows is not taken"},
      {"\xC0\xAF", 0, 0, "overlong slash in two bytes"},
      {"\xC1\x81", 0, 0, "overlong A in two bytes"},
      {"\xE0\x80\xAF", 0, 0, "overlong slash in three bytes"},
      {"\xF0\x8F\xBF\xBF", 0, 0, "overlong U+FFFF in four bytes"},
      {"\xED\xA0\x80", 0, 0, "high surrogate"},
      {"\xED\xBF\xBF", 0, 0, "low surrogate"},
      {"\xF4\x90\x80\x80", 0, 0, "past the last code point"},
      {"\xC4", 0, 0, "two-byte sequence cut off"},
      {"\xE2\x82", 0, 0, "three-byte sequence cut off"},
      {"\xF0\x9F\x9A", 0, 0, "four-byte sequence cut off"},
      {"\xC4x", 0, 0, "lead byte followed by ASCII"},
      {"\x80", 0, 0, "lone continuation byte"},
      {"\xF8\x88\x80\x80\x80", 0, 0, "five-byte form"},
      {"\xFF", 0, 0, "never in UTF-8"},
  };
  for (const Case& c : cases) {
    char32_t cp = 0;
    const std::size_t n = DecodeUtf8(c.bytes, 0, cp);
    EXPECT_EQ(n, c.length) << c.why;
    if (c.length != 0 && n == c.length) {
      EXPECT_EQ(cp, c.cp) << c.why;
    }
  }
  // A sequence is read where it starts, not only at the front.
  char32_t cp = 0;
  EXPECT_EQ(DecodeUtf8("ab\xC5\xBE", 2, cp), 2u);
  EXPECT_EQ(cp, U'\u017E');
  EXPECT_EQ(DecodeUtf8("ab\xC5", 2, cp), 0u);
}

}  // namespace
}  // namespace raketa

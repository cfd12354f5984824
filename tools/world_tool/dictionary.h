// The forms of a Czech word as Debian's hunspell dictionary (hunspell-cs)
// makes them: the word's entry in cs_CZ.dic and the suffix rules of its
// flags in cs_CZ.aff.  The dictionary knows no cases, only the forms, so the
// table the game reads keeps all of them; the accusative, the one form the
// game's own answers need, follows from the noun's ending (see Accusative).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace raketa::worldtool {

class Dictionary {
 public:
  // Reads `folder`/cs_CZ.aff and `folder`/cs_CZ.dic; throws ToolError when
  // either cannot be read.
  explicit Dictionary(const std::string& folder);

  // Every form of `word` (UTF-8, lower case), the word itself first.  A
  // word the dictionary does not hold is declined like the longest word it
  // ends in ("termobox" like "box"); failing that it has only itself.
  std::vector<std::string> Forms(const std::string& word) const;

  // The accusative singular: a noun in -a ("karta") has its -u form when
  // the dictionary makes one ("kartu"); every other noun of the game
  // (masculine inanimate, neuter, feminine in a consonant or -e) keeps the
  // nominative.
  std::string Accusative(const std::string& noun) const;

  // The forms of an adjective given as it stands before its noun, in any
  // gender ("přístupová", "psací"): the dictionary holds adjectives in the
  // masculine, so a feminine or neuter -á, -é is looked up as -ý.
  std::vector<std::string> AdjectiveForms(const std::string& adjective) const;

 private:
  struct Rule {
    std::u32string strip, add;
    std::vector<std::u32string> condition;  // one set of letters per place; '^' first negates
  };
  std::vector<std::string> Expand(const std::u32string& root, const std::u32string& flags) const;
  static bool Fits(const Rule& r, const std::u32string& word);

  std::map<char32_t, std::vector<Rule>> suffixes_;
  std::map<std::u32string, std::u32string> entries_;  // word -> its flags
};

}  // namespace raketa::worldtool

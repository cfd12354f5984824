// The words speech is given: the game's texts as a Czech voice should read
// them.
#include <gtest/gtest.h>

#include <cmath>

#include "services/cp1250.h"
#include "world/files.h"
#include "world/speaking.h"

namespace raketa::test {
namespace {

struct Case {
  const char* given;
  const char* said;
};

TEST(SpeechWords, ScreenTextsBecomeOneReadableLine) {
  const Case cases[] = {
      {"72 %", "72 procent"},
      {"zdraví 1 %", "zdraví 1 procento"},
      {"3% a 4 %", "3 procenta a 4 procenta"},
      {"0 %", "0 procent"},
      {"21 %", "21 procent"},
      {"palivo 100 %!", "palivo 100 procent!"},
      {"100", "100"},                                  // a number alone stays a number
      {"PAUSE  ESC=POKRAČUJ", "pauza escape pokračuj"},  // the key legend, as words
      {"F1=znovu  F10=konec", "F1 znovu F10 konec"},
      {"ESCAPE", "escape"},  // capitals in small letters, not spelled out
      {"PAUSED", "paused"},
      {"Esc ukončí hru", "escape ukončí hru"},
      {"KABINA. Sedíš v křesle.", "kabina. Sedíš v křesle."},
      {"F9 a A", "F9 a A"},  // a key and a lone letter stay
      {"  řádek\r\ndruhý\t ", "řádek druhý"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SpokenForm(c.given), c.said) << c.given;
}

// The drawn answers keep their dots, their "OK" and their missing accents;
// the voice gets pauses and words.
TEST(SpeechWords, DotsOkAndWordsWithoutAccentsAreSaidAsWords) {
  const Case cases[] = {
      {"OK..vzal jsem...", "okej, vzal jsem."},
      {"Ok..článek vyměněn ", "okej, článek vyměněn"},
      {"to nejde...nejsou žádné dveře na jih ...", "to nejde, nejsou žádné dveře na jih."},
      {"Prosím čekej.....", "Prosím čekej."},
      {"...Musíš pustit ventil !!", "Musíš pustit ventil!"},
      {"snad bych se tu měl asi porozhlédnout co??...", "snad bych se tu měl asi porozhlédnout co?"},
      {"to je balzám ...už to nekrvácí", "to je balzám, už to nekrvácí"},
      {"kufr..je zřejmě nepřístupný..", "kufr, je zřejmě nepřístupný."},
      {"Úvod… a dál", "Úvod, a dál"},
      {"Konec.", "Konec."},
      {"Neni zadané žádné jméno souboru..", "Není zadané žádné jméno souboru."},
      {"sever jih vychod zapad, prohledej, vem, odloz, pouzij", "sever jih východ západ, prohledej, vem, odlož, použij"},
      {"chybí ti klicek", "chybí ti klíček"},
      {"Kable jsou opraveny mužeš měnit članky.", "Kabely jsou opraveny můžeš měnit články."},
      {"vychodní", "vychodní"},  // only whole words
  };
  for (const Case& c : cases) EXPECT_EQ(SpokenForm(c.given), c.said) << c.given;
}

// A saved game is said by its name: no directory, no slashes, no ".sav".
TEST(SpeechWords, FilesAreSaidByTheirNamesAlone) {
  const Case cases[] = {
      {"Ok uloženo do souboru /home/hráč/.local/share/raketa/hra.sav", "okej uloženo do souboru hra"},
      {"nahráno: ukládání.SAV.", "nahráno: ukládání."},
      {"soubor C:\\hry\\raketa\\druha.sav", "soubor druha"},
      {"(/tmp/x/moje.sav)", "(moje)"},
      {"hra.save", "hra.save"},  // only the ending every saved game has
      {"1/7 Chůze: sever", "strana 1, Chůze: sever"},  // a help page, no path
      {"a/7", "7"},
  };
  for (const Case& c : cases) EXPECT_EQ(SpokenForm(c.given), c.said) << c.given;
  // A refused load, in Czech, with the file's name only.
  const struct {
    int code;
    const char* path;
    const char* said;
  } errors[] = {
      {io::FileNotFound, "/home/hráč/hry/moje hra.sav", "Chyba u souboru moje hra: soubor nebyl nalezen."},
      {io::InvalidRecord, "saves/rozbita.sav", "Chyba u souboru rozbita: soubor neobsahuje platnou hru."},
      {io::ReadBeyondEnd, "kratka.sav", "Chyba u souboru kratka: soubor je příliš krátký."},
      {io::AccessDenied, "", "Chyba: přístup k souboru odepřen."},
      {9999, "/a/b.sav", "Chyba u souboru b: chyba souboru číslo 9999."},
  };
  for (const auto& e : errors) {
    const std::string said = SpokenForm(Cp1250ToUtf8(SpokenIoError(e.code, W(e.path))));
    EXPECT_EQ(said, e.said) << e.path;
    EXPECT_EQ(said.find('/'), std::string::npos) << said;
  }
}

TEST(SpeechWords, ARoomIsNamedByItsFirstSentence) {
  const Case cases[] = {
      {"KABINA. Sedíš v pilotním křesle.", "KABINA."},
      {"Umývárna. Tudy ne! Na západ!", "Umývárna."},
      {"Okraj útesu! Na sever!", "Okraj útesu!"},
      {"Mistnost 1", "Mistnost 1"},  // a short text without a stop is all name
      {"Dlouhá věta bez tečky, která se táhne přes celý řádek a dál", ""},
      {"Úvod přeskočíš klávesou Esc, a pak už nic. Dál.", ""},  // no short first sentence
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(RoomName(W(c.given)), W(c.said)) << c.given;
}

TEST(SpeechWords, CountedNounsFollowCzechGrammar) {
  const struct {
    long n;
    const char* percent;
    const char* minutes;
  } cases[] = {
      {0, "0 procent", "0 minut"},     {1, "1 procento", "1 minuta"}, {2, "2 procenta", "2 minuty"},
      {4, "4 procenta", "4 minuty"},   {5, "5 procent", "5 minut"},   {11, "11 procent", "11 minut"},
      {180, "180 procent", "180 minut"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Percent(c.n), c.percent);
    EXPECT_EQ(Minutes(c.n), c.minutes);
  }
}

TEST(SpeechWords, MetersRoundAsThePanelShowsThem) {
  const struct {
    float value;
    const char* said;
  } cases[] = {{72.4f, "72 procent"}, {72.5f, "72 procent"}, {73.5f, "74 procent"}, {99.6f, "100 procent"},
               {0.4f, "0 procent"},   {2e9f, "2000000000 procent"}, {INFINITY, "nekonečno procent"}};
  for (const auto& c : cases) EXPECT_EQ(MeterPercent(c.value), c.said) << c.value;
}

// Room texts are code page 1250 with CR LF lines; the voice gets one
// paragraph, and an indented list entry (before a capital) gets the full
// stop it lacks.
TEST(SpeechWords, ARoomTextIsOneParagraph) {
  const Case cases[] = {
      {"KABINA. Sedis.\r\nDvere vedou na jih.\r\n", "KABINA. Sedis. Dvere vedou na jih."},
      {"Pult hlasi:\r\n  UNIK PALIVA\r\n  CLANKY - VYBIJENI\r\nKonec.", "Pult hlasi: UNIK PALIVA. CLANKY - VYBIJENI. Konec."},
      {"  uz s teckou.\r\n", "uz s teckou."},
      // An indented quotation whose sentences run on over the lines.
      {"poznamky:\r\n \x84" "Energii otevre cip. Nahradni\r\n  clanky se meni zde\r\n  hned! -J.\x93\r\nKonec.",
       "poznamky: \x84" "Energii otevre cip. Nahradni clanky se meni zde hned! -J.\x93 Konec."},
      {"  \x8A" "LUS\r\n  \x9A" "upina", "\x8A" "LUS \x9A" "upina."},  // Š is a capital, š is not
      {"bez konce radku", "bez konce radku"},
      {"\r\n\r\nprazdne radky\r\n\r\n", "prazdne radky"},
      {"jen LF\nbez CR", "jen LF bez CR"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SpokenParagraph(c.given), c.said) << c.given;
}

}  // namespace
}  // namespace raketa::test

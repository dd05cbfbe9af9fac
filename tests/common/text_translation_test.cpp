#include "common/text_translation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vq {
namespace {

// A catalogue with well-formed and harmful pattern translations.
std::string FakeCatalogue(const char* text) {
  if (std::strcmp(text, "Removed %d channels!") == 0) return "%d Kan\xE4le entfernt!";
  if (std::strcmp(text, "Copied %d of %s") == 0) return "%s: %d kopiert";  // swapped
  if (std::strcmp(text, "Saved %d") == 0) return "Gespeichert %d %s";      // one more
  if (std::strcmp(text, "Ready!") == 0) return "Fertig!";
  // Conversions printf knows but the check cannot compare.
  if (std::strcmp(text, "Moved %d") == 0) return "%1$s verschoben";
  if (std::strcmp(text, "Width %d") == 0) return "Breite %*d";
  if (std::strcmp(text, "Kept %d%%") == 0) return "%d%% behalten";
  return text;
}

class TextTranslationTest : public ::testing::Test {
 protected:
  void TearDown() override { SetTextTranslator(nullptr); }
};

TEST_F(TextTranslationTest, TextsStayEnglishWithoutATranslator) {
  EXPECT_EQ(TranslatedText("Ready!"), "Ready!");
  EXPECT_EQ(TranslatedPattern("Removed %d channels!"), "Removed %d channels!");
  EXPECT_EQ(TranslatedText(std::string()), "");
}

TEST_F(TextTranslationTest, InstalledTranslatorAnswersTextsAndPatterns) {
  SetTextTranslator(&FakeCatalogue);
  EXPECT_EQ(TranslatedText("Ready!"), "Fertig!");
  EXPECT_EQ(TranslatedText(std::string("Not in the catalogue")), "Not in the catalogue");
  EXPECT_EQ(TranslatedPattern("Removed %d channels!"), "%d Kan\xE4le entfernt!");
}

// A translated pattern that reads its arguments differently would make
// printf read a number as a string: the English pattern is used instead.
TEST_F(TextTranslationTest, PatternWithOtherConversionsIsIgnored) {
  SetTextTranslator(&FakeCatalogue);
  EXPECT_EQ(TranslatedPattern("Copied %d of %s"), "Copied %d of %s");
  EXPECT_EQ(TranslatedPattern("Saved %d"), "Saved %d");
  EXPECT_EQ(TranslatedPattern("Moved %d"), "Moved %d");
  EXPECT_EQ(TranslatedPattern("Width %d"), "Width %d");
  EXPECT_EQ(TranslatedPattern("Kept %d%%"), "%d%% behalten");
}

}  // namespace
}  // namespace vq

#include "common/text_translation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vq {
namespace {

// A catalogue with one well-formed and two harmful pattern translations.
std::string FakeCatalogue(const char* text) {
  if (std::strcmp(text, "Removed %d channels!") == 0) return "%d Kan\xE4le entfernt!";
  if (std::strcmp(text, "Copied %d of %s") == 0) return "%s: %d kopiert";  // swapped
  if (std::strcmp(text, "Saved %d") == 0) return "Gespeichert %d %s";      // one more
  if (std::strcmp(text, "Ready!") == 0) return "Fertig!";
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
}

}  // namespace
}  // namespace vq
